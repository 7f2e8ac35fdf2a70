#pragma once

#include "formindex.h"
#include "phrasematch.h"
#include "wordmatch.h"

#include <QFlags>
#include <QString>

class Dictionary;
class Entry;

// The word analysis of Hebrew text over one dictionary. Made with the
// dictionary, it indexes every entry at once in a form index (verbs with
// their conjugation, nouns with their plural, adjectives in four forms,
// every other word in its dictionary form) and records multi-word entries
// as phrases; the index is frozen from then on, so editing the dictionary
// needs a new analyser. analyse() splits a written word into prefix letters
// and indexed forms.
class HebrewAnalyser
{
public:
    // What analyse has already stripped from a word and what may follow.
    enum AnalyseFlag {
        NoArticle = 0x1,
        NoBet = 0x2,
        NoLamed = 0x4,
        NoVav = 0x8,
        NoKaf = 0x10,
        NoMem = 0x20,
        NoShin = 0x40,
        NoEndings = 0x80,
        InPhrase = 0x100,
        PluralSpelling = 0x200,
        NominalOnly = 0x400,
        // not a restriction: the prefix matches carry their letters as text,
        // and a word read through its ending (a construct form, a plural
        // spelt with one yod or two) the form it was read as, so a gloss can
        // say what it read
        Annotated = 0x800
    };
    Q_DECLARE_FLAGS(AnalyseFlags, AnalyseFlag)

    explicit HebrewAnalyser(const Dictionary *dictionary);

    // The readings of a written word, each a list of matches in reading
    // order. With no flags the list is never empty: an unknown word comes
    // back as one reading {100, 0, 0, word}. The letters alone decide what
    // matches; a pointed word's points only order the readings: those whose
    // form is pointed as the word is (a verb's generated form, another
    // word's stored one) come first, the others after in their order.
    QList<Reading> analyse(const QString &word, AnalyseFlags flags = {}) const;

    const FormIndex &forms() const { return m_forms; }
    const QList<PhraseMatch> &phrases() const { return m_phrases; }

private:
    // the prefix letters, then the conjunctions written as prefixes: כש
    // "when", מש "since", לכש "when (later)"
    enum Prefix {
        PrefixHe,
        PrefixBet,
        PrefixVav,
        PrefixKaf,
        PrefixLamed,
        PrefixMem,
        PrefixShin,
        PrefixKafShin,
        PrefixMemShin,
        PrefixLamedKafShin,
        PrefixCount
    };

    void buildIndex();
    void insert(const QString &key, const Entry &entry, int code);
    void indexBaseForm(const Entry &entry);
    void indexNoun(const Entry &entry);
    void indexAdjective(const Entry &entry);
    void indexVerb(const Entry &entry);
    void indexPhrase(const Entry &entry);
    void addArticleReadings(const QString &word, AnalyseFlags flags, QList<Reading> &readings) const;
    WordMatch prefixMatch(Prefix prefix, AnalyseFlags flags) const;
    void addPrefixReadings(const QString &word, AnalyseFlags flags, QList<Reading> &readings) const;
    void addEndingReadings(const QString &form, AnalyseFlags flags, QList<Reading> &readings) const;
    bool isPointedAs(const WordMatch &match, const QString &pointedWord) const;
    QList<Reading> orderedByPoints(const QString &pointed, QList<Reading> readings) const;

    const Dictionary *m_dictionary;
    FormIndex m_forms;
    QList<PhraseMatch> m_phrases;
    WordMatch m_prefixes[PrefixCount];
};

Q_DECLARE_OPERATORS_FOR_FLAGS(HebrewAnalyser::AnalyseFlags)
