#pragma once

#include "model/result.h"

#include <QString>

// Copies of a file kept beside it before it is replaced, so that no exchange
// and no damaged read ever loses what the file held.
namespace BackupFiles {

constexpr int Generations = 5;

// FILE.bak for generation 0 (the newest), FILE.bak.N for the older ones.
QString backupName(const QString &path, int generation);
// Keeps the file as it is now as FILE.bak, each older backup moving one
// generation back and the oldest going: prepare() then rotate(). Succeeds
// when the copy is kept or there is no file.
Result<> keep(const QString &path);
// Copies the file as it is now under a temporary name, before it is
// replaced; the backups stay as they are, so a failure on the way (a full
// disk) costs none of them. Succeeds when copied or there is no file.
Result<> prepare(const QString &path);
// Once the file was replaced: the prepared copy becomes FILE.bak, the older
// ones moving back.
Result<> rotate(const QString &path);
// The file was not replaced after all: the prepared copy goes.
void discard(const QString &path);
// Keeps the bytes of a file that could not be read whole beside it, under
// FILE.damaged or the first FILE.damaged.N no earlier copy took. The
// copy's name; empty when there is no file.
Result<QString> keepDamaged(const QString &path);

} // namespace BackupFiles
