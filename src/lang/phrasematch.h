#pragma once

#include "wordmatch.h"

// A multi-word dictionary entry: the one reading of each of its words, in
// order, and the match of the phrase entry itself (type 100, grammar 0).
struct PhraseMatch
{
    QList<WordMatch> words;
    WordMatch phrase;
};
