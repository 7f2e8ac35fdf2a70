#include "hebrewanalyser.h"

#include "conjugation.h"
#include "grammarcode.h"
#include "hebrewletters.h"
#include "hebrewtext.h"
#include "langlog.h"

#include "model/dictionary.h"

using namespace HebrewLetter;
using namespace HebrewText;

namespace {

// Prefixes with their word types, in the order of the Prefix enum.
struct PrefixWord
{
    const char16_t *letters;
    int wordType;
};
constexpr PrefixWord PrefixWords[] = {
    {u"\u05D4", Entry::Preposition},
    {u"\u05D1", Entry::Preposition},
    {u"\u05D5", Entry::Conjunction},
    {u"\u05DB", Entry::Conjunction},
    {u"\u05DC", Entry::Preposition},
    {u"\u05DE", Entry::Preposition},
    {u"\u05E9", Entry::Preposition},
    {u"\u05DB\u05E9", Entry::Conjunction},
    {u"\u05DE\u05E9", Entry::Conjunction},
    {u"\u05DC\u05DB\u05E9", Entry::Conjunction},
};

// The four forms of an adjective: m.sg, f.sg, m.pl, f.pl.
constexpr int AdjectiveCodes[] = {GrammarCode::MasculineSingular, GrammarCode::FeminineSingular,
    GrammarCode::MasculinePlural, GrammarCode::FemininePlural};

// The nominal-only rule keeps a direct match unless its word type has this
// bit: verbs, adjectives, pronouns and conjunctions (2, 3, 6, 7) share it,
// so after ב, ל, מ or כ only nouns, adverbs, numerals and prepositions stay,
// and the pronouns, which a preposition takes too (בכל, לזה, במה).
constexpr int VerbalTypeBit = 0x2;

} // namespace

HebrewAnalyser::HebrewAnalyser(const Dictionary *dictionary)
    : m_dictionary(dictionary)
{
    for (int p = 0; p < PrefixCount; ++p) {
        const QString letters = QString::fromUtf16(PrefixWords[p].letters);
        const QList<Entry> found = m_dictionary ? m_dictionary->findExact(letters, 1) : QList<Entry>();
        // the letters go with the match: a dictionary need not hold its prefixes
        m_prefixes[p] = WordMatch{PrefixWords[p].wordType, 0, found.isEmpty() ? 0 : found.first().id(), letters};
    }
    buildIndex();
}

void HebrewAnalyser::insert(const QString &key, const Entry &entry, int code)
{
    m_forms.insert(key, WordMatch{entry.wordType(), code, entry.id(), QString()});
}

void HebrewAnalyser::buildIndex()
{
    if (!m_dictionary) {
        m_forms.finish();
        return;
    }
    // about six forms an entry in a dictionary with a fifth verbs
    m_forms.reserve(6 * m_dictionary->count());
    QList<Entry> phrases;
    for (int i = 0; i < m_dictionary->count(); ++i) {
        const Entry e = m_dictionary->entryAt(i);
        if (e.word().contains(u' ')) {
            phrases.append(e);
            continue;
        }
        switch (e.wordType()) {
        case Entry::Noun: indexNoun(e); break;
        case Entry::Verb: indexVerb(e); break;
        case Entry::Adjective: indexAdjective(e); break;
        default: indexBaseForm(e);
        }
    }
    // phrases are analysed on the finished index of the single words
    m_forms.finish();
    for (const Entry &phrase : std::as_const(phrases))
        indexPhrase(phrase);
}

void HebrewAnalyser::indexVerb(const Entry &entry)
{
    const QList<Paradigm::Form> forms = Conjugation::verbForms(entry);
    for (const Paradigm::Form &form : forms)
        insert(form.text, entry, form.code);
}

void HebrewAnalyser::indexBaseForm(const Entry &entry)
{
    // one-letter words are the prefix letters, matched on their own
    const QString w = withoutMarks(entry.word());
    if (w.size() > 1)
        insert(w, entry, int(entry.flags()));
}

void HebrewAnalyser::indexNoun(const Entry &entry)
{
    indexBaseForm(entry);
    const QString plural = withoutMarks(entry.text(Entry::TextPlural));
    if (!plural.isEmpty()) {
        insert(plural, entry, GrammarCode::Plural);
        return;
    }
    if (entry.hasFlag(Entry::FlagPlural))
        return;
    QString stem = medialForm(withoutMarks(entry.word()));
    if (entry.hasFlag(Entry::FlagFeminine)) {
        if (stem.endsWith(He))
            stem.chop(1);
        stem += QString(Vav) + Tav;
    } else {
        stem += QString(Yod) + FinalMem;
    }
    insert(stem, entry, GrammarCode::Plural);
}

