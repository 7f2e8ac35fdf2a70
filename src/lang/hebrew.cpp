#include "hebrew.h"

#include "hebrewletters.h"
#include "langlog.h"
#include "paradigm.h"

#include "dict/dictionary.h"

using namespace HebrewLetter;

namespace {

bool hasFinalForm(char16_t u)
{
    return u == 0x05DB || u == 0x05DE || u == 0x05E0 || u == 0x05E4 || u == 0x05E6;
}

bool isFinalForm(char16_t u)
{
    return u == 0x05DA || u == 0x05DD || u == 0x05DF || u == 0x05E3 || u == 0x05E5;
}

constexpr int InfinitiveCode = 0x20;
constexpr int PastThirdMasculine = 0x11005;
constexpr int PastThirdFeminine = 0x11006;
constexpr int PluralCode = 0x8;
constexpr int AdjectiveCodes[] = {0x5, 0x6, 0x9, 0xA}; // m.sg, f.sg, m.pl, f.pl

// Prefix letters with their word types, in the order of Hebrew::Prefix.
struct PrefixLetter
{
    QChar letter;
    int wordType;
};
constexpr PrefixLetter PrefixLetters[] = {
    {He, Entry::Preposition},
    {Bet, Entry::Preposition},
    {Vav, Entry::Conjunction},
    {Kaf, Entry::Conjunction},
    {Lamed, Entry::Preposition},
    {Mem, Entry::Preposition},
    {Shin, Entry::Preposition},
};

// Prefixes that analyse strips, in the order tried: the prefix, the flag
// that forbids it, and the flags for the rest of the word.
struct StrippedPrefix
{
    int prefix;
    int blockedBy;
    int restFlags;
};

} // namespace

Hebrew::Hebrew(const Dictionary *dictionary)
    : m_dictionary(dictionary)
{
    if (!m_dictionary)
        return;
    for (int p = 0; p < PrefixCount; ++p) {
        m_prefixes[p] = WordMatch{
            PrefixLetters[p].wordType, 0, m_dictionary->entryForChar(PrefixLetters[p].letter).id(), QString()};
    }
    buildIndex();
}

bool Hebrew::isMark(QChar c)
{
    return c.unicode() >= 0x0591 && c.unicode() <= 0x05C7 && c.category() == QChar::Mark_NonSpacing;
}

void Hebrew::makeFinal(QString &s)
{
    if (!s.isEmpty() && hasFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() - 1);
}

QString Hebrew::finalForm(const QString &s)
{
    QString copy = s;
    makeFinal(copy);
    return copy;
}

void Hebrew::makeMedial(QString &s)
{
    if (!s.isEmpty() && isFinalForm(s.back().unicode()))
        s.back() = QChar(s.back().unicode() + 1);
}

QString Hebrew::medialForm(const QString &s)
{
    QString copy = s;
    makeMedial(copy);
    return copy;
}

void Hebrew::stripPoints(QString &s)
{
    s.removeIf([](QChar c) { return isPoint(c); });
}

QString Hebrew::withoutPoints(const QString &s)
{
    QString copy = s;
    stripPoints(copy);
    return copy;
}

QString Hebrew::unpointed(const QString &s)
{
    QString copy = s;
    copy.removeIf([](QChar c) { return isPoint(c) || isShinSinDot(c); });
    return copy;
}

QString Hebrew::withoutMarks(const QString &s)
{
    QString copy = s;
    copy.removeIf([](QChar c) { return isMark(c); });
    return copy;
}

ushort Hebrew::pointAfterLetter(const QString &word, int n)
{
    // the shin and sin dots sit between a letter and its vowel in some
    // texts: they are skipped as if they were not there
    auto nextMark = [&word](qsizetype i) {
        while (i < word.size() && isShinSinDot(word[i]))
            ++i;
        return i;
    };
    int letters = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!isLetter(word[i]) || ++letters < n)
            continue;
        const qsizetype at = nextMark(i + 1);
        if (at >= word.size() || !isPoint(word[at]))
            return 0;
        const ushort point = word[at].unicode();
        if (point != HebrewPoint::Dagesh && point != HebrewPoint::Holam)
            return point;
        if (point == HebrewPoint::Holam && word[i] != Shin)
            return point;
        if (point == HebrewPoint::Dagesh && word[i] == Vav)
            return point; // shuruk
        // a dagesh, or a holam on shin: the vowel comes next
        const qsizetype after = nextMark(at + 1);
        return after < word.size() && isPoint(word[after]) ? word[after].unicode() : 0;
    }
    return 0;
}

