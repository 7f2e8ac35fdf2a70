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

// The ids the merge gave the learner's entries anew, as a line of the
// renumberings file.
QByteArray renumberingLine(const MergeReport &report)
{
    QByteArrayList pairs;
    for (const auto &[from, to] : report.idMoves())
        pairs.append(QByteArray::number(from) + '>' + QByteArray::number(to));
    return pairs.join('\t') + '\n';
}

QList<QPair<int, int>> parseRenumberingLine(const QByteArray &line)
{
    QList<QPair<int, int>> moves;
    for (const QByteArray &pair : line.split('\t')) {
        const qsizetype arrow = pair.indexOf('>');
        bool fromOk = false;
        bool toOk = false;
        const int from = arrow < 0 ? 0 : pair.first(arrow).toInt(&fromOk);
        const int to = arrow < 0 ? 0 : pair.sliced(arrow + 1).toInt(&toOk);
        if (fromOk && toOk && from > 0 && to > 0)
            moves.append({from, to});
    }
    return moves;
}

// The renumberings file as it was before an upgrade, put back when the
// upgrade did not change the copy after all.
void restoreRenumberings(const QString &path, bool existed, const QByteArray &before)
{
    if (existed)
        (void)writeFileAtomically(path, before);
    else
        QFile::remove(path);
}

} // namespace

QString InstalledUpgrade::renumberingsPath(const QString &localPath)
{
    return localPath + QStringLiteral(".renumbered");
}

QList<InstalledUpgrade::Renumberings> InstalledUpgrade::pendingRenumberings(const QString &dataFolder)
{
    QList<Renumberings> pending;
    const QDir folder(dataFolder);
    for (const QString &file : folder.entryList({QStringLiteral("*.dic.renumbered")}, QDir::Files, QDir::Name)) {
        QByteArray data;
        if (!readFile(folder.filePath(file), &data))
            continue;
        Renumberings renumberings{folder.filePath(file.chopped(int(qstrlen(".renumbered")))), {}};
        // every line ends in a line feed; what follows the last is no line
        QByteArrayList lines = data.split('\n');
        lines.removeLast();
        for (const QByteArray &line : std::as_const(lines))
            renumberings.upgrades.append(parseRenumberingLine(line));
        if (!renumberings.upgrades.isEmpty())
            pending.append(renumberings);
    }
    return pending;
}

bool InstalledUpgrade::clearRenumberings(const QString &localPath)
{
    return !QFileInfo::exists(renumberingsPath(localPath)) || QFile::remove(renumberingsPath(localPath));
}

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
    // the renumberings are kept before the copy changes
    const QString renumbered = renumberingsPath(localPath);
    const bool hadRenumberings = QFileInfo::exists(renumbered);
    QByteArray before;
    if (hadRenumberings && !readFile(renumbered, &before))
        return fail(localPath, tr("%1 cannot be read").arg(renumbered));
    QString error;
    if (!writeFileAtomically(renumbered, before + renumberingLine(update.report()), &error))
        return fail(localPath, error);
    if (update.save() != DictionaryUpdate::Status::Ok) {
        restoreRenumberings(renumbered, hadRenumberings, before);
        return fail(localPath, update.errorString());
    }
    if (!update.changedFile())
        restoreRenumberings(renumbered, hadRenumberings, before);
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
