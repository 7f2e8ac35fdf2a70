#include "reviewlogupkeep.h"

#include "reviewlog.h"
#include "trainlog.h"

#include "merge/datadirectory.h"
#include "merge/installedupgrade.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace ReviewLogUpkeep {

Result<> followChangedFile(const QString &dictionaryPath, const QList<QPair<int, int>> &moves, qint64 time)
{
    // a backup that cannot be kept costs a generation; the renumbering
    // must still go in, or the history would stay with the old numbers
    const Result<> keptBackup = ReviewLog::keepBackup(dictionaryPath);
    if (!keptBackup)
        qCWarning(lcTrain) << "cannot keep the backup of the review log of" << dictionaryPath
                           << keptBackup.errorString();
    if (!moves.isEmpty() && QFileInfo::exists(ReviewLog::pathFor(dictionaryPath))) {
        ReviewLog log(ReviewLog::pathFor(dictionaryPath));
        if (!log.appendRenumbering(moves, time))
            return Result<>::failure(log.errorString());
    }
    return keptBackup;
}

QStringList followInstalledUpgrades(const QString &dataFolder, qint64 time)
{
    QStringList failures;
    for (const InstalledUpgrade::Renumberings &pending : InstalledUpgrade::pendingRenumberings(dataFolder)) {
        QString error;
        bool followed = true;
        for (const QList<QPair<int, int>> &moves : pending.upgrades) {
            const Result<> step = followChangedFile(pending.localPath, moves, time);
            if (!step)
                error = step.errorString();
            followed = step.ok() && followed;
        }
        // taken in even when a step failed: taking the same renumbering in
        // twice would move entries that are not the ones meant
        const bool cleared = InstalledUpgrade::clearRenumberings(pending.localPath);
        if (!cleared)
            error = QCoreApplication::translate("ReviewLogUpkeep", "%1 cannot be removed")
                        .arg(InstalledUpgrade::renumberingsPath(pending.localPath));
        if (cleared && followed)
            continue;
        qCWarning(lcTrain) << "the review log of" << pending.localPath << "cannot follow its upgrade:" << error;
        failures.append(QCoreApplication::translate(
            "ReviewLogUpkeep", "The training history of %1 could not follow the new entry numbers: %2")
                            .arg(QFileInfo(pending.localPath).fileName(), error));
    }
    return failures;
}

Result<QString> locateDataFolder(QStringList *notes)
{
    QStringList upgradeNotes;
    const Result<QString> folder = DataDirectory::locate(&upgradeNotes);
    if (folder)
        upgradeNotes += followInstalledUpgrades(folder.value(), QDateTime::currentSecsSinceEpoch());
    if (notes)
        *notes += upgradeNotes;
    return folder;
}

Result<> followDeletedFile(const QString &dictionaryPath)
{
    const QString path = ReviewLog::pathFor(dictionaryPath);
    if (!QFileInfo::exists(path))
        return {};
    const Result<> kept = ReviewLog::keepBackup(dictionaryPath);
    if (!kept || QFile::remove(path))
        return kept;
    return Result<>::failure(QCoreApplication::translate("ReviewLogUpkeep", "%1 cannot be removed").arg(path));
}

} // namespace ReviewLogUpkeep
