#pragma once

#include "model/entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Looks a text up in the bytes of a dictionary file without loading it: the
// records are read one after the other, only their words unless meanings
// are asked for, and whole only when they are an answer. The answers are those
// of a loaded store: findLongestPrefix, findExact and findByMeaning (newest
// first). A file it cannot walk this way (another version, records out of
// key order, damage) is reported so, and the caller loads it.
class FileLookup
{
public:
    struct Result
    {
        // the first entry whose key begins with the text, -1 for none
        int prefixPosition = -1;
        // the key length of that entry, or of the first one sharing the
        // longest start with the text when none begins with it
        int matchLength = 0;
        QList<Entry> exact;
        // the entries listed under the meaning, newest first
        QList<Entry> meaning;
    };

    // A file of at least twoWalksFrom bytes of records is walked in two
    // halves on two threads.
    explicit FileLookup(const QByteArray &file, qsizetype twoWalksFrom = qsizetype(1) << 20);

    // Reads the header: false for a file of another version or damaged.
    bool open();
    // The TYPE and USER of the file, once open.
    QString type() const { return m_type; }
    QString user() const { return m_user; }
    // The first word whose key begins with key (or the longest start of it),
    // the entries of exactly that key, and those listed under meaning (none
    // for an empty one). False when the file must be loaded instead.
    bool lookUp(const QString &key, const QString &meaning, Result &result);

private:
    QByteArray m_file;
    qsizetype m_twoWalksFrom;
    qsizetype m_recordsStart = -1;
    QString m_type;
    QString m_user;
};
