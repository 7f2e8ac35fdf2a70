#include "updaterun.h"

#include "exchangelog.h"
#include "files/atomicfile.h"
#include "files/filenames.h"

void UpdateRun::startList(const QString &source)
{
    qCDebug(lcExchange) << "reading the list";
    QString error;
    m_base = takeSource(source, &error);
    std::unique_ptr<TransferJob> job = m_base.isValid()
        ? makeJob(FileNames::fileUrl(m_base, FileNames::listName()), DictionaryList::MaxRemoteSize, nullptr, &error)
        : nullptr;
    if (!job) {
        listNotRead(error);
        return;
    }
    emit info(tr("Reading %1...").arg(FileNames::display(FileNames::fileUrl(m_base, FileNames::listName()))));
    runJob(std::move(job), [this](TransferJob &done) {
        if (done.succeeded())
            takeList(done.data());
        else
            listNotRead(done.errorString());
    });
}

void UpdateRun::startFile(const QString &file)
{
    const QUrl url = FileNames::fileUrl(m_base, file);
    emit info(tr("Reading %1...").arg(FileNames::display(url)));
    runJob(makeJob(url, TransferLimits::MaxDictionary), [this, file](TransferJob &job) { fileArrived(file, job); });
}

void UpdateRun::fileArrived(const QString &file, TransferJob &job)
{
    if (!job.succeeded()) {
        fileFinished(FileOutcome{file, false, job.errorString(), {}});
        return;
    }
    const QByteArray data = job.takeData();
    const QString base = receivedPath(file);
    FileOutcome outcome = mergeIntoLocal(file, data, DictionaryMerge::Counters::FromLocal, base);
    // the server's copy is the base of the next update from it
    if (outcome.ok) {
        const Result<> kept = writeFileAtomically(base, data);
        if (!kept)
            qCWarning(lcExchange) << "cannot keep the copy received as" << base << kept.errorString();
    }
    if (outcome.ok && !enterRecord(file)) {
        outcome.ok = false;
        outcome.detail = tr("the list of dictionaries could not be saved");
    }
    fileFinished(outcome);
}

// The server's record for the file, within bounds, with the learner's
// language and user languages where the local list has the file.
bool UpdateRun::enterRecord(const QString &file)
{
    DictionaryList *local = settings().localList;
    const int remote = m_remoteList.indexOfFile(file);
    if (!local || remote < 0)
        return true;
    DictionaryList::Record record = DictionaryList::bounded(m_remoteList.record(remote));
    const int own = local->indexOfFile(file);
    for (const QString &key : {QStringLiteral("TYPE"), QStringLiteral("USER")}) {
        if (own >= 0 && local->record(own).contains(key))
            record.insert(key, local->record(own).value(key));
    }
    return !local->updateRecord(record) || local->save();
}

QString UpdateRun::completedText() const
{
    return tr("Update completed.");
}
