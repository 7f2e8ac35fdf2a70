#pragma once

#include "exchange/proxyconfig.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks for an HTTP proxy, pre-filled with the one in use; accepting sets
// the proxy the transfer dialog uses (an empty host switches it off) and
// keeps host, port and user in the settings. The password is kept for this
// session only, unless "Remember password" is ticked where the desktop has
// a secret store: then it is kept there.
class ProxySettings : public QDialog
{
    Q_OBJECT

public:
    ProxySettings(QWidget *parent, ProxyConfig *proxy);

    // The proxy the transfers use: the one the user set, else the one
    // "http_proxy" names.
    static ProxyConfig current();

public slots:
    void accept() override;

private:
    ProxyConfig *m_proxy;
    QLineEdit *m_hostEdit;
    QLineEdit *m_portEdit;
    QLineEdit *m_userEdit;
    QLineEdit *m_passwordEdit;
    QCheckBox *m_rememberBox;
};
