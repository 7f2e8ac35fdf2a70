#pragma once

#include "recordreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <vector>

// Steps through the records of a "DICT V3.3" file's bytes without making
// entries: each record's word stays encoded where it lies, its translation
// is decoded when asked for, and the rest is passed over. Lookups and
// indexes walk a file this way instead of loading it.
class RecordWalk
{
public:
    // From the record at offset from; translations: decode each record's.
    RecordWalk(const QByteArray &file, qsizetype from, bool translations);

    // Where the records of the file begin, after its version and
    // attributes; -1 for a file of another version or a damaged header.
    static qsizetype recordsStart(const QByteArray &file);

    // Reads the next record; false at the end of the bytes, or at a record
    // that cannot be read whole (then damaged()).
    bool next();
    bool damaged() const { return m_damaged; }
    // The offset of the record read last, and of the next one.
    qsizetype offset() const { return m_offset; }
    qsizetype position() const { return m_in.position(); }
    // The record's word, compact-encoded, and its translation when asked
    // for; both valid until the next record.
    QByteArrayView word() const { return m_word; }
    QStringView translation() const { return m_translation; }

private:
    bool readRest();

    RecordReader m_in;
    std::vector<char16_t> m_units;
    qsizetype m_offset = -1;
    QByteArrayView m_word;
    QStringView m_translation;
    bool m_damaged = false;
};
