#include "httpjob.h"

#include "exchangelog.h"
#include "files/filenames.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkProxy>

namespace {

constexpr qint64 ReadChunk = 64 * 1024;
constexpr int MaxLoginAttempts = 3;

bool sameServer(const QUrl &a, const QUrl &b)
{
    const int defaultPort = a.scheme() == QLatin1String("https") ? 443 : 80;
    return a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(defaultPort) == b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

} // namespace

HttpJob::HttpJob(const TransferContext &context, const QUrl &url)
    : m_context(context)
    , m_url(url)
{
    m_stall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, [this] { stop(stalledText(m_context.limits.stallSeconds)); });
    connect(&m_rate, &QTimer::timeout, this, &HttpJob::checkRate);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stop(deadlineText(m_context.limits.deadlineSeconds())); });
}

HttpJob::HttpJob(const TransferContext &context, const QUrl &url, const QByteArray &data)
    : HttpJob(context, url)
{
    m_upload = true;
    m_uploadData = data;
}

HttpJob::~HttpJob()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void HttpJob::start()
{
    qCDebug(lcExchange) << (m_upload ? "WRITE" : "READ") << FileNames::display(m_url);
    QNetworkRequest request(m_url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // the bytes as they are: a compressed body could unpack beyond any cap
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkAccessManager *network = m_context.network;
    m_reply = m_upload ? network->put(request, m_uploadData) : network->get(request);
    m_reply->setReadBufferSize(ReadChunk);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpJob::checkLength);
    connect(m_reply, &QIODevice::readyRead, this, &HttpJob::readChunk);
    connect(m_reply, &QNetworkReply::finished, this, &HttpJob::done);
    auto moved = [this](qint64 done, qint64 total) {
        m_stall.start();
        m_moved = done;
        emit progress(done, total);
    };
    connect(m_reply, &QNetworkReply::downloadProgress, this, moved);
    connect(m_reply, &QNetworkReply::uploadProgress, this, moved);
    connect(network, &QNetworkAccessManager::authenticationRequired, this, &HttpJob::authenticate);
    connect(network, &QNetworkAccessManager::proxyAuthenticationRequired, this, &HttpJob::authenticateProxy);
    m_stall.start(m_context.limits.stallSeconds * 1000);
    m_rate.start(m_context.limits.stallSeconds * 1000);
    m_deadline.start(m_context.limits.deadlineSeconds() * 1000);
}

// A byte now and then, each before the stall time, would keep a run going for hours.
void HttpJob::checkRate()
{
    const qint64 least = TransferLimits::MinBytesPerSecond * m_context.limits.stallSeconds;
    if (m_moved > m_movedBefore && m_moved - m_movedBefore < least)
        stop(tooSlowText());
    m_movedBefore = m_moved;
}

void HttpJob::abort()
{
    stop(cancelledText());
}

void HttpJob::stop(const QString &reason)
{
    if (!m_reply || m_reply->isFinished())
        return;
    m_stopReason = reason;
    m_reply->abort();
}

void HttpJob::checkLength()
{
    const QByteArray encoding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity") {
        stop(tr("the server sent the file compressed (%1), which was not asked for")
                 .arg(FileNames::printable(QString::fromLatin1(encoding.left(40)))));
        return;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_context.limits.maxBytes)
        stop(tooLargeText(m_context.limits.maxBytes));
}

void HttpJob::readChunk()
{
    // reserved once, touched only as it fills: never a copy of the whole
    if (m_received.capacity() == 0)
        m_received.reserve(m_context.limits.maxBytes + ReadChunk);
    while (m_reply && m_reply->bytesAvailable() > 0 && m_stopReason.isEmpty()) {
        m_received += m_reply->read(ReadChunk);
        if (m_received.size() > m_context.limits.maxBytes) {
            m_received.clear();
            stop(tooLargeText(m_context.limits.maxBytes));
        }
    }
}

void HttpJob::done()
{
    m_stall.stop();
    m_rate.stop();
    m_deadline.stop();
    m_reply->deleteLater();
    // what came with the end of the reply
    if (m_stopReason.isEmpty() && m_reply->error() == QNetworkReply::NoError)
        readChunk();
    QNetworkReply *reply = m_reply.data();
    m_reply.clear();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qCDebug(lcExchange) << "reply from" << FileNames::display(reply->url()) << "error" << reply->error() << status;
    if (!m_stopReason.isEmpty())
        fail(m_stopReason);
    else if (reply->error() != QNetworkReply::NoError)
        fail(errorText(reply, m_context.proxyName),
            reply->error() == QNetworkReply::ContentNotFoundError || status == 404);
    else
        succeed(std::exchange(m_received, QByteArray()));
}

