#pragma once

#include "hebrewanalyser.h"

#include <QMultiHash>
#include <QStringList>

class Dictionary;
class English;

// Glosses Hebrew text word by word in the dictionary's first user language:
// the text is cut into sentences and tokens, each Hebrew token analysed
// into its readings, runs of unambiguous words joined, dictionary phrases
// put in place of the words they cover, and every reading rendered from the
// first meaning of its entries (English nouns in the plural, verbs in the
// tense of the Hebrew form). Builds the form index of the dictionary once,
// on construction; make a new translator after the dictionary changed.
class PhraseTranslator
{
public:
    // english may be null: verbs and nouns then keep their dictionary form.
    PhraseTranslator(const Dictionary *dictionary, const English *english);

    QString translateText(const QString &text) const;
    // The entries a written word's readings point to (the word itself, not
    // its prefix letters), each once, in reading order.
    QList<int> entriesOfWord(const QString &word) const;

    // Sentences of tokens; a line feed ends the sentence and adds an empty one.
    static QList<QStringList> tokenize(const QString &text);

private:
    using Alternatives = QList<Reading>;

    QList<Alternatives> analyseSentence(const QStringList &tokens) const;
    static void mergeSingleAlternatives(QList<Alternatives> &positions);
    void matchPhrases(QList<Alternatives> &positions) const;
    Reading withPhrases(const Reading &reading) const;
    QString describeAlternative(const Reading &reading) const;
    QString describeMatch(const WordMatch &match) const;
    QString translateSentence(const QStringList &tokens) const;

    const Dictionary *m_dictionary;
    const English *m_english;
    HebrewAnalyser m_hebrew;
    // meanings come from each entry's main translation
    int m_userLanguage = 0;
    // entry id of a phrase's first word -> the phrase
    QMultiHash<int, PhraseMatch> m_phraseIndex;
};