int Hebrew::detectBinyan(const QString &pointedWord)
{
    using namespace HebrewPoint;
    const QString s = unpointed(pointedWord);
    const qsizetype length = s.size();
    const ushort p1 = pointAfterLetter(pointedWord, 1);
    const ushort p2 = pointAfterLetter(pointedWord, 2);
    const ushort p3 = pointAfterLetter(pointedWord, 3);
    const ushort p4 = pointAfterLetter(pointedWord, 4);

    if (length == 2)
        return p1 == Qamats ? Paal : UnknownBinyan;
    if (length < 3)
        return UnknownBinyan;
    if (s[0] == He) {
        if (length > 4 && s[3] == Yod)
            return Hifil;
        if (s[1] == Vav && p4 == Patah)
            return Hufal;
        if (length == 4 && s[2] == Yod)
            return Hifil;
        if (p3 == Patah)
            return Hitpael;
    }
    if (s[1] == Yod && (p1 == Hiriq || p1 == Tsere) && p3 == Tsere)
        return Piel;
    const bool fourWithHiriq = length == 4 && p1 == Hiriq;
    if (fourWithHiriq && p3 == Tsere)
        return Piel;
    if (!fourWithHiriq && p1 == Qamats && (p2 == Patah || p2 == Qamats))
        return Paal;
    if (s[0] == Nun && (p1 == Hiriq || p1 == Segol))
        return Nifal;
    if (s[1] == Yod)
        return Piel;
    if (s[1] == Vav && p2 == Dagesh)
        return Pual;
    return UnknownBinyan;
}

QString Hebrew::binyanName(int binyan)
{
    static const char *const names[] = {"Paal", "Piel", "Hifil", "Hitpael", "Hufal", "Pual", "Nifal"};
    if (binyan < Paal || binyan > Nifal)
        return QStringLiteral("unknown");
    return QString::fromLatin1(names[binyan - 1]);
}

bool Hebrew::splitFinalHe(const QString &word, QString &stem, QString &yodStem, QString &tavStem, QString &bareStem)
{
    stem = medialForm(unpointed(word));
    yodStem = tavStem = bareStem = stem;
    if (!stem.endsWith(He))
        return false;
    yodStem.back() = Yod;
    tavStem.back() = Tav;
    bareStem.chop(1);
    return true;
}

void Hebrew::insert(const QString &key, const Entry &entry, int code)
{
    m_forms.insert(key, WordMatch{entry.wordType(), code, entry.id(), QString()});
}

void Hebrew::indexVerb(const Entry &entry)
{
    const QString w = unpointed(entry.word());
    QString infinitive = unpointed(entry.text(Entry::TextInfinitive));
    if (infinitive.isEmpty())
        infinitive = Lamed + w;
    insert(infinitive, entry, InfinitiveCode);
    insert(w, entry, PastThirdMasculine);

    const int binyan = detectBinyan(entry.word());
    if (binyan == UnknownBinyan) {
        qCDebug(lcLang) << "CANNOT CONJUGATE:" << entry.word();
        QString feminine = medialForm(w);
        if (!feminine.endsWith(He))
            feminine += He;
        insert(feminine, entry, PastThirdFeminine);
        return;
    }
    const QList<Paradigm::Form> forms = Paradigm::generate(entry.word(), binyan);
    for (const Paradigm::Form &form : forms)
        insert(form.text, entry, form.code);
}

void Hebrew::buildIndex()
{
    if (!m_dictionary)
        return;
    // about six forms an entry in a dictionary with a fifth verbs
    m_forms.reserve(m_forms.size() + 6 * m_dictionary->count());
    QList<const Entry *> phrases;
    for (int i = 0; i < m_dictionary->count(); ++i) {
        const Entry &e = *m_dictionary->entryAt(i);
        if (e.word().contains(u' ')) {
            phrases.append(&e);
            continue;
        }
        switch (e.wordType()) {
        case Entry::Noun: indexNoun(e); break;
        case Entry::Verb: indexVerb(e); break;
        case Entry::Adjective: indexAdjective(e); break;
        default: indexBaseForm(e);
        }
    }
    for (const Entry *phrase : std::as_const(phrases))
        indexPhrase(*phrase);
}

