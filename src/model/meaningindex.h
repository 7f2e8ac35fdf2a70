#pragma once

#include "entryarena.h"
#include "reallocbuffer.h"

#include <QStringView>

#include <vector>

// The store's index from meanings to entries: a table of each meaning once,
// sorted, with the entries listed under it (four bytes an entry and
// meaning), built on the first lookup or taken from a store cache, and the
// entries stored since, kept apart until they are many. A million entries
// cost no string and no hash node per meaning, and loading or editing
// before any meaning lookup costs almost nothing.
//
// The store tells it each entry it stores (new or replaced) and removes;
// that order is the order of the results, newest first. Entries stored
// after the table was made are sorted in on the next lookup; the table's
// items of replaced and removed entries are skipped until the changes are
// many, then the table is made again.
class MeaningIndex
{
public:
    using Handle = EntryArena::Handle;

    // The sorted part of the index as plain arrays, as a store cache keeps
    // it beside a dictionary file: each meaning once, in the order of its
    // units, with the entries listed under it newest first.
    struct Table
    {
        // meaning i: the units from texts[textStarts[i]] to texts[textStarts[i + 1]]
        std::vector<char16_t> texts;
        std::vector<quint32> textStarts;
        // its entries: from postings[postingStarts[i]] to postings[postingStarts[i + 1]]
        std::vector<quint32> postingStarts;
        std::vector<Handle> postings;

        quint32 count() const { return textStarts.empty() ? 0 : quint32(textStarts.size() - 1); }
        QStringView text(quint32 i) const
        {
            return QStringView(texts.data() + textStarts[i], qsizetype(textStarts[i + 1] - textStarts[i]));
        }
        // The arrays fit one another and every handle is below handles: a
        // table read from elsewhere can be searched without reading past
        // its ends.
        bool fits(size_t handles) const;
    };

    // Makes the table of entries met one by one, oldest first.
    class TableBuilder
    {
    public:
        void add(Handle handle, QStringView translation);
        Table finish();

    private:
        quint32 idOf(QStringView meaning);
        QStringView textOf(quint32 id) const;
        void growSlots();

        // each meaning met once: its units and hash, by the order met
        std::vector<char16_t> m_units;
        std::vector<quint32> m_starts = {0};
        std::vector<quint32> m_hashes;
        // open addressing over the meanings: id + 1, 0 where free
        std::vector<quint32> m_slots;
        // per entry and meaning: which meaning, which entry
        std::vector<quint32> m_ids;
        std::vector<Handle> m_handles;
    };

    // The first of the sorted meanings of a table (anything with count()
    // and text(i)) that is not below meaning.
    template <typename T> static quint32 lowerBound(const T &table, QStringView meaning);

    void clear();
    // The entry under this handle was stored, newly or again.
    void stored(Handle handle);
    // The first count handles stored one after the other, into an empty index.
    void storedInOrder(Handle count);
    void removed(Handle handle);
    // Takes the table of exactly the entries stored so far, each stored once
    // and in the order of their handles, as making it would give; false, and
    // nothing taken, when it cannot be one.
    bool adopt(Table table);
    // The handles of the entries listed under exactly this meaning, newest
    // first; at most max of them when max > 0.
    std::vector<Handle> find(const EntryArena &arena, QStringView meaning, int max = 0) const;

private:
    // 24 bytes, for an entry stored after the table was made: the meaning
    // in m_text (its length in two units, then its units) and which storing
    // of which entry; its first units packed in prefix decide most
    // comparisons without the text
    struct Item
    {
        quint64 prefix;
        quint64 stamp;
        quint32 textAt;
        Handle handle;
    };

    QStringView textOf(const Item &item) const { return textAt(item.textAt); }
    QStringView textAt(quint32 at) const;
    // Keeps a meaning's text; where it starts.
    quint32 appendText(QStringView meaning) const;
    bool isLive(const Item &item) const;
    // The table holds the entry as it is stored now.
    bool inTable(Handle handle) const;
    bool before(const Item &a, const Item &b) const;
    void update(const EntryArena &arena) const;
    void build(const EntryArena &arena) const;
    // The table of every entry stored so far, nothing kept apart any more.
    void install(Table table) const;
    // Appends the items of one stored entry, unsorted.
    void addItems(const EntryArena &arena, Handle handle) const;

    // per handle the stamp of its last storing, 0 once removed
    std::vector<quint64> m_stamps;
    quint64 m_lastStamp = 0;
    int m_live = 0;
    // Made on the first lookup; until then only the stamps are kept. It
    // holds the entries stored up to m_tableStamp.
    mutable bool m_built = false;
    mutable Table m_table;
    mutable quint64 m_tableStamp = 0;
    // entries stored after the table, sorted, and their meanings' texts
    mutable std::vector<Item> m_items;
    mutable ReallocBuffer<char16_t> m_text;
    // stored since the last lookup, with the stamp they were stored under
    mutable std::vector<std::pair<Handle, quint64>> m_pending;
    // entries stored or removed since the table was made
    mutable int m_changes = 0;
};

template <typename T> quint32 MeaningIndex::lowerBound(const T &table, QStringView meaning)
{
    quint32 low = 0;
    quint32 high = table.count();
    while (low < high) {
        const quint32 middle = low + (high - low) / 2;
        if (compareUnits(table.text(middle), meaning) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
