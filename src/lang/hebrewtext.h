#pragma once

#include <QChar>
#include <QString>

// The Hebrew text helpers: letters and marks, final and medial letter forms,
// and the removal of vowel points.
namespace HebrewText {

// The 27 letters U+05D0..U+05EA.
inline bool isLetter(QChar c)
{
    return c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA;
}
// Sheva to rafe (U+05B0..U+05BF); the shin and sin dots are not points here.
inline bool isPoint(QChar c)
{
    return c.unicode() >= 0x05B0 && c.unicode() <= 0x05BF;
}
inline bool isShinSinDot(QChar c)
{
    return c.unicode() == 0x05C1 || c.unicode() == 0x05C2;
}
// The non-spacing marks of the Hebrew block (cantillation, points, dagesh,
// shin and sin dots, U+0591..U+05C7): they belong to the word.
bool isMark(QChar c);

// Only the last character changes: כ מ נ פ צ to their final forms, or back.
void makeFinal(QString &s);
QString finalForm(const QString &s);
void makeMedial(QString &s);
QString medialForm(const QString &s);
// Removes U+05B0..U+05BF wherever it stands (for display: the shin and sin
// dots stay).
void stripPoints(QString &s);
QString withoutPoints(const QString &s);
// Every Hebrew mark removed (isMark): the letters the form index works on
// and text is analysed by, whatever the order of a word's marks.
QString withoutMarks(const QString &s);

} // namespace HebrewText

// True when some code unit lies in U+0500..U+05FF.
bool anyHebrewChar(const QString &text);
