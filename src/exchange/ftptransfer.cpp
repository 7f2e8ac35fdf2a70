#include "ftptransfer.h"

#include "exchangelog.h"
#include "transferprompts.h"

#include <QFileInfo>
#include <QUrl>

FtpTransfer::FtpTransfer(TransferPrompts *prompts, QObject *parent)
    : FileTransfer(parent)
    , m_prompts(prompts)
    , m_ftp(MaxDownload)
{
    connect(&m_ftp, &FtpClient::commandFinished, this, &FtpTransfer::commandFinished);
    connect(&m_ftp, &FtpClient::dataTransferProgress, this, &FileTransfer::progress);
}

void FtpTransfer::open(const QUrl &url)
{
    const bool sameServer = url.host() == m_host && url.port(21) == m_port;
    if (m_ftp.state() == FtpClient::LoggedIn && sameServer) {
        loggedIn();
        return;
    }
    m_host = url.host();
    m_port = url.port(21);
    m_ftp.connectToHost(m_host, quint16(m_port));
}

void FtpTransfer::read(const QUrl &url)
{
    qCDebug(lcExchange) << "READ" << url.toDisplayString(QUrl::RemoveUserInfo);
    m_pending.append(url.path());
    m_reading = true;
    m_getIssued = false;
    open(url);
}

void FtpTransfer::write(const QUrl &url, const QByteArray &data)
{
    qCDebug(lcExchange) << "WRITE" << url.toDisplayString(QUrl::RemoveUserInfo);
    m_reading = false;
    m_writePath = url.path();
    m_writeData = data;
    open(url);
}

void FtpTransfer::abort()
{
    m_ftp.abort();
}

void FtpTransfer::commandFinished(int id, bool error)
{
    Q_UNUSED(id);
    if (error) {
        fail(m_ftp.errorString());
        return;
    }
    switch (m_ftp.state()) {
    case FtpClient::Connected: {
        qCDebug(lcExchange) << "FTP: connected.";
        m_currentDirectory.clear();
        QString user;
        QString password;
        if (m_prompts && m_prompts->askLogin(m_host, user, password)) {
            m_ftp.login(user, password);
        } else {
            m_ftp.close();
            fail(tr("login declined"));
        }
        break;
    }
    case FtpClient::LoggedIn:
        qCDebug(lcExchange) << "FTP: logged in.";
        loggedIn();
        break;
    default: qCDebug(lcExchange) << "FTP: unhandled state!"; break;
    }
}

// Logged in, after a login, a change of directory or a transfer: hand on
// what arrived, or take the next step towards the file.
void FtpTransfer::loggedIn()
{
    const QByteArray data = m_ftp.readAll();
    const QString path = m_reading ? m_pending.value(0) : m_writePath;
    if (path.isEmpty())
        return;
    // a get that brought nothing is an empty file, not a reason to get again
    if (m_reading && m_getIssued) {
        qCDebug(lcExchange) << "-- got data:" << data.size() << "bytes for" << path;
        m_pending.removeFirst();
        m_getIssued = false;
        emit readFinished(path, data);
        return;
    }
    if (!m_reading && m_writeData.isNull()) {
        m_writePath.clear();
        emit writeFinished(path);
        return;
    }
    const QFileInfo file(path);
    const QString directory = file.path();
    qCDebug(lcExchange) << "-- transfer:" << path << directory << file.fileName();
    qCDebug(lcExchange) << "-- current dir:" << m_currentDirectory;
    if (directory != m_currentDirectory) {
        qCDebug(lcExchange) << "-- need to CD";
        m_ftp.cd(directory);
        m_currentDirectory = directory;
    } else if (m_reading) {
        m_ftp.get(file.fileName());
        m_getIssued = true;
    } else {
        m_ftp.put(std::exchange(m_writeData, QByteArray()), file.fileName());
    }
}

void FtpTransfer::fail(const QString &reason)
{
    const QString path = m_reading ? m_pending.value(0) : m_writePath;
    qCWarning(lcExchange) << "ERROR: FTP" << path << reason;
    if (m_reading && !m_pending.isEmpty())
        m_pending.removeFirst();
    m_getIssued = false;
    m_writePath.clear();
    m_writeData = QByteArray();
    // a failed change of directory left the session where it was
    m_currentDirectory.clear();
    emit failed(path, reason);
}
