#pragma once

#include "filetransfer.h"

#include <QNetworkAccessManager>
#include <QPointer>

class QAuthenticator;
class QNetworkProxy;
class QNetworkReply;

// Files over HTTP(S) through a QNetworkAccessManager: GET to read, PUT to
// write. A server that asks for credentials gets them from the prompts, once
// per request; a proxy's credentials come only from the proxy settings.
class HttpTransfer : public FileTransfer
{
    Q_OBJECT

public:
    explicit HttpTransfer(TransferPrompts *prompts, QObject *parent = nullptr);
    ~HttpTransfer() override;

    void read(const QUrl &url) override;
    void write(const QUrl &url, const QByteArray &data) override;
    void abort() override;
    void setProxy(const ProxyConfig &proxy) override;

private:
    void start(QNetworkReply *reply);
    void finished(QNetworkReply *reply);
    void authenticate(QNetworkReply *reply, QAuthenticator *authenticator);
    void checkSize(qint64 received, qint64 total);

    TransferPrompts *m_prompts;
    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QString m_abortReason;
    bool m_asked = false;
};
