#include "compactstring.h"

namespace {

// Bytes that unit u adds after a unit with high byte `high`; updates `high`.
int unitCost(char16_t u, uchar &high)
{
    const uchar unitHigh = uchar(u >> 8);
    if (unitHigh != high || (u & 0xFF) == 0) {
        high = unitHigh;
        return 3;
    }
    return 1;
}

} // namespace

QByteArray encodeCompact(QStringView text)
{
    QByteArray out;
    appendCompact(out, text);
    return out;
}

qsizetype appendCompact(QByteArray &out, QStringView text)
{
    // room for the worst case, three bytes a unit; the rest is cut off after
    const qsizetype start = out.size();
    out.resize(start + 3 * text.size());
    char *const begin = out.data() + start;
    char *p = begin;
    uchar high = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (unitCost(u, high) == 3) {
            *p++ = '\0';
            *p++ = char(high);
        }
        *p++ = char(u & 0xFF);
    }
    out.resize(start + (p - begin));
    return p - begin;
}

QString decodeCompact(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    text.truncate(decodeCompactUnits(data, size, reinterpret_cast<char16_t *>(text.data())));
    return text;
}

qsizetype decodeCompactUnits(const char *data, qsizetype size, char16_t *units)
{
    qsizetype n = 0;
    ushort high = 0;
    for (qsizetype i = 0; i < size; ++i) {
        uchar b = uchar(data[i]);
        if (b == 0) {
            if (i + 2 >= size)
                break;
            high = uchar(data[i + 1]);
            b = uchar(data[i + 2]);
            i += 2;
        }
        units[n++] = char16_t((high << 8) | b);
    }
    return n;
}

qsizetype compactPrefixLength(QStringView text, qsizetype maxBytes)
{
    uchar high = 0;
    qsizetype bytes = 0;
    qsizetype boundary = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes += unitCost(text[i].unicode(), high);
        if (bytes > maxBytes)
            break;
        // never cut between the two halves of a surrogate pair
        if (!(text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()))
            boundary = i + 1;
    }
    return boundary;
}
