#include "dictionaryfile.h"

#include "atomicfile.h"
#include "backupfiles.h"
#include "dictionary.h"
#include "dictlog.h"
#include "regularfile.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwriter.h"
#include "storecache.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

const QByteArray CurrentVersion = QByteArrayLiteral("DICT V3.3");

// Longer version fields cannot be one of ours; reading them would only waste memory.
constexpr quint32 MaxVersionLength = 64;

// The version text at the start of a file, its zero and what follows cut off.
QString readVersion(RecordReader &in)
{
    quint32 length = 0;
    QByteArray bytes;
    if (in.readU32(length) && length <= MaxVersionLength) {
        bytes.resize(length);
        for (quint32 i = 0; i < length; ++i) {
            quint8 b = 0;
            if (!in.readU8(b))
                break;
            bytes[i] = char(b);
        }
    }
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromLatin1(zero >= 0 ? bytes.left(zero) : bytes);
}

// "KEY: value" lines up to an empty one; false when the file ends first.
// No header of ours holds more lines than this; more is damage.
constexpr int MaxAttributeLines = 1024;

bool readAttributes(RecordReader &in, QMap<QString, QString> &attributes)
{
    QByteArray line;
    for (int lines = 0; in.readBytes(line) && !line.isEmpty(); ++lines) {
        if (lines == MaxAttributeLines)
            return false;
        const QString text = QString::fromUtf8(line);
        const qsizetype colon = text.indexOf(u':');
        const QString key = colon >= 0 ? text.left(colon) : text;
        if (key.isEmpty())
            continue;
        const QString value = colon >= 0 ? text.mid(colon + 1).trimmed() : QString();
        qCDebug(lcDict) << "attribute" << key << "=" << value;
        if (value.isEmpty())
            attributes.remove(key);
        else
            attributes.insert(key, value);
    }
    return !in.failed();
}

// One record into the arena: straight from the bytes, or through an Entry
// for V3.0, whose fields come in another order and which carries no id.
RecordCodec::ReadResult readRecord(RecordReader &in, RecordCodec::Format format, EntryArena &entries, int maxId,
    std::vector<char16_t> &scratch, bool &kept)
{
    if (format == RecordCodec::Format::V30) {
        Entry e(0);
        const RecordCodec::ReadResult result = RecordCodec::read(in, format, e);
        e.setId(maxId + 1);
        kept = result == RecordCodec::ReadResult::Complete || !e.word().isEmpty();
        if (kept)
            entries.add(e);
        return result;
    }
    entries.begin();
    const RecordCodec::ReadResult result = RecordCodec::readFields(in, format, entries, scratch);
    kept = result == RecordCodec::ReadResult::Complete
        || (result == RecordCodec::ReadResult::Cut && entries.pendingHasWord());
    if (kept)
        entries.commit();
    else
        entries.discard();
    return result;
}

// The records up to the end, or up to the first that cannot be read whole
// (its offset goes to *damage); a record cut after its word still holds
// something of the user's and is kept.
EntryArena readRecords(RecordReader &in, RecordCodec::Format format, qint64 *damage,
    const DictionaryFile::ReadBytes &readBytes, qsizetype maxEntries, bool *tooMany)
{
    constexpr qsizetype Step = qsizetype(1) << 20;
    qsizetype told = 0;
    EntryArena entries;
    // a record takes at least 13 bytes, most about 40, and a unit of text
    // about one byte
    entries.reserve(size_t(qMin(in.remaining() / 40, maxEntries)), size_t(in.remaining()));
    std::vector<char16_t> scratch;
    int maxId = 0;
    while (!in.atEnd() && *damage < 0) {
        if (qsizetype(entries.count()) == maxEntries) {
            *tooMany = true;
            return EntryArena();
        }
        const qsizetype start = in.position();
        bool kept = false;
        const RecordCodec::ReadResult result = readRecord(in, format, entries, maxId, scratch, kept);
        if (kept)
            maxId = qMax(maxId, entries.id(EntryArena::Handle(entries.count() - 1)));
        if (readBytes && in.position() - told >= Step)
            readBytes(told = in.position());
        if (result != RecordCodec::ReadResult::Complete) {
            *damage = start;
            qCWarning(lcDict) << "dictionary file damaged at byte" << start << "after" << entries.count() << "entries";
        }
    }
    entries.squeeze();
    return entries;
}

