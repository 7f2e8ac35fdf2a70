#include "tsvformat.h"

#include "textfields.h"

#include "model/dictionary.h"
#include "dictionarycodec.h"
#include "model/entry.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwriter.h"
#include "model/storeorder.h"
#include "tsvreader.h"

#include <QHash>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <thread>

using namespace TsvColumns;

namespace {

struct TextColumn
{
    QString name;
    quint32 key;
};

// The keyed-text columns of a dictionary, in column order.
QList<TextColumn> textColumns(const Dictionary &dictionary)
{
    QList<TextColumn> columns = {{Plural, Entry::TextPlural}, {Infinitive, Entry::TextInfinitive}};
    QSet<QString> names;
    for (const NamedText &t : namedTexts())
        names.insert(t.name);
    const QStringList codes = dictionary.userLanguageCodes();
    for (int k = 1; k < qMin<int>(int(codes.size()), 4); ++k) {
        if (!names.contains(codes[k]) && !codes[k].isEmpty()) {
            columns.append({codes[k], Entry::TextUserBase + k});
            names.insert(codes[k]);
        }
    }
    QSet<quint32> known;
    for (const TextColumn &c : columns)
        known.insert(c.key);
    QList<quint32> others;
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry e = dictionary.entryAt(i);
        for (const Entry::KeyedText &t : e.texts()) {
            if (!known.contains(t.key) && !others.contains(t.key))
                others.append(t.key);
        }
    }
    std::sort(others.begin(), others.end());
    for (quint32 key : others) {
        const auto named = std::find_if(
            namedTexts().cbegin(), namedTexts().cend(), [key](const NamedText &t) { return t.key == key; });
        columns.append({named != namedTexts().cend() ? named->name : TextPrefix + QString::number(key), key});
    }
    return columns;
}

QString typeField(int type)
{
    const QString label = Entry::typeLabel(type);
    return label.isEmpty() ? QString::number(type) : label;
}

} // namespace

const QList<NamedText> &TsvColumns::namedTexts()
{
    static const QList<NamedText> texts = {{Plural, Entry::TextPlural}, {Infinitive, Entry::TextInfinitive},
        {QStringLiteral("pronunciation"), Entry::TextPronunciation}, {QStringLiteral("genitive"), Entry::TextGenitive},
        {QStringLiteral("partner"), Entry::TextPartner}, {QStringLiteral("root"), Entry::TextRoot},
        {QStringLiteral("present"), Entry::TextPresent}, {QStringLiteral("verbalnoun"), Entry::TextVerbalNoun},
        {QStringLiteral("past"), Entry::TextPast}, {QStringLiteral("frequency"), Entry::TextFrequency}};
    return texts;
}

QByteArray TsvFormat::write(const Dictionary &dictionary)
{
    const QList<TextColumn> texts = textColumns(dictionary);
    QStringList header = {Id, Word, Type, Flags, Translation};
    QStringList trailing = {Forward, Backward};
    for (const TextColumn &c : texts) {
        if (c.name.startsWith(TextPrefix))
            trailing.append(c.name);
        else
            header.append(c.name);
    }
    QByteArray out = (header + trailing).join(u'\t').toUtf8() + '\n';
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry e = dictionary.entryAt(i);
        if (e.id() == 0)
            continue;
        QStringList fields = {QString::number(e.id()), escapeField(e.word()), typeField(e.wordType()),
            QString::number(e.flags()), escapeField(e.translation())};
        QStringList trailingFields = {QString::number(e.learnedForward()), QString::number(e.learnedBackward())};
        for (const TextColumn &c : texts) {
            QStringList &target = c.name.startsWith(TextPrefix) ? trailingFields : fields;
            target.append(escapeField(e.text(c.key)));
        }
        out += (fields + trailingFields).join(u'\t').toUtf8() + '\n';
    }
    return out;
}

Result<> TsvFormat::read(
    const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QStringList &warnings)
{
    TsvReader reader(options);
    std::vector<Entry> entries;
    const bool read = reader.read(data, [&entries](Entry &e) { entries.push_back(std::move(e)); });
    warnings += reader.warnings();
    for (auto e = entries.begin(); read && e != entries.end(); ++e) {
        int id = e->id();
        if (id == 0 && !reader.nextFreeId(id))
            break;
        e->setId(id);
    }
    if (!reader.error().isEmpty())
        return Result<>::failure(reader.error());
    dictionary.insertEntries(std::move(entries));
    dictionary.setAttribute(QStringLiteral("NAME"), options.name);
    dictionary.setAttribute(QStringLiteral("TYPE"), options.type);
    dictionary.setAttribute(QStringLiteral("USER"), reader.userAttribute());
    return {};
}

