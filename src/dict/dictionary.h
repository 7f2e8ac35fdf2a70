#pragma once

#include "entry.h"

#include <QHash>
#include <QMap>
#include <QMultiHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class Language;
class RecordReader;

// The in-memory store of one dictionary: entries sorted by search key, an
// index from meanings to entry ids, the header attributes (NAME, TYPE, USER)
// and the language object made from TYPE. Reads "DICT V3.0" to "DICT V3.3"
// files and writes "DICT V3.3".
//
// Failures are results: load/save return false and leave the store (and the
// file on disk) as it was; lookups that find nothing return an empty list,
// -1, or an entry with id 0.
class Dictionary
{
public:
    explicit Dictionary(const QString &fileName = QString());
    ~Dictionary();
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    // Reads a file into an empty store; false when the store holds entries,
    // the file cannot be read or its version is unknown.
    [[nodiscard]] bool load(const QString &fileName);
    // Reads version, attributes and records from the bytes of a file. A
    // damaged or cut-off file keeps every record read up to the damage.
    bool readFrom(const QByteArray &data);
    // Writes the store to its file as V3.3. The file is replaced only when
    // the new one is complete, so a failed save leaves the old one intact.
    [[nodiscard]] bool save();
    // The whole V3.3 file. Entries with id 0 are not written.
    QByteArray toBytes() const;
    void clear();

    QString fileName() const { return m_fileName; }
    // The version text of the last file read, such as "DICT V3.3".
    QString version() const { return m_version; }

    // Counts changes to entries, counters and attributes; lets views tell
    // whether derived data (indexes) is still current.
    quint64 revision() const { return m_revision; }
    // True when the store changed since it was last loaded, saved or cleared.
    bool isModified() const { return m_revision != m_savedRevision; }

    int count() const { return int(m_entries.size()); }
    // The entry at a sorted position (0 <= i < count()).
    Entry *entryAt(int i) { return m_entries[size_t(i)].get(); }
    const Entry *entryAt(int i) const { return m_entries[size_t(i)].get(); }

    // A new entry (id 0) gets the next id; another id replaces the stored
    // entry with that id (or is inserted under it). Returns the id.
    int addOrReplace(Entry e);
    int nextId() { return ++m_maxId; }
    int maxId() const { return m_maxId; }
    // Overwrites the stored entry with the same id; an entry whose search
    // key changed moves to its sorted place. Inserts when there is none.
    bool replaceEntry(const Entry &e);
    void insertEntry(const Entry &e);
    bool deleteEntry(const Entry &e);

    // The stored entry with that id, or an entry with id 0.
    Entry &entryById(int id);
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

    QList<Entry> entriesWithFlags(quint32 mask, quint32 value) const;
    QHash<int, Entry> entriesById() const;
    bool setLearnCounters(int id, qint8 forward, qint8 backward);
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
    QStringList userLanguageNames() const;
    QString userLanguageName(int k) const;
    // Accepts only an extension of the current codes.
    bool setUserLanguages(const QStringList &codes);

    Language *language() const { return m_language.get(); }

private:
    using EntryList = std::vector<std::unique_ptr<Entry>>;

    bool readVersion(RecordReader &in, Entry::Format &format);
    void readAttributes(RecordReader &in);
    void readRecords(RecordReader &in, Entry::Format format);
    int insertPosition(const QString &key) const;
    EntryList::const_iterator lowerBound(const QString &key) const;
    int positionOf(const Entry *entry) const;
    Entry *storedEntry(int id) const;
    void indexMeanings(const Entry &e) const;
    void unindexMeanings(const Entry &e);
    void completeMeaningIndex() const;
    void touch() { ++m_revision; }

    QString m_fileName;
    QString m_version;
    int m_maxId = 0;
    EntryList m_entries;
    // Filled on the first meaning lookup: entries inserted since then wait in
    // m_unindexed, in insertion order, so loading pays nothing for it. Any
    // change but an insertion completes the index first, which keeps the
    // order of its values exactly that of insertion.
    mutable QMultiHash<QString, int> m_meaningIndex;
    mutable std::vector<const Entry *> m_unindexed;
    QMap<QString, QString> m_attributes;
    std::unique_ptr<Language> m_language;
    Entry m_nullEntry;
    // id -> first stored entry with it; rebuilt on demand after changes
    mutable QHash<int, Entry *> m_byId;
    mutable bool m_byIdValid = false;
    quint64 m_revision = 0;
    quint64 m_savedRevision = 0;
};
