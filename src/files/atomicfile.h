#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file that replaces the old file
// only when every byte was written, so a full disk or a crash never leaves
// half a file. On failure the old file stays as it was.
Result<> writeFileAtomically(const QString &path, const QByteArray &data);
