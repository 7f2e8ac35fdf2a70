#include "console.h"

#include <cstdio>

namespace Console {

void write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void writeLine(const QString &line)
{
    write(line.toUtf8() + '\n');
}

int fail(const QString &message, int code)
{
    std::fflush(stdout);
    const QByteArray text = "verbalon-cli: " + message.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return code;
}

void warn(const QString &message)
{
    fail(QStringLiteral("warning: ") + message);
}

} // namespace Console
