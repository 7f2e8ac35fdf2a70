#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file that replaces the old file
// only when every byte was written, so a full disk or a crash never leaves
// half a file. On failure returns false, leaves the old file as it was and
// puts the reason into *error when given.
[[nodiscard]] bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);
