#include "tsvimport.h"

#include "bucketspool.h"
#include "dictionarycodec.h"
#include "model/dictionary.h"
#include "model/storeorder.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwriter.h"
#include "tsvreader.h"

#include <QDir>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstring>
#include <thread>

namespace {

constexpr int MaxBuckets = 1024;
// Lines sampled per bucket to find the keys that divide them.
constexpr int SamplesPerBucket = 8;
// A reader lets go of the text it has read after each such stretch.
constexpr qsizetype ReadStretch = qsizetype(2) << 20;
constexpr qsizetype PieceBytes = qsizetype(1) << 20;

// What each spooled row begins with; its key's units and its record follow.
struct RowHeader
{
    quint32 row;
    quint32 keyUnits;
    quint32 recordBytes;
};

qsizetype paddedToFour(qsizetype bytes)
{
    return (bytes + 3) & ~qsizetype(3);
}

// The keys that divide the rows into buckets of about equal size, from keys
// of lines spread evenly over the text; equal keys share a bucket.
class BucketBounds
{
public:
    BucketBounds(const QByteArray &data, qsizetype from, const TsvReader &reader, int buckets)
    {
        if (buckets < 2)
            return;
        TsvReader sampler = reader;
        std::vector<QString> keys;
        const int samples = buckets * SamplesPerBucket;
        for (int k = 0; k < samples; ++k) {
            const qsizetype start = lineStartFrom(data, from + (data.size() - from) * k / samples, from);
            const qsizetype end = lineStartFrom(data, start + 1, start);
            int lineNumber = 0;
            if (start < data.size())
                sampler.readRows(data, start, end, lineNumber, [&keys](Entry &e) { keys.push_back(e.searchKey()); });
        }
        std::sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) { return compareUnits(a, b) < 0; });
        for (int b = 1; b < buckets && !keys.empty(); ++b) {
            const QString &bound = keys[keys.size() * size_t(b) / size_t(buckets)];
            if (m_bounds.empty() || compareUnits(m_bounds.back(), bound) < 0)
                m_bounds.push_back(bound);
        }
    }
    int count() const { return int(m_bounds.size()) + 1; }
    int bucketOf(QStringView key) const
    {
        return int(std::upper_bound(m_bounds.cbegin(), m_bounds.cend(), key, [](QStringView k, const QString &bound) {
            return compareUnits(k, bound) < 0;
        }) - m_bounds.cbegin());
    }

private:
    static qsizetype lineStartFrom(const QByteArray &data, qsizetype at, qsizetype first)
    {
        if (at <= first)
            return first;
        const qsizetype newline = data.indexOf('\n', at - 1);
        return newline < 0 ? data.size() : newline + 1;
    }

    std::vector<QString> m_bounds;
};

// What one reader makes of its lines: the rows spooled by bucket, and for
// each row its own id and where it was spooled.
struct ImportPart
{
    ImportPart(int buckets, qsizetype bucketBytes)
        : spool(buckets, qMax<qsizetype>(16 << 10, bucketBytes / buckets))
        , firstRows(size_t(buckets), UINT_MAX)
    { }

    bool read(TsvReader &reader, const QByteArray &data, qsizetype from, qsizetype to, int lineNumber,
        const BucketBounds &bounds, const TsvFormat::Released &released)
    {
        const auto spoolRow = [&](Entry &e) {
            const QString key = e.searchKey();
            const int bucket = bounds.bucketOf(key);
            const quint32 row = quint32(ids.size());
            firstRows[size_t(bucket)] = qMin(firstRows[size_t(bucket)], row);
            ids.push_back(e.id());
            places.push_back(spool.append(bucket, [&](QByteArray &bytes) {
                const qsizetype start = bytes.size();
                bytes.resize(start + qsizetype(sizeof(RowHeader)) + key.size() * 2);
                std::memcpy(bytes.data() + start + sizeof(RowHeader), key.utf16(), size_t(key.size()) * 2);
                RecordWriter writer(bytes);
                RecordCodec::write(writer, e);
                const qsizetype recordStart = start + qsizetype(sizeof(RowHeader)) + key.size() * 2;
                const RowHeader header{row, quint32(key.size()), quint32(bytes.size() - recordStart)};
                std::memcpy(bytes.data() + start, &header, sizeof header);
                bytes.resize(start + paddedToFour(bytes.size() - start));
            }));
        };
        for (qsizetype at = from; at < to;) {
            const qsizetype newline = at + ReadStretch < to ? data.indexOf('\n', at + ReadStretch) : -1;
            const qsizetype end = newline < 0 || newline >= to ? to : newline + 1;
            if (!reader.readRows(data, at, end, lineNumber, spoolRow))
                return false;
            if (released)
                released(at, end);
            at = end;
        }
        return true;
    }
    QString word(quint32 row)
    {
        RowHeader header{};
        const Result<QByteArray> head = spool.read(places[row], sizeof header);
        if (!head)
            return QString();
        std::memcpy(&header, head.value().constData(), sizeof header);
        const Result<QByteArray> record
            = spool.read(places[row] + sizeof header + header.keyUnits * 2, header.recordBytes);
        RecordReader in(record.value());
        Entry e(0);
        RecordCodec::read(in, RecordCodec::Format::V33, e);
        return e.word();
    }

