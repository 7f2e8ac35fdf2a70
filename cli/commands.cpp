#include "commands.h"

#include "arguments.h"
#include "console.h"
#include "textfields.h"
#include "tsvformat.h"

#include "dict/atomicfile.h"
#include "dict/dictionary.h"
#include "dict/dictionarylist.h"

#include <QFile>

namespace {

constexpr int Failure = 1;
constexpr int BadArguments = 2;

int usageError(const QString &command, const QString &problem)
{
    for (const Command &c : commands()) {
        if (c.name == command)
            return Console::fail(QStringLiteral("%1; usage: verbalon-cli %2").arg(problem, c.synopsis), BadArguments);
    }
    return Console::fail(problem, BadArguments);
}

// Parses a command's arguments; false (after the message) unless exactly
// `count` positional arguments are given.
bool parse(const QString &command, int count, Arguments &parsed, int &exitCode)
{
    if (!parsed.isValid()) {
        exitCode = usageError(command, parsed.error());
        return false;
    }
    if (parsed.positional().size() != count) {
        exitCode = usageError(command, QStringLiteral("expected %1 arguments, got %2").arg(count).arg(parsed.positional().size()));
        return false;
    }
    return true;
}

bool readFile(const QString &path, QByteArray &data, QString &error)
{
    QFile file(path);
    if (!file.exists()) {
        error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot read: %2").arg(path, file.errorString());
        return false;
    }
    data = file.readAll();
    return true;
}

bool loadDictionary(const QString &path, Dictionary &dictionary, QString &error)
{
    QByteArray data;
    if (!readFile(path, data, error))
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

int runInfo(const QStringList &args)
{
    Arguments parsed(args, {});
    int code = 0;
    if (!parse(QStringLiteral("info"), 1, parsed, code))
        return code;
    Dictionary dictionary;
    QString error;
    if (!loadDictionary(parsed.positional()[0], dictionary, error))
        return Console::fail(error);
    QByteArray out = "version: " + dictionary.version().toUtf8() + '\n';
    const auto &attributes = dictionary.attributes();
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        out += (it.key() + QStringLiteral(": ") + it.value()).toUtf8() + '\n';
    out += "entries: " + QByteArray::number(dictionary.count()) + '\n';
    out += "maxId: " + QByteArray::number(dictionary.maxId()) + '\n';
    Console::write(out);
    return 0;
}

int runDump(const QStringList &args)
{
    Arguments parsed(args, {});
    int code = 0;
    if (!parse(QStringLiteral("dump"), 1, parsed, code))
        return code;
    Dictionary dictionary;
    QString error;
    if (!loadDictionary(parsed.positional()[0], dictionary, error))
        return Console::fail(error);
    QByteArray out;
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry &e = *dictionary.entryAt(i);
        QStringList fields = {QString::number(e.id()),
                              QString::number(e.wordType()),
                              QString::number(e.flags()),
                              QString::number(e.learnedForward()),
                              QString::number(e.learnedBackward()),
                              escapeField(e.word()),
                              escapeField(e.searchKey()),
                              escapeField(e.translation())};
        for (const Entry::KeyedText &t : e.texts())
            fields.append(QString::number(t.key) + u'=' + escapeField(t.text));
        out += fields.join(u'\t').toUtf8() + '\n';
    }
    Console::write(out);
    return 0;
}

int runLookup(const QStringList &args)
{
    Arguments parsed(args, {});
    int code = 0;
    if (!parse(QStringLiteral("lookup"), 2, parsed, code))
        return code;
    Dictionary dictionary;
    QString error;
    if (!loadDictionary(parsed.positional()[0], dictionary, error))
        return Console::fail(error);
    const QString text = parsed.positional()[1];
    int matchLength = 0;
    const int position = dictionary.findLongestPrefix(text, matchLength);
    QStringList lines = {QStringLiteral("prefix\t%1\t%2").arg(position).arg(matchLength)};
    for (const Entry &e : dictionary.findExact(text, 0))
        lines.append(QStringLiteral("exact\t%1\t%2").arg(e.id()).arg(escapeField(e.word())));
    for (const Entry &e : dictionary.findByMeaning(text, 0))
        lines.append(QStringLiteral("meaning\t%1\t%2").arg(e.id()).arg(escapeField(e.word())));
    Console::write(lines.join(u'\n').toUtf8() + '\n');
    return 0;
}

int runList(const QStringList &args)
{
    Arguments parsed(args, {});
    int code = 0;
    if (!parse(QStringLiteral("list"), 1, parsed, code))
        return code;
    QByteArray data;
    QString error;
    if (!readFile(parsed.positional()[0], data, error))
        return Console::fail(error);
    DictionaryList list;
    list.parse(data);
    Console::write(list.toBytes());
    return 0;
}

int runExport(const QStringList &args)
{
    Arguments parsed(args, {});
    int code = 0;
    if (!parse(QStringLiteral("export"), 2, parsed, code))
        return code;
    Dictionary dictionary;
    QString error;
    if (!loadDictionary(parsed.positional()[0], dictionary, error)
        || !writeFile(parsed.positional()[1], TsvFormat::write(dictionary), error)) {
        return Console::fail(error);
    }
    return 0;
}

int runImport(const QStringList &args)
{
    Arguments parsed(args, {QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("user")});
    int code = 0;
    if (!parse(QStringLiteral("import"), 2, parsed, code))
        return code;
    const QString input = parsed.positional()[0];
    const QString output = parsed.positional()[1];
    QByteArray data;
    QString error;
    if (!readFile(input, data, error))
        return Console::fail(error);
    const TsvFormat::ImportOptions options{parsed.option(QStringLiteral("name")),
                                           parsed.option(QStringLiteral("type")),
                                           parsed.option(QStringLiteral("user"))};
    Dictionary dictionary(output);
    if (!TsvFormat::read(data, options, dictionary, error))
        return Console::fail(QStringLiteral("%1: %2").arg(input, error));
    if (!dictionary.save())
        return Console::fail(QStringLiteral("%1: cannot write the dictionary").arg(output));
    return 0;
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> all = {
        {QStringLiteral("info"), QStringLiteral("info FILE.dic"), runInfo},
        {QStringLiteral("dump"), QStringLiteral("dump FILE.dic"), runDump},
        {QStringLiteral("lookup"), QStringLiteral("lookup FILE.dic TEXT"), runLookup},
        {QStringLiteral("list"), QStringLiteral("list FILE"), runList},
        {QStringLiteral("export"), QStringLiteral("export FILE.dic OUT.tsv"), runExport},
        {QStringLiteral("import"),
         QStringLiteral("import [--name NAME] [--type TYPE] [--user CODES] IN.tsv OUT.dic"), runImport},
    };
    return all;
}
