#pragma once

#include <QByteArrayView>
#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

// The letters of a text, lower-cased, ё as е; it orders the store and
// decides exact and prefix lookups, so pointed and unpointed Hebrew, and
// Russian with or without its stress marks and ё, give the same key.
QString makeSearchKey(const QString &text);
// Writes the search key of a text to out (room for text.size() units) and
// returns its length: the key without a QString, for walking many words.
qsizetype writeSearchKey(QStringView text, char16_t *out);
// How the search key of a word compares with a text (<0, 0, >0), unit by
// unit, without making the key.
int compareSearchKey(QStringView word, QStringView text);
// How the search keys of two words compare.
int compareSearchKeys(QStringView a, QStringView b);
// The same two for a word still compact-encoded (as a file's record holds
// it), decoded only as far as the comparison needs.
int compareCompactSearchKey(QByteArrayView word, QStringView text);
int compareCompactSearchKeys(QByteArrayView a, QByteArrayView b);
// Two keys (or any texts) unit by unit, as QString orders them; quicker than
// the general comparison on the short words of a dictionary.
int compareUnits(QStringView a, QStringView b);

// How many units two texts share from their start.
inline int commonPrefixLength(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return int(i);
}

// Where the lookup of a key lands among sorted keys: the first key that
// begins with it, or else the length of the first key sharing the longest
// start with it.
struct PrefixMatch
{
    // position of that key, -1 when none begins with the key looked up
    int position = -1;
    int matchLength = 0;
};

// The landing, told by the keys around the looked-up key's place: the
// first key not below it (at position lowerBound, -1 past the end) and the
// one before (null at the start). Sorted keys share ever longer starts with
// the key up to its place and ever shorter ones after it, so these two
// decide; boundLength(n) gives the length of the first key not below the
// key's first n units.
template <typename BoundLength>
PrefixMatch longestPrefix(
    QStringView key, int lowerBound, QStringView atBound, QStringView beforeBound, BoundLength boundLength)
{
    if (lowerBound >= 0 && atBound.startsWith(key))
        return PrefixMatch{lowerBound, int(atBound.size())};
    int best = beforeBound.isNull() ? 0 : commonPrefixLength(key, beforeBound);
    if (lowerBound >= 0)
        best = qMax(best, commonPrefixLength(key, atBound));
    return PrefixMatch{-1, best > 0 ? boundLength(best) : 0};
}

// One dictionary entry: a foreign word with its search key, its meanings in up
// to four user languages, word type, grammatical flags, keyed extra texts and
// the two trainer counters. A plain value type; equality compares ids only,
// which is how the store finds entries to replace or delete.
class Entry
{
public:
    enum WordType {
        TypeUnset = 0,
        Noun = 1,
        Verb = 2,
        Adjective = 3,
        Adverb = 4,
        Numeral = 5,
        Pronoun = 6,
        Conjunction = 7,
        Preposition = 8
    };
    static constexpr int WordTypeCount = 9;

    enum Flag : quint32 {
        FlagMasculine = 1,
        FlagFeminine = 2,
        FlagSingular = 4,
        FlagPlural = 8,
        FlagTransitive = 64,
        FlagIntransitive = 128,
        FlagIncomplete = 256,
        FlagIsName = 512,
        // a verb's aspect, where the language has aspect pairs (Russian)
        FlagPerfective = 1024,
        FlagImperfective = 2048
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    enum TextKey : quint32 {
        TextLegacy = 1,
        TextInfinitive = 2,
        TextPlural = 3,
        // how the word is said, in Latin letters with the stress marked
        TextPronunciation = 4,
        // a noun's genitive singular (Russian)
        TextGenitive = 5,
        // a verb's aspect partner (Russian)
        TextPartner = 6,
        TextRoot = 7,
        // a verb's present tense form or stem (Arabic, Persian)
        TextPresent = 8,
        // a verb's verbal noun (Arabic)
        TextVerbalNoun = 9,
        // a verb's past stem (Persian)
        TextPast = 10,
        // how often the word is met, per million words of running text
        TextFrequency = 11,
        // user language k (1..3) is stored under TextUserBase + k
        TextUserBase = 16
    };

