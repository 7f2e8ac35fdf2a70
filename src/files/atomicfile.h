#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Writes data to path through a temporary file that replaces the old file
// only when every byte was written, so a full disk or a crash never leaves
// half a file. On failure the old file stays as it was.
Result<> writeFileAtomically(const QString &path, const QByteArray &data);

// Takes the next piece of a file; false when it could not be written.
using WritePiece = std::function<bool(QByteArrayView piece)>;
// The same for a file made a piece at a time, so it need not be held whole:
// fill hands each piece to its write in order. A failure of fill, or of a
// write (whose reason wins), leaves the old file as it was.
Result<> writeFileAtomically(const QString &path, const std::function<Result<>(const WritePiece &write)> &fill);
