#pragma once

#include "conjugation.h"

#include <QString>

#include <array>

// The pointing of a verb's generated forms in modern standard pointing:
// the vowels of each slot come from the patterns of the verb's binyan and
// root class in the traditional pointing, which is then spelt in full with
// the paradigm's own letters (matres lectionis bare, a doubled vav or yod
// pointed on its first letter: דִּיבֵּר, מְקַוֶּוה), with dagesh and the
// shin and sin dots, and the stressed syllable. A written form the patterns
// cannot be matched to gets no pointing (an empty text), never a wrong
// letter.
class VerbPointing
{
public:
    struct Pointed
    {
        QString text;
        // the stressed syllable counted from the end, 1 = last; 0 with no text
        int stress = 0;
    };

    // storedWord: the dictionary form as the entry stores it; its own
    // points, where it has them, are the past 3sg m's and tell shin from sin.
    explicit VerbPointing(const Conjugation::Verb &verb, const QString &storedWord = QString());

    // The pointing of a form the paradigm wrote for the slot `code`; the
    // past 2sg reads its gender from the code, masculine where none is given.
    Pointed point(int code, const QString &written) const;

    // The patterns of one verb, slot by slot (see the .cpp for their notation).
    struct Patterns
    {
        QString letters;
        QString infinitive;
        // the infinitive as some write it, tried when the letters are not the first's
        QString otherInfinitive;
        // 1sg, 2sg m, 2sg f, 3sg m, 3sg f, 1pl, 2pl m, 2pl f, 3pl
        std::array<QString, 9> past;
        // m.sg, f.sg, m.pl, f.pl
        std::array<QString, 4> present;
        // 1sg, 2sg m, 2sg f, 3sg m, 3sg f, 1pl, 2pl, 3pl
        std::array<QString, 8> future;
        // sg m, sg f, pl
        std::array<QString, 3> imperative;
    };

private:
    const QString *patternFor(int code) const;
    Pointed pointWith(const QString &pattern, const QString &written) const;

    Patterns m_patterns;
    bool m_sin = false;
    QString m_storedPast;
};