namespace {

// The search keys of the rows, one after the other.
class KeyColumn
{
public:
    explicit KeyColumn(qsizetype rows)
    {
        m_starts.reserve(size_t(rows) + 1);
        m_units.reserve(size_t(rows) * 8);
        m_starts.push_back(0);
    }
    void append(const QString &key)
    {
        m_units.insert(m_units.end(), key.utf16(), key.utf16() + key.size());
        m_starts.push_back(m_units.size());
    }
    // The other's keys after these.
    void append(const KeyColumn &other)
    {
        const size_t shift = m_units.size();
        m_units.insert(m_units.end(), other.m_units.begin(), other.m_units.end());
        for (auto start = other.m_starts.begin() + 1; start != other.m_starts.end(); ++start)
            m_starts.push_back(*start + shift);
    }
    quint32 count() const { return quint32(m_starts.size() - 1); }
    QStringView operator[](quint32 row) const
    {
        return QStringView(m_units.data() + m_starts[row], qsizetype(m_starts[row + 1] - m_starts[row]));
    }
    // Four units from the given one on, packed so that they compare as the
    // key does; two of them spare most comparisons of a sort the whole key.
    quint64 prefix(quint32 row, qsizetype from) const
    {
        const QStringView key = (*this)[row];
        quint64 packed = 0;
        for (qsizetype i = from; i < from + 4; ++i)
            packed = packed << 16 | (i < key.size() ? key[i].unicode() : 0);
        return packed;
    }

private:
    std::vector<char16_t> m_units;
    std::vector<size_t> m_starts;
};

// A row's key as a sort sees it first: its first eight units packed.
struct KeyItem
{
    quint64 head;
    quint64 next;
    quint32 row;
    // a key of at most eight units is all in head and next
    bool whole;
};

std::vector<KeyItem> keyItems(const KeyColumn &keys)
{
    std::vector<KeyItem> items(keys.count());
    for (quint32 row = 0; row < keys.count(); ++row)
        items[row] = KeyItem{keys.prefix(row, 0), keys.prefix(row, 4), row, keys[row].size() <= 8};
    return items;
}

int compareKeys(const KeyItem &a, const KeyItem &b, const KeyColumn &keys)
{
    if (a.head != b.head)
        return a.head < b.head ? -1 : 1;
    if (a.next != b.next)
        return a.next < b.next ? -1 : 1;
    return a.whole && b.whole ? 0 : compareUnits(keys[a.row], keys[b.row]);
}

// The order in which the store keeps entries inserted in one go into an
// empty store (storeorder.h).
std::vector<quint32> storeOrder(const KeyColumn &keys)
{
    const quint32 count = keys.count();
    std::vector<bool> beforeLast(count);
    bool sorted = true;
    qint64 largest = -1;
    for (quint32 i = 0; i < count; ++i) {
        const int compared = largest < 0 ? 1 : compareUnits(keys[i], keys[quint32(largest)]);
        sorted = sorted && compared >= 0;
        beforeLast[i] = compared == 0;
        if (compared > 0)
            largest = i;
    }
    std::vector<KeyItem> items = keyItems(keys);
    // the earlier row first among equal keys
    if (!sorted) {
        std::sort(items.begin(), items.end(), [&keys](const KeyItem &a, const KeyItem &b) {
            const int order = compareKeys(a, b, keys);
            return order < 0 || (order == 0 && a.row < b.row);
        });
    }
    std::vector<quint32> stored;
    stored.reserve(count);
    RunOrder<quint32> runs(stored);
    for (size_t i = 0; i < count; ++i)
        runs.add(items[i].row, i == 0 || compareKeys(items[i], items[i - 1], keys) != 0, beforeLast[items[i].row]);
    runs.finish();
    return stored;
}

} // namespace

namespace {

// Some rows' records, each encoded as it is read, one after the other, and
// their keys.
struct RowRecords
{
    RowRecords(qsizetype bytes, qsizetype lines)
        : keys(lines)
    {
        // reserved generously: only address space until it is written
        records.reserve(bytes * 2 + 64);
        starts.reserve(size_t(lines) + 1);
        starts.push_back(0);
    }
    bool read(TsvReader &reader, const QByteArray &data, qsizetype from, qsizetype to, int lineNumber)
    {
        RecordWriter writer(records);
        return reader.readRows(data, from, to, lineNumber, [&](Entry &e) {
            RecordCodec::write(writer, e);
            starts.push_back(records.size());
            keys.append(e.searchKey());
        });
    }
    quint32 count() const { return keys.count(); }
    char *record(quint32 row) { return records.data() + starts[row]; }
    QByteArrayView bytes(quint32 row) const
    {
        return QByteArrayView(records.constData() + starts[row], starts[row + 1] - starts[row]);
    }
    QString word(quint32 row) const
    {
        const QByteArrayView record = bytes(row);
        RecordReader in(QByteArray::fromRawData(record.data(), record.size()));
        Entry e(0);
        RecordCodec::read(in, RecordCodec::Format::V33, e);
        return e.word();
    }

