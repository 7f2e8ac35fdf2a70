#include "transferjob.h"

#include "exchangelog.h"

void TransferJob::succeed(QByteArray data)
{
    if (m_status != Status::Running)
        return;
    m_status = Status::Ok;
    m_data = std::move(data);
    emit finished();
}

void TransferJob::fail(const QString &reason, bool notFound)
{
    if (m_status != Status::Running)
        return;
    qCDebug(lcExchange) << "failed:" << reason;
    m_status = Status::Failed;
    m_errorString = reason;
    m_notFound = notFound;
    emit finished();
}

QString TransferJob::tooLargeText(qint64 maxBytes)
{
    return tr("the file is larger than %1 MiB").arg(maxBytes / (1024 * 1024));
}

QString TransferJob::stalledText(int seconds)
{
    return tr("no data came for %n seconds", nullptr, seconds);
}

QString TransferJob::tooSlowText()
{
    return tr("the transfer was slower than %1 bytes a second").arg(TransferLimits::MinBytesPerSecond);
}

QString TransferJob::deadlineText(int seconds)
{
    return tr("the transfer did not finish within %n seconds", nullptr, seconds);
}

QString TransferJob::cancelledText()
{
    return tr("cancelled");
}
