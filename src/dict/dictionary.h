#pragma once

#include "entry.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QMultiHash>
#include <QObject>
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
// Failures are results: load says how it went (keeping what was readable),
// save returns false and leaves the file on disk as it was, errorString()
// tells why; lookups that find nothing return an empty list, -1, or an entry
// with id 0. A file that loaded damaged is never lost: the first save over
// it keeps its bytes beside it (FILE.damaged).
//
// Every change is announced: a reset (another file loaded, cleared, many
// entries at once), one entry inserted, removed or changed in place, so
// models and pages follow the store without being told by hand.
class Dictionary : public QObject
{
    Q_OBJECT

public:
    enum class LoadStatus {
        Ok,
        Missing, // no such file: the store is empty and a save creates it
        Unreadable, // the file cannot be opened or is not a regular file
        UnknownVersion, // not a dictionary file of a known version
        Damaged, // the records stop before the end of the file; what came before is loaded
        NotEmpty, // the store already holds entries; nothing was read
    };
    Q_ENUM(LoadStatus)

    explicit Dictionary(const QString &fileName = QString(), QObject *parent = nullptr);
    ~Dictionary() override;

    // Reads a file into an empty store.
    [[nodiscard]] LoadStatus load(const QString &fileName);
    // Reads version, attributes and records from the bytes of a file; false
    // when the version is unknown. A damaged or cut-off file keeps every
    // record read up to the damage (loadStatus() then says Damaged).
    bool readFrom(const QByteArray &data);
    LoadStatus loadStatus() const { return m_loadStatus; }
    // Where reading stopped in a damaged file (byte offset), -1 otherwise.
    qint64 damageOffset() const { return m_damageOffset; }
    // Writes the store to its file as V3.3. The file is replaced only when
    // the new one is complete, so a failed save leaves the old one intact.
    [[nodiscard]] bool save();
    // What went wrong in the last load or save, for the user.
    QString errorString() const { return m_errorString; }
    // The whole V3.3 file. Entries with id 0 are not written.
    QByteArray toBytes() const;
    void clear();

    QString fileName() const { return m_fileName; }
    // The version text of the last file read, such as "DICT V3.3".
    QString version() const { return m_version; }

    // True when the store changed since it was last loaded, saved or cleared.
    bool isModified() const { return m_revision != m_savedRevision; }

    int count() const { return int(m_entries.size()); }
    // The entry at a sorted position (0 <= i < count()).
    const Entry *entryAt(int i) const { return m_entries[size_t(i)].get(); }

    // A new entry (id 0) gets the next id; another id replaces the stored
    // entry with that id (moving it to the place of its search key) or is
    // inserted under it. Returns the id, 0 when no id is left (errorString).
    int addOrReplace(Entry e);
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
    // An empty value removes the key. TYPE also makes the language object.
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
    using EntryList = std::vector<std::unique_ptr<Entry>>;

    bool readVersion(RecordReader &in, Entry::Format &format);
    void readAttributes(RecordReader &in);
    void readRecords(RecordReader &in, Entry::Format format);
    bool keepDamagedOriginal();
    // where one-by-one insertion puts an entry with this word
    int insertPosition(const QString &word) const;
    // the first entry whose search key is not less than text
    EntryList::const_iterator lowerBound(const QString &text) const;
    bool hasKey(EntryList::const_iterator it, const QString &key) const;
    template <typename Item> static std::vector<QString> sortByKey(std::vector<Item> &items);
    int positionOf(const Entry *entry) const;
    Entry *storedEntry(int id) const;
    void insertStored(std::unique_ptr<Entry> stored, int position);
    void insertStored(EntryList entries);
    std::unique_ptr<Entry> takeStored(int position);
    void indexMeanings(const Entry &e) const;
    void unindexMeanings(const Entry &e);
    void completeMeaningIndex() const;
    // A reset replaces every row; the changes made within it are announced
    // by its end alone.
    void beginReset();
    void endReset(bool modifies);
    bool announcing() const { return m_resetDepth == 0; }
    void announceChange(int position);
    void touch();
    void setSaved();

    QString m_fileName;
    QString m_version;
    QString m_errorString;
    LoadStatus m_loadStatus = LoadStatus::Ok;
    qint64 m_damageOffset = -1;
    // the damaged file's bytes were kept beside it this session
    bool m_damagedOriginalKept = false;
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
    // id -> first stored entry with it; rebuilt on demand after changes
    mutable QHash<int, Entry *> m_byId;
    mutable bool m_byIdValid = false;
    quint64 m_revision = 0;
    quint64 m_savedRevision = 0;
    int m_resetDepth = 0;
};