void Hebrew::indexBaseForm(const Entry &entry)
{
    // one-letter words are the prefix letters, matched on their own
    const QString w = unpointed(entry.word());
    if (w.size() > 1)
        insert(w, entry, int(entry.flags()));
}

void Hebrew::indexNoun(const Entry &entry)
{
    indexBaseForm(entry);
    const QString plural = unpointed(entry.text(Entry::TextPlural));
    if (!plural.isEmpty()) {
        insert(plural, entry, PluralCode);
        return;
    }
    if (entry.hasFlag(Entry::FlagPlural))
        return;
    QString stem = medialForm(unpointed(entry.word()));
    if (entry.hasFlag(Entry::FlagFeminine)) {
        if (stem.endsWith(He))
            stem.chop(1);
        stem += QString(Vav) + Tav;
    } else {
        stem += QString(Yod) + FinalMem;
    }
    insert(stem, entry, PluralCode);
}

void Hebrew::indexAdjective(const Entry &entry)
{
    const QString w = unpointed(entry.word());
    const QString stem = medialForm(w);
    insert(w, entry, AdjectiveCodes[0]);
    insert(stem + (w.endsWith(Yod) ? Tav : He), entry, AdjectiveCodes[1]);
    insert(stem + Yod + FinalMem, entry, AdjectiveCodes[2]);
    insert(stem + Vav + Tav, entry, AdjectiveCodes[3]);
}

void Hebrew::indexPhrase(const Entry &entry)
{
    qCDebug(lcLang) << "MULTI:" << entry.word();
    const QStringList parts = entry.word().split(u' ', Qt::SkipEmptyParts);
    QList<WordMatch> words;
    for (const QString &part : parts) {
        const QList<Reading> readings = analyse(unpointed(part), InPhrase);
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

QList<Reading> Hebrew::analyse(const QString &word, int flags) const
{
    QList<Reading> readings;
    for (const WordMatch &m : m_forms.values(word)) {
        if ((flags & NominalOnly) && (m.wordType & 0x2))
            continue;
        readings.append(Reading{m});
    }
    if (word.startsWith(He) && !(flags & NoArticle))
        addArticleReadings(word, readings);
    addPrefixReadings(word, flags, readings);

    if (!(flags & NoEndings)) {
        if (word.endsWith(Tav))
            readings += analyse(word.chopped(1) + He, flags | NoEndings);
        else if (word.endsWith(Yod))
            readings += analyse(word + FinalMem, flags | NoEndings);
    }

    if (flags != 0)
        return readings;
    if (word.endsWith(QStringView(u"\u05D9\u05DD"))) {
        QString variant = word;
        if (word.endsWith(QStringView(u"\u05D9\u05D9\u05DD")))
            variant.remove(variant.size() - 2, 1);
        else
            variant.insert(variant.size() - 1, Yod);
        readings += analyse(variant, PluralSpelling);
    }
    if (readings.isEmpty())
        readings.append(Reading{WordMatch{WordMatch::Unknown, 0, 0, word}});
    return readings;
}

void Hebrew::addArticleReadings(const QString &word, QList<Reading> &readings) const
{
    if (!m_dictionary)
        return;
    for (const WordMatch &m : m_forms.values(QStringView(word).mid(1))) {
        const int type = m_dictionary->entryById(m.entryId).wordType();
        if (type == Entry::Noun || type == Entry::Adjective)
            readings.append(Reading{m_prefixes[PrefixHe], m});
    }
}

void Hebrew::addPrefixReadings(const QString &word, int flags, QList<Reading> &readings) const
{
    static constexpr StrippedPrefix Stripped[] = {
        {PrefixBet, NoBet, 0x42E},
        {PrefixLamed, NoLamed, 0x42E},
        {PrefixVav, NoVav, 0x8},
        {PrefixKaf, NoKaf, 0x418},
        {PrefixMem, NoMem, 0x42E},
        {PrefixShin, NoShin, 0x48},
    };
    if (word.isEmpty())
        return;
    for (const StrippedPrefix &p : Stripped) {
        if (word.front() != PrefixLetters[p.prefix].letter || (flags & p.blockedBy))
            continue;
        const QList<Reading> rest = analyse(word.mid(1), flags | p.restFlags);
        for (const Reading &r : rest)
            readings.append(Reading{m_prefixes[p.prefix]} + r);
    }
}
