#include "devicesyncrun.h"

#include "adbjob.h"
#include "exchangelog.h"
#include "dict/filenames.h"

#include "dict/atomicfile.h"

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
    pull(FileNames::listName(), DictionaryList::MaxRemoteSize,
        [this](bool ok, const QByteArray &data, const QString &error) {
            if (ok)
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
            done(false, QByteArray(), job.errorString());
            return;
        }
        QFile pulled(target);
        if (QFileInfo(target).size() > maxBytes) {
            done(false, QByteArray(), tr("the file is larger than %1 MiB").arg(maxBytes / (1024 * 1024)));
            return;
        }
        if (!pulled.open(QIODevice::ReadOnly)) {
            done(false, QByteArray(), tr("the copy from the device cannot be read"));
            return;
        }
        done(true, pulled.readAll(), QString());
    });
}

void DeviceSyncRun::startFile(const QString &file)
{
    pull(file, TransferLimits::MaxDictionary, [this, file](bool ok, const QByteArray &data, const QString &error) {
        if (ok)
            merge(file, data);
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
    emit info(tr("Writing '%1' to USB...").arg(file));
    const TransferLimits limits{TransferLimits::MaxDictionary, settings().stallSeconds};
    runJob(std::make_unique<AdbJob>(QStringList{QStringLiteral("push"), local, deviceDirectory()}, limits),
        [this, file, outcome](TransferJob &job) { pushed(file, outcome, job); });
}

// Both sides now hold the merged file: it is the base of the next sync.
void DeviceSyncRun::pushed(const QString &file, const FileOutcome &merged, TransferJob &job)
{
    if (!job.succeeded()) {
        fileFinished(FileOutcome{file, false, job.errorString(), merged.report});
        return;
    }
    const QString local = localPath(file);
    QFile copy(local);
    QString error;
    if (!copy.open(QIODevice::ReadOnly) || !writeFileAtomically(basePath(local), copy.readAll(), &error))
        qCWarning(lcExchange) << "ERROR: cannot keep the sync base of" << local << error;
    fileFinished(merged);
}
