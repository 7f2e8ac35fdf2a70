#include "recordwriter.h"

#include "compactstring.h"
#include "model/dictlog.h"

#include <QtEndian>

namespace {
constexpr qsizetype MaxCompactBytes = 0xFFFF;
}

RecordWriter::RecordWriter(QByteArray &out)
    : m_out(out)
{ }

// Growing by resize is far cheaper than an append of a few bytes, which
// goes through a general insertion.
template <typename T> void RecordWriter::writeBigEndian(T value)
{
    const qsizetype at = m_out.size();
    m_out.resize(at + qsizetype(sizeof(T)));
    qToBigEndian(value, m_out.data() + at);
}

void RecordWriter::writeU8(quint8 value)
{
    m_out.append(char(value));
}

void RecordWriter::writeU16(quint16 value)
{
    writeBigEndian(value);
}

void RecordWriter::writeU32(quint32 value)
{
    writeBigEndian(value);
}

void RecordWriter::writeBytes(const QByteArray &value)
{
    writeU32(quint32(value.size()));
    m_out.append(value);
}

void RecordWriter::writeCompact(QStringView value)
{
    // the size goes before the bytes: written once they are known
    const qsizetype sizeAt = m_out.size();
    writeU16(0);
    qsizetype size = appendCompact(m_out, value);
    if (size > MaxCompactBytes) {
        const QStringView text = value.left(compactPrefixLength(value, MaxCompactBytes));
        qCWarning(lcDict) << "text too long for the file, shortened from" << value.size() << "to" << text.size()
                          << "characters";
        m_out.resize(sizeAt + 2);
        size = appendCompact(m_out, text);
    }
    qToBigEndian(quint16(size), m_out.data() + sizeAt);
}
