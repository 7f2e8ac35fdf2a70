#pragma once

#include "language.h"

// Hebrew: the 27 letters U+05D0..U+05EA, right to left, no neuter; and the
// Hebrew text helpers (final letters, vowel points).
class Hebrew : public Language
{
public:
    bool isLanguageChar(QChar c) const override { return isLetter(c); }
    bool isRightToLeft() const override { return true; }
    bool hasNeuterGender() const override { return false; }

    static bool isLetter(QChar c) { return c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA; }
    // Sheva to rafe (U+05B0..U+05BF); the shin and sin dots are not points here.
    static bool isPoint(QChar c) { return c.unicode() >= 0x05B0 && c.unicode() <= 0x05BF; }

    // Only the last character changes: כ מ נ פ צ to their final forms, or back.
    static void makeFinal(QString &s);
    static QString finalForm(const QString &s);
    static void makeMedial(QString &s);
    static QString medialForm(const QString &s);
    // Removes U+05B0..U+05BF wherever it stands.
    static void stripPoints(QString &s);
    static QString withoutPoints(const QString &s);
};
