#pragma once

#include <QString>

class Dictionary;

// Fills a store with `count` generated entries that look like a real Hebrew
// dictionary: pointed words of three to eight letters (final letters at the
// end, few homographs), one to three English meanings, about a fifth verbs, a third nouns
// with gender, number and sometimes a plural, adjectives and particles.
// The verbs follow the patterns of the seven binyanim, so they conjugate.
// The same seed gives the same dictionary.
void generateDictionary(Dictionary &dictionary, int count, quint32 seed = 1);

// A text of `words` words taken from the dictionary: verbs in one of their
// generated forms, some nouns in the plural, some words with a prefix
// letter, with commas, full stops and line feeds between them.
QString generateText(const Dictionary &dictionary, int words, quint32 seed = 2);
