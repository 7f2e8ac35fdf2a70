#include "proxysettings.h"

#include "dialogslog.h"
#include "passwordmemory.h"

#include "exchange/transferprompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace {

const QString HostKey = QStringLiteral("proxy/host");
const QString PortKey = QStringLiteral("proxy/port");
const QString UserKey = QStringLiteral("proxy/user");
// where an earlier version kept a remembered password, in plain text
const QString PasswordKey = QStringLiteral("proxy/password");

// what the user typed this session, when not remembered
QString &sessionPassword()
{
    static QString password;
    return password;
}

LoginRequest proxyLogin(const QString &host, const QString &user)
{
    LoginRequest request;
    request.kind = LoginRequest::Kind::Proxy;
    request.host = host;
    request.user = user;
    return request;
}

} // namespace

ProxyConfig ProxySettings::current()
{
    const QSettings settings;
    if (!settings.contains(HostKey))
        return ProxyConfig::fromEnvironment();
    ProxyConfig proxy;
    proxy.host = settings.value(HostKey).toString();
    proxy.port = settings.value(PortKey, -1).toInt();
    proxy.user = settings.value(UserKey).toString();
    proxy.password = settings.value(PasswordKey, sessionPassword()).toString();
    PasswordMemory::Login kept;
    if (proxy.password.isEmpty() && !proxy.user.isEmpty()
        && PasswordMemory::find(proxyLogin(proxy.host, proxy.user), kept))
        proxy.password = kept.password;
    return proxy;
}

ProxySettings::ProxySettings(QWidget *parent, ProxyConfig *proxy)
    : QDialog(parent)
    , m_proxy(proxy)
    , m_hostEdit(new QLineEdit)
    , m_portEdit(new QLineEdit)
    , m_userEdit(new QLineEdit)
    , m_passwordEdit(new QLineEdit)
    , m_rememberBox(new QCheckBox(tr("Remember password")))
{
    setWindowTitle(tr("Proxy Settings"));
    m_rememberBox->setObjectName(QStringLiteral("rememberBox"));
    m_rememberBox->setVisible(PasswordMemory::secretStoreAvailable());
    m_portEdit->setValidator(new QIntValidator(1, 65535, m_portEdit));
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
    grid->addWidget(m_rememberBox, int(rows.size()), 1);
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

    const ProxyConfig &shown = *m_proxy;
    if (!shown.host.isEmpty()) {
        m_hostEdit->setText(shown.host);
        m_portEdit->setText(shown.port > 0 ? QString::number(shown.port) : QString());
        m_userEdit->setText(shown.user);
        m_passwordEdit->setText(shown.password);
        m_userEdit->setFocus();
    }
}

void ProxySettings::accept()
{
    qCDebug(lcDialogs) << "proxy set";
    m_proxy->host = m_hostEdit->text().trimmed();
    m_proxy->port = m_portEdit->text().isEmpty() ? -1 : m_portEdit->text().toInt();
    m_proxy->user = m_userEdit->text();
    m_proxy->password = m_passwordEdit->text();
    QSettings settings;
    settings.setValue(HostKey, m_proxy->host);
    settings.setValue(PortKey, m_proxy->port);
    settings.setValue(UserKey, m_proxy->user);
    sessionPassword() = m_proxy->password;
    // never in the settings file, and one kept there before is taken out
    settings.remove(PasswordKey);
    if (m_rememberBox->isVisibleTo(this) && m_rememberBox->isChecked() && !m_proxy->user.isEmpty())
        PasswordMemory::remember(proxyLogin(m_proxy->host, m_proxy->user), {m_proxy->user, m_proxy->password}, true);
    QDialog::accept();
}