    BucketSpool spool;
    std::vector<qint32> ids;
    std::vector<quint64> places;
    // per bucket, the first of its rows
    std::vector<quint32> firstRows;
};

quint64 packed(QStringView key, qsizetype from)
{
    quint64 value = 0;
    for (qsizetype i = from; i < from + 4; ++i)
        value = value << 16 | (i < key.size() ? key[i].unicode() : 0);
    return value;
}

// A bucket's spooled rows read back: their bytes, and each row as a sort
// sees it, its key's first eight units packed so that they compare as the
// key does, which spares most comparisons the whole key.
class BucketRows
{
public:
    struct Row
    {
        quint64 head;
        quint64 next;
        quint64 at;
        quint32 row;
    };

    // The rows of a part's bucket, their numbers moved on by rowShift.
    Result<> add(BucketSpool &spool, int bucket, quint32 rowShift)
    {
        const qsizetype base = m_bytes.size();
        const Result<> read = spool.readBucket(bucket, m_bytes);
        if (!read)
            return read;
        for (qsizetype at = base; at + qsizetype(sizeof(RowHeader)) <= m_bytes.size();) {
            const RowHeader header = headerAt(quint64(at));
            const QStringView key = keyAt(quint64(at), header);
            m_rows.push_back(Row{packed(key, 0), packed(key, 4), quint64(at), header.row + rowShift});
            at += paddedToFour(qsizetype(sizeof header) + key.size() * 2 + header.recordBytes);
        }
        return {};
    }
    void clear()
    {
        m_bytes.resize(0);
        m_rows.clear();
    }
    std::vector<Row> &rows() { return m_rows; }
    int compare(const Row &a, const Row &b) const
    {
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        if (a.next != b.next)
            return a.next < b.next ? -1 : 1;
        const QStringView first = keyAt(a.at, headerAt(a.at));
        const QStringView second = keyAt(b.at, headerAt(b.at));
        return first.size() == second.size() && first.size() <= 8 ? 0 : compareUnits(first, second);
    }
    QByteArrayView record(const Row &row) const
    {
        const RowHeader header = headerAt(row.at);
        return QByteArrayView(m_bytes.constData() + row.at + sizeof header + header.keyUnits * 2, header.recordBytes);
    }

private:
    RowHeader headerAt(quint64 at) const
    {
        RowHeader header{};
        std::memcpy(&header, m_bytes.constData() + at, sizeof header);
        return header;
    }
    QStringView keyAt(quint64 at, const RowHeader &header) const
    {
        return QStringView(
            reinterpret_cast<const char16_t *>(m_bytes.constData() + at + sizeof header), header.keyUnits);
    }

    QByteArray m_bytes;
    std::vector<Row> m_rows;
};

// Writes the records in the store's order, their ids as taken, a piece at
// a time.
class StoreOrderWriter
{
public:
    StoreOrderWriter(const std::vector<qint32> &ids, const TsvFormat::WritePiece &write)
        : m_ids(ids)
        , m_write(write)
    {
        m_piece.reserve(PieceBytes);
    }

