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

bool followChangedFile(const QString &dictionaryPath, const QList<QPair<int, int>> &moves, qint64 time, QString *error)
{
    // a backup that cannot be kept costs a generation; the renumbering
    // must still go in, or the history would stay with the old numbers
    QString backupError;
    const bool keptBackup = ReviewLog::keepBackup(dictionaryPath, &backupError);
    if (!keptBackup)
        qCWarning(lcTrain) << "cannot keep the backup of the review log of" << dictionaryPath << backupError;
    if (!moves.isEmpty() && QFileInfo::exists(ReviewLog::pathFor(dictionaryPath))) {
        ReviewLog log(ReviewLog::pathFor(dictionaryPath));
        if (!log.appendRenumbering(moves, time)) {
            if (error)
                *error = log.errorString();
            return false;
        }
    }
    if (!keptBackup && error)
        *error = backupError;
    return keptBackup;
}

QStringList followInstalledUpgrades(const QString &dataFolder, qint64 time)
{
    QStringList failures;
    for (const InstalledUpgrade::Renumberings &pending : InstalledUpgrade::pendingRenumberings(dataFolder)) {
        QString error;
        bool followed = true;
        for (const QList<QPair<int, int>> &moves : pending.upgrades)
            followed = followChangedFile(pending.localPath, moves, time, &error) && followed;
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

QString locateDataFolder(QString *error, QStringList *notes)
{
    QStringList upgradeNotes;
    const QString folder = DataDirectory::locate(error, &upgradeNotes);
    if (!folder.isEmpty())
        upgradeNotes += followInstalledUpgrades(folder, QDateTime::currentSecsSinceEpoch());
    if (notes)
        *notes += upgradeNotes;
    return folder;
}

bool followDeletedFile(const QString &dictionaryPath, QString *error)
{
    const QString path = ReviewLog::pathFor(dictionaryPath);
    if (!QFileInfo::exists(path))
        return true;
    if (!ReviewLog::keepBackup(dictionaryPath, error))
        return false;
    if (QFile::remove(path))
        return true;
    if (error)
        *error = QCoreApplication::translate("ReviewLogUpkeep", "%1 cannot be removed").arg(path);
    return false;
}

} // namespace ReviewLogUpkeep
