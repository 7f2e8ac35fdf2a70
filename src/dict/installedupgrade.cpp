#include "installedupgrade.h"

#include "atomicfile.h"
#include "dictionary.h"
#include "dictionaryfile.h"
#include "dictionarymerge.h"
#include "dictionaryupdate.h"
#include "dictlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// larger than any dictionary we install
constexpr qint64 MaxInstalledSize = qint64(256) << 20;

bool readFile(const QString &path, QByteArray *data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxInstalledSize)
        return false;
    *data = file.readAll();
    return true;
}

bool isLearned(const Entry &e)
{
    return e.learnedForward() >= 0 || e.learnedBackward() >= 0;
}

} // namespace

QString InstalledUpgrade::recordPath(const QString &localPath)
{
    return localPath + QStringLiteral(".installed");
}

bool InstalledUpgrade::recordInstalled(const QString &installedPath, const QString &localPath)
{
    QByteArray installed;
    return readFile(installedPath, &installed) && writeFileAtomically(recordPath(localPath), installed);
}

InstalledUpgrade::Status InstalledUpgrade::fail(const QString &localPath, const QString &reason)
{
    qCWarning(lcDict) << "ERROR: cannot bring" << localPath << "up to the installed version:" << reason;
    m_message = tr("%1 could not take in the installed version: %2").arg(QFileInfo(localPath).fileName(), reason);
    return Status::Failed;
}

InstalledUpgrade::Status InstalledUpgrade::upgrade(const QString &installedPath, const QString &localPath)
{
    m_message.clear();
    QByteArray installed;
    QByteArray recorded;
    QByteArray local;
    if (!QFileInfo::exists(localPath) || !readFile(installedPath, &installed))
        return Status::Unchanged;
    const bool haveRecord = readFile(recordPath(localPath), &recorded);
    if (haveRecord && recorded == installed)
        return Status::Unchanged;
    if (readFile(localPath, &local) && local == installed) {
        // an untouched copy of this version needs only its record
        recordInstalled(installedPath, localPath);
        return Status::Unchanged;
    }
    qCDebug(lcDict) << "UPGRADE" << localPath << "from" << installedPath;
    DictionaryUpdate update(localPath);
    if (update.merge(installed) != DictionaryUpdate::Status::Ok)
        return fail(localPath, update.errorString());
    Dictionary record;
    const bool recordRead = haveRecord && DictionaryFile().read(recorded, record) == DictionaryFile::Status::Ok;
    keepLearnersWork(update.result(), update.report(), recordRead ? &record : nullptr);
    if (update.save() != DictionaryUpdate::Status::Ok)
        return fail(localPath, update.errorString());
    QString error;
    if (!writeFileAtomically(recordPath(localPath), installed, &error))
        return fail(localPath, error);
    const QString name = QFileInfo(localPath).fileName();
    m_message = tr("%1 took in the installed version (now %n entries); your own words and training are kept, the "
                   "previous file is %2.",
        nullptr, update.result().count())
                    .arg(name, name + QStringLiteral(".bak"));
    return Status::Upgraded;
}

// The merge takes the new version's content; what the learner made their
// own since the recorded version goes back in.
void InstalledUpgrade::keepLearnersWork(Dictionary &result, const MergeReport &report, const Dictionary *record)
{
    const QHash<int, Entry> before = record ? record->entriesById() : QHash<int, Entry>();
    for (const MergeChange &change : report.changes) {
        const Entry &mine = change.entry;
        const auto was = before.constFind(mine.id());
        const bool changedByLearner = record && (was == before.cend() || !DictionaryMerge::sameContent(*was, mine));
        if (change.kind == MergeChange::Kind::Replaced && changedByLearner) {
            result.replaceEntry(mine);
        } else if (change.kind == MergeChange::Kind::Deleted && (!record || changedByLearner || isLearned(mine))) {
            qCDebug(lcDict) << "-- KEPT" << mine.id() << mine.word();
            result.insertEntry(mine);
        }
    }
}

QStringList InstalledUpgrade::upgradeAll(const QString &installedFolder, const QString &dataFolder)
{
    QStringList messages;
    if (installedFolder.isEmpty() || QDir(installedFolder) == QDir(dataFolder))
        return messages;
    const QStringList files = QDir(installedFolder).entryList({QStringLiteral("*.dic")}, QDir::Files);
    for (const QString &file : files) {
        if (file == QLatin1String("dicts.dic"))
            continue;
        InstalledUpgrade upgrade;
        if (upgrade.upgrade(QDir(installedFolder).filePath(file), QDir(dataFolder).filePath(file)) != Status::Unchanged)
            messages.append(upgrade.message());
    }
    return messages;
}
