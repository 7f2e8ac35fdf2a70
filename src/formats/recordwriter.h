#pragma once

#include <QByteArray>
#include <QString>

// Appends the big-endian values of a dictionary file to a byte buffer.
class RecordWriter
{
public:
    explicit RecordWriter(QByteArray &out);

    void writeU8(quint8 value);
    void writeU16(quint16 value);
    void writeU32(quint32 value);
    void writeBytes(const QByteArray &value);
    // A 16-bit byte count and the compact encoding. A text whose encoding
    // does not fit in 65,535 bytes is shortened at a character boundary
    // (with a warning), so the record stays readable.
    void writeCompact(QStringView value);

private:
    template <typename T> void writeBigEndian(T value);

    QByteArray &m_out;
};
