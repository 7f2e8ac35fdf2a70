#include "ftpjob.h"

#include "exchangelog.h"
#include "files/filenames.h"
#include "transferprompts.h"

#include <QThread>

#include <curl/curl.h>

#include <atomic>
#include <cctype>

// What one curl transfer works on; shared by the job and the worker thread,
// so neither outlives it.
struct CurlState
{
    QByteArray url;
    QByteArray user;
    QByteArray password;
    QByteArray upload;
    qsizetype sent = 0;
    QByteArray received;
    QList<QByteArray> postCommands;
    qint64 maxBytes = 0;
    long stallSeconds = 30;
    long deadlineSeconds = 0;
    double elapsed = 0;
    bool tooLarge = false;
    long refusal = 0; // the code of a refusal curl let pass
    QByteArray lastReply; // the server's last reply line
    std::atomic<bool> aborting{false};
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    CURLcode result = CURLE_OK;
    char error[CURL_ERROR_SIZE] = {};
};

namespace {

constexpr int MaxLoginAttempts = 3;
constexpr qsizetype MaxReplyLine = 200;

size_t receive(char *bytes, size_t size, size_t count, void *context)
{
    auto *s = static_cast<CurlState *>(context);
    const qint64 n = qint64(size * count);
    if (s->received.size() + n > s->maxBytes) {
        s->tooLarge = true;
        return 0;
    }
    s->received.append(bytes, qsizetype(n));
    return size_t(n);
}

size_t send(char *bytes, size_t size, size_t count, void *context)
{
    auto *s = static_cast<CurlState *>(context);
    const qsizetype n = qMin<qsizetype>(qsizetype(size * count), s->upload.size() - s->sent);
    memcpy(bytes, s->upload.constData() + s->sent, size_t(n));
    s->sent += n;
    return size_t(n);
}

// Every reply line of the server; the last one with a code is kept, cut short.
size_t replyLine(char *bytes, size_t size, size_t count, void *context)
{
    auto *s = static_cast<CurlState *>(context);
    const size_t n = size * count;
    const QByteArray line = QByteArray(bytes, qsizetype(qMin<size_t>(n, MaxReplyLine))).trimmed();
    if (line.size() >= 3 && std::isdigit(uchar(line[0])) && std::isdigit(uchar(line[1]))
        && std::isdigit(uchar(line[2])))
        s->lastReply = line;
    return n;
}

int progress(void *context, curl_off_t downTotal, curl_off_t downDone, curl_off_t upTotal, curl_off_t upDone)
{
    auto *s = static_cast<CurlState *>(context);
    const bool upload = !s->upload.isNull();
    s->done = qint64(upload ? upDone : downDone);
    s->total = qint64(upload ? upTotal : downTotal);
    return s->aborting ? 1 : 0;
}

// The transfer, looking every tenth of a second whether it is to stop: a
// server that holds a reply back must not hold a cancel back with it.
CURLcode performAbortably(CURL *curl, CurlState &s)
{
    CURLM *multi = curl_multi_init();
    if (!multi)
        return CURLE_OUT_OF_MEMORY;
    curl_multi_add_handle(multi, curl);
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    for (int running = 1; running > 0 && !s.aborting;) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
            if (message->msg == CURLMSG_DONE)
                result = message->data.result;
        }
        if (running > 0)
            curl_multi_poll(multi, nullptr, 0, 100, nullptr);
    }
    curl_multi_remove_handle(multi, curl);
    curl_multi_cleanup(multi);
    return result;
}

