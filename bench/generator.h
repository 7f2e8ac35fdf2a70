#pragma once

#include <QString>

class Dictionary;

// Fills a store with `count` generated entries that look like a real Hebrew
// dictionary: pointed words of three to eight letters (final letters at the
// end, few homographs), one to three English meanings, about a fifth verbs, a third nouns
// with gender, number and sometimes a plural, adjectives and particles.
// The same seed gives the same dictionary.
void generateDictionary(Dictionary &dictionary, int count, quint32 seed = 1);

// A random pointed Hebrew word as the generator makes them.
QString generatedWord(quint32 seed);
