#include "meaningindex.h"

#include "entry.h"

#include <QHashFunctions>

#include <algorithm>
#include <numeric>

namespace {

// The first four units, so that comparing two prefixes as numbers orders
// them as their texts (a shorter text is padded with the smallest unit).
quint64 prefixOf(QStringView text)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 4; ++i)
        prefix = prefix << 16 | (i < text.size() ? text[i].unicode() : 0);
    return prefix;
}

} // namespace

bool MeaningIndex::Table::fits(size_t handles) const
{
    const size_t meanings = textStarts.empty() ? 0 : textStarts.size() - 1;
    if (postingStarts.size() != meanings + 1 || (meanings > 0 && textStarts.front() != 0)
        || (meanings == 0 && !(texts.empty() && postings.empty() && postingStarts.size() <= 1)))
        return false;
    if (meanings == 0)
        return true;
    if (postingStarts.front() != 0 || textStarts.back() != texts.size() || postingStarts.back() != postings.size())
        return false;
    for (size_t i = 0; i < meanings; ++i) {
        if (textStarts[i] > textStarts[i + 1] || postingStarts[i] > postingStarts[i + 1])
            return false;
    }
    return std::all_of(postings.begin(), postings.end(), [handles](Handle h) { return h < handles; });
}

void MeaningIndex::TableBuilder::add(Handle handle, QStringView translation)
{
    const size_t first = m_ids.size();
    forEachMeaning(translation, [&](QStringView meaning) {
        const quint32 id = idOf(meaning);
        // a meaning written twice ("big, big") still finds the entry once
        for (size_t i = first; i < m_ids.size(); ++i) {
            if (m_ids[i] == id)
                return;
        }
        m_ids.push_back(id);
        m_handles.push_back(handle);
    });
}

QStringView MeaningIndex::TableBuilder::textOf(quint32 id) const
{
    return QStringView(m_units.data() + m_starts[id], qsizetype(m_starts[id + 1] - m_starts[id]));
}

quint32 MeaningIndex::TableBuilder::idOf(QStringView meaning)
{
    if ((m_hashes.size() + 1) * 2 > m_slots.size())
        growSlots();
    const auto hash = quint32(qHash(meaning));
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 taken = m_slots[slot];
        if (taken == 0) {
            const auto id = quint32(m_hashes.size());
            m_hashes.push_back(hash);
            m_units.insert(m_units.end(), meaning.utf16(), meaning.utf16() + meaning.size());
            m_starts.push_back(quint32(m_units.size()));
            m_slots[slot] = id + 1;
            return id;
        }
        if (m_hashes[taken - 1] == hash && textOf(taken - 1) == meaning)
            return taken - 1;
    }
}

void MeaningIndex::TableBuilder::growSlots()
{
    m_slots.assign(qMax<size_t>(1024, m_slots.size() * 2), 0);
    const size_t mask = m_slots.size() - 1;
    for (quint32 id = 0; id < m_hashes.size(); ++id) {
        size_t slot = m_hashes[id] & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = id + 1;
    }
}

// The meanings are sorted once each; the entries are then counted into
// their meaning's place, each meaning's filled from its end, so the newest
// comes first.
MeaningIndex::Table MeaningIndex::TableBuilder::finish()
{
    const auto meanings = quint32(m_hashes.size());
    std::vector<std::pair<quint64, quint32>> sorted(meanings);
    for (quint32 id = 0; id < meanings; ++id)
        sorted[id] = {prefixOf(textOf(id)), id};
    std::sort(sorted.begin(), sorted.end(), [this](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : compareUnits(textOf(a.second), textOf(b.second)) < 0;
    });
    Table table;
    std::vector<quint32> rank(meanings);
    table.texts.reserve(m_units.size());
    table.textStarts.reserve(meanings + 1);
    for (quint32 r = 0; r < meanings; ++r) {
        const quint32 id = sorted[r].second;
        rank[id] = r;
        table.textStarts.push_back(quint32(table.texts.size()));
        const QStringView text = textOf(id);
        table.texts.insert(table.texts.end(), text.utf16(), text.utf16() + text.size());
    }
    table.textStarts.push_back(quint32(table.texts.size()));
    sorted = {};
    table.postingStarts.assign(size_t(meanings) + 1, 0);
    for (quint32 id : m_ids)
        ++table.postingStarts[rank[id] + 1];
    for (quint32 r = 0; r < meanings; ++r)
        table.postingStarts[r + 1] += table.postingStarts[r];
    // rank becomes the end of each meaning's entries not yet placed
    for (quint32 id = 0; id < meanings; ++id)
        rank[id] = table.postingStarts[rank[id] + 1];
    table.postings.resize(m_ids.size());
    for (size_t i = 0; i < m_ids.size(); ++i)
        table.postings[--rank[m_ids[i]]] = m_handles[i];
    *this = TableBuilder();
    return table;
}

void MeaningIndex::clear()
{
    *this = MeaningIndex();
}

void MeaningIndex::stored(Handle handle)
{
    while (handle >= m_stamps.size())
        m_stamps.push_back(0);
    if (m_stamps[handle] == 0)
        ++m_live;
    m_stamps[handle] = ++m_lastStamp;
    if (m_built) {
        ++m_changes;
        m_pending.emplace_back(handle, m_lastStamp);
    }
}

