#pragma once

#include "storeindex.h"

#include <QByteArray>
#include <QStringView>

#include <unordered_map>
#include <utility>
#include <vector>

class QIODevice;

// The bytes of a store cache file: a StoreIndex, and what the system and
// the hash said of the dictionary file it was made of. Written whole by
// write(); read back from the file page by page, each page checked against
// its hash when read, so that a lookup reads a handful of pages and never
// believes a damaged one. Numbers are written as the machine writes them: a
// file from another byte order is not sound.
class StoreIndexFile
{
public:
    // The dictionary file an index was made of.
    struct Source
    {
        quint64 size = 0;
        // contentHash of all its bytes, and of the few blocks sampleHash reads
        quint64 hash = 0;
        quint64 sample = 0;
        // how the system saw the file when its bytes were found to have
        // that hash, and when that was (the time taken before looking)
        quint64 device = 0;
        quint64 inode = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        qint64 checkedNs = 0;
    };

    // Writes the file whole, from the start of out (which must be able to
    // seek back there); false when a write failed.
    static bool write(QIODevice &out, const StoreIndex &index, const Source &source);
    // A hash of a few blocks spread over a file (its start and end among
    // them), read from the device: a quick sign of another file of the same
    // size.
    static quint64 sampleHash(QIODevice &file);

    // Reads the header and the page hashes of a cache file open in device,
    // which must stay open as long as this reads it.
    explicit StoreIndexFile(QIODevice &device);
    // The header is whole, of this version, and the file is as long as it
    // says.
    bool isSound() const { return m_sound; }
    // What a sound file says of its dictionary file.
    const Source &source() const;
    // The header's bytes with another source, to be written over the
    // header in place: the blocks stay valid.
    QByteArray headerWith(const Source &source) const;
    quint32 records() const;
    quint32 meaningCount() const;

    // The values of the blocks, their pages read and checked when first
    // needed. After a damaged page, every read gives 0 or nothing and
    // damaged() tells.
    quint32 offset(quint32 handle);
    EntryArena::Handle handleAt(quint32 position);
    QString meaning(quint32 i);
    // Where the entries of meaning i start and end among the postings.
    std::pair<quint32, quint32> postingRange(quint32 i);
    EntryArena::Handle posting(quint32 j);
    bool damaged() const { return m_damaged; }

    // The order and the meaning table, every page of them checked; false
    // when one is damaged or they do not fit together.
    bool readOrderAndMeanings(std::vector<EntryArena::Handle> &order, MeaningIndex::Table &meanings);

private:
    bool fail();
    // Reads count pages of the blocks from the first on, each checked.
    bool readPages(quint64 first, quint64 count, QByteArray &pages);
    bool readBlock(quint64 at, quint64 bytes, char *out);
    template <typename T> bool readValues(quint64 at, quint64 count, std::vector<T> &out);
    quint32 valueAt(quint64 at);

    QIODevice &m_device;
    QByteArray m_header;
    bool m_sound = false;
    bool m_damaged = false;
    quint64 m_offsetsAt = 0;
    quint64 m_orderAt = 0;
    quint64 m_textStartsAt = 0;
    quint64 m_postingStartsAt = 0;
    quint64 m_postingsAt = 0;
    quint64 m_textsAt = 0;
    quint64 m_blocksEnd = 0;
    std::vector<quint64> m_pageHashes;
    // the pages read one by one so far, checked
    std::unordered_map<quint64, QByteArray> m_pages;
};
