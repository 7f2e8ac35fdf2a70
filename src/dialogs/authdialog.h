#pragma once

#include <QDialog>

class QLineEdit;

// Asks for a user name and a password, for an FTP login or an HTTP server
// that wants credentials.
class AuthDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AuthDialog(QWidget *parent = nullptr);

    QString user() const;
    QString password() const;

private:
    QLineEdit *m_userEdit;
    QLineEdit *m_passwordEdit;
};
