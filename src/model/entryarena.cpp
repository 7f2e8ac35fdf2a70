#include "entryarena.h"

namespace {

// A removed entry's record: no texts, and never read again.
constexpr quint32 Removed = 0xFFFFFFFF;

} // namespace

void EntryArena::reserve(size_t entries, size_t units)
{
    m_records.reserve(qsizetype(entries));
    m_units.reserve(qsizetype(units));
}

void EntryArena::squeeze()
{
    m_records.squeeze();
    m_units.squeeze();
}

void EntryArena::clear()
{
    m_records.clear();
    m_units.clear();
    m_garbage = 0;
}

void EntryArena::appendNumber(quint32 value)
{
    m_units.append(char16_t(value >> 16));
    m_units.append(char16_t(value & 0xFFFF));
}

quint32 EntryArena::numberAt(size_t at) const
{
    return quint32(m_units[at]) << 16 | m_units[at + 1];
}

// The whole entry as the pending record, its texts appended.
void EntryArena::stage(const Entry &entry)
{
    begin();
    setId(entry.id());
    setWordType(entry.wordType());
    setFlags(entry.flags());
    setWord(entry.word());
    setTranslation(entry.translation());
    for (const Entry::KeyedText &text : entry.texts())
        appendText(text.key, text.text);
    setLearnCounters(entry.learnedForward(), entry.learnedBackward());
}

void EntryArena::appendUnits(QStringView text)
{
    // decoded into textRoom() already: the room only needs taking
    if (text.utf16() == m_units.end()) {
        m_units.grow(text.size());
        return;
    }
    m_units.append(reinterpret_cast<const char16_t *>(text.utf16()), text.size());
}

char16_t *EntryArena::textRoom(qsizetype header)
{
    m_units.reserveMore(header + 0xFFFF);
    return m_units.end() + header;
}

void EntryArena::begin()
{
    m_pending = Record{};
    m_pending.forward = -1;
    m_pending.backward = -1;
    m_pending.at = quint64(m_units.size());
}

void EntryArena::setWord(QStringView text)
{
    m_pending.wordLength = quint32(text.size());
    appendUnits(text);
}

void EntryArena::setTranslation(QStringView text)
{
    m_pending.translationLength = quint32(text.size());
    appendUnits(text);
}

void EntryArena::appendText(quint32 key, QStringView text)
{
    appendNumber(key);
    appendNumber(quint32(text.size()));
    appendUnits(text);
    ++m_pending.textCount;
}

void EntryArena::setLearnCounters(qint8 forward, qint8 backward)
{
    m_pending.forward = forward;
    m_pending.backward = backward;
}

EntryArena::Handle EntryArena::commit()
{
    m_records.append(m_pending);
    return Handle(m_records.size() - 1);
}

void EntryArena::discard()
{
    m_units.truncate(qsizetype(m_pending.at));
}

size_t EntryArena::unitsOf(const Record &record) const
{
    if (record.textCount == Removed)
        return 0;
    size_t at = record.at + record.wordLength + record.translationLength;
    for (quint32 i = 0; i < record.textCount; ++i)
        at += 4 + numberAt(at + 2);
    return at - record.at;
}

EntryArena::Handle EntryArena::add(const Entry &entry)
{
    stage(entry);
    return commit();
}

void EntryArena::replace(Handle handle, const Entry &entry)
{
    m_garbage += unitsOf(m_records[handle]);
    stage(entry);
    m_records[handle] = m_pending;
    packIfWasteful();
}

void EntryArena::remove(Handle handle)
{
    m_garbage += unitsOf(m_records[handle]);
    m_records[handle].textCount = Removed;
    packIfWasteful();
}

Entry EntryArena::entry(Handle handle) const
{
    const View fields = view(handle);
    Entry e(fields.id);
    e.setWordType(fields.wordType);
    e.setFlags(fields.flags);
    e.setLearnCounters(fields.learnedForward, fields.learnedBackward);
    e.setWord(fields.word.toString());
    e.setTranslation(fields.translation.toString());
    fields.forEachText([&e](quint32 key, QStringView text) { e.appendText(key, text.toString()); });
    return e;
}

EntryArena::View EntryArena::view(Handle handle) const
{
    const Record &record = m_records[handle];
    return View{record.id, record.wordType, record.flags, record.forward, record.backward, word(handle),
        translation(handle), record.textCount,
        m_units.data() + record.at + record.wordLength + record.translationLength};
}

QStringView EntryArena::word(Handle handle) const
{
    const Record &record = m_records[handle];
    return QStringView(m_units.data() + record.at, qsizetype(record.wordLength));
}

QStringView EntryArena::translation(Handle handle) const
{
    const Record &record = m_records[handle];
    return QStringView(m_units.data() + record.at + record.wordLength, qsizetype(record.translationLength));
}

void EntryArena::setLearnCounters(Handle handle, qint8 forward, qint8 backward)
{
    m_records[handle].forward = forward;
    m_records[handle].backward = backward;
}

void EntryArena::packIfWasteful()
{
    // packing costs a pass over all texts: only when it halves them
    if (m_garbage < 4096 || m_garbage * 2 < size_t(m_units.size()))
        return;
    ReallocBuffer<char16_t> packed;
    packed.reserve(m_units.size() - qsizetype(m_garbage));
    for (Record &record : m_records) {
        if (record.textCount == Removed)
            continue;
        const qsizetype start = packed.size();
        packed.append(m_units.data() + record.at, qsizetype(unitsOf(record)));
        record.at = quint64(start);
    }
    m_units = std::move(packed);
    m_garbage = 0;
}
