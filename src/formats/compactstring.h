#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The compact string encoding of dictionary files: one byte per UTF-16 code
// unit while its high byte stays the same, an escape (00, high byte) before a
// unit whose high byte differs. Units whose low byte is 0x00 are always
// written with their escape (00, high, 00), since a bare 0x00 would read as an
// escape; every other text gets exactly the classic bytes.
QByteArray encodeCompact(QStringView text);
// Appends the encoding of text to out; returns its size in bytes.
qsizetype appendCompact(QByteArray &out, QStringView text);

// Decodes compact bytes; an escape cut off by the end of the data ends the text.
QString decodeCompact(const char *data, qsizetype size);
// The same into units (room for size of them); returns how many.
qsizetype decodeCompactUnits(const char *data, qsizetype size, char16_t *units);

// Length (in code units) of the longest prefix of text that ends on a
// character boundary and encodes in at most maxBytes bytes.
qsizetype compactPrefixLength(QStringView text, qsizetype maxBytes);
