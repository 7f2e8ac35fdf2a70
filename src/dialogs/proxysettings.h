#pragma once

#include "exchange/proxyconfig.h"

#include <QDialog>

class QLineEdit;

// Asks for an HTTP proxy, pre-filled from "http_proxy"; accepting sets the
// proxy the transfer dialog uses (an empty host switches it off). Nothing is
// stored.
class ProxySettings : public QDialog
{
    Q_OBJECT

public:
    ProxySettings(QWidget *parent, ProxyConfig *proxy);

public slots:
    void accept() override;

private:
    ProxyConfig *m_proxy;
    QLineEdit *m_hostEdit;
    QLineEdit *m_portEdit;
    QLineEdit *m_userEdit;
    QLineEdit *m_passwordEdit;
};
