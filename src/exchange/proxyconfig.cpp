#include "proxyconfig.h"

#include <QNetworkProxy>
#include <QProcess>
#include <QUrl>

QString ProxyConfig::environmentValue(const QString &name)
{
    const QString prefix = name + u'=';
    const QStringList environment = QProcess::systemEnvironment();
    for (const QString &entry : environment) {
        if (entry.startsWith(prefix))
            return entry.mid(prefix.size());
    }
    return QString();
}

ProxyConfig ProxyConfig::fromEnvironment()
{
    const QUrl url(environmentValue(QStringLiteral("http_proxy")));
    ProxyConfig proxy;
    if (url.host().isEmpty())
        return proxy;
    proxy.host = url.host();
    proxy.port = url.port();
    proxy.user = url.userName();
    proxy.password = url.password();
    return proxy;
}

QNetworkProxy ProxyConfig::networkProxy() const
{
    if (host.isEmpty())
        return QNetworkProxy(QNetworkProxy::NoProxy);
    QNetworkProxy proxy(QNetworkProxy::HttpCachingProxy, host, quint16(port > 0 && port < 65536 ? port : 80));
    proxy.setUser(user);
    proxy.setPassword(password);
    return proxy;
}
