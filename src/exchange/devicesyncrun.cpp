#include "devicesyncrun.h"

#include "adbjob.h"
#include "exchangelog.h"
#include "files/filenames.h"

#include "files/atomicfile.h"
#include "files/dictionaryfile.h"
#include "files/regularfile.h"

#include <QFile>
#include <QFileInfo>

DeviceSyncRun::DeviceSyncRun(const TransferSettings &settings, QObject *parent)
    : TransferRun(settings, parent)
{ }

// the job, and with it adb, ends before its folder goes
DeviceSyncRun::~DeviceSyncRun()
{
    cancelNow();
}

void DeviceSyncRun::startList(const QString &)
{
    if (!m_temporary.isValid()) {
        listNotRead(tr("no temporary folder for the sync"));
        return;
    }
    m_copied.clear();
    // a phone without a list is set up: it starts with none
    pull(FileNames::listName(), DictionaryList::MaxRemoteSize,
        [this](bool ok, bool missing, const QByteArray &data, const QString &error) {
            if (ok || missing)
                takeList(data);
            else
                listNotRead(error);
        });
}

// The file is copied into the temporary folder, then read, but only when
// its size is within bounds.
void DeviceSyncRun::pull(const QString &name, qint64 maxBytes, const Pulled &done)
{
    const QString target = m_temporary.filePath(name);
    QFile::remove(target);
    emit info(tr("Reading '%1' from USB...").arg(name));
    const TransferLimits limits{maxBytes, settings().stallSeconds};
    auto job = std::make_unique<AdbJob>(
        QStringList{QStringLiteral("pull"), deviceDirectory() + name, target}, limits, target);
    runJob(std::move(job), [target, maxBytes, done](TransferJob &job) {
        if (!job.succeeded()) {
            done(false, job.notFound(), QByteArray(), job.errorString());
            return;
        }
        // what the device gave may be a link, a FIFO or a device: only a file is read
        QByteArray data;
        RegularFile pulled(target, maxBytes);
        if (pulled.read(data) != RegularFile::Status::Ok) {
            done(false, false, QByteArray(),
                tr("the copy from the device cannot be read: %1").arg(pulled.errorString()));
            return;
        }
        done(true, false, data, QString());
    });
}

void DeviceSyncRun::startFile(const QString &file)
{
    pull(file, TransferLimits::MaxDictionary,
        [this, file](bool ok, bool missing, const QByteArray &data, const QString &error) {
            if (ok)
                merge(file, data);
            else if (missing && QFileInfo::exists(localPath(file)))
                copyOnto(file);
            else
                fileFinished(FileOutcome{file, false, error, {}});
        });
}

// The phone's file is the base; the local file is merged into it.
void DeviceSyncRun::merge(const QString &file, const QByteArray &data)
{
    const QString local = localPath(file);
    const FileOutcome outcome = mergeIntoLocal(file, data, DictionaryMerge::Counters::ThreeWay, basePath(local));
    if (!outcome.ok) {
        fileFinished(outcome);
        return;
    }
    push(local, [this, file, outcome](TransferJob &job) { pushed(file, outcome, job); });
}

void DeviceSyncRun::push(const QString &path, const std::function<void(TransferJob &)> &done)
{
    emit info(tr("Writing '%1' to USB...").arg(QFileInfo(path).fileName()));
    const TransferLimits limits{TransferLimits::MaxDictionary, settings().stallSeconds};
    runJob(std::make_unique<AdbJob>(QStringList{QStringLiteral("push"), path, deviceDirectory()}, limits), done);
}

// The phone lacks the dictionary: it gets the learner's file as it is.
void DeviceSyncRun::copyOnto(const QString &file)
{
    push(localPath(file), [this, file](TransferJob &job) {
        if (job.succeeded())
            m_copied.append(file);
        pushed(file, FileOutcome{file, job.succeeded(), job.succeeded() ? tr("copied onto the phone") : QString(), {}},
            job);
    });
}

// The phone's list names what was copied onto it, once the files are there.
void DeviceSyncRun::finishFiles()
{
    const DictionaryList *local = settings().localList;
    if (m_copied.isEmpty() || isCancelled() || !local) {
        endRun();
        return;
    }
    for (const QString &file : std::as_const(m_copied)) {
        if (local->containsFile(file))
            m_remoteList.updateRecord(DictionaryList::bounded(local->record(local->indexOfFile(file))));
    }
    m_copied.clear();
    const QString listPath = m_temporary.filePath(FileNames::listName());
    const Result<> written = writeFileAtomically(listPath, m_remoteList.toBytes());
    if (!written) {
        fileFinished(FileOutcome{FileNames::listName(), false, written.errorString(), {}});
        return;
    }
    push(listPath, [this](TransferJob &job) {
        fileFinished(FileOutcome{FileNames::listName(), job.succeeded(), job.errorString(), {}});
    });
}

// Both sides now hold the merged file: it is the base of the next sync.
void DeviceSyncRun::pushed(const QString &file, const FileOutcome &merged, TransferJob &job)
{
    if (!job.succeeded()) {
        fileFinished(FileOutcome{file, false, job.errorString(), merged.report});
        return;
    }
    const QString local = localPath(file);
    QByteArray bytes;
    RegularFile copy(local, DictionaryFile::MaxFileSize);
    const Result<> kept = copy.read(bytes) == RegularFile::Status::Ok ? writeFileAtomically(basePath(local), bytes)
                                                                      : Result<>::failure(copy.errorString());
    if (!kept)
        qCWarning(lcExchange) << "cannot keep the sync base of" << local << kept.errorString();
    fileFinished(merged);
}

QString DeviceSyncRun::completedText() const
{
    return tr("Sync completed.");
}
