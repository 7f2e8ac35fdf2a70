#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class TransferPrompts;
class QUrl;
struct ProxyConfig;

// Reads and writes one file at a URL, one at a time, reporting through
// signals from the event loop. A URL beginning with "ftp://" (so written)
// goes to an FTP server, anything else to the HTTP network access manager.
// A download larger than MaxDownload is aborted and reported as failed.
class FileTransfer : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxDownload = 64 * 1024 * 1024;

    using QObject::QObject;

    // The transfer for a URL string; prompts (may be null) answers logins.
    static std::unique_ptr<FileTransfer> forUrl(const QString &url, TransferPrompts *prompts);

    virtual void read(const QUrl &url) = 0;
    virtual void write(const QUrl &url, const QByteArray &data) = 0;
    // Stops what is under way; failed() reports it.
    virtual void abort() = 0;
    // The proxy for HTTP transfers; FTP goes direct.
    virtual void setProxy(const ProxyConfig &proxy) = 0;

    // The user text for a network error code of QNetworkReply.
    static QString networkErrorText(int code);

signals:
    // path: the URL's path for FTP (the full remote path), the URL for HTTP
    void readFinished(const QString &path, const QByteArray &data);
    void writeFinished(const QString &path);
    void failed(const QString &path, const QString &reason);
    void progress(qint64 done, qint64 total);
};
