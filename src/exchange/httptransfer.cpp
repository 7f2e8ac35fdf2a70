#include "httptransfer.h"

#include "exchangelog.h"
#include "proxyconfig.h"
#include "transferprompts.h"

#include <QAuthenticator>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QUrl>

HttpTransfer::HttpTransfer(TransferPrompts *prompts, QObject *parent)
    : FileTransfer(parent)
    , m_prompts(prompts)
{
    // each reply is handled from the event loop, never inside the network code
    connect(&m_manager, &QNetworkAccessManager::finished, this, &HttpTransfer::finished, Qt::QueuedConnection);
    connect(&m_manager, &QNetworkAccessManager::authenticationRequired, this, &HttpTransfer::authenticate);
    connect(&m_manager, &QNetworkAccessManager::proxyAuthenticationRequired, this,
        [] { qCDebug(lcExchange) << "PROXY AUTH. REQUIRED!"; });
}

HttpTransfer::~HttpTransfer()
{
    if (m_reply)
        m_reply->abort();
}

void HttpTransfer::setProxy(const ProxyConfig &proxy)
{
    qCDebug(lcExchange) << "SET PROXY" << proxy.host << proxy.port;
    m_manager.setProxy(proxy.networkProxy());
}

void HttpTransfer::read(const QUrl &url)
{
    qCDebug(lcExchange) << "READ" << url.toDisplayString(QUrl::RemoveUserInfo);
    start(m_manager.get(QNetworkRequest(url)));
}

void HttpTransfer::write(const QUrl &url, const QByteArray &data)
{
    qCDebug(lcExchange) << "WRITE" << url.toDisplayString(QUrl::RemoveUserInfo);
    start(m_manager.put(QNetworkRequest(url), data));
}

void HttpTransfer::start(QNetworkReply *reply)
{
    m_reply = reply;
    m_abortReason.clear();
    m_asked = false;
    connect(reply, &QNetworkReply::downloadProgress, this, &HttpTransfer::checkSize);
    connect(reply, &QNetworkReply::uploadProgress, this, &FileTransfer::progress);
}

void HttpTransfer::checkSize(qint64 received, qint64 total)
{
    emit progress(received, total);
    if (received > MaxDownload || total > MaxDownload) {
        m_abortReason = tr("the file is larger than %1 MiB").arg(MaxDownload / (1024 * 1024));
        m_reply->abort();
    }
}

void HttpTransfer::abort()
{
    if (m_reply) {
        m_abortReason = tr("cancelled");
        m_reply->abort();
    }
}

void HttpTransfer::authenticate(QNetworkReply *reply, QAuthenticator *authenticator)
{
    qCDebug(lcExchange) << "AUTH. REQUIRED for" << reply->url().toDisplayString(QUrl::RemoveUserInfo);
    // asked once: credentials that failed are not offered again
    if (m_asked || !m_prompts)
        return;
    m_asked = true;
    QString user;
    QString password;
    if (!m_prompts->askLogin(reply->url().host(), user, password))
        return;
    authenticator->setUser(user);
    authenticator->setPassword(password);
}

void HttpTransfer::finished(QNetworkReply *reply)
{
    reply->deleteLater();
    const QString url = reply->url().toDisplayString(QUrl::RemoveUserInfo);
    const int code = int(reply->error());
    qCDebug(lcExchange) << "FINISHED" << url << ": error" << code;
    if (code != QNetworkReply::NoError) {
        emit failed(url, m_abortReason.isEmpty() ? networkErrorText(code) : m_abortReason);
        return;
    }
    if (reply->operation() == QNetworkAccessManager::PutOperation) {
        emit writeFinished(url);
        return;
    }
    // a reply may arrive whole before its progress was ever looked at
    if (reply->bytesAvailable() > MaxDownload) {
        emit failed(url, tr("the file is larger than %1 MiB").arg(MaxDownload / (1024 * 1024)));
        return;
    }
    const QByteArray body = reply->readAll();
    qCDebug(lcExchange) << "PROCESS" << url << ":" << body.size() << "bytes";
    emit readFinished(url, body);
}