    QByteArray records;
    std::vector<qsizetype> starts;
    KeyColumn keys;
};

// Where the second of two readers starts: the line after the middle.
qsizetype secondHalf(const QByteArray &data, qsizetype from, qsizetype twoReadersFrom)
{
    if (data.size() - from < twoReadersFrom)
        return data.size();
    const qsizetype end = data.indexOf('\n', from + (data.size() - from) / 2);
    return end < 0 ? data.size() : end + 1;
}

// Calls take with each row's id bytes, in the order of the rows, while it
// returns true.
template <typename Take> bool forEachId(const std::vector<RowRecords *> &parts, Take take)
{
    for (RowRecords *part : parts) {
        for (quint32 row = 0; row < part->count(); ++row) {
            if (!take(part->record(row), *part, row))
                return false;
        }
    }
    return true;
}

// Each row keeps its own id unless an earlier row took it.
void takeOwnIds(TsvReader &reader, const std::vector<RowRecords *> &parts)
{
    forEachId(parts, [&reader](char *id, const RowRecords &part, quint32 row) {
        const int own = qFromBigEndian<qint32>(id);
        qToBigEndian(qint32(reader.takeId(own, [&part, row] { return part.word(row); })), id);
        return true;
    });
}

// The rows without an id get theirs, in the order of the rows.
bool giveFreshIds(TsvReader &reader, const std::vector<RowRecords *> &parts)
{
    return forEachId(parts, [&reader](char *id, const RowRecords &, quint32) {
        int next = 0;
        if (qFromBigEndian<qint32>(id) != 0)
            return true;
        if (!reader.nextFreeId(next))
            return false;
        qToBigEndian(qint32(next), id);
        return true;
    });
}

// The header's bytes, then the records of both parts in the store's order.
QByteArray joinInStoreOrder(QByteArray file, RowRecords &first, RowRecords &second)
{
    const qsizetype headerSize = file.size();
    file.resize(headerSize + first.records.size() + second.records.size());
    char *out = file.data() + headerSize;
    const quint32 firstRows = first.count();
    first.keys.append(second.keys);
    second.keys = KeyColumn(0);
    for (quint32 row : storeOrder(first.keys)) {
        const QByteArrayView record = row < firstRows ? first.bytes(row) : second.bytes(row - firstRows);
        std::memcpy(out, record.data(), size_t(record.size()));
        out += record.size();
    }
    return file;
}

} // namespace

// A large text is read in two halves at once, by two readers that share
// what the header said; the ids are taken afterwards, in the order of the
// rows, as one reader would have.
Result<QByteArray> TsvFormat::toDictionaryFile(QByteArray data, const ImportOptions &options, QStringList &warnings)
{
    TsvReader reader(options);
    qsizetype at = 0;
    int lineNumber = 0;
    if (!reader.readHeader(data, at, lineNumber))
        return Result<QByteArray>::failure(reader.error());
    const qsizetype middle = secondHalf(data, at, options.twoReadersFrom);
    const qsizetype firstLines = QByteArrayView(data).sliced(at, middle - at).count('\n');
    RowRecords first(middle - at, firstLines + 1);
    RowRecords second(data.size() - middle, QByteArrayView(data).sliced(middle).count('\n') + 1);
    // its error, if any, stays with it
    TsvReader secondReader = reader;
    std::thread secondThread;
    if (middle < data.size()) {
        secondThread
            = std::thread([&] { second.read(secondReader, data, middle, data.size(), lineNumber + int(firstLines)); });
    }
    const bool firstRead = first.read(reader, data, at, middle, lineNumber);
    if (secondThread.joinable())
        secondThread.join();
    data = QByteArray();
    // the rows a single reader would have read, up to its first error
    std::vector<RowRecords *> parts = {&first};
    if (firstRead)
        parts.push_back(&second);
    takeOwnIds(reader, parts);
    warnings += reader.warnings();
    QString error = firstRead ? secondReader.error() : reader.error();
    if (error.isEmpty() && !giveFreshIds(reader, parts))
        error = reader.error();
    if (!error.isEmpty())
        return Result<QByteArray>::failure(error);
    Dictionary header;
    header.setAttribute(QStringLiteral("NAME"), options.name);
    header.setAttribute(QStringLiteral("TYPE"), options.type);
    header.setAttribute(QStringLiteral("USER"), reader.userAttribute());
    return joinInStoreOrder(DictionaryCodec::toBytes(header), first, second);
}