// The mapped pages of a file read this far leave the process's memory, so a
// large dictionary's file and its decoded entries are not held both at once.
void releasePages(uchar *mapped, qsizetype bytes)
{
#if defined(__linux__)
    const auto page = qsizetype(sysconf(_SC_PAGESIZE));
    if (page > 0 && bytes >= page)
        madvise(mapped, size_t(bytes / page * page), MADV_DONTNEED);
#else
    Q_UNUSED(mapped);
    Q_UNUSED(bytes);
#endif
}

// The arena reading a saved store's file gives, made from the store's
// fields without reading; false where writing changes a field (a text too
// long for a record, a key beyond 16 bits), which only reading can tell.
bool arenaAsSaved(const Dictionary &store, EntryArena &arena)
{
    // three bytes a unit at most: no text this short is shortened
    constexpr qsizetype SafeUnits = 0xFFFF / 3;
    bool fits = true;
    const auto fitting = [&fits](QStringView text) {
        fits = fits && text.size() <= SafeUnits;
        return text;
    };
    arena.reserve(size_t(store.count()), store.arena().unitBytes().size() / 2);
    for (int i = 0; i < store.count() && fits; ++i) {
        const EntryArena::View e = store.viewAt(i);
        if (e.id == 0)
            continue;
        arena.begin();
        arena.setId(e.id);
        arena.setWordType(e.wordType);
        arena.setFlags(e.flags);
        arena.setWord(fitting(e.word));
        arena.setTranslation(fitting(e.translation));
        fits = fits && e.textCount <= 0xFFFF;
        e.forEachText([&](quint32 key, QStringView text) {
            fits = fits && key <= 0xFFFF;
            arena.appendText(key, fitting(text));
        });
        arena.setLearnCounters(e.learnedForward, e.learnedBackward);
        arena.commit();
    }
    return fits;
}

} // namespace

DictionaryFile::DictionaryFile(const QString &path)
    : m_path(path)
{ }

void DictionaryFile::setPath(const QString &path)
{
    m_path = path;
    m_version.clear();
    m_errorString.clear();
    m_status = Status::Ok;
    m_damageOffset = -1;
    m_damagedOriginalKept = false;
}

DictionaryFile::Status DictionaryFile::load(Dictionary &store)
{
    setPath(m_path);
    if (store.count() > 0) {
        qCWarning(lcDict) << "the store is not empty: nothing loaded";
        m_errorString = tr("The dictionary already holds entries.");
        return Status::NotEmpty;
    }
    QFile file;
    RegularFile regular(m_path, MaxFileSize);
    switch (regular.open(file)) {
    case RegularFile::Status::Ok: break;
    case RegularFile::Status::Missing:
        m_errorString = tr("The file does not exist.");
        return m_status = Status::Missing;
    default:
        m_errorString = tr("The file cannot be read: %1.").arg(regular.errorString());
        return m_status = Status::Unreadable;
    }
    qCDebug(lcDict) << "set filename:" << m_path;
    // read through a mapping where the system offers one: no copy of the file
    const qint64 size = file.size();
    uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray bytes
        = mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size) : file.readAll();
    ReadBytes release;
    if (mapped)
        release = [mapped](qsizetype read) { releasePages(mapped, read); };
    std::optional<StoreCache> cache;
    if (!m_cacheFolder.isEmpty() && size >= m_cacheMinimumSize)
        cache.emplace(m_cacheFolder, m_path, bytes, release);
    return read(bytes, store, release, cache ? &*cache : nullptr);
}

void DictionaryFile::setCacheFolder(const QString &folder, qint64 minimumSize)
{
    m_cacheFolder = folder;
    m_cacheMinimumSize = minimumSize;
}

DictionaryFile::Status DictionaryFile::read(const QByteArray &data, Dictionary &store, const ReadBytes &readBytes)
{
    return read(data, store, readBytes, nullptr);
}

