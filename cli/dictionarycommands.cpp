#include "commands.h"

#include "console.h"
#include "support.h"
#include "formats/textfields.h"
#include "formats/tsvformat.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "merge/dictionaryupdate.h"
#include "files/filenames.h"
#include "formats/filelookup.h"
#include "formats/indexedlookup.h"
#include "files/atomicfile.h"
#include "files/regularfile.h"
#include "files/storecache.h"
#include "lang/lookup.h"
#include "files/dictionarylist.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

using namespace Cli;

namespace {

int runInfo(const QStringList &args)
{
    return runOnDictionary(
        QStringLiteral("info"), args, 1, {}, [](const Arguments &, Dictionary &dictionary, const DictionaryFile &file) {
            QByteArray out = "version: " + file.version().toUtf8() + '\n';
            const auto &attributes = dictionary.attributes();
            for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
                out += (it.key() + QStringLiteral(": ") + it.value()).toUtf8() + '\n';
            out += "entries: " + QByteArray::number(dictionary.count()) + '\n';
            out += "maxId: " + QByteArray::number(dictionary.maxId()) + '\n';
            Console::write(out);
            return 0;
        });
}

int runDump(const QStringList &args)
{
    return runOnDictionary(
        QStringLiteral("dump"), args, 1, {}, [](const Arguments &, Dictionary &dictionary, const DictionaryFile &) {
            QByteArray out;
            for (int i = 0; i < dictionary.count(); ++i) {
                const Entry e = dictionary.entryAt(i);
                QStringList fields
                    = {QString::number(e.id()), QString::number(e.wordType()), QString::number(e.flags()),
                        QString::number(e.learnedForward()), QString::number(e.learnedBackward()),
                        escapeField(e.word()), escapeField(e.searchKey()), escapeField(e.translation())};
                for (const Entry::KeyedText &t : e.texts())
                    fields.append(QString::number(t.key) + u'=' + escapeField(t.text));
                out += fields.join(u'\t').toUtf8() + '\n';
            }
            Console::write(out);
            return 0;
        });
}

// The folder where the window keeps the caches of large dictionaries.
QString storeCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Verbalon/verbalon/stores");
}

// A large file looked up through the indexes its store cache keeps, when
// they are of exactly its bytes; else walked where it lies, and only as far
// as the answer needs; loaded when it cannot be walked, or when an
// inflected word needs the analysis.
class FileSource : public Lookup::Source
{
public:
    // The file must stay open while this looks up.
    FileSource(QFile &file)
        : m_path(file.fileName())
        , m_file(file)
    {
        if (file.size() >= DictionaryFile::DefaultCacheMinimum) {
            m_cache.emplace(storeCacheFolder(), m_path);
            m_indexed = m_cache->open(file);
            m_indexWanted = !m_indexed;
        }
        // the header is read through the walk's mapping, the records only
        // when walked
        const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
        m_walk.emplace(mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size())
                              : (file.seek(0), file.readAll()));
        m_walkable = m_walk->open();
    }
    QString type() const override { return m_walkable ? m_walk->type() : m_store.type(); }
    QStringList userLanguageCodes() const override
    {
        return m_walkable ? m_walk->user().split(u',', Qt::SkipEmptyParts) : m_store.userLanguageCodes();
    }
    bool find(const QString &key, const QString &meaning, Lookup::Found &found) override
    {
        FileLookup::Result result;
        if (m_indexed && IndexedLookup(m_file, *m_cache->index()).lookUp(key, meaning, result)) {
            found = std::move(result);
            return true;
        }
        m_indexWanted = m_indexWanted || m_indexed;
        m_indexed = false;
        if (m_walkable && m_walk->lookUp(key, meaning, result)) {
            found = std::move(result);
            return true;
        }
        m_walkable = false;
        return load() && m_storeSource->find(key, meaning, found);
    }
    // the store is loaded only for a dictionary whose words are analysed
    // (its header read by the walk, or else by loading; its size told by
    // its indexes where they are)
    const HebrewAnalyser *analyser() override
    {
        const qint64 entries = m_indexed ? qint64(m_cache->index()->records()) : 0;
        return (!m_walkable || Lookup::isAnalysed(type(), entries)) && load() ? m_storeSource->analyser() : nullptr;
    }
    Entry entryById(int id) const override { return m_store.entryById(id); }
    QString errorString() const override { return m_error; }

    // Reads the whole file, once.
    bool load()
    {
        if (m_storeSource)
            return true;
        DictionaryFile file(m_path);
        if (!loadDictionary(file, m_store, m_error))
            return false;
        m_storeSource = Lookup::storeSource(&m_store);
        return true;
    }
    // Keeps the indexes of a large file that had none of its bytes, for the
    // lookups to come; with the order of the store when it was loaded.
    void keepIndex()
    {
        if (m_indexWanted)
            m_cache->write(m_storeSource ? &m_store.order() : nullptr);
    }

