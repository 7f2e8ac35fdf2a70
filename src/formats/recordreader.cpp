#include "recordreader.h"

#include "compactstring.h"

#include <QtEndian>

RecordReader::RecordReader(const QByteArray &data)
    : m_data(data)
{ }

bool RecordReader::fail()
{
    m_failed = true;
    m_pos = m_data.size();
    return false;
}

bool RecordReader::readBytes(QByteArray &value)
{
    quint32 size = 0;
    if (!readU32(size))
        return false;
    if (size == 0xFFFFFFFFu) {
        value = QByteArray();
        return true;
    }
    if (!has(size))
        return fail();
    value = QByteArray(reinterpret_cast<const char *>(cursor()), size);
    m_pos += size;
    return true;
}

bool RecordReader::readString(QString &value)
{
    quint32 size = 0;
    if (!readU32(size))
        return false;
    if (size == 0xFFFFFFFFu) {
        value = QString();
        return true;
    }
    if ((size & 1) != 0 || !has(size))
        return fail();
    const qsizetype units = size / 2;
    value = QString(units, Qt::Uninitialized);
    qFromBigEndian<char16_t>(cursor(), units, value.data());
    m_pos += size;
    return true;
}

bool RecordReader::readCompactUnits(char16_t *units, QStringView &value)
{
    quint16 size = 0;
    if (!readU16(size))
        return false;
    if (!has(size))
        return fail();
    value = QStringView(units, decodeCompactUnits(reinterpret_cast<const char *>(cursor()), size, units));
    m_pos += size;
    return true;
}

bool RecordReader::readCompactBytes(QByteArrayView &bytes)
{
    quint16 size = 0;
    if (!readU16(size))
        return false;
    if (!has(size))
        return fail();
    bytes = QByteArrayView(m_data.constData() + m_pos, size);
    m_pos += size;
    return true;
}

bool RecordReader::skipCompact()
{
    QByteArrayView bytes;
    return readCompactBytes(bytes);
}

bool RecordReader::readCompact(QString &value)
{
    quint16 size = 0;
    if (!readU16(size))
        return false;
    if (!has(size))
        return fail();
    value = decodeCompact(reinterpret_cast<const char *>(cursor()), size);
    m_pos += size;
    return true;
}
