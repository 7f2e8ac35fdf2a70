#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class TransferPrompts;
struct Credentials;

// How much a transfer may take and how long it may stall.
struct TransferLimits
{
    static constexpr qint64 MaxDictionary = 64 * 1024 * 1024;
    static constexpr int DefaultStallSeconds = 30;
    // slower than this over a stall period, a server only holds the run up
    static constexpr qint64 MinBytesPerSecond = 512;
    // the rate the whole of a file's cap must come at, at the least
    static constexpr qint64 DeadlineBytesPerSecond = 16 * 1024;

    qint64 maxBytes = MaxDictionary;
    // no data for this long ends a transfer
    int stallSeconds = DefaultStallSeconds;

    // The longest a file may take: its cap at the deadline rate, and a stall period.
    int deadlineSeconds() const { return stallSeconds + int(maxBytes / DeadlineBytesPerSecond); }
};

// What the jobs of one run share: where they may send logins, whom to ask,
// what they may take.
struct TransferContext
{
    // the address the user gave: a server login goes to its host alone
    QUrl origin;
    TransferPrompts *prompts = nullptr;
    Credentials *server = nullptr;
    Credentials *proxy = nullptr;
    QNetworkAccessManager *network = nullptr;
    TransferLimits limits;
    // the proxy, as errors name it; empty for none
    QString proxyName;
};

// One transfer of one file, from start to one result: the bytes that came
// (a download) or an error text the user can read. A job is started once
// and ends with finished(), from the event loop; abort() ends it at once as
// cancelled.
class TransferJob : public QObject
{
    Q_OBJECT

public:
    enum class Status { Running, Ok, Failed };

    using QObject::QObject;

    virtual void start() = 0;
    virtual void abort() = 0;

    Status status() const { return m_status; }
    bool succeeded() const { return m_status == Status::Ok; }
    // What a download brought.
    const QByteArray &data() const { return m_data; }
    QByteArray takeData() { return std::exchange(m_data, QByteArray()); }
    QString errorString() const { return m_errorString; }
    // The other side said there is no such file (HTTP 404, FTP 550).
    bool notFound() const { return m_notFound; }

signals:
    void progress(qint64 done, qint64 total);
    void finished();

protected:
    void succeed(QByteArray data = QByteArray());
    void fail(const QString &reason, bool notFound = false);
    static QString tooLargeText(qint64 maxBytes);
    static QString stalledText(int seconds);
    static QString tooSlowText();
    static QString deadlineText(int seconds);
    static QString cancelledText();

private:
    Status m_status = Status::Running;
    QByteArray m_data;
    QString m_errorString;
    bool m_notFound = false;
};
