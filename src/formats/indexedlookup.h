#pragma once

#include "filelookup.h"
#include "model/entryarena.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QIODevice;
class StoreIndexFile;

// Looks a text up in a dictionary file through the indexes a store cache
// keeps of exactly its bytes: binary searches over the store's order that
// read a few records where they lie, and the meaning table. Nothing is
// mapped or read whole. The answers
// are those of a loaded store, as FileLookup gives them. False when the
// index turns out damaged (a page that fails its hash) or does not fit the
// file; the caller then walks the file instead.
class IndexedLookup
{
public:
    // Both must stay open while this looks up.
    IndexedLookup(QIODevice &file, StoreIndexFile &index);

    bool lookUp(const QString &key, const QString &meaning, FileLookup::Result &result);

private:
    // The bytes from a record's offset on, at least the whole record.
    QByteArray recordAt(quint32 offset, qint64 readAhead);
    // The word of the record at a position of the store's order, encoded.
    QByteArray wordAt(quint32 position);
    QString keyAt(quint32 position);
    QList<Entry> entriesOf(const std::vector<EntryArena::Handle> &handles);
    // The first position whose key is not below text.
    quint32 lowerBound(QStringView text);
    void findPrefix(const QString &key, FileLookup::Result &result);
    void findMeaning(const QString &meaning, FileLookup::Result &result);

    QIODevice &m_file;
    StoreIndexFile &m_index;
    // the bytes read last, and where they start
    QByteArray m_chunk;
    qint64 m_chunkAt = 0;
    // a record that could not be read where the index says
    bool m_failed = false;
};