private:
    QString m_path;
    QFile &m_file;
    std::optional<FileLookup> m_walk;
    bool m_walkable = false;
    std::optional<StoreCache> m_cache;
    bool m_indexed = false;
    bool m_indexWanted = false;
    Dictionary m_store;
    std::unique_ptr<Lookup::Source> m_storeSource;
    QString m_error;
};

int runLookup(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("lookup"), args, 2, {}, code);
    if (!parsed)
        return code;
    const QString path = parsed->positional()[0];
    const QString text = parsed->positional()[1];
    QFile file(path);
    QString error;
    if (!openForReading(file, error))
        return Console::fail(error, Failure);
    FileSource source(file);
    Lookup lookup(source);
    Lookup::Answer answer;
    if (!lookup.find(text, answer))
        return Console::fail(lookup.errorString(), Failure);
    const Lookup::Found &found = answer.found;
    QStringList lines = {QStringLiteral("prefix\t%1\t%2").arg(found.prefixPosition).arg(found.matchLength)};
    for (const Entry &e : found.exact)
        lines.append(QStringLiteral("exact\t%1\t%2").arg(e.id()).arg(escapeField(e.word())));
    for (const Entry &e : found.meaning)
        lines.append(QStringLiteral("meaning\t%1\t%2").arg(e.id()).arg(escapeField(e.word())));
    for (const Lookup::Reading &reading : answer.readings)
        lines.append(QStringLiteral("reading\t%1\t%2").arg(reading.entryId).arg(escapeField(reading.text)));
    Console::write(lines.join(u'\n').toUtf8() + '\n');
    source.keepIndex();
    return 0;
}

int runList(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("list"), args, 1, {}, code);
    if (!parsed)
        return code;
    QByteArray data;
    QString error;
    if (!readFile(parsed->positional()[0], data, error))
        return Console::fail(error, Failure);
    DictionaryList list;
    list.parse(data);
    Console::write(list.toBytes());
    return 0;
}

int runCheck(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("check"), args, 1, {}, code);
    if (!parsed)
        return code;
    const QString path = parsed->positional()[0];
    QByteArray data;
    QString error;
    if (!readFile(path, data, error))
        return Console::fail(error, Failure);
    Dictionary dictionary;
    DictionaryFile file(path);
    const DictionaryFile::Status status = file.read(data, dictionary);
    if (status == DictionaryFile::Status::UnknownVersion)
        return Console::fail(QStringLiteral("%1: not a dictionary file (version '%2')").arg(path, file.version()));
    if (status == DictionaryFile::Status::Ok) {
        Console::writeLine(QStringLiteral("ok"));
        return 0;
    }
    Console::writeLine(QStringLiteral("damaged\t%1\t%2").arg(dictionary.count()).arg(file.damageOffset()));
    return Failure;
}

int runExport(const QStringList &args)
{
    return runOnDictionary(QStringLiteral("export"), args, 2, {},
        [](const Arguments &parsed, Dictionary &dictionary, const DictionaryFile &) {
            QString error;
            if (!checkDistinct(parsed.positional()[0], parsed.positional()[1], error)
                || !writeFile(parsed.positional()[1], TsvFormat::write(dictionary), error))
                return Console::fail(error, Failure);
            return 0;
        });
}

