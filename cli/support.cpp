#include "support.h"

#include "commands.h"
#include "console.h"

#include "files/atomicfile.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "merge/dictionarymerge.h"
#include "files/filenames.h"

#include <QCoreApplication>
#include <QHash>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <sys/stat.h>

namespace Cli {

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("verbalon"));
    // QT_LOGGING_RULES still turns the library's messages on
    QLoggingCategory::setFilterRules(QStringLiteral("verbalon.*.warning=false"));
}

namespace {

int usageError(const QString &command, const QString &problem)
{
    for (const Command &c : commands()) {
        if (c.name == command)
            return Console::fail(QStringLiteral("%1; usage: verbalon-cli %2").arg(problem, c.synopsis), BadArguments);
    }
    return Console::fail(problem, BadArguments);
}

} // namespace

// Opens the file, or tells why it cannot be read. Devices, pipes and
// folders are refused: reading /dev/zero whole never ends.
bool openForReading(QFile &file, QString &error)
{
    if (!file.exists()) {
        error = QStringLiteral("%1: no such file").arg(file.fileName());
        return false;
    }
    if (!QFileInfo(file.fileName()).isFile()) {
        error = QStringLiteral("%1: not a regular file").arg(file.fileName());
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

namespace {

// The arguments, with exactly `count` positional ones, or at least that
// many when `orMore`.
std::optional<Arguments> parseCounted(const QString &command, const QStringList &args, int count, bool orMore,
    const QSet<QString> &options, const QSet<QString> &flags, int &exitCode)
{
    Arguments parsed(args, options, flags);
    const qsizetype given = parsed.positional().size();
    if (parsed.isValid() && (orMore ? given >= count : given == count))
        return parsed;
    const QString problem = !parsed.isValid() ? parsed.error()
                                              : QStringLiteral("expected %1%2 arguments, got %3")
                                                    .arg(count)
                                                    .arg(orMore ? QStringLiteral(" or more") : QString())
                                                    .arg(given);
    exitCode = usageError(command, problem);
    return std::nullopt;
}

} // namespace

std::optional<Arguments> parseArguments(const QString &command, const QStringList &args, int count,
    const QSet<QString> &options, int &exitCode, const QSet<QString> &flags)
{
    return parseCounted(command, args, count, false, options, flags, exitCode);
}

std::optional<Arguments> parseArgumentsFrom(const QString &command, const QStringList &args, int minCount,
    const QSet<QString> &options, int &exitCode, const QSet<QString> &flags)
{
    return parseCounted(command, args, minCount, true, options, flags, exitCode);
}

int runOnDictionary(const QString &command, const QStringList &args, int count, const QSet<QString> &options,
    const DictionaryCommand &body)
{
    int code = 0;
    const auto parsed = parseArguments(command, args, count, options, code);
    if (!parsed)
        return code;
    Dictionary dictionary;
    DictionaryFile file(parsed->positional()[0]);
    QString error;
    if (!loadDictionary(file, dictionary, error))
        return Console::fail(error, Failure);
    return body(*parsed, dictionary, file);
}

bool readFile(const QString &path, QByteArray &data, QString &error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    data = file.readAll();
    return true;
}

bool loadDictionary(DictionaryFile &file, Dictionary &dictionary, QString &error)
{
    const QString path = file.path();
    QFile readable(path);
    if (!openForReading(readable, error))
        return false;
    switch (file.load(dictionary)) {
    case DictionaryFile::Status::Ok: return true;
    case DictionaryFile::Status::Damaged:
        Console::warn(QStringLiteral("%1: damaged; read %2 entries, stopped at byte %3")
                          .arg(path)
                          .arg(dictionary.count())
                          .arg(file.damageOffset()));
        return true;
    case DictionaryFile::Status::UnknownVersion:
        error = QStringLiteral("%1: not a dictionary file (version '%2')").arg(path, file.version());
        return false;
    default: error = QStringLiteral("%1: %2").arg(path, file.errorString()); return false;
    }
}

bool writeFile(const QString &path, const QByteArray &data, QString &error)
{
    const Result<> written = writeFileAtomically(path, data);
    if (written)
        return true;
    error = QStringLiteral("%1: cannot write: %2").arg(path, written.errorString());
    return false;
}

bool checkDistinct(const QString &input, const QString &output, QString &error)
{
    const QFileInfo in(input);
    const QFileInfo out(output);
    bool same = in.absoluteFilePath() == out.absoluteFilePath()
        || (!in.canonicalFilePath().isEmpty() && in.canonicalFilePath() == out.canonicalFilePath());
    // hard links and bind mounts have other names for the same file
    struct stat a = {};
    struct stat b = {};
    if (!same && ::stat(QFile::encodeName(input).constData(), &a) == 0
        && ::stat(QFile::encodeName(output).constData(), &b) == 0)
        same = a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    if (same)
        error = QStringLiteral("%1: the output is the input file; it would be destroyed").arg(output);
    return !same;
}

void printChanges(const QString &file, const MergeReport &report)
{
    static const QHash<MergeChange::Kind, QString> names = {{MergeChange::Kind::Added, QStringLiteral("added")},
        {MergeChange::Kind::Replaced, QStringLiteral("replaced")},
        {MergeChange::Kind::Deleted, QStringLiteral("deleted")}, {MergeChange::Kind::Reset, QStringLiteral("reset")}};
    const QString name = FileNames::printable(file);
    for (const MergeChange &change : report.changes) {
        const auto kind = names.constFind(change.kind);
        if (kind != names.cend())
            Console::writeLine(
                QStringLiteral("%1\t%2\t%3").arg(*kind, name, FileNames::printable(change.entry.word())));
    }
}

} // namespace Cli
