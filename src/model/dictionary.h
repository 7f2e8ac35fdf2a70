#pragma once

#include "entry.h"
#include "entryarena.h"
#include "result.h"
#include "meaningindex.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

// The in-memory store of one dictionary: entries sorted by search key, an
// index from meanings to entry ids, and the header attributes (NAME, TYPE,
// USER). Its file is read and written by DictionaryFile, its TSV form by
// TsvFormat; the store itself does no I/O. The entries are packed in an
// EntryArena and handed out as values: a million of them cost about a
// hundred bytes each and no allocation each.
//
// Lookups that find nothing return an empty list, -1, or an entry with id 0.
//
// Every change is announced: a reset (another file loaded, cleared, many
// entries at once), one entry inserted, removed or changed in place, so
// models and pages follow the store without being told by hand.
class Dictionary : public QObject
{
    Q_OBJECT

public:
    explicit Dictionary(QObject *parent = nullptr);
    ~Dictionary() override;

    // Fills the store with what a file held (every entry of the arena, in
    // the file's order), in one reset; it then counts as unchanged.
    void fill(QMap<QString, QString> attributes, EntryArena entries);
    // The same into an empty store, with the sorted order fill() gave the
    // same entries before (a permutation of the arena's handles).
    void fill(QMap<QString, QString> attributes, EntryArena entries, std::vector<EntryArena::Handle> order);
    // A freshly filled store's arena and order, to be kept and given back
    // to fill() when the same file is opened again.
    const EntryArena &arena() const { return m_arena; }
    const std::vector<EntryArena::Handle> &order() const { return m_order; }
    // Takes the meaning index of a store just filled, as a store cache kept
    // it; false, and nothing taken, when it cannot be that of these entries.
    bool adoptMeaningTable(MeaningIndex::Table table) { return m_meanings.adopt(std::move(table)); }
    void clear();
    // What went wrong when an entry could not be added, for the user.

    // True when the store changed since it was last filled, saved or cleared.
    bool isModified() const { return m_revision != m_savedRevision; }
    // The store's contents are what its file holds now.
    void markSaved();

    int count() const { return int(m_order.size()); }
    // The entry at a sorted position (0 <= i < count()).
    Entry entryAt(int i) const { return m_arena.entry(m_order[size_t(i)]); }
    // Its id alone, without making the whole entry.
    int idAt(int i) const { return m_arena.id(m_order[size_t(i)]); }
    // Its fields, valid until the store changes: for walks over every entry.
    EntryArena::View viewAt(int i) const { return m_arena.view(m_order[size_t(i)]); }

    // A new entry (id 0) gets the next id; another id replaces the stored
    // entry with that id (moving it to the place of its search key) or is
    // inserted under it. The id; a failure when no id is left.
    Result<int> addOrReplace(Entry e);
    // The next free id (maxId + 1, which it becomes), 0 when every id is used.
    int nextId();
    int maxId() const { return m_maxId; }
    // Overwrites the stored entry with the same id; an entry whose search
    // key changed moves to its sorted place. Inserts when there is none.
    bool replaceEntry(const Entry &e);
    void insertEntry(const Entry &e);
    // Inserts many entries at once, with exactly the result of inserting
    // them one by one in this order, but sorted once.
    void insertEntries(std::vector<Entry> entries);
    bool deleteEntry(const Entry &e);

    // The stored entry with that id, or an entry with id 0.
    Entry entryById(int id) const;

    // Position of the first entry whose word equals word exactly, or -1.
    int indexOfWord(const QString &word) const;
    // Entries whose search key equals that of text, in stored order; at
    // most max of them when max > 0.
    QList<Entry> findExact(const QString &text, int max = 0) const;
    Entry entryForChar(QChar ch) const;
    // Entries listed under exactly this meaning, most recently inserted
    // first; at most max of them when max > 0.
    QList<Entry> findByMeaning(const QString &meaning, int max = 0) const;
    // Position of the first entry whose search key begins with text (its
    // key length in matchLength), or -1; matchLength then holds the key
    // length of the first entry sharing the longest common prefix.
    int findLongestPrefix(const QString &text, int &matchLength) const;

    QList<Entry> entriesWithFlags(Entry::Flags mask, Entry::Flags value) const;
    QHash<int, Entry> entriesById() const;
    bool setLearnCounters(int id, qint8 forward, qint8 backward);
    // The counters of the entry at a sorted position (0 <= i < count()).
    void setLearnCountersAt(int position, qint8 forward, qint8 backward);
    void resetLearnCounters();
    QList<int> learnedIds() const;

    QString attribute(const QString &key) const { return m_attributes.value(key); }
    // An empty value removes the key.
    void setAttribute(const QString &key, const QString &value);
    const QMap<QString, QString> &attributes() const { return m_attributes; }
    QString name() const { return attribute(QStringLiteral("NAME")); }
    QString type() const { return attribute(QStringLiteral("TYPE")); }
    // USER split at ","; "en" when missing.
    QStringList userLanguageCodes() const;
    // Accepts only an extension of the current codes.
    bool setUserLanguages(const QStringList &codes);

signals:
    void aboutToReset();
    void resetDone();
    void entryAboutToBeInserted(int position);
    void entryInserted(int position);
    void entryAboutToBeRemoved(int position);
    void entryRemoved(int position);
    void entryChanged(int position);
    void attributesChanged();
    // After any of the above.
    void contentsChanged();
    void modificationChanged(bool modified);

private:
    using Handle = EntryArena::Handle;
    using Order = std::vector<Handle>;

    // where one-by-one insertion puts an entry with this word
    int insertPosition(QStringView word) const;
    // the first entry whose search key is not less than text
    Order::const_iterator lowerBound(const QString &text) const;
    bool hasKey(Order::const_iterator it, const QString &key) const;
    QString searchKeyOf(Handle handle) const;
    int positionOf(Handle handle) const;
    // the stored entry with that id
    bool find(int id, Handle &handle) const;
    void insertAt(Handle handle, int position);
    void insertAll(const std::vector<Handle> &handles);
    bool placeSorted(const std::vector<Handle> &handles);
    void sortIn(const std::vector<Handle> &handles);
    void takeAt(int position);
    // A reset replaces every row; the changes made within it are announced
    // by its end alone.
    void beginReset();
    void endReset(bool modifies);
    bool announcing() const { return m_resetDepth == 0; }
    void announceChange(int position);
    void touch();

    int m_maxId = 0;
    EntryArena m_arena;
    // the handles of the entries in sorted order
    Order m_order;
    MeaningIndex m_meanings;
    QMap<QString, QString> m_attributes;
    // id -> first stored entry with it; rebuilt on demand after changes
    mutable QHash<int, Handle> m_byId;
    mutable bool m_byIdValid = false;
    quint64 m_revision = 0;
    quint64 m_savedRevision = 0;
    int m_resetDepth = 0;
};
