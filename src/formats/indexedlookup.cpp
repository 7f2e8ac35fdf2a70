#include "indexedlookup.h"

#include "compactstring.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwalk.h"
#include "storeindexfile.h"

#include <QIODevice>

#include <algorithm>

namespace {

// The meaning table as a binary search sees it.
struct Meanings
{
    StoreIndexFile &index;
    quint32 count() const { return index.meaningCount(); }
    QString text(quint32 i) const { return index.meaning(i); }
};

} // namespace

IndexedLookup::IndexedLookup(QIODevice &file, StoreIndexFile &index)
    : m_file(file)
    , m_index(index)
{ }

// Reads ahead: most records are a few dozen bytes, and a longer one is read
// again whole. The bytes stay valid until the next record is read.
QByteArray IndexedLookup::recordAt(quint32 offset, qint64 readAhead)
{
    const qint64 from = qint64(offset) - m_chunkAt;
    if (from >= 0 && from < m_chunk.size()) {
        const QByteArray held = QByteArray::fromRawData(m_chunk.constData() + from, m_chunk.size() - from);
        if (RecordWalk(held, 0, false).next())
            return held;
    }
    for (qint64 size = readAhead; !m_failed && m_file.seek(offset); size *= 16) {
        m_chunk = m_file.read(size);
        m_chunkAt = offset;
        if (RecordWalk(m_chunk, 0, false).next())
            return m_chunk;
        m_failed = m_chunk.size() < size;
    }
    m_failed = true;
    return QByteArray();
}

QByteArray IndexedLookup::wordAt(quint32 position)
{
    constexpr qint64 Probe = 512;
    RecordWalk walk(recordAt(m_index.offset(m_index.handleAt(position)), Probe), 0, false);
    return walk.next() ? walk.word().toByteArray() : QByteArray();
}

QString IndexedLookup::keyAt(quint32 position)
{
    const QByteArray word = wordAt(position);
    return makeSearchKey(decodeCompact(word.data(), word.size()));
}

// Read in the order of the file, a large piece at a time: the entries of a
// common meaning lie all over it.
QList<Entry> IndexedLookup::entriesOf(const std::vector<EntryArena::Handle> &handles)
{
    constexpr qint64 Piece = qint64(1) << 16;
    std::vector<std::pair<quint32, size_t>> byOffset;
    byOffset.reserve(handles.size());
    for (size_t i = 0; i < handles.size(); ++i)
        byOffset.emplace_back(m_index.offset(handles[i]), i);
    std::sort(byOffset.begin(), byOffset.end());
    QList<Entry> entries(qsizetype(handles.size()), Entry(0));
    for (const auto &[offset, i] : byOffset) {
        RecordReader in(recordAt(offset, Piece));
        m_failed = m_failed
            || RecordCodec::read(in, RecordCodec::Format::V33, entries[qsizetype(i)])
                != RecordCodec::ReadResult::Complete;
    }
    return entries;
}

quint32 IndexedLookup::lowerBound(QStringView text)
{
    quint32 low = 0;
    quint32 high = m_index.records();
    while (low < high && !m_failed && !m_index.damaged()) {
        const quint32 middle = low + (high - low) / 2;
        if (compareCompactSearchKey(wordAt(middle), text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// As the store finds the longest prefix and the entries of exactly the key.
void IndexedLookup::findPrefix(const QString &key, FileLookup::Result &result)
{
    const quint32 records = m_index.records();
    const quint32 bound = lowerBound(key);
    const QString atBound = bound < records ? keyAt(bound) : QString();
    const QString beforeBound = bound > 0 ? keyAt(bound - 1) : QString();
    const PrefixMatch match = longestPrefix(
        key, bound < records ? int(bound) : -1, atBound, beforeBound, [this, &key, records](int length) {
            const quint32 at = lowerBound(QStringView(key).left(length));
            return at < records ? int(keyAt(at).size()) : 0;
        });
    result.prefixPosition = match.position;
    result.matchLength = match.matchLength;
    const QString exactKey = makeSearchKey(key);
    if (exactKey.isEmpty())
        return;
    std::vector<EntryArena::Handle> exact;
    for (quint32 at = lowerBound(exactKey);
         at < records && !m_failed && compareCompactSearchKey(wordAt(at), exactKey) == 0; ++at)
        exact.push_back(m_index.handleAt(at));
    result.exact = entriesOf(exact);
}

void IndexedLookup::findMeaning(const QString &meaning, FileLookup::Result &result)
{
    Meanings meanings{m_index};
    const quint32 at = MeaningIndex::lowerBound(meanings, meaning);
    if (at == meanings.count() || meanings.text(at) != meaning)
        return;
    const auto [first, end] = m_index.postingRange(at);
    std::vector<EntryArena::Handle> listed;
    for (quint32 j = first; j < end && !m_index.damaged(); ++j)
        listed.push_back(m_index.posting(j));
    result.meaning = entriesOf(listed);
}

bool IndexedLookup::lookUp(const QString &key, const QString &meaning, FileLookup::Result &result)
{
    result = FileLookup::Result{};
    m_failed = false;
    if (!m_index.isSound())
        return false;
    findPrefix(key, result);
    if (!meaning.isEmpty())
        findMeaning(meaning, result);
    return !m_failed && !m_index.damaged();
}
