#pragma once

#include <QList>
#include <QString>

// One reading of a Hebrew word form: the word type and grammatical bits of
// the form, the dictionary entry it belongs to (0 for none) and, for a
// prefix or a word not in the dictionary, its letters.
struct WordMatch
{
    // wordType of a phrase or of a word that is not in the dictionary
    static constexpr int Unknown = 100;

    int wordType = 0;
    int grammar = 0;
    int entryId = 0;
    QString text;

    bool operator==(const WordMatch &other) const
    {
        return wordType == other.wordType && grammar == other.grammar && entryId == other.entryId && text == other.text;
    }
};

// One reading of a whole word: its matches in reading order (prefix letters first).
using Reading = QList<WordMatch>;
