#include "hebrewtext.h"

namespace {

bool hasFinalForm(char16_t u)
{
    return u == 0x05DB || u == 0x05DE || u == 0x05E0 || u == 0x05E4 || u == 0x05E6;
}

bool isFinalForm(char16_t u)
{
    return u == 0x05DA || u == 0x05DD || u == 0x05DF || u == 0x05E3 || u == 0x05E5;
}

} // namespace

namespace HebrewText {

bool isMark(QChar c)
{
    return c.unicode() >= 0x0591 && c.unicode() <= 0x05C7 && c.category() == QChar::Mark_NonSpacing;
}

void makeFinal(QString &s)
{
    // each final letter stands just before its medial form
    if (!s.isEmpty() && hasFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() - 1);
}

QString finalForm(const QString &s)
{
    QString copy = s;
    makeFinal(copy);
    return copy;
}

void makeMedial(QString &s)
{
    if (!s.isEmpty() && isFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() + 1);
}

QString medialForm(const QString &s)
{
    QString copy = s;
    makeMedial(copy);
    return copy;
}

void stripPoints(QString &s)
{
    s.removeIf([](QChar c) { return isPoint(c); });
}

QString withoutPoints(const QString &s)
{
    QString copy = s;
    stripPoints(copy);
    return copy;
}

QString withoutMarks(const QString &s)
{
    QString copy = s;
    copy.removeIf([](QChar c) { return isMark(c); });
    return copy;
}

} // namespace HebrewText

bool anyHebrewChar(const QString &text)
{
    for (QChar c : text) {
        if ((c.unicode() >> 8) == 0x05)
            return true;
    }
    return false;
}
