#pragma once

#include "formindex.h"
#include "language.h"
#include "phrasematch.h"
#include "wordmatch.h"

#include <QString>

class Dictionary;
class Entry;

// Hebrew: the 27 letters U+05D0..U+05EA, right to left, no neuter; the
// Hebrew text helpers; and the form index, a multi-valued map from unpointed
// word forms to the entries they belong to with the grammar of each form.
//
// Made with a dictionary, the object indexes every entry of it at once:
// verbs with their conjugation, nouns with their plural, adjectives in four
// forms, every other word in its dictionary form, and multi-word entries as
// phrase records. Editing the dictionary afterwards does not change the
// index; make a new object. Where a form holds several values they are
// visited most recently inserted first.
class Hebrew : public Language
{
public:
    enum Binyan { UnknownBinyan = 0, Paal, Piel, Hifil, Hitpael, Hufal, Pual, Nifal };

    // Bits of the flags argument of analyse.
    enum AnalyseFlag : int {
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
        NominalOnly = 0x400
    };

    explicit Hebrew(const Dictionary *dictionary = nullptr);

    bool isLanguageChar(QChar c) const override { return isLetter(c); }
    bool isRightToLeft() const override { return true; }
    bool hasNeuterGender() const override { return false; }

    static bool isLetter(QChar c) { return c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA; }
    // Sheva to rafe (U+05B0..U+05BF); the shin and sin dots are not points here.
    static bool isPoint(QChar c) { return c.unicode() >= 0x05B0 && c.unicode() <= 0x05BF; }
    static bool isShinSinDot(QChar c) { return c.unicode() == 0x05C1 || c.unicode() == 0x05C2; }
    // The non-spacing marks of the Hebrew block (cantillation, points,
    // dagesh, shin and sin dots, U+0591..U+05C7): they belong to the word.
    static bool isMark(QChar c);

    // Only the last character changes: כ מ נ פ צ to their final forms, or back.
    static void makeFinal(QString &s);
    static QString finalForm(const QString &s);
    static void makeMedial(QString &s);
    static QString medialForm(const QString &s);
    // Removes U+05B0..U+05BF wherever it stands (for display: the shin and
    // sin dots stay).
    static void stripPoints(QString &s);
    static QString withoutPoints(const QString &s);
    // The letters the form index works on: points and the shin and sin dots
    // removed, so a word matches whatever the order of its marks.
    static QString unpointed(const QString &s);
    // Every Hebrew mark removed (isMark), as text is analysed.
    static QString withoutMarks(const QString &s);

    // Binyan of a verb from its pointed dictionary form, 0 when unknown.
    static int detectBinyan(const QString &pointedWord);
    // "Paal" ... "Nifal" for 1..7, "unknown" otherwise.
    static QString binyanName(int binyan);
    // The vowel point after the n-th letter (1-based), 0 when none.
    static ushort pointAfterLetter(const QString &word, int n);
    // Stems of a verb; true when its third root letter is he (the stems then
    // end in he, yod, tav and nothing).
    static bool splitFinalHe(const QString &word, QString &stem, QString &yodStem, QString &tavStem, QString &bareStem);

    void indexVerb(const Entry &entry);
    void buildIndex();
    void indexBaseForm(const Entry &entry);
    void indexNoun(const Entry &entry);
    void indexAdjective(const Entry &entry);
    void indexPhrase(const Entry &entry);

    // The readings of a written word, each a list of matches in reading
    // order. With flags 0 the list is never empty: an unknown word comes back
    // as one reading {100, 0, 0, word}.
    QList<Reading> analyse(const QString &word, int flags) const;

    const FormIndex &forms() const { return m_forms; }
    const QList<PhraseMatch> &phrases() const { return m_phrases; }

private:
    enum Prefix { PrefixHe, PrefixBet, PrefixVav, PrefixKaf, PrefixLamed, PrefixMem, PrefixShin, PrefixCount };

    void insert(const QString &key, const Entry &entry, int code);
    void addArticleReadings(const QString &word, QList<Reading> &readings) const;
    void addPrefixReadings(const QString &word, int flags, QList<Reading> &readings) const;

    const Dictionary *m_dictionary = nullptr;
    FormIndex m_forms;
    QList<PhraseMatch> m_phrases;
    WordMatch m_prefixes[PrefixCount];
};
