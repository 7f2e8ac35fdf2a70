#pragma once

#include <QString>

// Copies of a file kept beside it before it is replaced, so that no exchange
// and no damaged read ever loses what the file held.
namespace BackupFiles {

constexpr int Generations = 5;

// FILE.bak for generation 0 (the newest), FILE.bak.N for the older ones.
QString backupName(const QString &path, int generation);
// Keeps the file as it is now as FILE.bak, each older backup moving one
// generation back and the oldest going. The copy is written under a
// temporary name first, so a full disk leaves the file and its backups as
// they were. True when the copy is kept or there is no file; otherwise
// false, with the reason in *error.
bool keep(const QString &path, QString *error);
// Keeps the bytes of a file that could not be read whole beside it, under
// FILE.damaged or the first FILE.damaged.N no earlier copy took; the name
// goes to *copy. True when kept or there is no file.
bool keepDamaged(const QString &path, QString *copy, QString *error);

} // namespace BackupFiles
