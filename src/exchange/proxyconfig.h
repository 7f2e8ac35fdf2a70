#pragma once

#include <QString>

class QNetworkProxy;

// An HTTP proxy for the transfers: host, port, user and password. An empty
// host means no proxy.
struct ProxyConfig
{
    QString host;
    int port = -1; // -1: the value named none
    QString user;
    QString password;

    // The value of a variable in the process environment: the first entry
    // that starts with name + "=" exactly (so "http_proxy" in lower case,
    // and never "my_http_proxy"); empty when there is none.
    static QString environmentValue(const QString &name);
    // The proxy named by "http_proxy", read as a URL (user and password
    // from the URL too); no host when it is unset or malformed.
    static ProxyConfig fromEnvironment();

    // The proxy for the network access manager: an HTTP proxy, or no proxy
    // for an empty host. A missing port is the URL's default, 80.
    QNetworkProxy networkProxy() const;
};
