#include "ftpclient.h"

#include "exchangelog.h"

#include <QTcpSocket>
#include <QThread>
#include <QUrl>

#include <curl/curl.h>

// What one curl transfer works on; the worker thread owns it while it runs.
struct CurlTransfer
{
    CURL *curl = nullptr;
    QByteArray url;
    QByteArray user;
    QByteArray password;
    bool noBody = false;
    bool upload = false;
    QByteArray data; // to upload, or received
    qsizetype sent = 0;
    qint64 maxDownload = 0;
    bool tooLarge = false;
    QByteArray lastReply; // the server's last reply line
    std::atomic<bool> *aborting = nullptr;
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    CURLcode result = CURLE_OK;
    char error[CURL_ERROR_SIZE] = {};
};

namespace {

size_t receive(char *bytes, size_t size, size_t count, void *context)
{
    auto *t = static_cast<CurlTransfer *>(context);
    const qint64 n = qint64(size * count);
    if (t->data.size() + n > t->maxDownload) {
        t->tooLarge = true;
        return 0;
    }
    t->data.append(bytes, qsizetype(n));
    return size_t(n);
}

size_t send(char *bytes, size_t size, size_t count, void *context)
{
    auto *t = static_cast<CurlTransfer *>(context);
    const qsizetype n = qMin<qsizetype>(qsizetype(size * count), t->data.size() - t->sent);
    memcpy(bytes, t->data.constData() + t->sent, size_t(n));
    t->sent += n;
    return size_t(n);
}

size_t replyLine(char *bytes, size_t size, size_t count, void *context)
{
    auto *t = static_cast<CurlTransfer *>(context);
    const QByteArray line = QByteArray(bytes, qsizetype(size * count)).trimmed();
    if (!line.isEmpty() && (line.startsWith('4') || line.startsWith('5')))
        t->lastReply = line;
    return size * count;
}

int progress(void *context, curl_off_t downTotal, curl_off_t downDone, curl_off_t upTotal, curl_off_t upDone)
{
    auto *t = static_cast<CurlTransfer *>(context);
    t->done = qint64(t->upload ? upDone : downDone);
    t->total = qint64(t->upload ? upTotal : downTotal);
    return t->aborting->load() ? 1 : 0;
}

void perform(CurlTransfer *t)
{
    CURL *curl = t->curl;
    curl_easy_setopt(curl, CURLOPT_URL, t->url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, t->user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, t->password.constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, t->noBody ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, t->upload ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, t);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, send);
    curl_easy_setopt(curl, CURLOPT_READDATA, t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, replyLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, t);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, t->error);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    if (t->upload)
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(t->data.size()));
    if (!t->upload && !t->noBody)
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(t->maxDownload));
    t->result = curl_easy_perform(curl);
}

} // namespace

FtpClient::FtpClient(qint64 maxDownload, QObject *parent)
    : QObject(parent)
    , m_maxDownload(maxDownload)
    , m_transfer(std::make_unique<CurlTransfer>())
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
    m_transfer->curl = curl_easy_init();
    m_transfer->aborting = &m_aborting;
}

FtpClient::~FtpClient()
{
    abort();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    curl_easy_cleanup(m_transfer->curl);
}

int FtpClient::enqueue(Kind kind, const QString &argument, const QByteArray &data)
{
    static int lastId = 0;
    m_queue.append(Command{++lastId, kind, argument, data});
    if (!m_busy)
        startNext();
    return lastId;
}

int FtpClient::connectToHost(const QString &host, quint16 port)
{
    return enqueue(Kind::Connect, host + u':' + QString::number(port));
}

int FtpClient::login(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    return enqueue(Kind::Login);
}

int FtpClient::cd(const QString &directory)
{
    return enqueue(Kind::Cd, directory);
}

int FtpClient::get(const QString &file)
{
    return enqueue(Kind::Get, file);
}

int FtpClient::put(const QByteArray &data, const QString &file)
{
    return enqueue(Kind::Put, file, data);
}

int FtpClient::close()
{
    return enqueue(Kind::Close);
}

void FtpClient::abort()
{
    m_queue.clear();
    m_aborting = true;
}

QByteArray FtpClient::readAll()
{
    return std::exchange(m_buffer, QByteArray());
}

