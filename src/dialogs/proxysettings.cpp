#include "proxysettings.h"

#include "dialogslog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ProxySettings::ProxySettings(QWidget *parent, ProxyConfig *proxy)
    : QDialog(parent)
    , m_proxy(proxy)
    , m_hostEdit(new QLineEdit)
    , m_portEdit(new QLineEdit)
    , m_userEdit(new QLineEdit)
    , m_passwordEdit(new QLineEdit)
{
    setWindowTitle(tr("ProxySettings"));
    m_hostEdit->setObjectName(QStringLiteral("hostEdit"));
    m_portEdit->setObjectName(QStringLiteral("portEdit"));
    m_userEdit->setObjectName(QStringLiteral("userEdit"));
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    auto *grid = new QGridLayout;
    const QList<QPair<QString, QLineEdit *>> rows = {{tr("Proxy Host:"), m_hostEdit}, {tr("Proxy Port:"), m_portEdit},
        {tr("User Name:"), m_userEdit}, {tr("Password:"), m_passwordEdit}};
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(new QLabel(rows[i].first), i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    auto *set = new QPushButton(tr("Set Proxy"));
    auto *cancel = new QPushButton(tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(set);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(set, &QPushButton::clicked, this, &ProxySettings::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const ProxyConfig shown = m_proxy->host.isEmpty() ? ProxyConfig::fromEnvironment() : *m_proxy;
    if (!shown.host.isEmpty()) {
        m_hostEdit->setText(shown.host);
        m_portEdit->setText(QString::number(shown.port));
        m_userEdit->setText(shown.user);
        m_passwordEdit->setText(shown.password);
        m_userEdit->setFocus();
    }
}

void ProxySettings::accept()
{
    qCDebug(lcDialogs) << "SET DEFAULT PROXY";
    m_proxy->host = m_hostEdit->text().trimmed();
    m_proxy->port = m_portEdit->text().toInt();
    m_proxy->user = m_userEdit->text();
    m_proxy->password = m_passwordEdit->text();
    QDialog::accept();
}
