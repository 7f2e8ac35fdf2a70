#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <limits>

class Dictionary;
class StoreCache;

// The binary dictionary file of one store: reads "DICT V3.0" to "DICT V3.3"
// and writes "DICT V3.3".
//
// Failures are results: load says how it went (keeping what was readable),
// save returns false and leaves the file on disk as it was, errorString()
// tells why. A file that loaded damaged is never lost: the first save over
// it keeps its bytes beside it (FILE.damaged).
class DictionaryFile
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryFile)

public:
    enum class Status {
        Ok,
        Missing, // no such file: the store is empty and a save creates it
        Unreadable, // the file cannot be opened or is not a regular file
        UnknownVersion, // not a dictionary file of a known version
        Damaged, // the records stop before the end of the file; what came before is loaded
        NotEmpty, // the store already holds entries; nothing was read
        TooManyEntries, // more entries than setMaxEntries() allows; none are kept
    };

    // Larger files are not read: no dictionary of ours comes near it.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;

    explicit DictionaryFile(const QString &path = QString());

    QString path() const { return m_path; }
    // Another file: what the last load said is forgotten.
    void setPath(const QString &path);

    // Reads the file into an empty store.
    [[nodiscard]] Status load(Dictionary &store);
    // Reads version, attributes and records from the bytes of a file into
    // an empty store. A damaged or cut-off file keeps every record read up
    // to the damage. readBytes, when given, is told now and then how many
    // bytes were read.
    using ReadBytes = std::function<void(qsizetype bytes)>;
    Status read(const QByteArray &data, Dictionary &store, const ReadBytes &readBytes = {});
    // A file of more entries is not read (one received from elsewhere is
    // bounded so, the learner's own is not).
    void setMaxEntries(qsizetype maxEntries) { m_maxEntries = maxEntries; }
    // True when the last load took the store's order and meaning index
    // from the store cache.
    bool readFromCache() const { return m_readFromCache; }
    // From now on load() and save() keep the indexes of a file of at least
    // minimumSize bytes in folder (a StoreCache, made on a thread of its
    // own), and load() reads them instead of sorting the records and making
    // the meaning index the next time the file holds the same bytes. An
    // empty folder: none (the default).
    void setCacheFolder(const QString &folder, qint64 minimumSize = DefaultCacheMinimum);
    static constexpr qint64 DefaultCacheMinimum = qint64(8) << 20;
    // Until the caches asked for so far are written.
    static void waitForCacheWrites();
    Status status() const { return m_status; }
    // Where reading stopped in a damaged file (byte offset), -1 otherwise.
    qint64 damageOffset() const { return m_damageOffset; }
    // The version text of the last file read, such as "DICT V3.3".
    QString version() const { return m_version; }

    // Writes the store to the file as V3.3. The file is replaced only when
    // the new one is complete, so a failed save leaves the old one intact.
    [[nodiscard]] bool save(Dictionary &store);
    // The same with the bytes toBytes() made of the store already.
    [[nodiscard]] bool write(Dictionary &store, const QByteArray &bytes);
    // What went wrong in the last load or save, for the user.
    QString errorString() const { return m_errorString; }

    // The whole V3.3 file. Entries with id 0 are not written.
    static QByteArray toBytes(const Dictionary &store);

private:
    Status read(const QByteArray &data, Dictionary &store, const ReadBytes &readBytes, StoreCache *cache);
    bool keepDamagedOriginal();
    void cacheSaved(const QByteArray &bytes) const;

    QString m_path;
    QString m_version;
    QString m_errorString;
    Status m_status = Status::Ok;
    qint64 m_damageOffset = -1;
    // the damaged file's bytes were kept beside it since it was loaded
    bool m_damagedOriginalKept = false;
    bool m_readFromCache = false;
    qsizetype m_maxEntries = std::numeric_limits<qsizetype>::max();
    QString m_cacheFolder;
    qint64 m_cacheMinimumSize = DefaultCacheMinimum;
};