void FtpClient::startNext()
{
    if (m_queue.isEmpty()) {
        m_busy = false;
        return;
    }
    m_busy = true;
    m_aborting = false;
    run(m_queue.takeFirst());
}

void FtpClient::run(const Command &command)
{
    switch (command.kind) {
    case Kind::Connect: connectSocket(command); break;
    case Kind::Close:
        // a new handle: the old one's connection is closed with it
        curl_easy_cleanup(m_transfer->curl);
        m_transfer->curl = curl_easy_init();
        m_state = Unconnected;
        finish(command, false);
        break;
    default: runCurl(command); break;
    }
}

// The server is reached once with a plain socket; the session proper is
// curl's, which logs in with the first command that needs it.
void FtpClient::connectSocket(const Command &command)
{
    const qsizetype colon = command.argument.lastIndexOf(u':');
    m_host = command.argument.left(colon);
    m_port = quint16(command.argument.mid(colon + 1).toUInt());
    m_directory.clear();
    m_state = Connecting;
    auto *socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, [this, socket, command] {
        socket->deleteLater();
        m_state = Connected;
        finish(command, false);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket, command] {
        socket->deleteLater();
        m_errorString = socket->errorString();
        m_state = Unconnected;
        finish(command, true);
    });
    socket->connectToHost(m_host, m_port);
}

QByteArray FtpClient::urlFor(const QString &directory, const QString &file) const
{
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(m_host);
    url.setPort(m_port);
    QByteArray path = "/";
    // a leading %2F makes the directory absolute, not relative to the login directory
    if (directory.startsWith(u'/'))
        path += "%2F" + QUrl::toPercentEncoding(directory.mid(1), "/");
    else
        path += QUrl::toPercentEncoding(directory, "/");
    if (!path.endsWith('/'))
        path += '/';
    return url.toEncoded() + path + QUrl::toPercentEncoding(file);
}

void FtpClient::runCurl(const Command &command)
{
    CurlTransfer &t = *m_transfer;
    t.user = m_user.toUtf8();
    t.password = m_password.toUtf8();
    t.noBody = command.kind == Kind::Login || command.kind == Kind::Cd;
    t.upload = command.kind == Kind::Put;
    t.data = command.data;
    t.sent = 0;
    t.maxDownload = m_maxDownload;
    t.tooLarge = false;
    t.lastReply.clear();
    t.error[0] = '\0';
    const QString directory = command.kind == Kind::Cd ? command.argument : m_directory;
    const QString file = command.kind == Kind::Get || command.kind == Kind::Put ? command.argument : QString();
    t.url = command.kind == Kind::Login ? urlFor(QString(), QString()) : urlFor(directory, file);
    qCDebug(lcExchange) << "FTP:" << int(command.kind) << "on" << m_host << m_port << directory << file;
    m_worker = QThread::create(perform, &t);
    connect(m_worker, &QThread::finished, this, [this, command] { curlDone(command); });
    m_worker->start();
}

void FtpClient::curlDone(const Command &command)
{
    m_worker->deleteLater();
    m_worker = nullptr;
    CurlTransfer &t = *m_transfer;
    emit dataTransferProgress(t.done, t.total);
    const bool error = t.result != CURLE_OK;
    if (error) {
        QString reason = t.tooLarge ? tr("the file is larger than %1 MiB").arg(m_maxDownload / (1024 * 1024))
            : m_aborting            ? tr("cancelled")
                                    : QString::fromUtf8(t.error[0] ? t.error : curl_easy_strerror(t.result));
        if (!t.lastReply.isEmpty() && !t.tooLarge && !m_aborting)
            reason += QStringLiteral(" (%1)").arg(QString::fromUtf8(t.lastReply));
        m_errorString = reason;
        if (command.kind == Kind::Login)
            m_state = Connected;
    } else if (command.kind == Kind::Login) {
        m_state = LoggedIn;
    } else if (command.kind == Kind::Cd) {
        m_directory = command.argument;
    } else if (command.kind == Kind::Get) {
        m_buffer = std::exchange(t.data, QByteArray());
    }
    t.data.clear();
    finish(command, error);
}

void FtpClient::finish(const Command &command, bool error)
{
    qCDebug(lcExchange) << "FTP: command" << command.id << ": ok?" << !error;
    emit commandFinished(command.id, error);
    startNext();
}
