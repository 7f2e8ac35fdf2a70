#pragma once

#include "review.h"

#include <QString>
#include <QStringList>

class Dictionary;
class Entry;

// Whether a typed answer to a question of the trainer is right. A learner
// who knows the word must not be told wrong: every meaning of the entry
// counts, and so does every answer to an entry that the question could as
// well have meant (a homograph of the asked word, a synonym sharing the
// asked meaning). Answers are compared folded: case, spaces, punctuation,
// vowel points and stress marks, a verb's leading "to", Hebrew final letter
// forms and the Arabic and Persian letter variants keyboards type differ
// no more. One letter wrong, missing or extra is "almost", unless what was
// typed is another word of the dictionary.
class AnswerCheck
{
public:
    enum class Verdict { Right, Almost, Wrong };

    // Meanings are those of the user language with this index.
    AnswerCheck(const Dictionary &dictionary, int userLanguage);

    // pointsShown: the question showed the word with its points, which
    // tell it from its homographs; these then are not meant.
    Verdict check(const Entry &entry, Direction direction, const QString &typed, bool pointsShown = false) const;
    // The answers the question accepts as they are stored, the entry's own first.
    QStringList accepted(const Entry &entry, Direction direction, bool pointsShown = false) const;

    // The form in which answers are compared.
    static QString folded(const QString &text);
    // True when one letter replaced, left out or added turns a into b.
    static bool oneLetterOff(QStringView a, QStringView b);

private:
    bool isAnotherWord(Direction direction, const QString &typed) const;

    const Dictionary &m_dictionary;
    int m_userLanguage;
};