    // Entries of equal key go in the order inserting them one by one into a
    // store would leave them (storeorder.h): which of them went in while
    // their key was the largest so far is known from the first row of a
    // larger key, here or in a later bucket.
    bool writeBucket(BucketRows &bucket, quint32 firstRowAfter)
    {
        std::vector<BucketRows::Row> &rows = bucket.rows();
        std::sort(rows.begin(), rows.end(), [&bucket](const BucketRows::Row &a, const BucketRows::Row &b) {
            const int order = bucket.compare(a, b);
            return order < 0 || (order == 0 && a.row < b.row);
        });
        std::vector<bool> startsRun(rows.size());
        std::vector<quint32> runAfter(rows.size());
        for (size_t i = rows.size(), end = rows.size(); i-- > 0;) {
            startsRun[i] = i == 0 || bucket.compare(rows[i], rows[i - 1]) != 0;
            if (!startsRun[i])
                continue;
            std::fill(runAfter.begin() + qsizetype(i), runAfter.begin() + qsizetype(end), firstRowAfter);
            firstRowAfter = qMin(firstRowAfter, rows[i].row);
            end = i;
        }
        std::vector<quint32> order;
        order.reserve(rows.size());
        {
            RunOrder<quint32> runs(order);
            for (size_t i = 0; i < rows.size(); ++i)
                runs.add(quint32(i), startsRun[i], rows[i].row < runAfter[i]);
        }
        for (quint32 i : order) {
            if (!append(bucket.record(rows[i]), rows[i].row))
                return false;
        }
        return true;
    }
    bool finish() { return m_piece.isEmpty() || m_write(m_piece); }

private:
    bool append(QByteArrayView record, quint32 row)
    {
        const qsizetype at = m_piece.size();
        m_piece.append(record);
        qToBigEndian(m_ids[row], m_piece.data() + at);
        if (m_piece.size() < PieceBytes)
            return true;
        const bool written = m_write(m_piece);
        m_piece.resize(0);
        return written;
    }

    const std::vector<qint32> &m_ids;
    const TsvFormat::WritePiece &m_write;
    QByteArray m_piece;
};

// Where the second of two readers starts: the line after the middle.
qsizetype secondHalf(const QByteArray &data, qsizetype from, qsizetype twoReadersFrom)
{
    if (data.size() - from < twoReadersFrom)
        return data.size();
    const qsizetype end = data.indexOf('\n', from + (data.size() - from) / 2);
    return end < 0 ? data.size() : end + 1;
}

// Spooled, a row takes about half as much again as its line.
int bucketCount(qsizetype textBytes, qsizetype bucketBytes)
{
    return int(qMin<qsizetype>(textBytes * 3 / 2 / qMax<qsizetype>(bucketBytes, 1) + 1, MaxBuckets));
}

QString spoolFolder(const TsvFormat::ImportOptions &options)
{
    return options.spoolFolder.isEmpty() ? QDir::tempPath() : options.spoolFolder;
}

QString spoolFailure(const TsvFormat::ImportOptions &options, const QString &reason)
{
    return QStringLiteral("cannot keep the rows in a temporary file in %1: %2")
        .arg(QDir::toNativeSeparators(spoolFolder(options)), reason);
}

// Per bucket, the first row of all later buckets.
std::vector<quint32> firstRowsAfter(const std::vector<ImportPart *> &parts, quint32 secondShift)
{
    const size_t buckets = parts.front()->firstRows.size();
    std::vector<quint32> after(buckets, UINT_MAX);
    for (size_t b = buckets - 1; b-- > 0;) {
        after[b] = after[b + 1];
        for (size_t p = 0; p < parts.size(); ++p) {
            const quint32 first = parts[p]->firstRows[b + 1];
            if (first != UINT_MAX)
                after[b] = qMin(after[b], first + (p == 0 ? 0 : secondShift));
        }
    }
    return after;
}

// The ids of the rows in their order: each keeps its own unless an earlier
// row took it, then those without get fresh ones, as one reader would give
// them.
QString takeIds(TsvReader &reader, const std::vector<ImportPart *> &parts, std::vector<qint32> &ids)
{
    for (ImportPart *part : parts) {
        for (size_t row = 0; row < part->ids.size(); ++row)
            ids.push_back(reader.takeId(part->ids[row], [part, row] { return part->word(quint32(row)); }));
        part->ids = {};
    }
    for (qint32 &id : ids) {
        int fresh = 0;
        if (id != 0)
            continue;
        if (!reader.nextFreeId(fresh))
            return reader.error();
        id = fresh;
    }
    return QString();
}

