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
    QStringView text(value);
    qsizetype size = compactSize(text);
    if (size > MaxCompactBytes) {
        text = text.left(compactPrefixLength(text, MaxCompactBytes));
        qCWarning(lcDict) << "DICT: text too long for the file, shortened from" << value.size() << "to" << text.size()
                          << "characters";
        size = compactSize(text);
    }
    writeU16(quint16(size));
    appendCompact(m_out, text);
}
