#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
struct LoginRequest;

// Asks for a user name and a password for a server or a proxy, saying which
// (host and realm) and why (again, after a refusal), with the user name given
// last filled in. "Remember" is offered where the desktop has a secret store.
class AuthDialog : public QDialog
{
    Q_OBJECT

public:
    AuthDialog(QWidget *parent, const LoginRequest &request);

    QString user() const;
    QString password() const;
    // The learner wants the login kept in the desktop's secret store.
    bool remember() const;

private:
    QLineEdit *m_userEdit;
    QLineEdit *m_passwordEdit;
    QCheckBox *m_rememberBox;
};
