#pragma once

#include "exchange/transferprompts.h"

class QWidget;

// Logins asked with the login dialog, over the transfer dialog.
class LoginPrompts : public TransferPrompts
{
public:
    explicit LoginPrompts(QWidget *parent)
        : m_parent(parent)
    { }
    bool askLogin(const QString &site, QString &user, QString &password) override;

private:
    QWidget *m_parent;
};