void perform(const std::shared_ptr<CurlState> &s)
{
    CURL *curl = curl_easy_init();
    if (!curl) {
        s->result = CURLE_FAILED_INIT;
        return;
    }
    curl_slist *commands = nullptr;
    for (const QByteArray &command : std::as_const(s->postCommands))
        commands = curl_slist_append(commands, command.constData());
    curl_easy_setopt(curl, CURLOPT_URL, s->url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    // never a proxy from the environment (ftp_proxy, all_proxy): the login
    // would go to it, and an HTTP proxy's error page would pass for the file
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    if (!s->user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, s->user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, s->password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, s.get());
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, send);
    curl_easy_setopt(curl, CURLOPT_READDATA, s.get());
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, replyLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, s.get());
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, s.get());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, s->error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // a silent server, a stalled data connection: each ends after the stall time
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, s->stallSeconds);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, s->stallSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, long(TransferLimits::MinBytesPerSecond));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, s->stallSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, s->deadlineSeconds);
    if (!s->upload.isNull()) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(s->upload.size()));
        curl_easy_setopt(curl, CURLOPT_POSTQUOTE, commands);
    } else {
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(s->maxBytes));
    }
    s->result = performAbortably(curl, *s);
    long reply = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
    curl_easy_getinfo(curl, CURLINFO_TOTAL_TIME, &s->elapsed);
    // a transfer that ended on a refusal is no success, whatever curl made of it
    if (s->result == CURLE_OK && reply >= 400)
        s->refusal = reply;
    curl_easy_cleanup(curl);
    curl_slist_free_all(commands);
}

// Only an answer that the file is not there means so: a 550 may as well
// refuse access, and an export must not take a list it may not read for none.
bool saysNoSuchFile(const CurlState &s)
{
    const QByteArray reply = s.lastReply.toLower();
    return (s.result == CURLE_REMOTE_FILE_NOT_FOUND || reply.startsWith("550"))
        && (reply.contains("no such file") || reply.contains("not found") || reply.contains("does not exist")
            || reply.contains("doesn't exist"));
}

// The URL curl is given: the folder absolute from the server's root (a
// leading %2F), not relative to the login folder.
QByteArray curlUrl(const QUrl &url, const QString &fileName)
{
    QUrl server;
    server.setScheme(QStringLiteral("ftp"));
    server.setHost(url.host());
    server.setPort(url.port(21));
    QByteArray folder = url.adjusted(QUrl::RemoveFilename).path(QUrl::FullyEncoded).toLatin1();
    if (folder.startsWith('/'))
        folder = "%2F" + folder.mid(1);
    return server.toEncoded() + '/' + folder + QUrl::toPercentEncoding(fileName);
}

} // namespace

FtpJob::FtpJob(const TransferContext &context, const QUrl &url)
    : m_context(context)
    , m_url(url)
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
    m_progress.setInterval(250);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        if (m_state)
            emit progress(m_state->done, m_state->total);
    });
}

FtpJob::FtpJob(const TransferContext &context, const QUrl &url, const QByteArray &data)
    : FtpJob(context, url)
{
    m_upload = true;
    m_uploadData = data.isNull() ? QByteArray("") : data;
}

FtpJob::~FtpJob()
{
    stopWorker();
}

