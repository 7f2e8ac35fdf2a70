#include "authdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AuthDialog::AuthDialog(QWidget *parent)
    : QDialog(parent)
    , m_userEdit(new QLineEdit)
    , m_passwordEdit(new QLineEdit)
{
    setWindowTitle(tr("Enter Username & Password"));
    m_userEdit->setObjectName(QStringLiteral("userEdit"));
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Username:")), 0, 0);
    grid->addWidget(m_userEdit, 0, 1);
    grid->addWidget(new QLabel(tr("Password:")), 1, 0);
    grid->addWidget(m_passwordEdit, 1, 1);
    // the two captions stay as they are in every language
    auto *ok = new QPushButton(QStringLiteral("Ok"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString AuthDialog::user() const
{
    return m_userEdit->text();
}

QString AuthDialog::password() const
{
    return m_passwordEdit->text();
}