void HebrewAnalyser::indexAdjective(const Entry &entry)
{
    const QString w = withoutMarks(entry.word());
    QString stem = medialForm(w);
    // עברי, עברית; but the passive עשוי, עשויה
    const bool inYod = w.endsWith(Yod) && !w.endsWith(QStringView(u"\u05D5\u05D9"));
    QString feminine = stem + (inYod ? Tav : He);
    // a stored plural in -im gives the stem the endings go on; where it
    // drops the he, so does the feminine (יפה, יפים; but גבוה, גבוהה)
    const QString plural = withoutMarks(entry.text(Entry::TextPlural));
    if (plural.endsWith(QStringView(u"\u05D9\u05DD")) && plural.size() > 2) {
        stem = plural.chopped(2);
        if (w.endsWith(He) && !stem.endsWith(He))
            feminine = w;
    }
    insert(w, entry, AdjectiveCodes[0]);
    insert(feminine, entry, AdjectiveCodes[1]);
    insert(stem + Yod + FinalMem, entry, AdjectiveCodes[2]);
    insert(stem + Vav + Tav, entry, AdjectiveCodes[3]);
}

void HebrewAnalyser::indexPhrase(const Entry &entry)
{
    qCDebug(lcLang) << "phrase:" << entry.word();
    const QStringList parts = entry.word().split(u' ', Qt::SkipEmptyParts);
    QList<WordMatch> words;
    for (const QString &part : parts) {
        const QList<Reading> readings = analyse(withoutMarks(part), InPhrase);
        // a phrase is recorded only when each of its words reads one way
        if (readings.size() != 1)
            return;
        words += readings.first();
    }
    if (words.isEmpty())
        return;
    qCDebug(lcLang) << "- can combine to single phrase!";
    m_phrases.append(PhraseMatch{words, WordMatch{WordMatch::Unknown, 0, entry.id(), QString()}});
}

QList<Reading> HebrewAnalyser::analyse(const QString &word, AnalyseFlags flags) const
{
    // every mark goes, the qamats qatan of כׇּל (U+05C7) too
    if (std::any_of(word.cbegin(), word.cend(), isMark))
        return orderedByPoints(word, analyse(withoutMarks(word), flags));
    QList<Reading> readings;
    for (const WordMatch &m : m_forms.values(word)) {
        if ((flags & NominalOnly) && (m.wordType & VerbalTypeBit) && m.wordType != Entry::Pronoun)
            continue;
        readings.append(Reading{m});
    }
    if (word.startsWith(He) && !(flags & NoArticle))
        addArticleReadings(word, flags, readings);
    addPrefixReadings(word, flags, readings);

    if (!(flags & NoEndings)) {
        // a construct form in tav, or a plural or dual that lost its final
        // mem (ספרי, שיני): the state of a noun before another, which never
        // takes the article; only nouns and the like lose the mem (not
        // אחרים, דנים)
        const AnalyseFlags construct = flags | NoEndings | NoArticle;
        if (word.endsWith(Tav)) {
            addEndingReadings(word.chopped(1) + He, construct, readings);
        } else if (word.endsWith(Yod)) {
            addEndingReadings(word + FinalMem, construct | NominalOnly, readings);
            addEndingReadings(word + Yod + FinalMem, construct | NominalOnly, readings);
        }
    }

    if (flags & ~Annotated)
        return readings;
    if (word.endsWith(QStringView(u"\u05D9\u05DD"))) {
        // plurals are spelt with one yod or two
        QString variant = word;
        if (word.endsWith(QStringView(u"\u05D9\u05D9\u05DD")))
            variant.remove(variant.size() - 2, 1);
        else
            variant.insert(variant.size() - 1, Yod);
        addEndingReadings(variant, flags | PluralSpelling, readings);
    }
    if (readings.isEmpty())
        readings.append(Reading{WordMatch{WordMatch::Unknown, 0, 0, word}});
    return readings;
}

void HebrewAnalyser::addEndingReadings(const QString &form, AnalyseFlags flags, QList<Reading> &readings) const
{
    for (Reading reading : analyse(form, flags)) {
        if (flags & Annotated)
            reading.last().text = form;
        readings.append(reading);
    }
}

WordMatch HebrewAnalyser::prefixMatch(Prefix prefix, AnalyseFlags flags) const
{
    WordMatch match = m_prefixes[prefix];
    if (flags & Annotated)
        match.text = QString::fromUtf16(PrefixWords[prefix].letters);
    return match;
}

