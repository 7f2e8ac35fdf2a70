#pragma once

#include "filetransfer.h"
#include "ftpclient.h"

#include <QStringList>

// Files over FTP, driven through the session's steps: connect, ask for the
// login, log in, change to the file's directory, get. A write goes into the
// directory of the URL, in the session a read has opened (or a new one).
// Every failure is reported with the server's reason; an empty file comes
// back as empty data.
class FtpTransfer : public FileTransfer
{
    Q_OBJECT

public:
    explicit FtpTransfer(TransferPrompts *prompts, QObject *parent = nullptr);

    void read(const QUrl &url) override;
    void write(const QUrl &url, const QByteArray &data) override;
    void abort() override;
    void setProxy(const ProxyConfig &) override { }

private:
    void open(const QUrl &url);
    void commandFinished(int id, bool error);
    void loggedIn();
    void fail(const QString &reason);

    TransferPrompts *m_prompts;
    FtpClient m_ftp;
    // full remote paths still to read; the head is the one under way
    QStringList m_pending;
    bool m_reading = false;
    bool m_getIssued = false;
    QString m_currentDirectory;
    QString m_host;
    int m_port = 21;
    // a write waiting for its session
    QString m_writePath;
    QByteArray m_writeData;
};
