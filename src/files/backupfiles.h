#pragma once

#include <QString>

// Copies of a file kept beside it before it is replaced, so that no exchange
// and no damaged read ever loses what the file held.
namespace BackupFiles {

constexpr int Generations = 5;

// FILE.bak for generation 0 (the newest), FILE.bak.N for the older ones.
QString backupName(const QString &path, int generation);
// Keeps the file as it is now as FILE.bak, each older backup moving one
// generation back and the oldest going: prepare() then rotate(). True when
// the copy is kept or there is no file; otherwise false, with the reason in
// *error.
bool keep(const QString &path, QString *error);
// Copies the file as it is now under a temporary name, before it is
// replaced; the backups stay as they are, so a failure on the way (a full
// disk) costs none of them. True when copied or there is no file.
bool prepare(const QString &path, QString *error);
// Once the file was replaced: the prepared copy becomes FILE.bak, the older
// ones moving back.
bool rotate(const QString &path, QString *error);
// The file was not replaced after all: the prepared copy goes.
void discard(const QString &path);
// Keeps the bytes of a file that could not be read whole beside it, under
// FILE.damaged or the first FILE.damaged.N no earlier copy took; the name
// goes to *copy. True when kept or there is no file.
bool keepDamaged(const QString &path, QString *copy, QString *error);

} // namespace BackupFiles
