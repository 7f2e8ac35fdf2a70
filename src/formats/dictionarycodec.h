#pragma once

#include "recordcodec.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

#include <functional>
#include <limits>

class Dictionary;
class EntryArena;
class RecordReader;

// The bytes of a dictionary file: "DICT V3.0" to "DICT V3.3" read, "DICT
// V3.3" written. A file is its version, the header's "KEY: value"
// attributes (from V3.3) and the records; reading stops at damage, keeping
// what came before it.
class DictionaryCodec
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryCodec)

public:
    enum class Status {
        Ok,
        UnknownVersion, // not a dictionary file of a known version
        Damaged, // the header or the records stop before the end; what came before is read
        TooManyEntries, // more entries than setMaxEntries() allows; none are kept
    };
    using ReadBytes = std::function<void(qsizetype bytes)>;

    // A file of more entries is not read.
    void setMaxEntries(qsizetype maxEntries) { m_maxEntries = maxEntries; }

    // The version and the attributes.
    Status readHeader(RecordReader &in, QMap<QString, QString> &attributes);
    // The records after the header, into an empty arena; readBytes, when
    // given, is told now and then how many bytes were read.
    Status readRecords(RecordReader &in, EntryArena &entries, const ReadBytes &readBytes = {});

    QString version() const { return m_version; }
    // Where reading stopped in a damaged file (byte offset), -1 otherwise.
    qint64 damageOffset() const { return m_damageOffset; }
    QString errorString() const { return m_errorString; }

    // The whole V3.3 file. Entries with id 0 are not written.
    static QByteArray toBytes(const Dictionary &store);

private:
    RecordCodec::Format m_format = RecordCodec::Format::V33;
    QString m_version;
    QString m_errorString;
    qint64 m_damageOffset = -1;
    qsizetype m_maxEntries = std::numeric_limits<qsizetype>::max();
};
