#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtEndian>

// Reads the big-endian values of a dictionary file from a byte buffer. Every
// read checks the bytes left, so a damaged file can neither overrun the
// buffer nor make a length field allocate more than the file holds. A failed
// read leaves the reader at the end and returns false.
class RecordReader
{
public:
    explicit RecordReader(const QByteArray &data);

    bool atEnd() const { return m_pos >= m_data.size(); }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    qsizetype position() const { return m_pos; }
    // A read ran past the end of the data.
    bool failed() const { return m_failed; }

    // inline: opening a file reads a few of these for each of its records
    bool readU8(quint8 &value) { return readNumber(value); }
    bool readU16(quint16 &value) { return readNumber(value); }
    bool readU32(quint32 &value) { return readNumber(value); }
    // A 32-bit byte count and the bytes; 0xFFFFFFFF gives a null array.
    bool readBytes(QByteArray &value);
    // A 32-bit byte count and UTF-16 big-endian units; 0xFFFFFFFF is null.
    bool readString(QString &value);
    // A 16-bit byte count and compact-encoded bytes.
    bool readCompact(QString &value);
    // The same into units (room for 65535 of them), seen through value.
    bool readCompactUnits(char16_t *units, QStringView &value);
    // The encoded bytes of a compact text, still in the data.
    bool readCompactBytes(QByteArrayView &bytes);
    // Passes over a compact text without decoding it.
    bool skipCompact();
    // Goes to a byte offset within the data.
    void seek(qsizetype position) { m_pos = qBound<qsizetype>(0, position, m_data.size()); }

private:
    template <typename T> bool readNumber(T &value)
    {
        if (!has(qsizetype(sizeof(T))))
            return fail();
        value = qFromBigEndian<T>(cursor());
        m_pos += qsizetype(sizeof(T));
        return true;
    }
    bool fail();
    bool has(qsizetype bytes) const { return m_data.size() - m_pos >= bytes; }
    const uchar *cursor() const { return reinterpret_cast<const uchar *>(m_data.constData()) + m_pos; }

    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_failed = false;
};