// The header, then the buckets' records in the store's order.
Result<> writeInStoreOrder(const TsvReader &reader, const TsvFormat::ImportOptions &options,
    const std::vector<ImportPart *> &parts, quint32 secondShift, const std::vector<qint32> &ids,
    const TsvFormat::WritePiece &write)
{
    // the writer knows why
    const Result<> stopped = Result<>::failure(QString());
    Dictionary header;
    header.setAttribute(QStringLiteral("NAME"), options.name);
    header.setAttribute(QStringLiteral("TYPE"), options.type);
    header.setAttribute(QStringLiteral("USER"), reader.userAttribute());
    if (!write(DictionaryCodec::toBytes(header)))
        return stopped;
    StoreOrderWriter writer(ids, write);
    const std::vector<quint32> after = firstRowsAfter(parts, secondShift);
    BucketRows rows;
    for (size_t bucket = 0; bucket < after.size(); ++bucket) {
        rows.clear();
        for (size_t p = 0; p < parts.size(); ++p) {
            const Result<> read = rows.add(parts[p]->spool, int(bucket), p == 0 ? 0 : secondShift);
            if (!read)
                return Result<>::failure(spoolFailure(options, read.errorString()));
        }
        if (!writer.writeBucket(rows, after[bucket]))
            return stopped;
    }
    return writer.finish() ? Result<>() : stopped;
}

} // namespace

// A large text is read in two halves at once, by two readers that share
// what the header said; the ids are taken afterwards, in the order of the
// rows, as one reader would have.
Result<> TsvImport::write(const QByteArray &data, const TsvFormat::ImportOptions &options,
    const TsvFormat::WritePiece &write, QStringList &warnings)
{
    TsvReader reader(options);
    qsizetype at = 0;
    int lineNumber = 0;
    if (!reader.readHeader(data, at, lineNumber))
        return Result<>::failure(reader.error());
    const BucketBounds bounds(data, at, reader, bucketCount(data.size() - at, options.bucketBytes));
    const qsizetype middle = secondHalf(data, at, options.twoReadersFrom);
    const int secondLineNumber = lineNumber + int(QByteArrayView(data).sliced(at, middle - at).count('\n'));
    if (options.released)
        options.released(at, data.size());
    ImportPart first(bounds.count(), options.bucketBytes);
    ImportPart second(bounds.count(), options.bucketBytes);
    for (ImportPart *part : {&first, &second}) {
        const Result<> opened = part->spool.open(spoolFolder(options));
        if (!opened)
            return Result<>::failure(spoolFailure(options, opened.errorString()));
        if (middle == data.size())
            break;
    }
    // its error, if any, stays with it
    TsvReader secondReader = reader;
    std::thread secondThread;
    if (middle < data.size()) {
        secondThread = std::thread(
            [&] { second.read(secondReader, data, middle, data.size(), secondLineNumber, bounds, options.released); });
    }
    const bool firstRead = first.read(reader, data, at, middle, lineNumber, bounds, options.released);
    if (secondThread.joinable())
        secondThread.join();
    // the rows a single reader would have read, up to its first error
    std::vector<ImportPart *> parts = {&first};
    if (firstRead && middle < data.size())
        parts.push_back(&second);
    for (ImportPart *part : parts) {
        const Result<> spooled = part->spool.finish();
        if (!spooled)
            return Result<>::failure(spoolFailure(options, spooled.errorString()));
    }
    const quint32 secondShift = quint32(first.ids.size());
    std::vector<qint32> ids;
    QString error = takeIds(reader, parts, ids);
    warnings += reader.warnings();
    if (!firstRead)
        error = reader.error();
    else if (!secondReader.error().isEmpty())
        error = secondReader.error();
    if (!error.isEmpty())
        return Result<>::failure(error);
    return writeInStoreOrder(reader, options, parts, secondShift, ids, write);
}
