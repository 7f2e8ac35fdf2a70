#pragma once

#include "entry.h"
#include "reallocbuffer.h"

#include <QStringView>

#include <vector>

// The entries of a store, packed: their fixed fields as small records and
// all their texts one after the other in one block of UTF-16 units, so that
// a large dictionary costs no allocation per entry. An entry is reached by
// its handle, which stays while it is stored. Replaced or removed entries
// leave their texts behind until there is more of that than of the rest;
// then the texts are packed again (handles stay).
class EntryArena
{
public:
    using Handle = quint32;

    // An entry's fields where the arena keeps them, for walks over many
    // entries without making each; valid until the arena changes.
    struct View
    {
        int id;
        int wordType;
        quint32 flags;
        qint8 learnedForward;
        qint8 learnedBackward;
        QStringView word;
        QStringView translation;
        quint32 textCount;
        const char16_t *texts;
        // Calls f(key, text) for each keyed text, in order.
        template <typename F> void forEachText(F &&f) const
        {
            const char16_t *at = texts;
            for (quint32 i = 0; i < textCount; ++i) {
                const quint32 key = quint32(at[0]) << 16 | at[1];
                const quint32 length = quint32(at[2]) << 16 | at[3];
                f(key, QStringView(at + 4, qsizetype(length)));
                at += 4 + length;
            }
        }
    };

    void reserve(size_t entries, size_t units);
    // Gives back what reserve() took beyond what was added.
    void squeeze();
    // How many entries were added, removed ones included.
    int count() const { return int(m_records.size()); }
    void clear();
    Handle add(const Entry &entry);
    void replace(Handle handle, const Entry &entry);
    // The handle is not used again until clear().
    void remove(Handle handle);

    // An entry field by field, in the order of a file's record (the word,
    // then the translation, then the texts): begin(), the fields, then
    // commit() to keep it or discard(). No Entry is made on the way.
    void begin();
    void setId(int id) { m_pending.id = id; }
    void setWordType(int type) { m_pending.wordType = quint16(type); }
    void setFlags(quint32 flags) { m_pending.flags = flags; }
    void setWord(QStringView text);
    void setTranslation(QStringView text);
    void appendText(quint32 key, QStringView text);
    void setLearnCounters(qint8 forward, qint8 backward);
    bool pendingHasWord() const { return m_pending.wordLength > 0; }
    // Room for the next text (after `header` units, the key and length of a
    // keyed text) where a reader may decode it, so that setting it copies
    // nothing; up to 65,535 units.
    char16_t *textRoom(qsizetype header);
    Handle commit();
    void discard();

    // The whole entry, as a value.
    Entry entry(Handle handle) const;
    View view(Handle handle) const;
    int id(Handle handle) const { return m_records[handle].id; }
    quint32 flags(Handle handle) const { return m_records[handle].flags; }
    QStringView word(Handle handle) const;
    QStringView translation(Handle handle) const;
    qint8 learnedForward(Handle handle) const { return m_records[handle].forward; }
    qint8 learnedBackward(Handle handle) const { return m_records[handle].backward; }
    void setLearnCounters(Handle handle, qint8 forward, qint8 backward);

private:
    // 32 bytes. Word types come from a 16-bit field of the file or the TSV.
    struct Record
    {
        quint64 at; // the word's first unit; the translation and the texts follow
        qint32 id;
        quint32 flags;
        quint32 wordLength;
        quint32 translationLength;
        quint32 textCount; // each: key and length (two units each), then the text
        quint16 wordType;
        qint8 forward;
        qint8 backward;
    };

    void stage(const Entry &entry);
    void appendUnits(QStringView text);
    void appendNumber(quint32 value);
    quint32 numberAt(size_t at) const;
    // How many units the entry's texts take.
    size_t unitsOf(const Record &record) const;
    void packIfWasteful();

    ReallocBuffer<Record> m_records;
    Record m_pending{};
    ReallocBuffer<char16_t> m_units;
    // units no stored entry uses any more
    size_t m_garbage = 0;
};

// The arena's own room, found by the record reader for an arena sink.
inline char16_t *textRoom(EntryArena &arena, std::vector<char16_t> &, qsizetype header)
{
    return arena.textRoom(header);
}