void HebrewAnalyser::addArticleReadings(const QString &word, AnalyseFlags flags, QList<Reading> &readings) const
{
    if (!m_dictionary)
        return;
    // full spelling doubles the first vav after the article: הוועדה
    const QStringView rest = QStringView(word).mid(1);
    const bool doubledVav = rest.startsWith(QStringView(u"\u05D5\u05D5"));
    for (const QStringView form : {rest, doubledVav ? rest.mid(1) : QStringView()}) {
        if (form.isEmpty())
            continue;
        for (const WordMatch &m : m_forms.values(form)) {
            // the demonstratives and numbers take the article too (הספר
            // הזה, השניים), and so does the present, as the relative "who"
            // or "which" (השבוע הבא)
            const int type = m_dictionary->entryById(m.entryId).wordType();
            const bool participle = type == Entry::Verb && (m.grammar & GrammarCode::Present);
            if (type == Entry::Noun || type == Entry::Adjective || type == Entry::Pronoun || type == Entry::Numeral
                || participle)
                readings.append(Reading{prefixMatch(PrefixHe, flags), m});
        }
    }
}

void HebrewAnalyser::addPrefixReadings(const QString &word, AnalyseFlags flags, QList<Reading> &readings) const
{
    // Prefixes in the order tried, each with the flags that forbid it and
    // the flags for the rest of the word: no prefix of the same group twice,
    // nominal readings only after a preposition; after a conjunction (כש,
    // מש, לכש) a verb too, with an article or a preposition.
    struct StrippedPrefix
    {
        Prefix prefix;
        AnalyseFlags blockedBy;
        AnalyseFlags restFlags;
    };
    // a shin after a preposition begins one of the conjunctions, tried whole
    static const AnalyseFlags AfterPreposition = NominalOnly | NoBet | NoLamed | NoVav | NoMem | NoShin;
    static const AnalyseFlags AfterConjunction = NoVav | NoKaf | NoShin;
    static const StrippedPrefix Stripped[] = {
        {PrefixBet, NoBet, AfterPreposition},
        {PrefixLamed, NoLamed, AfterPreposition},
        {PrefixVav, NoVav, NoVav},
        {PrefixKafShin, NoKaf | NoShin, AfterConjunction},
        {PrefixKaf, NoKaf, NominalOnly | NoKaf | NoVav | NoShin},
        {PrefixMemShin, NoMem | NoShin, AfterConjunction | NoMem},
        {PrefixMem, NoMem, AfterPreposition},
        {PrefixLamedKafShin, NoLamed | NoKaf | NoShin, AfterConjunction | NoLamed},
        {PrefixShin, NoShin, NoShin | NoVav},
    };
    for (const StrippedPrefix &p : Stripped) {
        const QStringView letters(PrefixWords[p.prefix].letters);
        if (word.size() <= letters.size() || !word.startsWith(letters) || (flags & p.blockedBy))
            continue;
        const QString rest = word.mid(letters.size());
        QList<Reading> restReadings = analyse(rest, flags | p.restFlags);
        // full spelling doubles a word's first vav after a prefix: בוועדה
        if (rest.startsWith(QStringView(u"\u05D5\u05D5")))
            restReadings += analyse(rest.mid(1), flags | p.restFlags);
        for (const Reading &r : std::as_const(restReadings))
            readings.append(Reading{prefixMatch(p.prefix, flags)} + r);
    }
}

namespace {

// A pointed text as it is compared: composed, without meteg and rafe.
QString comparable(const QString &pointed)
{
    QString s = pointed.normalized(QString::NormalizationForm_C);
    s.removeIf([](QChar c) { return c.unicode() == 0x05BD || c.unicode() == 0x05BF; });
    return s;
}

// The last `letters` letters of a pointed word with their marks.
QString lastLetters(const QString &pointed, qsizetype letters)
{
    qsizetype start = pointed.size();
    while (start > 0 && letters > 0) {
        --start;
        if (isLetter(pointed.at(start)))
            --letters;
    }
    return letters == 0 ? pointed.mid(start) : QString();
}

} // namespace

// The pointed word ends in the match's form pointed as the engine points it
// (or as the dictionary stores a word that is no verb); what comes before
// are the prefix letters.
bool HebrewAnalyser::isPointedAs(const WordMatch &match, const QString &pointedWord) const
{
    if (!m_dictionary || match.entryId == 0)
        return false;
    const Entry entry = m_dictionary->entryById(match.entryId);
    if (entry.wordType() != Entry::Verb) {
        const QString stored = comparable(entry.word());
        return lastLetters(pointedWord, withoutMarks(stored).size()) == stored;
    }
    for (const Paradigm::Form &form : Conjugation::pointedVerbForms(entry)) {
        // the past 2sg is indexed without gender and pointed with each
        const bool slot = form.code == match.grammar || (form.code & ~GrammarCode::GenderMask) == match.grammar;
        if (slot && !form.pointed.isEmpty() && lastLetters(pointedWord, form.text.size()) == comparable(form.pointed))
            return true;
    }
    return false;
}

QList<Reading> HebrewAnalyser::orderedByPoints(const QString &pointed, QList<Reading> readings) const
{
    const QString word = comparable(pointed);
    std::stable_partition(readings.begin(), readings.end(),
        [this, &word](const Reading &reading) { return !reading.isEmpty() && isPointedAs(reading.last(), word); });
    return readings;
}
