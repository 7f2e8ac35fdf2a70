#include "dictionarycodec.h"

#include "model/dictionary.h"
#include "model/dictlog.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwriter.h"

#include <QHash>

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
    const DictionaryCodec::ReadBytes &readBytes, qsizetype maxEntries, bool *tooMany)
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

} // namespace

DictionaryCodec::Status DictionaryCodec::readHeader(RecordReader &in, QMap<QString, QString> &attributes)
{
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
        return Status::UnknownVersion;
    }
    m_format = *format;
    if (m_format != RecordCodec::Format::V33) {
        // files before V3.3 carry no attributes and were all Hebrew
        attributes.insert(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
        attributes.insert(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    } else if (!readAttributes(in, attributes)) {
        m_damageOffset = in.position();
        return Status::Damaged;
    }
    return Status::Ok;
}

DictionaryCodec::Status DictionaryCodec::readRecords(RecordReader &in, EntryArena &entries, const ReadBytes &readBytes)
{
    bool tooMany = false;
    entries = ::readRecords(in, m_format, &m_damageOffset, readBytes, m_maxEntries, &tooMany);
    if (tooMany) {
        m_errorString = tr("It holds more than %1 entries.").arg(m_maxEntries);
        return Status::TooManyEntries;
    }
    return m_damageOffset < 0 ? Status::Ok : Status::Damaged;
}

QByteArray DictionaryCodec::toBytes(const Dictionary &store)
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