// The text is read through a mapping and the file written a piece at a
// time, so neither is ever held whole.
int runImport(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("import"), args, 2,
        {QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("user")}, code);
    if (!parsed)
        return code;
    const QString input = parsed->positional()[0];
    const QString output = parsed->positional()[1];
    QFile in(input);
    QString error;
    if (!checkDistinct(input, output, error) || !openForReading(in, error))
        return Console::fail(error, Failure);
    uchar *mapped = in.size() > 0 ? in.map(0, in.size()) : nullptr;
    const QByteArray data
        = mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), in.size()) : in.readAll();
    TsvFormat::ImportOptions options{parsed->option(QStringLiteral("name")), parsed->option(QStringLiteral("type")),
        parsed->option(QStringLiteral("user"))};
    options.spoolFolder = QFileInfo(output).absolutePath();
    if (mapped)
        options.released = [mapped](qsizetype from, qsizetype to) { RegularFile::releasePages(mapped, from, to); };
    QStringList warnings;
    Result<> read;
    const Result<> written = writeFileAtomically(output, [&](const WritePiece &write) {
        read = TsvFormat::writeDictionaryFile(data, options, write, warnings);
        return read;
    });
    if (!read && !read.errorString().isEmpty())
        return Console::fail(QStringLiteral("%1: %2").arg(input, read.errorString()), Failure);
    for (const QString &warning : std::as_const(warnings))
        Console::warn(QStringLiteral("%1: %2").arg(input, warning));
    if (!written)
        return Console::fail(QStringLiteral("%1: cannot write: %2").arg(output, written.errorString()), Failure);
    return 0;
}

int runMerge(const QStringList &args)
{
    int code = 0;
    const QString baseOption = QStringLiteral("base");
    const auto parsed = parseArguments(QStringLiteral("merge"), args, 3, {baseOption}, code, {AllowDeletions});
    if (!parsed)
        return code;
    const QString local = parsed->positional()[0];
    const QString incoming = parsed->positional()[1];
    const QString out = parsed->positional()[2];
    QByteArray data;
    QString error;
    const QFileInfo localFile(local);
    if (!localFile.isFile())
        return Console::fail(
            QStringLiteral("%1: %2").arg(local, localFile.exists() ? "not a regular file" : "no such file"));
    if (!readFile(incoming, data, error) || !checkDistinct(local, out, error))
        return Console::fail(error);
    DictionaryUpdate update(localFile.absoluteFilePath());
    if (parsed->hasOption(baseOption)) {
        // a base that is no dictionary would silently make the merge two-way
        DictionaryFile base(parsed->option(baseOption));
        Dictionary read;
        if (!loadDictionary(base, read, error))
            return Console::fail(error);
        update.setBase(base.path());
    }
    const DictionaryUpdate::Status status = update.merge(data);
    if (status != DictionaryUpdate::Status::Ok)
        return Console::fail(QStringLiteral("%1: %2").arg(
            status == DictionaryUpdate::Status::LocalUnreadable ? local : incoming, update.errorString()));
    if (update.report().needsConfirmation() && !parsed->hasOption(AllowDeletions))
        return Console::fail(
            QStringLiteral("%1: the merge would %2; --allow-deletions lets it").arg(local, update.report().lossText()));
    if (!writeFile(out, DictionaryFile::toBytes(update.result()), error))
        return Console::fail(error);
    printChanges(QFileInfo(local).fileName(), update.report());
    return 0;
}

} // namespace

QList<Command> dictionaryCommands()
{
    return {
        {QStringLiteral("info"), QStringLiteral("info FILE.dic"), runInfo},
        {QStringLiteral("check"), QStringLiteral("check FILE.dic  (ok, or damaged<TAB>entries read<TAB>offset)"),
            runCheck},
        {QStringLiteral("dump"), QStringLiteral("dump FILE.dic"), runDump},
        {QStringLiteral("lookup"), QStringLiteral("lookup FILE.dic TEXT"), runLookup},
        {QStringLiteral("list"), QStringLiteral("list FILE"), runList},
        {QStringLiteral("export"), QStringLiteral("export FILE.dic OUT.tsv"), runExport},
        {QStringLiteral("import"), QStringLiteral("import [--name NAME] [--type TYPE] [--user CODES] IN.tsv OUT.dic"),
            runImport},
        {QStringLiteral("merge"),
            QStringLiteral("merge [--base BASE.dic] [--allow-deletions] LOCAL.dic INCOMING.dic OUT.dic"), runMerge},
    };
}