void MeaningIndex::storedInOrder(Handle count)
{
    Q_ASSERT(m_stamps.empty());
    m_stamps.resize(count);
    std::iota(m_stamps.begin(), m_stamps.end(), quint64(1));
    m_live = int(count);
    m_lastStamp = count;
}

void MeaningIndex::removed(Handle handle)
{
    if (handle >= m_stamps.size() || m_stamps[handle] == 0)
        return;
    m_stamps[handle] = 0;
    --m_live;
    if (m_built)
        ++m_changes;
}

bool MeaningIndex::adopt(Table table)
{
    for (Handle h = 0; h < m_stamps.size(); ++h) {
        if (m_stamps[h] != h + 1)
            return false;
    }
    if (!table.fits(m_stamps.size()))
        return false;
    install(std::move(table));
    return true;
}

void MeaningIndex::install(Table table) const
{
    m_table = std::move(table);
    m_tableStamp = m_lastStamp;
    m_items.clear();
    m_text.clear();
    m_pending.clear();
    m_changes = 0;
    m_built = true;
}

QStringView MeaningIndex::textAt(quint32 at) const
{
    const char16_t *text = m_text.data() + at;
    return QStringView(text + 2, qsizetype(quint32(text[0]) << 16 | text[1]));
}

quint32 MeaningIndex::appendText(QStringView meaning) const
{
    const auto at = quint32(m_text.size());
    const auto length = quint32(meaning.size());
    char16_t *text = m_text.grow(2 + meaning.size());
    text[0] = char16_t(length >> 16);
    text[1] = char16_t(length & 0xffff);
    std::copy(meaning.utf16(), meaning.utf16() + meaning.size(), text + 2);
    return at;
}

bool MeaningIndex::isLive(const Item &item) const
{
    return m_stamps[item.handle] == item.stamp;
}

bool MeaningIndex::inTable(Handle handle) const
{
    return m_stamps[handle] != 0 && m_stamps[handle] <= m_tableStamp;
}

// by meaning, then newest first
bool MeaningIndex::before(const Item &a, const Item &b) const
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    const int order = a.textAt == b.textAt ? 0 : textOf(a).compare(textOf(b));
    return order < 0 || (order == 0 && a.stamp > b.stamp);
}

void MeaningIndex::addItems(const EntryArena &arena, Handle handle) const
{
    const size_t first = m_items.size();
    forEachMeaning(arena.translation(handle), [&](QStringView meaning) {
        for (size_t i = first; i < m_items.size(); ++i) {
            if (textOf(m_items[i]) == meaning)
                return;
        }
        m_items.push_back(Item{prefixOf(meaning), m_stamps[handle], appendText(meaning), handle});
    });
}

// The live entries in the order they were stored: by handle while their
// stamps rise with it, as in a store just filled, else sorted by stamp.
void MeaningIndex::build(const EntryArena &arena) const
{
    std::vector<Handle> live;
    live.reserve(size_t(m_live));
    bool inHandleOrder = true;
    for (Handle h = 0; h < m_stamps.size(); ++h) {
        if (m_stamps[h] == 0)
            continue;
        inHandleOrder = inHandleOrder && (live.empty() || m_stamps[live.back()] < m_stamps[h]);
        live.push_back(h);
    }
    if (!inHandleOrder)
        std::sort(live.begin(), live.end(), [this](Handle a, Handle b) { return m_stamps[a] < m_stamps[b]; });
    TableBuilder builder;
    for (Handle h : live)
        builder.add(h, arena.translation(h));
    live = {};
    install(builder.finish());
}

// Entries stored since the last lookup are sorted apart and merged in;
// when the changes since the table was made outnumber half the live
// entries, the table is made again.
void MeaningIndex::update(const EntryArena &arena) const
{
    if (!m_built || m_changes > m_live / 2 + 16) {
        build(arena);
        return;
    }
    if (m_pending.empty())
        return;
    const auto less = [this](const Item &a, const Item &b) { return before(a, b); };
    const auto sortedEnd = qsizetype(m_items.size());
    for (const auto &[handle, stamp] : m_pending) {
        if (m_stamps[handle] == stamp)
            addItems(arena, handle);
    }
    m_pending.clear();
    std::sort(m_items.begin() + sortedEnd, m_items.end(), less);
    std::inplace_merge(m_items.begin(), m_items.begin() + sortedEnd, m_items.end(), less);
}

// The entries stored after the table are newer than any in it.
std::vector<MeaningIndex::Handle> MeaningIndex::find(const EntryArena &arena, QStringView meaning, int max) const
{
    update(arena);
    std::vector<Handle> found;
    const auto full = [&found, max] { return max > 0 && int(found.size()) >= max; };
    const quint64 prefix = prefixOf(meaning);
    auto it = std::partition_point(m_items.begin(), m_items.end(), [&](const Item &item) {
        return item.prefix < prefix || (item.prefix == prefix && textOf(item).compare(meaning) < 0);
    });
    for (; it != m_items.end() && !full() && textOf(*it) == meaning; ++it) {
        if (isLive(*it))
            found.push_back(it->handle);
    }
    const quint32 at = lowerBound(m_table, meaning);
    if (at == m_table.count() || m_table.text(at) != meaning)
        return found;
    for (quint32 i = m_table.postingStarts[at]; i < m_table.postingStarts[at + 1] && !full(); ++i) {
        if (inTable(m_table.postings[i]))
            found.push_back(m_table.postings[i]);
    }
    return found;
}
