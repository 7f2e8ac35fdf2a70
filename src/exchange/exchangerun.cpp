#include "exchangerun.h"

#include "exchangelog.h"
#include "filenames.h"

#include <QDir>

ExchangeRun::ExchangeRun(DictionaryList *localList, const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_localList(localList)
    , m_dataDirectory(dataDirectory)
{ }

QString ExchangeRun::localPath(const QString &file) const
{
    return QDir(m_dataDirectory).filePath(file);
}

void ExchangeRun::takeList(const QByteArray &data, const QString &infoText)
{
    m_remoteList.parse(data);
    m_step = 1;
    emit progressRange(0, 100);
    emit progressValue(0);
    emit info(infoText);
    emit listReady();
}

void ExchangeRun::listNotRead(const QString &path, const QString &reason)
{
    emit warning(tr("Update Error"), tr("Error: '%1'. Cannot get\n'%2'").arg(reason, path));
    emit progressRange(0, 100);
    emit info(tr("The list could not be read: %1").arg(reason));
    emit listFailed(reason);
}

void ExchangeRun::dropUnplainNames()
{
    while (!m_pending.isEmpty() && !FileNames::isPlainDictionaryName(m_pending.first())) {
        qCDebug(lcExchange) << "-- not a plain file name:" << m_pending.first();
        fileFailed(m_pending.takeFirst(), tr("not a plain dictionary file name"));
        advance();
    }
}

void ExchangeRun::startFiles(const QStringList &files)
{
    m_pending = files;
    m_progress = 0;
    emit progressRange(0, int(files.size()));
    emit progressValue(0);
}

void ExchangeRun::advance()
{
    emit progressValue(++m_progress);
}

void ExchangeRun::fileSucceeded(const QString &file, const QString &detail)
{
    emit fileDone(file, true, detail);
}

void ExchangeRun::fileFailed(const QString &file, const QString &reason)
{
    qCWarning(lcExchange) << "ERROR:" << file << reason;
    m_failed.append(file);
    emit fileDone(file, false, reason);
}

void ExchangeRun::finishRun(int doneStep)
{
    m_step = doneStep;
    // a run with failures must not read as a success
    emit info(m_failed.isEmpty()
            ? tr("Update completed.")
            : tr("Finished; these could not be transferred: %1").arg(m_failed.join(QStringLiteral(", "))));
    emit finished(true);
}
