#include "hebrew.h"

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

void Hebrew::makeFinal(QString &s)
{
    if (!s.isEmpty() && hasFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() - 1);
}

QString Hebrew::finalForm(const QString &s)
{
    QString copy = s;
    makeFinal(copy);
    return copy;
}

void Hebrew::makeMedial(QString &s)
{
    if (!s.isEmpty() && isFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() + 1);
}

QString Hebrew::medialForm(const QString &s)
{
    QString copy = s;
    makeMedial(copy);
    return copy;
}

void Hebrew::stripPoints(QString &s)
{
    s.removeIf([](QChar c) { return isPoint(c); });
}

QString Hebrew::withoutPoints(const QString &s)
{
    QString copy = s;
    stripPoints(copy);
    return copy;
}
