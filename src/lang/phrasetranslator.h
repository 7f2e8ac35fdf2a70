#pragma once

#include "hebrewanalyser.h"

#include <QMultiHash>
#include <QStringList>

class Dictionary;
class Entry;
class English;

// One way to read a written word, as the gloss shows it.
struct GlossReading
{
    // the prefix letters read off the word ("ו", "כש"), in order, and their glosses ("and", "when")
    QStringList prefixes;
    QStringList prefixGlosses;
    // the entry the word is read as, or the phrase it begins; 0 for none
    int entryId = 0;
    int wordType = 0;
    int grammar = 0;
    // the entry's word as the dictionary writes it; a bare preposition with
    // a pronoun ending has its letter (לכם: ל); empty when the word is unknown
    QString lemma;
    // the meaning in the word's form ("books", "we wrote", "your sister")
    QString gloss;
    // words of the text the reading covers: more than one for a phrase
    int length = 1;

    bool isKnown() const { return !lemma.isEmpty(); }
    // the prefixes' glosses and the gloss: "and when we returned"
    QString text() const;
};

// A token of the text with its readings.
struct GlossedWord
{
    QString token;
    // likeliest first; none for punctuation, numbers and other scripts
    QList<GlossReading> readings;
    // in a phrase after its first word: how many words back the phrase
    // starts (its reading is the first word's); else 0
    int phraseOffset = 0;
};

// Glosses Hebrew text word by word in the dictionary's first user language.
// Each Hebrew token is analysed into its readings, ordered by how common
// their entries are (a reading through prefix letters or in the construct
// state counting less, a word the dictionary lists whole read whole); a
// word the analyser does not know may be a noun or a preposition with a
// pronoun ending, a noun in the dual, an adjective's feminine in tav or a
// letter with a geresh (its number). Dictionary phrases take the words they
// cover, the longest first, also after prefixes and with nouns in any form
// (ובתי הספר); a few context rules (applyContextRules) settle the words
// that are ambiguous all the time. Readings are rendered from a meaning of
// their entries, with the prefixes glossed (English nouns in the plural,
// verbs in the tense and person of the Hebrew form). Builds the form index
// of the dictionary once, on construction; make a new translator after the
// dictionary changed.
class PhraseTranslator
{
public:
    // english may be null: verbs and nouns then keep their dictionary form.
    PhraseTranslator(const Dictionary *dictionary, const English *english);

    // The gloss of every token, a list per line of the text.
    QList<QList<GlossedWord>> glossLines(const QString &text) const;
    // The gloss as running text: per sentence, words of one reading on a
    // line together, a word of several on a line of its own ("a / b").
    QString translateText(const QString &text) const;
    // The entries a written word's readings point to (the word itself, not
    // its prefix letters), each once, in reading order.
    QList<int> entriesOfWord(const QString &word) const;

    // Sentences of tokens; a line feed ends the sentence and adds an empty one.
    static QList<QStringList> tokenize(const QString &text);

private:
    // A reading while the gloss is made: the analyser's matches, how likely
    // it is, and what a phrase or a context rule chose.
    struct Candidate
    {
        QStringList prefixes;
        WordMatch match;
        // a pronoun ending: its word before the gloss ("your") or after it ("you")
        QString before;
        QString after;
        int length = 1;
        // read through its ending (ספרי as ספרים): a construct form
        bool throughEnding = false;
        // a plural read as spelt with a yod more or less (השניים as השנים)
        bool otherSpelling = false;
        // the meaning a context rule chose; empty: the entry's first
        QString meaning;
        double weight = 0;
    };
    using Candidates = QList<Candidate>;

    // A dictionary phrase: its words' letters, and per word the nouns it
    // may be in another form (בתי for בית).
    struct Phrase
    {
        int entryId = 0;
        QStringList words;
        QList<QList<int>> nouns;
        double weight = 0;
    };

    void indexPhrases();
    double frequency(int entryId) const;
    Candidates candidatesOf(const QString &token) const;
    Candidates fromReadings(const QList<Reading> &readings, const QString &letters = QString()) const;
    double weightOf(const Candidate &candidate) const;
    bool isListedForm(const Candidate &candidate, const QString &letters) const;
    void listedFormsFirst(Candidates &candidates, const QString &letters) const;
    Candidates withPronounEnding(const QString &letters) const;
    Candidates inTheDual(const QString &letters) const;
    static Candidates letterPreposition(const QString &stem, const QString &object);
    Candidates feminineInTav(const QString &letters) const;
    Candidates withYodDoubled(const QString &letters) const;
    static void orderByWeight(Candidates &candidates);
    void joinPhrases(QList<Candidates> &words, const QStringList &tokens) const;
    int phraseLength(const Phrase &phrase, const QList<Candidates> &words, const QStringList &tokens, int at) const;
    bool phraseWordMatches(const Phrase &phrase, int index, const Candidates &word, const QString &token) const;
    void applyContextRules(QList<Candidates> &words, const QStringList &tokens) const;
    void applyWordRules(QList<Candidates> &words, const QStringList &tokens, int at) const;
    template <typename Predicate> static bool moveFirst(Candidates &word, Predicate wanted);
    bool isDefinite(const QList<Candidates> &words, int at) const;
    bool takesNoun(const Candidate &word) const;
    static bool secondPersonFirst(Candidates &word);
    bool agrees(const Candidate &noun, const Candidate &adjective) const;
    bool followsVerbOfSaying(const QList<Candidates> &words, const QStringList &tokens, int at) const;
    QString prefixGloss(const QString &letters) const;
    GlossReading render(const Candidate &candidate) const;
    QString glossOf(const Candidate &candidate, const Entry &entry) const;
    QList<GlossedWord> glossTokens(const QStringList &tokens) const;

    const Dictionary *m_dictionary;
    const English *m_english;
    HebrewAnalyser m_hebrew;
    // meanings come from each entry's main translation
    int m_userLanguage = 0;
    QList<Phrase> m_phrases;
    // a phrase's first word: its letters, and a noun it may be in another form
    QMultiHash<QString, int> m_phrasesByLetters;
    QMultiHash<int, int> m_phrasesByNoun;
};
