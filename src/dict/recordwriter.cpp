#include "recordwriter.h"

#include "compactstring.h"
#include "dictlog.h"

#include <QtEndian>

namespace {
constexpr qsizetype MaxCompactBytes = 0xFFFF;
}

RecordWriter::RecordWriter(QByteArray &out)
    : m_out(out)
{ }

void RecordWriter::writeU8(quint8 value)
{
    m_out.append(char(value));
}

void RecordWriter::writeU16(quint16 value)
{
    char buf[2];
    qToBigEndian(value, buf);
    m_out.append(buf, 2);
}

void RecordWriter::writeU32(quint32 value)
{
    char buf[4];
    qToBigEndian(value, buf);
    m_out.append(buf, 4);
}

void RecordWriter::writeBytes(const QByteArray &value)
{
    writeU32(quint32(value.size()));
    m_out.append(value);
}

void RecordWriter::writeCompact(const QString &value)
{
    // the size goes before the bytes: written once they are known
    const qsizetype sizeAt = m_out.size();
    writeU16(0);
    qsizetype size = appendCompact(m_out, value);
    if (size > MaxCompactBytes) {
        const QStringView text = QStringView(value).left(compactPrefixLength(value, MaxCompactBytes));
        qCWarning(lcDict) << "DICT: text too long for the file, shortened from" << value.size() << "to" << text.size()
                          << "characters";
        m_out.resize(sizeAt + 2);
        size = appendCompact(m_out, text);
    }
    qToBigEndian(quint16(size), m_out.data() + sizeAt);
}
