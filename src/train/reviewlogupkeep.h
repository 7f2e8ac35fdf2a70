#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Keeps a dictionary's review log in step with what happens to the
// dictionary's file outside the trainer: an update or sync that wrote a
// changed file (its backups moved on, and its merge may have given entries
// other ids), an upgrade to the installed version done at start, a
// dictionary deleted. Generation N of the log's backups goes with generation
// N of the file's, so a backup of the file brought back finds its history.
namespace ReviewLogUpkeep {

// After the file was replaced by a changed one: the log's backups move on as
// the file's did, then the renumberings go into the log. False, with the
// reason in *error, when either failed; the file stays as written.
bool followChangedFile(const QString &dictionaryPath, const QList<QPair<int, int>> &moves, qint64 time, QString *error);
// The data folder (DataDirectory::locate, which may upgrade the copies of
// installed dictionaries) with the review logs following the entry ids the
// upgrades gave other numbers: what the window and the tool use, so no
// upgrade leaves a log behind.
QString locateDataFolder(QString *error, QStringList *notes = nullptr);
// Takes in what the upgrades of the installed dictionaries left beside the
// data folder's copies (InstalledUpgrade::pendingRenumberings); one line for
// the user for each copy whose log could not follow.
QStringList followInstalledUpgrades(const QString &dataFolder, qint64 time);
// The dictionary file is deleted: its log is kept as its newest backup and
// goes too, so a new dictionary under the same name starts with no history.
bool followDeletedFile(const QString &dictionaryPath, QString *error);

} // namespace ReviewLogUpkeep