DictionaryFile::Status DictionaryFile::read(
    const QByteArray &data, Dictionary &store, const ReadBytes &readBytes, const StoreCache *cache)
{
    m_readFromCache = false;
    QElapsedTimer timer;
    timer.start();
    RecordReader in(data);
    m_errorString.clear();
    m_damageOffset = -1;
    m_version = readVersion(in);
    qCDebug(lcDict) << "read dictionary version:" << m_version;
    static const QHash<QString, RecordCodec::Format> formats = {
        {QStringLiteral("DICT V3.0"), RecordCodec::Format::V30},
        {QStringLiteral("DICT V3.1"), RecordCodec::Format::V31},
        {QStringLiteral("DICT V3.2"), RecordCodec::Format::V32},
        {QStringLiteral("DICT V3.3"), RecordCodec::Format::V33},
    };
    const auto format = formats.constFind(m_version);
    if (format == formats.constEnd()) {
        qCWarning(lcDict) << "unknown file version" << m_version;
        m_errorString = tr("Not a dictionary file (version \"%1\").").arg(m_version);
        return m_status = Status::UnknownVersion;
    }
    QMap<QString, QString> attributes;
    if (*format != RecordCodec::Format::V33) {
        // files before V3.3 carry no attributes and were all Hebrew
        attributes.insert(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
        attributes.insert(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    } else if (!readAttributes(in, attributes)) {
        m_damageOffset = in.position();
    }
    // a cache only ever stands for a file read whole into an empty store
    const bool cached = cache && m_damageOffset < 0 && store.count() == 0;
    if (cached && cache->read(attributes, store)) {
        m_readFromCache = true;
        return m_status = Status::Ok;
    }
    bool tooMany = false;
    EntryArena records = readRecords(in, *format, &m_damageOffset, readBytes, m_maxEntries, &tooMany);
    if (tooMany) {
        m_errorString = tr("It holds more than %1 entries.").arg(m_maxEntries);
        return m_status = Status::TooManyEntries;
    }
    store.fill(std::move(attributes), std::move(records));
    qCDebug(lcDict) << "loaded" << store.count() << "words in" << timer.elapsed() << "ms";
    if (cached && m_damageOffset < 0)
        cache->write(store);
    return m_status = m_damageOffset < 0 ? Status::Ok : Status::Damaged;
}

bool DictionaryFile::save(Dictionary &store)
{
    qCDebug(lcDict) << "saving" << store.count() << "entries to" << m_path;
    if (m_path.isEmpty()) {
        m_errorString = tr("The dictionary has no file name.");
        return false;
    }
    return write(store, toBytes(store));
}

bool DictionaryFile::write(Dictionary &store, const QByteArray &bytes)
{
    if (!keepDamagedOriginal())
        return false;
    QString error;
    if (!writeFileAtomically(m_path, bytes, &error)) {
        qCWarning(lcDict) << "cannot write dictionary" << m_path << error;
        m_errorString = error;
        return false;
    }
    m_errorString.clear();
    store.markSaved();
    cacheSaved(store, bytes);
    return true;
}

// The next opening of a large file saved now reads its store from the cache:
// the store is made as opening the file's bytes makes it, so that the copy
// holds exactly what the file does.
void DictionaryFile::cacheSaved(const Dictionary &store, const QByteArray &bytes) const
{
    if (m_cacheFolder.isEmpty() || bytes.size() < m_cacheMinimumSize)
        return;
    Dictionary reopened;
    EntryArena saved;
    if (arenaAsSaved(store, saved))
        reopened.fill({}, std::move(saved));
    else if (DictionaryFile().read(bytes, reopened) != Status::Ok)
        return;
    StoreCache(m_cacheFolder, m_path, bytes).write(reopened);
}

// The first save over a file that could not be read whole keeps the file's
// bytes beside it.
bool DictionaryFile::keepDamagedOriginal()
{
    const bool damaged
        = m_status == Status::Damaged || m_status == Status::UnknownVersion || m_status == Status::Unreadable;
    if (!damaged || m_damagedOriginalKept)
        return true;
    if (!BackupFiles::keepDamaged(m_path, nullptr, &m_errorString))
        return false;
    m_damagedOriginalKept = true;
    return true;
}

QByteArray DictionaryFile::toBytes(const Dictionary &store)
{
    QByteArray out;
    out.reserve(64 + qsizetype(store.count()) * 64);
    RecordWriter writer(out);
    writer.writeBytes(CurrentVersion + '\0');
    const QMap<QString, QString> &attributes = store.attributes();
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        writer.writeBytes((it.key() + QStringLiteral(": ") + it.value()).toUtf8());
    writer.writeBytes(QByteArray(""));
    for (int i = 0; i < store.count(); ++i) {
        if (store.idAt(i) != 0)
            RecordCodec::writeFields(writer, store.viewAt(i));
    }
    return out;
}