void FtpJob::stopWorker()
{
    if (!m_worker)
        return;
    m_state->aborting = true;
    m_worker->disconnect(this);
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void FtpJob::start()
{
    qCDebug(lcExchange) << (m_upload ? "WRITE" : "READ") << FileNames::display(m_url);
    Credentials &login = *m_context.server;
    if (!login.known && !askLogin(1))
        login = Credentials{QString(), QString(), true};
    perform();
}

void FtpJob::abort()
{
    if (m_state)
        m_state->aborting = true;
}

bool FtpJob::askLogin(int attempt)
{
    Credentials &login = *m_context.server;
    LoginRequest request{LoginRequest::Kind::Server, m_url.host(), QString(), login.user, attempt};
    QString user = login.user;
    QString password;
    if (!m_context.prompts || !m_context.prompts->askLogin(request, user, password))
        return false;
    login = Credentials{user, password, true};
    return true;
}

void FtpJob::perform()
{
    ++m_attempts;
    auto state = std::make_shared<CurlState>();
    const QString name = m_url.fileName();
    const QString target = m_upload ? name + QStringLiteral(".uploading") : name;
    state->url = curlUrl(m_url, target);
    state->user = m_context.server->user.toUtf8();
    state->password = m_context.server->password.toUtf8();
    state->maxBytes = m_context.limits.maxBytes;
    // reserved once, touched only as it fills
    if (!m_upload)
        state->received.reserve(state->maxBytes + 1);
    state->stallSeconds = m_context.limits.stallSeconds;
    state->deadlineSeconds = m_context.limits.deadlineSeconds();
    if (m_upload) {
        state->upload = m_uploadData;
        state->postCommands = {"RNFR " + target.toUtf8(), "RNTO " + name.toUtf8()};
    }
    qCDebug(lcExchange) << "ftp" << (m_upload ? "STOR" : "RETR") << FileNames::display(m_url) << "try" << m_attempts;
    m_state = state;
    m_worker = QThread::create([state] { ::perform(state); });
    connect(m_worker, &QThread::finished, this, &FtpJob::attemptDone);
    m_worker->start();
    m_progress.start();
}

void FtpJob::attemptDone()
{
    m_progress.stop();
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    const CurlState &s = *m_state;
    emit progress(s.done, s.total);
    qCDebug(lcExchange) << "ftp done" << int(s.result) << FileNames::printable(QString::fromUtf8(s.lastReply))
                        << FileNames::printable(QString::fromUtf8(s.error));
    if (s.result == CURLE_OK && s.refusal == 0) {
        succeed(m_upload ? QByteArray() : m_state->received);
        return;
    }
    if (s.result == CURLE_LOGIN_DENIED && m_attempts < MaxLoginAttempts && askLogin(m_attempts + 1)) {
        perform();
        return;
    }
    fail(errorText(), saysNoSuchFile(s));
}

QString FtpJob::errorText() const
{
    const CurlState &s = *m_state;
    if (s.tooLarge || s.result == CURLE_FILESIZE_EXCEEDED)
        return tooLargeText(s.maxBytes);
    if (s.aborting)
        return cancelledText();
    if (s.refusal != 0)
        return tr("the server refused the transfer (%1)").arg(s.refusal);
    QString words;
    switch (s.result) {
    case CURLE_LOGIN_DENIED: words = tr("the server refused the login"); break;
    case CURLE_REMOTE_ACCESS_DENIED: words = tr("access denied"); break;
    case CURLE_REMOTE_FILE_NOT_FOUND: words = tr("not found"); break;
    case CURLE_OPERATION_TIMEDOUT:
        if (s.elapsed >= double(s.deadlineSeconds))
            return deadlineText(int(s.deadlineSeconds));
        return s.done > 0 ? tooSlowText() : stalledText(int(s.stallSeconds));
    case CURLE_COULDNT_CONNECT: words = tr("the server refused the connection"); break;
    case CURLE_COULDNT_RESOLVE_HOST: words = tr("the server was not found (%1)").arg(m_url.host()); break;
    case CURLE_UPLOAD_FAILED: words = tr("the upload failed"); break;
    case CURLE_QUOTE_ERROR: words = tr("the uploaded file could not be renamed"); break;
    case CURLE_RECV_ERROR:
        // curl stops reading an answer that does not end
        if (QByteArray(s.error).contains("Too large response"))
            return tr("the server's answer was too long");
        words = tr("the server closed the connection");
        break;
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR: words = tr("the server closed the connection"); break;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT: words = tr("the server's answer is not valid FTP"); break;
    default: words = QString::fromUtf8(curl_easy_strerror(s.result)); break;
    }
    // the reply to the command that failed, never raw
    if (s.lastReply.size() >= 3 && s.lastReply[0] >= '4')
        words += QStringLiteral(" (%1)").arg(FileNames::printable(QString::fromUtf8(s.lastReply)));
    return words;
}
