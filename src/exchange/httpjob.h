#pragma once

#include "transferjob.h"
#include "transferprompts.h"

#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

class QAuthenticator;
class QNetworkProxy;

// One file over HTTP(S) through the run's network access manager: GET to
// read, PUT to write. A download is read as it comes, never more than the
// limit; a transfer that stalls, crawls or outlasts its deadline ends. Server logins go only to the host the
// user named (never to one a redirect leads to), asked for up to three
// times; a proxy gets its configured login, then what the user types.
class HttpJob : public TransferJob
{
    Q_OBJECT

public:
    // A download of url.
    HttpJob(const TransferContext &context, const QUrl &url);
    // An upload of data to url.
    HttpJob(const TransferContext &context, const QUrl &url, const QByteArray &data);
    ~HttpJob() override;

    void start() override;
    void abort() override;

    // Words for what went wrong with a reply.
    static QString errorText(QNetworkReply *reply, const QString &proxyName);

private:
    void readChunk();
    void checkRate();
    void checkLength();
    void stop(const QString &reason);
    void done();
    void authenticate(QNetworkReply *reply, QAuthenticator *authenticator);
    void authenticateProxy(const QNetworkProxy &proxy, QAuthenticator *authenticator);
    bool login(Credentials &credentials, LoginRequest request, int &attempts, QAuthenticator *authenticator);

    TransferContext m_context;
    QUrl m_url;
    bool m_upload = false;
    QByteArray m_uploadData;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_received;
    QString m_stopReason;
    QTimer m_stall;
    // the bytes moved by the last check of the rate
    qint64 m_moved = 0;
    qint64 m_movedBefore = 0;
    QTimer m_rate;
    QTimer m_deadline;
    int m_serverAttempts = 0;
    int m_proxyAttempts = 0;
};