    struct KeyedText
    {
        quint32 key = 0;
        QString text;
        bool operator==(const KeyedText &other) const { return key == other.key && text == other.text; }
    };

    explicit Entry(int id = 0);
    // An empty translation becomes "???" and marks the entry incomplete.
    Entry(const QString &word, const QString &translation, int id);

    bool operator==(const Entry &other) const { return m_id == other.m_id; }
    bool operator!=(const Entry &other) const { return m_id != other.m_id; }

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

    const QString &word() const { return m_word; }
    void setWord(const QString &word) { m_word = word; }
    // The key the store orders and finds entries by: makeSearchKey(word).
    // It is made when asked for, not kept: a dictionary holds a million.
    QString searchKey() const { return makeSearchKey(m_word); }

    const QString &translation() const { return m_translation; }
    void setTranslation(const QString &translation) { m_translation = translation; }

    int wordType() const { return m_wordType; }
    void setWordType(int type) { m_wordType = type; }

    quint32 flags() const { return m_flags; }
    void setFlags(quint32 flags) { m_flags = flags; }
    bool hasFlag(quint32 flag) const { return (m_flags & flag) != 0; }

    qint8 learnedForward() const { return m_learnedForward; }
    qint8 learnedBackward() const { return m_learnedBackward; }
    // Marked for the trainer: a counter of 0 or more.
    bool isLearned() const { return m_learnedForward >= 0 || m_learnedBackward >= 0; }
    void setLearnCounters(qint8 forward, qint8 backward);

    const QList<KeyedText> &texts() const { return m_texts; }
    QString text(quint32 key) const;
    bool hasText(quint32 key) const;
    void appendText(quint32 key, const QString &text);
    void setText(quint32 key, const QString &text);
    bool removeText(quint32 key);

    // User language 0 is the translation field, k = 1..3 the text 16 + k.
    bool hasTranslation(int k) const;
    QString userTranslation(int k, bool fallback) const;
    // Falls back to the main translation and then sets k to 0, so the
    // caller learns which language the answer is in.
    QString userTranslation(int &k) const;

    int letterCount() const;

    // Untranslated labels of the word types, index = wordType ("???", "Noun", ...).
    static const QStringList &typeLabels();
    // Label of a type, or an empty string outside 0..8.
    static QString typeLabel(int type);
    // The label in the user's language, as the pages show it.
    static QString typeName(int type);
    // Type of a label, -1 when the label names none.
    static int typeOfLabel(const QString &label);

private:
    // the small fields first, so the entry packs without gaps
    int m_id = 0;
    int m_wordType = TypeUnset;
    quint32 m_flags = 0;
    qint8 m_learnedForward = -1;
    qint8 m_learnedBackward = -1;
    QString m_word;
    QString m_translation;
    QList<KeyedText> m_texts;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Entry::Flags)

// Splits a translation into meanings at "," and ";" outside parentheses;
// parenthesised text is dropped.
QStringList splitMeanings(const QString &translation);

// The same meanings, each handed to f as a view valid during the call,
// for walks over many entries without a list per entry.
template <typename F> void forEachMeaning(QStringView translation, F &&f)
{
    QVarLengthArray<QChar, 128> piece;
    const auto flush = [&piece, &f] {
        if (!piece.isEmpty())
            f(QStringView(piece.constData(), piece.size()).trimmed());
        piece.clear();
    };
    bool inParentheses = false;
    for (QChar c : translation) {
        if (inParentheses)
            inParentheses = c != u')';
        else if (c == u'(')
            inParentheses = true;
        else if (c == u',' || c == u';')
            flush();
        else
            piece.append(c);
    }
    flush();
}
