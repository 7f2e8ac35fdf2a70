#pragma once

#include <QByteArray>
#include <QString>

// Standard output and error of the command-line tool.
namespace Console {
void write(const QByteArray &bytes);
void writeLine(const QString &line);
// Writes "verbalon-cli: <message>" to standard error; returns code.
int fail(const QString &message, int code = 1);
// Writes "verbalon-cli: warning: <message>" to standard error.
void warn(const QString &message);
} // namespace Console
