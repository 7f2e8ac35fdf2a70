#pragma once

#include <QDialog>

class QLineEdit;
struct LoginRequest;

// Asks for a user name and a password for a server or a proxy, saying which
// (host and realm) and why (again, after a refusal), with the user name given
// last filled in.
class AuthDialog : public QDialog
{
    Q_OBJECT

public:
    AuthDialog(QWidget *parent, const LoginRequest &request);

    QString user() const;
    QString password() const;

private:
    QLineEdit *m_userEdit;
    QLineEdit *m_passwordEdit;
};
