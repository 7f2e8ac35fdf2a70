#include "meaningindex.h"

#include "entry.h"

#include <algorithm>

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
    else if (m_built)
        ++m_dead;
    m_stamps[handle] = ++m_lastStamp;
    if (m_built)
        m_pending.emplace_back(handle, m_lastStamp);
}

void MeaningIndex::removed(Handle handle)
{
    if (handle >= m_stamps.size() || m_stamps[handle] == 0)
        return;
    m_stamps[handle] = 0;
    --m_live;
    if (m_built)
        ++m_dead;
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

// by meaning, then newest first
bool MeaningIndex::before(const Item &a, const Item &b) const
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    const int order = a.textAt == b.textAt ? 0 : textOf(a).compare(textOf(b));
    return order < 0 || (order == 0 && a.stamp > b.stamp);
}

void MeaningIndex::addItems(const EntryArena &arena, Handle handle, QHash<QStringView, quint32> *texts) const
{
    const size_t first = m_items.size();
    forEachMeaning(arena.translation(handle), [&](QStringView meaning) {
        // a meaning written twice ("big, big") still finds the entry once
        for (size_t i = first; i < m_items.size(); ++i) {
            if (textOf(m_items[i]) == meaning)
                return;
        }
        const auto known = texts ? texts->constFind(meaning) : QHash<QStringView, quint32>::const_iterator();
        const quint32 at = texts && known != texts->cend() ? *known : appendText(meaning);
        if (texts && known == texts->cend())
            texts->insert(textAt(at), at);
        m_items.push_back(Item{prefixOf(meaning), m_stamps[handle], at, handle});
    });
}

// Each meaning's text is kept once, so equal meanings compare by offset.
void MeaningIndex::build(const EntryArena &arena) const
{
    m_items.clear();
    m_text.clear();
    m_pending.clear();
    m_dead = 0;
    qsizetype units = 0;
    for (Handle h = 0; h < m_stamps.size(); ++h)
        units += m_stamps[h] != 0 ? 2 * arena.translation(h).size() + 2 : 0;
    // The views in texts point into m_text, which therefore must not move:
    // a translation of n units holds at most (n + 1) / 2 meanings (each one
    // unit or more, separated), their texts and lengths take at most 2n + 2.
    m_text.reserve(units);
    QHash<QStringView, quint32> texts;
    for (Handle h = 0; h < m_stamps.size(); ++h) {
        if (m_stamps[h] != 0)
            addItems(arena, h, &texts);
    }
    m_text.squeeze();
    std::sort(m_items.begin(), m_items.end(), [this](const Item &a, const Item &b) { return before(a, b); });
    m_built = true;
}

// Entries stored since the last lookup are sorted apart and merged in;
// when the items of replaced and removed entries outnumber half the live
// ones, the index is built again without them.
void MeaningIndex::update(const EntryArena &arena) const
{
    if (!m_built || m_dead > m_live / 2 + 16) {
        build(arena);
        return;
    }
    if (m_pending.empty())
        return;
    const auto less = [this](const Item &a, const Item &b) { return before(a, b); };
    const auto sortedEnd = qsizetype(m_items.size());
    for (const auto &[handle, stamp] : m_pending) {
        if (m_stamps[handle] == stamp)
            addItems(arena, handle, nullptr);
    }
    m_pending.clear();
    std::sort(m_items.begin() + sortedEnd, m_items.end(), less);
    std::inplace_merge(m_items.begin(), m_items.begin() + sortedEnd, m_items.end(), less);
}

std::vector<MeaningIndex::Handle> MeaningIndex::find(const EntryArena &arena, QStringView meaning, int max) const
{
    update(arena);
    std::vector<Handle> found;
    const quint64 prefix = prefixOf(meaning);
    auto it = std::partition_point(m_items.begin(), m_items.end(), [&](const Item &item) {
        return item.prefix < prefix || (item.prefix == prefix && textOf(item).compare(meaning) < 0);
    });
    for (; it != m_items.end() && textOf(*it) == meaning; ++it) {
        if (!isLive(*it))
            continue;
        found.push_back(it->handle);
        if (max > 0 && int(found.size()) >= max)
            break;
    }
    return found;
}
