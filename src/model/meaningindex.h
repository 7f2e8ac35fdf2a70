#pragma once

#include "entryarena.h"
#include "reallocbuffer.h"

#include <QHash>
#include <QStringView>

#include <vector>

// The store's index from meanings to entries: one sorted array of
// (meaning, entry) built on the first lookup, its meanings in one block of
// text, so a million entries cost no string and no hash node per meaning,
// and loading or editing before any meaning lookup costs almost nothing.
//
// The store tells it each entry it stores (new or replaced) and removes;
// that order is the order of the results, newest first. Entries stored
// after the build are merged in on the next lookup; the items of replaced
// and removed entries are skipped until they are many, then built away.
class MeaningIndex
{
public:
    using Handle = EntryArena::Handle;

    void clear();
    // The entry under this handle was stored, newly or again.
    void stored(Handle handle);
    void removed(Handle handle);
    // The handles of the entries listed under exactly this meaning, newest
    // first; at most max of them when max > 0.
    std::vector<Handle> find(const EntryArena &arena, QStringView meaning, int max = 0) const;

private:
    // 24 bytes: the meaning in m_text (its length in two units, then its
    // units) and which storing of which entry; its first units packed in
    // prefix decide most comparisons without the text
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
    bool before(const Item &a, const Item &b) const;
    void update(const EntryArena &arena) const;
    void build(const EntryArena &arena) const;
    // Appends the items of one stored entry, unsorted; texts, when given,
    // holds the meanings already in m_text.
    void addItems(const EntryArena &arena, Handle handle, QHash<QStringView, quint32> *texts) const;

    // per handle the stamp of its last storing, 0 once removed
    std::vector<quint64> m_stamps;
    quint64 m_lastStamp = 0;
    int m_live = 0;
    // Built on the first lookup; until then only the stamps are kept.
    mutable bool m_built = false;
    mutable std::vector<Item> m_items;
    mutable ReallocBuffer<char16_t> m_text;
    // stored since the last lookup, with the stamp they were stored under
    mutable std::vector<std::pair<Handle, quint64>> m_pending;
    // entries whose items went out of date (replaced or removed)
    mutable int m_dead = 0;
};
