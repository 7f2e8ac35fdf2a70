#include "masterexportrun.h"

#include "exchangelog.h"
#include "files/filenames.h"

#include "files/atomicfile.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"

QByteArray MasterExportRun::masterBytes(const QString &path)
{
    Dictionary dictionary;
    if (path.isEmpty() || DictionaryFile(path).load(dictionary) != DictionaryFile::Status::Ok)
        return QByteArray();
    dictionary.resetLearnCounters();
    return DictionaryFile::toBytes(dictionary);
}

void MasterExportRun::startList(const QString &source)
{
    QString error;
    m_base = takeSource(source, &error);
    m_anySent = false;
    m_listSent = false;
    const QUrl url = FileNames::fileUrl(m_base, FileNames::listName());
    std::unique_ptr<TransferJob> job
        = m_base.isValid() ? makeJob(url, DictionaryList::MaxRemoteSize, nullptr, &error) : nullptr;
    if (!job) {
        listNotRead(error);
        return;
    }
    emit info(tr("Reading %1...").arg(FileNames::display(url)));
    runJob(std::move(job), [this](TransferJob &done) {
        // a new master folder has no list yet: it starts empty
        if (done.succeeded() || done.notFound())
            takeList(done.data());
        else
            listNotRead(done.errorString());
    });
}

void MasterExportRun::startFile(const QString &file)
{
    const QByteArray bytes = masterBytes(localPath(file));
    if (bytes.isEmpty()) {
        fileFinished(FileOutcome{file, false, tr("the local file cannot be read"), {}});
        return;
    }
    send(file, bytes);
}

void MasterExportRun::send(const QString &file, const QByteArray &bytes)
{
    const QUrl url = FileNames::fileUrl(m_base, file);
    emit info(tr("Writing %1...").arg(FileNames::display(url)));
    QString error;
    std::unique_ptr<TransferJob> job = makeJob(url, TransferLimits::MaxDictionary, &bytes, &error);
    runJob(std::move(job), [this, file, bytes](TransferJob &done) { sent(file, bytes, done); });
}

void MasterExportRun::sent(const QString &file, const QByteArray &bytes, TransferJob &job)
{
    if (!job.succeeded()) {
        fileFinished(FileOutcome{file, false, job.errorString(), {}});
        return;
    }
    if (file != FileNames::listName()) {
        m_anySent = true;
        // a dictionary the server's list lacked gets its record, or no client would see it
        DictionaryList *local = settings().localList;
        if (!m_remoteList.containsFile(file) && local && local->containsFile(file))
            m_remoteList.updateRecord(DictionaryList::bounded(local->record(local->indexOfFile(file))));
        m_remoteList.setSizeAndDate(file, bytes.size());
        // what the server holds now is the base of the next update from it
        const Result<> kept = writeFileAtomically(receivedPath(file), bytes);
        if (!kept)
            qCWarning(lcExchange) << "cannot keep the copy sent as" << receivedPath(file) << kept.errorString();
    }
    fileFinished(FileOutcome{file, true, QString::number(bytes.size()), {}});
}

// The list goes last, once, and only when a dictionary arrived.
void MasterExportRun::finishFiles()
{
    if (m_listSent || !m_anySent || isCancelled()) {
        endRun();
        return;
    }
    m_listSent = true;
    send(FileNames::listName(), m_remoteList.toBytes());
}

QString MasterExportRun::completedText() const
{
    return tr("Export completed.");
}
