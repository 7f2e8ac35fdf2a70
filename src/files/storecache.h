#pragma once

#include "formats/storeindexfile.h"

#include <QFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The indexes of a large dictionary file kept in a cache folder
// (StoreIndex): the order the store keeps its records in, its meaning
// table and where each record starts, so that the next opening of the same
// bytes neither sorts nor makes the meaning index, and a lookup reads a few
// records. A copy is used only for exactly the bytes it was made of, and
// only where whole (each page has its hash); anything else is a miss, and
// the file is read or walked as always. The folder keeps the copies used last.
//
// That a copy is of the file's bytes is known without reading them all when
// the system shows the file as it did when its bytes were last hashed (the
// same device, inode, size, modification and change times) and a few
// sampled blocks hash the same. A program can set a file's modification
// time but not its change time, and a write after the hash gives at least
// one of them a later value, unless it falls within the timestamps'
// granularity of the last write before the hash: a copy made that soon
// after a write (50 ms, or 3 s where the times have whole seconds) is
// trusted only after the whole file is hashed again, which then renews it.
class StoreCache
{
public:
    StoreCache(const QString &folder, const QString &dictionaryPath);
    ~StoreCache();

    // Opens the copy of the dictionary file, which is open for reading:
    // true when it is of exactly its bytes. Reads a few blocks of the file,
    // or, where its times cannot tell, all of it.
    bool open(QFile &dictionary);
    // The opened copy, valid while this lives; null before open() succeeded.
    StoreIndexFile *index() { return m_index.get(); }

    // Makes the copy of the dictionary file as it is now, given the order a
    // store just read from it has (then the file must still be as open()
    // saw it), or, without it, made from records in key order. False, and
    // no copy, when it cannot be made.
    bool write(const std::vector<EntryArena::Handle> *order = nullptr) const;
    // The same on a thread of its own, one copy after the other, after the
    // order was read in open(), or (without open()) of the file as it is
    // when the copy is made.
    void writeLater(std::optional<std::vector<EntryArena::Handle>> order = std::nullopt) const;
    // Until the copies of this dictionary (of every one, for an empty path)
    // asked for by writeLater() are written.
    static void waitForWrites(const QString &dictionaryPath = QString());

private:
    QString m_folder;
    QString m_dictionaryPath;
    QString m_path;
    // the dictionary file as open() saw it
    std::optional<StoreIndexFile::Source> m_seen;
    QFile m_file;
    uchar *m_mapping = nullptr;
    std::unique_ptr<StoreIndexFile> m_index;
};