void HttpJob::authenticate(QNetworkReply *reply, QAuthenticator *authenticator)
{
    if (reply != m_reply)
        return;
    qCDebug(lcExchange) << "login asked by" << FileNames::display(reply->url());
    // a login typed for one server never goes to another
    if (!sameServer(reply->url(), m_context.origin)) {
        qCWarning(lcExchange) << "no login for" << reply->url().host();
        return;
    }
    LoginRequest request;
    request.host = reply->url().host();
    request.realm = authenticator->realm();
    login(*m_context.server, request, m_serverAttempts, authenticator);
}

void HttpJob::authenticateProxy(const QNetworkProxy &proxy, QAuthenticator *authenticator)
{
    if (!m_reply)
        return;
    qCDebug(lcExchange) << "the proxy asks for a login";
    LoginRequest request;
    request.kind = LoginRequest::Kind::Proxy;
    request.host = proxy.hostName();
    request.realm = authenticator->realm();
    login(*m_context.proxy, request, m_proxyAttempts, authenticator);
}

// A login known from before is given first; after a refusal the user is
// asked, at most three times. Leaving the authenticator empty ends the
// request with an error.
bool HttpJob::login(Credentials &credentials, LoginRequest request, int &attempts, QAuthenticator *authenticator)
{
    if (attempts >= MaxLoginAttempts)
        return false;
    const bool retry = attempts > 0;
    ++attempts;
    if (!credentials.known || retry) {
        request.user = credentials.user;
        request.attempt = attempts;
        QString user = credentials.user;
        QString password;
        if (!m_context.prompts || !m_context.prompts->askLogin(request, user, password))
            return false;
        credentials = Credentials{user, password, true};
    }
    authenticator->setUser(credentials.user);
    authenticator->setPassword(credentials.password);
    return true;
}

QString HttpJob::errorText(QNetworkReply *reply, const QString &proxyName)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString proxy = proxyName.isEmpty() ? tr("the proxy") : tr("the proxy %1").arg(proxyName);
    // Plain HTTP goes to the proxy as to a server: what the connection
    // meets is the proxy's doing, not the server's.
    const bool viaProxy = !proxyName.isEmpty() && reply->url().scheme() == QLatin1String("http");
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return viaProxy ? tr("%1 refused the connection").arg(proxy) : tr("the server refused the connection");
    case QNetworkReply::RemoteHostClosedError: return tr("the server closed the connection");
    case QNetworkReply::HostNotFoundError:
        return viaProxy ? tr("%1 was not found").arg(proxy)
                        : tr("the server was not found (%1)").arg(reply->url().host());
    case QNetworkReply::TimeoutError: return tr("the server did not answer in time");
    case QNetworkReply::OperationCanceledError: return cancelledText();
    case QNetworkReply::SslHandshakeFailedError: return tr("no secure connection could be made");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return tr("the network is not available");
    case QNetworkReply::TooManyRedirectsError: return tr("too many redirects");
    case QNetworkReply::InsecureRedirectError: return tr("the server redirected to an insecure address");
    case QNetworkReply::ProxyConnectionRefusedError: return tr("%1 refused the connection").arg(proxy);
    case QNetworkReply::ProxyConnectionClosedError: return tr("%1 closed the connection").arg(proxy);
    case QNetworkReply::ProxyNotFoundError: return tr("%1 was not found").arg(proxy);
    case QNetworkReply::ProxyTimeoutError: return tr("%1 did not answer in time").arg(proxy);
    case QNetworkReply::ProxyAuthenticationRequiredError: return tr("%1 asks for a user name and password").arg(proxy);
    case QNetworkReply::AuthenticationRequiredError: return tr("the server asks for a user name and password");
    case QNetworkReply::ProtocolUnknownError: {
        // after a redirect, the address that is no web address is the one it led to
        const QUrl target = QUrl::fromEncoded(reply->rawHeader("Location"));
        if (target.isValid() && !target.isEmpty())
            return tr("the server redirected to an address that is not one of HTTP or HTTPS (%1)")
                .arg(FileNames::printable(FileNames::display(reply->url().resolved(target))));
        return tr("the address is not one of HTTP or HTTPS (%1)").arg(FileNames::display(reply->url()));
    }
    case QNetworkReply::ProtocolFailure: return tr("the server's answer is not valid HTTP");
    default: break;
    }
    if (status == 403)
        return tr("access denied (HTTP 403)");
    if (status == 404)
        return tr("not found (HTTP 404)");
    if (status >= 500)
        return tr("server error (HTTP %1)").arg(status);
    if (status >= 400)
        return tr("the server refused the request (HTTP %1)").arg(status);
    return tr("the transfer failed (%1)").arg(FileNames::printable(reply->errorString()));
}
