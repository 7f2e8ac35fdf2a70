#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;
struct CurlTransfer;

// An FTP session in the manner of Qt 4's QFtp, built on libcurl: commands
// are queued and each reports commandFinished(id, error) from the event
// loop; state() tells how far the session got. Transfers run on a worker
// thread, so the window never waits on them and abort() stops one at once.
// Downloads are binary and kept whole for readAll(); one larger than
// MaxDownload fails.
class FtpClient : public QObject
{
    Q_OBJECT

public:
    enum State { Unconnected, HostLookup, Connecting, Connected, LoggedIn, Closing };
    Q_ENUM(State)

    explicit FtpClient(qint64 maxDownload, QObject *parent = nullptr);
    ~FtpClient() override;

    int connectToHost(const QString &host, quint16 port = 21);
    int login(const QString &user, const QString &password);
    int cd(const QString &directory);
    int get(const QString &file);
    int put(const QByteArray &data, const QString &file);
    int close();
    void abort();

    State state() const { return m_state; }
    // What the last get brought, taken once.
    QByteArray readAll();
    // Why the last failed command failed, with the server's reply.
    QString errorString() const { return m_errorString; }

signals:
    void commandFinished(int id, bool error);
    void dataTransferProgress(qint64 done, qint64 total);

private:
    enum class Kind { Connect, Login, Cd, Get, Put, Close };
    struct Command
    {
        int id;
        Kind kind;
        QString argument;
        QByteArray data;
    };

    int enqueue(Kind kind, const QString &argument = QString(), const QByteArray &data = QByteArray());
    void startNext();
    void run(const Command &command);
    void connectSocket(const Command &command);
    void runCurl(const Command &command);
    void curlDone(const Command &command);
    void finish(const Command &command, bool error);
    QByteArray urlFor(const QString &directory, const QString &file) const;

    qint64 m_maxDownload;
    State m_state = Unconnected;
    QList<Command> m_queue;
    bool m_busy = false;
    QString m_host;
    quint16 m_port = 21;
    QString m_user;
    QString m_password;
    QString m_directory;
    QByteArray m_buffer;
    QString m_errorString;
    std::unique_ptr<CurlTransfer> m_transfer;
    QThread *m_worker = nullptr;
    std::atomic<bool> m_aborting{false};
};
