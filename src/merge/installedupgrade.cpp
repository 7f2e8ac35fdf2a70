#include "installedupgrade.h"

#include "files/atomicfile.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "dictionarymerge.h"
#include "dictionaryupdate.h"
#include "model/dictlog.h"
#include "files/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// larger than any dictionary we install
constexpr qint64 MaxInstalledSize = qint64(256) << 20;

bool readFile(const QString &path, QByteArray *data)
{
    return RegularFile(path, MaxInstalledSize).read(*data) == RegularFile::Status::Ok;
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
    qCWarning(lcDict) << "cannot bring" << localPath << "up to the installed version:" << reason;
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
    qCDebug(lcDict) << "upgrading" << localPath << "from" << installedPath;
    // what the learner trained or made their own since the recorded version stays
    DictionaryUpdate update(localPath);
    update.setBase(haveRecord ? recordPath(localPath) : QString());
    update.setPriority(DictionaryMerge::Priority::Learner);
    if (update.merge(installed) != DictionaryUpdate::Status::Ok)
        return fail(localPath, update.errorString());
    if (update.save() != DictionaryUpdate::Status::Ok)
        return fail(localPath, update.errorString());
    QString error;
    if (!writeFileAtomically(recordPath(localPath), installed, &error))
        return fail(localPath, error);
    if (!update.changedFile())
        return Status::Unchanged;
    const QString name = QFileInfo(localPath).fileName();
    m_message = tr("%1 took in the installed version (now %n entries); your own words and training are kept, the "
                   "previous file is %2.",
        nullptr, update.result().count())
                    .arg(name, name + QStringLiteral(".bak"));
    return Status::Upgraded;
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
