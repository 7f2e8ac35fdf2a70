#include "support.h"

#include "commands.h"
#include "console.h"

#include "dict/atomicfile.h"
#include "dict/dictionary.h"

#include <QFile>

namespace Cli {

namespace {

int usageError(const QString &command, const QString &problem)
{
    for (const Command &c : commands()) {
        if (c.name == command)
            return Console::fail(QStringLiteral("%1; usage: verbalon-cli %2").arg(problem, c.synopsis), BadArguments);
    }
    return Console::fail(problem, BadArguments);
}

// Opens the file, or tells why it cannot be read.
bool openForReading(QFile &file, QString &error)
{
    if (!file.exists()) {
        error = QStringLiteral("%1: no such file").arg(file.fileName());
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace

std::optional<Arguments> parseArguments(
    const QString &command, const QStringList &args, int count, const QSet<QString> &options, int &exitCode)
{
    Arguments parsed(args, options);
    if (!parsed.isValid()) {
        exitCode = usageError(command, parsed.error());
        return std::nullopt;
    }
    if (parsed.positional().size() != count) {
        exitCode = usageError(
            command, QStringLiteral("expected %1 arguments, got %2").arg(count).arg(parsed.positional().size()));
        return std::nullopt;
    }
    return parsed;
}

int runOnDictionary(const QString &command, const QStringList &args, int count, const QSet<QString> &options,
    const DictionaryCommand &body)
{
    int code = 0;
    const auto parsed = parseArguments(command, args, count, options, code);
    if (!parsed)
        return code;
    Dictionary dictionary;
    QString error;
    if (!loadDictionary(parsed->positional()[0], dictionary, error))
        return Console::fail(error, Failure);
    return body(*parsed, dictionary);
}

bool readFile(const QString &path, QByteArray &data, QString &error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    data = file.readAll();
    return true;
}

bool loadDictionary(const QString &path, Dictionary &dictionary, QString &error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    if (!dictionary.load(path)) {
        error = QStringLiteral("%1: not a dictionary file (version '%2')").arg(path, dictionary.version());
        return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &data, QString &error)
{
    QString reason;
    if (writeFileAtomically(path, data, &reason))
        return true;
    error = QStringLiteral("%1: cannot write: %2").arg(path, reason);
    return false;
}

} // namespace Cli
