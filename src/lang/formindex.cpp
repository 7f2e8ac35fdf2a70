#include "formindex.h"

#include <QHashFunctions>

#include <cstring>

namespace {

constexpr size_t BatchSize = 256;

quint32 hashOf(QStringView key)
{
    return quint32(qHash(key, 0));
}

} // namespace

void FormIndex::reserve(qsizetype values)
{
    m_values.reserve(size_t(values));
    m_keys.reserve(size_t(values));
    m_chars.reserve(size_t(values) * 6);
    size_t slotCount = 16;
    while (slotCount < size_t(values) * 2)
        slotCount *= 2;
    commit();
    if (slotCount > m_slots.size())
        rehash(slotCount);
}

void FormIndex::rehash(size_t slotCount)
{
    m_slots.assign(slotCount, Slot{0, 0});
    const size_t mask = slotCount - 1;
    for (size_t k = 0; k < m_keys.size(); ++k) {
        size_t at = m_keys[k].hash & mask;
        while (m_slots[at].key != 0)
            at = (at + 1) & mask;
        m_slots[at] = Slot{m_keys[k].hash, quint32(k + 1)};
    }
}

qint64 FormIndex::find(QStringView key, quint32 hash) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot &slot = m_slots[at];
        if (slot.key == 0)
            return -qint64(at) - 2; // free slot where the key would go
        if (slot.hash != hash)
            continue;
        const Key &k = m_keys[slot.key - 1];
        if (k.length != quint32(key.size()))
            continue;
        // an empty key may have no characters at all to point to
        if (key.isEmpty()
            || std::memcmp(m_chars.data() + k.offset, key.utf16(), size_t(key.size()) * sizeof(char16_t)) == 0)
            return slot.key - 1;
    }
}

void FormIndex::insert(const QString &key, const WordMatch &value)
{
    m_pending.push_back(Pending{key, Value{value.wordType, value.grammar, value.entryId, -1}, 0});
    if (m_pending.size() >= BatchSize)
        commit();
}

void FormIndex::commit()
{
    if (m_pending.empty())
        return;
    // at most half full, so probing stays short
    size_t slotCount = m_slots.empty() ? 16 : m_slots.size();
    while ((m_keys.size() + m_pending.size()) * 2 > slotCount)
        slotCount *= 2;
    if (slotCount > m_slots.size())
        rehash(slotCount);
    const size_t mask = m_slots.size() - 1;
    for (Pending &pair : m_pending) {
        pair.hash = hashOf(pair.key);
        __builtin_prefetch(&m_slots[pair.hash & mask]);
    }
    for (const Pending &pair : m_pending)
        insertNow(pair);
    m_pending.clear();
}

void FormIndex::insertNow(const Pending &pair)
{
    const QStringView key(pair.key);
    qint64 found = find(key, pair.hash);
    if (found < 0) {
        const size_t at = size_t(-found - 2);
        m_keys.push_back(Key{pair.hash, quint32(m_chars.size()), quint32(key.size()), -1});
        m_chars.insert(m_chars.end(), key.utf16(), key.utf16() + key.size());
        found = qint64(m_keys.size() - 1);
        m_slots[at] = Slot{pair.hash, quint32(found + 1)};
    }
    Key &k = m_keys[size_t(found)];
    Value value = pair.value;
    value.next = k.firstValue;
    m_values.push_back(value);
    k.firstValue = qint32(m_values.size() - 1);
}

void FormIndex::finish()
{
    commit();
    m_pending.shrink_to_fit();
}

FormIndex::Values FormIndex::values(QStringView key) const
{
    Q_ASSERT(m_pending.empty());
    const qint64 found = find(key, hashOf(key));
    return Values(&m_values, found < 0 ? -1 : m_keys[size_t(found)].firstValue);
}
