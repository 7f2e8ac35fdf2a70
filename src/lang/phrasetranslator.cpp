#include "phrasetranslator.h"

#include "english.h"
#include "grammarcode.h"
#include "hebrewtext.h"
#include "langlog.h"

#include "model/dictionary.h"

#include <algorithm>

namespace {

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!' || c == u':' || c == u';';
}

// Upper-cases the first letter; a full stop before any letter leaves the text alone.
QString capitalized(QString text)
{
    for (QChar &c : text) {
        if (c == u'.')
            break;
        if (c.isLetter()) {
            c = c.toUpper();
            break;
        }
    }
    return text;
}

class Tokenizer
{
public:
    QList<QStringList> run(const QString &text);

private:
    void closeToken()
    {
        if (!m_token.isEmpty())
            m_sentence.append(m_token);
        m_token.clear();
        m_wordMode = true;
    }
    void closeSentence()
    {
        m_sentences.append(m_sentence);
        m_sentence.clear();
    }

    QList<QStringList> m_sentences;
    QStringList m_sentence;
    QString m_token;
    bool m_wordMode = true;
};

QList<QStringList> Tokenizer::run(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool hasNext = i + 1 < text.size();
        // marks (points, cantillation) belong to the word they stand in
        if (ch.isLetter() || HebrewText::isMark(ch)) {
            if (!m_wordMode && !m_token.isEmpty())
                closeToken();
            m_token += ch;
        } else if (ch.isSpace()) {
            closeToken();
            if (ch == u'\n') {
                closeSentence();
                m_sentences.append(QStringList());
            }
        } else if (isSentenceEnd(ch)) {
            if (hasNext && text[i + 1].isDigit()) {
                m_token += ch; // decimal point, clock time
                continue;
            }
            closeToken();
            m_sentence.append(QString(ch));
            closeSentence();
        } else {
            if (m_wordMode && !m_token.isEmpty()) {
                const bool geresh = ch == u'\'' || ch == u'\u05F3';
                const bool quote = geresh || ch == u'"' || ch == u'\u05F4';
                // gershayim and geresh inside a word, geresh at its end
                if (quote && hasNext && text[i + 1].isLetter()) {
                    m_token += ch;
                    continue;
                }
                // (at the very end of the text only after a Hebrew letter: ה')
                if (geresh && (hasNext ? !text[i + 1].isLetter() : HebrewText::isLetter(m_token.back()))) {
                    m_token += ch;
                    continue;
                }
                closeToken();
            }
            m_token += ch;
            m_wordMode = false;
        }
    }
    if (!m_token.isEmpty())
        m_sentence.append(m_token);
    if (!m_sentence.isEmpty())
        m_sentences.append(m_sentence);
    return m_sentences;
}

// The prefix letters' glosses where the dictionary has no entry for them.
// A reading through a prefix counts this much of the entry alone: בשם is
// "in the name", but שמן "oil", not "that from". The article, the commonest
// prefix, counts more (העיר is "the city" before "he remarked"), the rare
// conjunctions מש and לכש less.
struct PrefixGloss
{
    const char16_t *letters;
    const char *gloss;
    double weight;
};
constexpr PrefixGloss PrefixGlosses[] = {
    {u"\u05D5", "and", 0.05},
    {u"\u05D1", "in", 0.05},
    {u"\u05DC", "to", 0.05},
    {u"\u05DE", "from", 0.05},
    {u"\u05D4", "the", 0.15},
    {u"\u05E9", "that", 0.05},
    {u"\u05DB\u05E9", "when", 0.05},
    {u"\u05DB", "like", 0.03},
    {u"\u05DE\u05E9", "since", 0.002},
    {u"\u05DC\u05DB\u05E9", "when", 0.001},
};

double prefixWeight(const QString &letters)
{
    for (const PrefixGloss &prefix : PrefixGlosses) {
        if (letters == QStringView(prefix.letters))
            return prefix.weight;
    }
    return 0.05;
}

// Of two forms the likelier in prose: the present (which full spelling
// writes as the future's first person, אוהב) before the past, the future
// and the imperative (ספר "tell!", היי "be!" are rarely meant).
double formWeight(const WordMatch &match)
{
    if (match.wordType != Entry::Verb)
        return 1;
    const int g = match.grammar;
    if (g & GrammarCode::Present)
        return 1;
    if (g & (GrammarCode::Past | GrammarCode::Infinitive))
        return 0.95;
    if (g & GrammarCode::Future)
        return 0.9;
    return 0.1;
}

// A preposition written as a prefix rarely stands before an adverb or a
// conjunction (לכן is "therefore", not "to yes").
constexpr double PrepositionBeforeAdverbWeight = 0.1;
// The article before a present (השבוע הבא "the coming week") is rarer than
// before a noun.
constexpr double ArticleBeforeVerbWeight = 0.2;

bool isPrepositionPrefix(const QString &letters)
{
    return letters.size() == 1 && QStringView(u"\u05D1\u05DC\u05DE\u05DB").contains(letters[0]);
}

// The ways a word may begin with up to three prefix letters (וכש: ו, כש),
// each split as the list of its prefixes.
QList<QStringList> prefixSplits(const QString &letters, int depth = 3)
{
    static const QStringList Prefixes{QStringLiteral("\u05DB\u05E9"), QStringLiteral("\u05D5"),
        QStringLiteral("\u05D4"), QStringLiteral("\u05D1"), QStringLiteral("\u05DC"), QStringLiteral("\u05DE"),
        QStringLiteral("\u05E9"), QStringLiteral("\u05DB")};
    QList<QStringList> splits;
    if (depth == 0)
        return splits;
    for (const QString &prefix : Prefixes) {
        // a word of two letters after its prefixes at least
        if (letters.size() < prefix.size() + 2 || !letters.startsWith(prefix))
            continue;
        splits.append({prefix});
        for (QStringList more : prefixSplits(letters.mid(prefix.size()), depth - 1)) {
            more.prepend(prefix);
            splits.append(more);
        }
    }
    return splits;
}

// A pronoun ending: on a noun it says whose (ספרו "his book"), on a
// preposition whom (בו "in him"). The endings of a plural noun (ספריו) also
// end prepositions that take them (עליו, אליו).
struct PronounEnding
{
    const char16_t *letters;
    const char *possessive;
    const char *object;
    bool pluralNoun;
};
// longest first, so that ספריהם is not read as ספריה + ם
constexpr PronounEnding PronounEndings[] = {
    {u"\u05D9\u05D4\u05DD", "their", "them", true},
    {u"\u05D9\u05D4\u05DF", "their", "them", true},
    {u"\u05D9\u05DB\u05DD", "your", "you", true},
    {u"\u05D9\u05DB\u05DF", "your", "you", true},
    {u"\u05D9\u05E0\u05D5", "our", "us", true},
    {u"\u05D9\u05D9", "my", "me", true},
    {u"\u05D9\u05D5", "his", "him", true},
    {u"\u05D9\u05D4", "her", "her", true},
    {u"\u05D9\u05DA", "your", "you", true},
    {u"\u05D4\u05DD", "their", "them", false},
    {u"\u05D4\u05DF", "their", "them", false},
    {u"\u05DB\u05DD", "your", "you", false},
    {u"\u05DB\u05DF", "your", "you", false},
    {u"\u05E0\u05D5", "our", "us", false},
    {u"\u05D5", "his", "him", false},
    {u"\u05D4", "her", "her", false},
    {u"\u05DA", "your", "you", false},
    {u"\u05D9", "my", "me", false},
    {u"\u05DD", "their", "them", false},
    {u"\u05DF", "their", "them", false},
};

// Words whose stem changes before a pronoun ending: prepositions (אותי,
// איתו), כל (כולנו "all of us") and a few nouns (אשתו, אביו, אחיו, פיו).
struct ChangedStem
{
    const char16_t *stem;
    const char16_t *word;
};
constexpr ChangedStem ChangedStems[] = {
    {u"\u05D0\u05D5\u05EA", u"\u05D0\u05EA"},
    {u"\u05D0\u05D9\u05EA", u"\u05E2\u05DD"},
    {u"\u05DB\u05D5\u05DC", u"\u05DB\u05DC"},
    {u"\u05D0\u05E9\u05EA", u"\u05D0\u05D9\u05E9\u05D4"},
    {u"\u05D0\u05D1\u05D9", u"\u05D0\u05D1"},
    {u"\u05D0\u05D7\u05D9", u"\u05D0\u05D7"},
    {u"\u05E4\u05D9", u"\u05E4\u05D4"},
};

// The one-letter prepositions, which the dictionary has as prefixes only.
struct LetterPreposition
{
    char16_t letter;
    const char *gloss;
};
constexpr LetterPreposition LetterPrepositions[] = {{u'\u05D1', "in"}, {u'\u05DC', "to"}};

// Verbs after which כי is "that" (he said that, she knew that).
constexpr const char16_t *VerbsOfSaying[] = {
    u"\u05D0\u05DE\u05E8", // אמר
    u"\u05E1\u05D9\u05E4\u05E8", // סיפר
    u"\u05D4\u05D5\u05D3\u05D9\u05E2", // הודיע
    u"\u05D8\u05E2\u05DF", // טען
    u"\u05D9\u05D3\u05E2", // ידע
    u"\u05D7\u05E9\u05D1", // חשב
    u"\u05D4\u05D1\u05D9\u05DF", // הבין
    u"\u05D4\u05E1\u05D1\u05D9\u05E8", // הסביר
    u"\u05DB\u05EA\u05D1", // כתב
    u"\u05E9\u05DE\u05E2", // שמע
    u"\u05E8\u05D0\u05D4", // ראה
    u"\u05D2\u05D9\u05DC\u05D4", // גילה
    u"\u05D4\u05E8\u05D2\u05D9\u05E9", // הרגיש
    u"\u05D4\u05D0\u05DE\u05D9\u05DF", // האמין
    u"\u05D6\u05DB\u05E8", // זכר
    u"\u05E9\u05DB\u05D7", // שכח
    u"\u05D4\u05D5\u05E1\u05D9\u05E3", // הוסיף
    u"\u05E6\u05D9\u05D9\u05DF", // ציין
    u"\u05D4\u05D3\u05D2\u05D9\u05E9", // הדגיש
    u"\u05D3\u05D9\u05D5\u05D5\u05D7", // דיווח
    u"\u05D4\u05DB\u05E8\u05D9\u05D6", // הכריז
    u"\u05D4\u05D5\u05D3\u05D4", // הודה
    u"\u05D4\u05D1\u05D8\u05D9\u05D7", // הבטיח
    u"\u05E2\u05E0\u05D4", // ענה
};
// how many words back a verb of saying still governs כי
constexpr int SayingReach = 4;

// The numbers of the letters (א 1, י 10, ק 100), which a letter with a
// geresh stands for: א' "1" (the first, Sunday).
int letterNumber(QChar letter)
{
    static const QString Letters = QStringLiteral(
        "\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DB\u05DC\u05DE\u05E0\u05E1\u05E2"
        "\u05E4\u05E6\u05E7\u05E8\u05E9\u05EA");
    const qsizetype at = Letters.indexOf(HebrewText::medialForm(QString(letter)));
    if (at < 0)
        return 0;
    return int(at < 10 ? at + 1 : at < 18 ? (at - 8) * 10 : (at - 17) * 100);
}

// how much a reading in the construct state counts of one that stands alone
constexpr double ConstructWeight = 0.3;
// The analyser reads an ending in tav as he for any word; only a noun has a
// construct state, the rest is a last resort (מיוחדת for מיוחדה, an
// adjective's feminine).
constexpr double OtherThroughEndingWeight = 0.01;
// A plural spelt with a yod more or less than the full spelling writes it
// (השניים as השנים): a slip, unlikely beside a word spelt as written.
constexpr double OtherSpellingWeight = 0.05;

// A phrase that matches outweighs any reading of its first word.
constexpr double PhraseWeight = 1e9;

QString fromUtf16(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// The letters a token is analysed by: no marks, the Hebrew geresh and
// gershayim as the dictionary writes them.
QString lettersOf(const QString &token)
{
    QString letters = HebrewText::withoutMarks(token);
    letters.replace(u'\u05F3', u'\'');
    letters.replace(u'\u05F4', u'"');
    return letters;
}

bool isHebrewWord(const QString &token)
{
    return std::any_of(token.cbegin(), token.cend(), HebrewText::isLetter);
}

// Meanings split at "," and ";" outside parentheses, notes kept.
QStringList meaningsOf(const QString &translation)
{
    QStringList meanings;
    QString piece;
    int depth = 0;
    for (QChar c : translation) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        if (depth == 0 && (c == u',' || c == u';')) {
            meanings.append(piece.trimmed());
            piece.clear();
        } else {
            piece += c;
        }
    }
    meanings.append(piece.trimmed());
    meanings.removeAll(QString());
    return meanings;
}

// A meaning without its notes in parentheses ("you (f.)": "you").
QString withoutNotes(const QString &meaning)
{
    QString core;
    int depth = 0;
    for (QChar c : meaning) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        else if (depth == 0)
            core += c;
    }
    return core.simplified();
}

// The notes in parentheses of a meaning ("to wake (someone) up": "(someone)").
QString notesOf(const QString &meaning)
{
    QString notes;
    int depth = 0;
    for (QChar c : meaning) {
        if (c == u'(' && depth++ == 0 && !notes.isEmpty())
            notes += u' ';
        if (depth > 0)
            notes += c;
        if (c == u')' && depth > 0)
            --depth;
    }
    return notes;
}

} // namespace

// Puts the first reading that `wanted` accepts first; true when there was
// one. A phrase the gloss joined stays first: the rules weigh single words
// (פרטי קשר "contact details" after a noun is no agreeing adjective).
template <typename Predicate> bool PhraseTranslator::moveFirst(Candidates &word, Predicate wanted)
{
    if (!word.isEmpty() && word.first().length > 1)
        return false;
    const auto found = std::find_if(word.begin(), word.end(), wanted);
    if (found == word.end())
        return false;
    std::rotate(word.begin(), found, found + 1);
    return true;
}

QString GlossReading::text() const
{
    QStringList words = prefixGlosses;
    if (!gloss.isEmpty())
        words.append(gloss);
    return words.join(u' ');
}

PhraseTranslator::PhraseTranslator(const Dictionary *dictionary, const English *english)
    : m_dictionary(dictionary)
    , m_english(english)
    , m_hebrew(dictionary)
{
    if (m_dictionary)
        indexPhrases();
    qCDebug(lcLang) << "MultiPhrases:" << m_phrases.size();
}

void PhraseTranslator::indexPhrases()
{
    for (int i = 0; i < m_dictionary->count(); ++i) {
        const Entry entry = m_dictionary->entryAt(i);
        const QStringList words = lettersOf(entry.word()).split(u' ', Qt::SkipEmptyParts);
        if (words.size() < 2)
            continue;
        Phrase phrase{entry.id(), words, {}, frequency(entry.id())};
        for (const QString &word : words) {
            QList<int> nouns;
            for (const Reading &reading : m_hebrew.analyse(word)) {
                if (reading.size() == 1 && reading[0].wordType == Entry::Noun)
                    nouns.append(reading[0].entryId);
            }
            phrase.nouns.append(nouns);
        }
        const int index = int(m_phrases.size());
        m_phrases.append(phrase);
        m_phrasesByLetters.insert(words.first(), index);
        for (int noun : std::as_const(phrase.nouns.first()))
            m_phrasesByNoun.insert(noun, index);
    }
}

double PhraseTranslator::frequency(int entryId) const
{
    // an entry without a count is as rare as one counted once in a million words
    return 1 + m_dictionary->entryById(entryId).text(Entry::TextFrequency).toDouble();
}

QList<int> PhraseTranslator::entriesOfWord(const QString &word) const
{
    QList<int> ids;
    for (const Candidate &candidate : candidatesOf(word)) {
        const int id = candidate.match.entryId;
        if (id != 0 && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

QList<QStringList> PhraseTranslator::tokenize(const QString &text)
{
    return Tokenizer().run(text);
}

PhraseTranslator::Candidates PhraseTranslator::candidatesOf(const QString &token) const
{
    if (!m_dictionary)
        return {};
    const QString letters = lettersOf(token);
    Candidates candidates = fromReadings(m_hebrew.analyse(letters, HebrewAnalyser::Annotated), letters);
    if (candidates.isEmpty())
        candidates = feminineInTav(letters);
    if (candidates.isEmpty() && letters.size() == 2 && letters[1] == u'\'' && letterNumber(letters[0]) > 0) {
        Candidate number;
        number.match = WordMatch{Entry::Numeral, 0, 0, letters};
        number.meaning = QString::number(letterNumber(letters[0]));
        number.weight = 1;
        candidates.append(number);
    }
    if (candidates.isEmpty())
        candidates = withPronounEnding(letters);
    if (candidates.isEmpty())
        candidates = withYodDoubled(letters);
    orderByWeight(candidates);
    // A word the dictionary lists whole (לפי, מאז, הכי, יכולת) is read as
    // written first: it was listed because its letters are not a prefix and
    // a word, nor another word's construct form. (A verb is listed by its
    // past, one form of many: העיר is still "the city".)
    const bool listedWhole = std::any_of(candidates.cbegin(), candidates.cend(), [this, &letters](const Candidate &c) {
        return c.prefixes.isEmpty() && c.match.entryId != 0 && c.match.wordType != Entry::Verb
            && lettersOf(m_dictionary->entryById(c.match.entryId).word()) == letters;
    });
    if (listedWhole) {
        std::stable_partition(candidates.begin(), candidates.end(),
            [](const Candidate &c) { return c.prefixes.isEmpty() && !c.throughEnding; });
    }
    listedFormsFirst(candidates, letters);
    return candidates;
}

// Whether the reading's entry is written as the word is after its prefixes:
// a noun, adjective or small word listed in this very form (a verb is listed
// by its past, one form of many).
bool PhraseTranslator::isListedForm(const Candidate &candidate, const QString &letters) const
{
    if (candidate.match.entryId == 0 || candidate.match.wordType == Entry::Verb || candidate.throughEnding)
        return false;
    const QString stem = letters.mid(candidate.prefixes.join(QString()).size());
    return lettersOf(m_dictionary->entryById(candidate.match.entryId).word()) == stem;
}

// After the same prefixes, an entry written as the word is comes before a
// reading of the word as a form of another entry that it was listed apart
// from: a noun listed in the plural (בחירות "elections", לימודים "studies")
// before the plural of another noun (of בחירה "choice"), and any listed word
// before a construct or feminine read through the ending (שמנת "cream", not
// "fat"). Other forms keep the order of their weights: a verb's forms and a
// segolate noun (עבר "passed", "past"), an adjective's and a noun (טובה).
void PhraseTranslator::listedFormsFirst(Candidates &candidates, const QString &letters) const
{
    const auto yields = [this, &letters](const Candidate &listed, const Candidate &other) {
        if (other.match.entryId == 0 || other.length > 1 || other.prefixes != listed.prefixes
            || isListedForm(other, letters))
            return false;
        if (other.throughEnding)
            return true;
        const bool pluralListed = m_dictionary->entryById(listed.match.entryId).hasFlag(Entry::FlagPlural);
        return pluralListed && other.match.wordType == Entry::Noun && (other.match.grammar & GrammarCode::Plural);
    };
    for (qsizetype i = 1; i < candidates.size(); ++i) {
        if (!isListedForm(candidates[i], letters))
            continue;
        for (qsizetype j = 0; j < i; ++j) {
            if (yields(candidates[i], candidates[j])) {
                std::rotate(candidates.begin() + j, candidates.begin() + i, candidates.begin() + i + 1);
                break;
            }
        }
    }
}

// The analyser's readings that name an entry, each once. Given the letters
// read, a plural in -im read as spelt with a yod more or less is known.
PhraseTranslator::Candidates PhraseTranslator::fromReadings(
    const QList<Reading> &readings, const QString &letters) const
{
    const bool plural = letters.endsWith(QStringView(u"\u05D9\u05DD"));
    Candidates candidates;
    for (const Reading &reading : readings) {
        const WordMatch &word = reading.last();
        if (word.entryId == 0)
            continue;
        Candidate candidate;
        for (qsizetype i = 0; i + 1 < reading.size(); ++i)
            candidate.prefixes.append(reading[i].text);
        candidate.match = word;
        candidate.match.text.clear();
        candidate.throughEnding = !word.text.isEmpty();
        candidate.otherSpelling = candidate.throughEnding && plural;
        candidate.weight = weightOf(candidate);
        const bool seen = std::any_of(candidates.cbegin(), candidates.cend(), [&candidate](const Candidate &c) {
            return c.prefixes == candidate.prefixes && c.match == candidate.match;
        });
        if (!seen)
            candidates.append(candidate);
    }
    return candidates;
}

// How likely a reading is: its entry's frequency, less for a rare form, for
// each prefix, and for a word read through its ending (in the construct
// state, ספרי, ארוחת, which wants a noun after it).
double PhraseTranslator::weightOf(const Candidate &candidate) const
{
    double weight = frequency(candidate.match.entryId) * formWeight(candidate.match);
    if (candidate.otherSpelling)
        weight *= OtherSpellingWeight;
    else if (candidate.throughEnding)
        weight *= candidate.match.wordType == Entry::Noun ? ConstructWeight : OtherThroughEndingWeight;
    for (const QString &prefix : candidate.prefixes)
        weight *= prefixWeight(prefix);
    if (candidate.prefixes.isEmpty())
        return weight;
    const int type = candidate.match.wordType;
    const QString &last = candidate.prefixes.last();
    if (isPrepositionPrefix(last) && (type == Entry::Adverb || type == Entry::Conjunction))
        weight *= PrepositionBeforeAdverbWeight;
    if (last == QStringLiteral("\u05D4") && type == Entry::Verb)
        weight *= ArticleBeforeVerbWeight;
    return weight;
}

// A word the analyser does not know may be a noun or a preposition with a
// pronoun ending (דעתך, לאחותך, בכם, אותן) or a noun in the dual (שעתיים).
PhraseTranslator::Candidates PhraseTranslator::withPronounEnding(const QString &letters) const
{
    Candidates found;
    const auto add = [this, &found](const QString &form, const QString &before, const QString &after, bool plural) {
        for (Candidate candidate : fromReadings(m_hebrew.analyse(form, HebrewAnalyser::Annotated))) {
            const int type = candidate.match.wordType;
            const bool noun = type == Entry::Noun && !before.isEmpty()
                && bool(candidate.match.grammar & GrammarCode::Plural) == plural;
            const bool object = (type == Entry::Preposition || type == Entry::Pronoun) && !after.isEmpty();
            // a word with a pronoun ending never takes the article
            const bool article = !candidate.prefixes.isEmpty() && candidate.prefixes.last() == QStringLiteral("\u05D4");
            if ((!noun && !object) || article)
                continue;
            candidate.before = noun ? before : QString();
            // כולנו: "all of us"
            candidate.after = noun ? QString() : type == Entry::Pronoun ? QStringLiteral("of ") + after : after;
            // the construct form is the one that takes the ending (דעת־ך)
            if (candidate.throughEnding)
                candidate.weight /= ConstructWeight;
            found.append(candidate);
        }
    };
    found = inTheDual(letters);
    for (const PronounEnding &ending : PronounEndings) {
        const QString suffix = fromUtf16(ending.letters);
        if (letters.size() <= suffix.size() || !letters.endsWith(suffix))
            continue;
        QString stem = HebrewText::finalForm(letters.chopped(suffix.size()));
        const QString possessive = QString::fromLatin1(ending.possessive);
        const QString object = QString::fromLatin1(ending.object);
        for (const ChangedStem &changed : ChangedStems) {
            if (stem == fromUtf16(changed.stem))
                stem = fromUtf16(changed.word);
        }
        if (ending.pluralNoun) {
            add(HebrewText::medialForm(stem) + QStringLiteral("\u05D9\u05DD"), possessive, QString(), true);
            if (stem.endsWith(QStringView(u"\u05D5\u05EA")))
                add(stem, possessive, QString(), true);
            add(stem, QString(), object, false);
        } else {
            add(stem, possessive, object, false);
        }
        if (!ending.pluralNoun)
            found += letterPreposition(stem, object);
        if (!found.isEmpty())
            break;
    }
    return found;
}

// A noun in the dual (שעתיים "two hours").
PhraseTranslator::Candidates PhraseTranslator::inTheDual(const QString &letters) const
{
    Candidates found;
    const QStringView dual(u"\u05D9\u05D9\u05DD");
    if (letters.size() <= dual.size() + 1 || !letters.endsWith(dual))
        return found;
    const QString stem = HebrewText::finalForm(letters.chopped(dual.size()));
    for (Candidate candidate : fromReadings(m_hebrew.analyse(stem, HebrewAnalyser::Annotated))) {
        if (candidate.match.wordType != Entry::Noun)
            continue;
        candidate.before = QStringLiteral("two");
        candidate.match.grammar |= GrammarCode::Plural;
        found.append(candidate);
    }
    return found;
}

// בכם, ולנו: a one-letter preposition with a pronoun ending, maybe after a vav.
PhraseTranslator::Candidates PhraseTranslator::letterPreposition(const QString &stem, const QString &object)
{
    Candidates found;
    const QString bare = stem.startsWith(u'\u05D5') && stem.size() == 2 ? stem.mid(1) : stem;
    for (const LetterPreposition &preposition : LetterPrepositions) {
        if (bare.size() != 1 || bare[0] != preposition.letter)
            continue;
        Candidate candidate;
        if (bare != stem)
            candidate.prefixes.append(stem.left(1));
        candidate.match = WordMatch{Entry::Preposition, 0, 0, QString(preposition.letter)};
        candidate.meaning = QString::fromLatin1(preposition.gloss);
        candidate.after = object;
        candidate.weight = 1;
        found.append(candidate);
    }
    return found;
}

// A word in the older spelling that writes a consonant yod once (היתה for
// הייתה, שהיתה), read as the full spelling writes it.
PhraseTranslator::Candidates PhraseTranslator::withYodDoubled(const QString &letters) const
{
    for (qsizetype i = 1; i + 1 < letters.size(); ++i) {
        if (letters[i] != u'\u05D9' || letters[i - 1] == u'\u05D9' || letters[i + 1] == u'\u05D9')
            continue;
        const QString doubled = letters.left(i) + u'\u05D9' + letters.mid(i);
        const Candidates found = fromReadings(m_hebrew.analyse(doubled, HebrewAnalyser::Annotated));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// Adjectives whose feminine ends in tav (מיוחדת, נוספת, אחרת), which the
// index has in he only.
PhraseTranslator::Candidates PhraseTranslator::feminineInTav(const QString &letters) const
{
    Candidates found;
    if (letters.size() < 3 || !letters.endsWith(u'\u05EA'))
        return found;
    const QString inHe = letters.chopped(1) + u'\u05D4';
    for (const Candidate &candidate : fromReadings(m_hebrew.analyse(inHe, HebrewAnalyser::Annotated))) {
        if (candidate.match.wordType == Entry::Adjective && candidate.match.grammar == GrammarCode::FeminineSingular)
            found.append(candidate);
    }
    return found;
}

void PhraseTranslator::orderByWeight(Candidates &candidates)
{
    std::stable_sort(candidates.begin(), candidates.end(),
        [](const Candidate &a, const Candidate &b) { return a.weight > b.weight; });
}

// Left to right, each word may begin the longest phrase that matches there.
void PhraseTranslator::joinPhrases(QList<Candidates> &words, const QStringList &tokens) const
{
    for (int at = 0; at < words.size(); ++at) {
        const QString letters = lettersOf(tokens[at]);
        int bestLength = 1;
        Candidate best;
        // the word whole may begin a phrase too (בדרך כלל), whatever it is read
        // as, and so may what follows its prefix letters, whatever that is read
        // as after them (בראשון לציון: the adjective ראשון takes no ב)
        Candidates readings = words[at];
        readings.append(Candidate{});
        for (const QStringList &prefixes : prefixSplits(letters)) {
            Candidate split;
            split.prefixes = prefixes;
            readings.append(split);
        }
        for (const Candidate &reading : std::as_const(readings)) {
            const QString stem = letters.mid(reading.prefixes.join(QString()).size());
            QList<int> phrases = m_phrasesByLetters.values(stem);
            if (reading.match.wordType == Entry::Noun)
                phrases += m_phrasesByNoun.values(reading.match.entryId);
            for (int index : std::as_const(phrases)) {
                const Phrase &phrase = m_phrases[index];
                const int length = phraseLength(phrase, words, tokens, at);
                if (length > bestLength || (length == bestLength && length > 1 && phrase.weight > best.weight)) {
                    bestLength = length;
                    best = Candidate();
                    best.prefixes = reading.prefixes;
                    best.match = WordMatch{WordMatch::Unknown, 0, phrase.entryId, QString()};
                    best.length = length;
                    best.weight = phrase.weight;
                }
            }
        }
        if (bestLength == 1)
            continue;
        qCDebug(lcLang) << "-- phrase" << best.match.entryId << "at" << tokens[at] << ":" << bestLength << "words";
        best.weight = PhraseWeight;
        words[at].prepend(best);
        at += bestLength - 1;
    }
}

// How many words the phrase covers when it starts at the word `at` (its
// first word already matched), or 0.
int PhraseTranslator::phraseLength(
    const Phrase &phrase, const QList<Candidates> &words, const QStringList &tokens, int at) const
{
    const int length = int(phrase.words.size());
    if (at + length > words.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!phraseWordMatches(phrase, i, words[at + i], tokens[at + i]))
            return 0;
    }
    return length;
}

// A later word of a phrase is written as in the phrase, maybe with the
// article (מזג האוויר), or is a noun of it in another form (ראש עיריית).
bool PhraseTranslator::phraseWordMatches(
    const Phrase &phrase, int index, const Candidates &word, const QString &token) const
{
    const QString letters = lettersOf(token);
    const QString &wanted = phrase.words[index];
    if (letters == wanted || (letters.startsWith(u'\u05D4') && QStringView(letters).mid(1) == wanted))
        return true;
    return std::any_of(word.cbegin(), word.cend(), [&phrase, index](const Candidate &c) {
        const bool bare = c.prefixes.isEmpty() || c.prefixes == QStringList{QStringLiteral("\u05D4")};
        return bare && c.length == 1 && c.match.wordType == Entry::Noun
            && phrase.nouns[index].contains(c.match.entryId);
    });
}

// A definite word: with the article, a name, כל / זה / זאת / אלה, or a
// noun in the construct state before a definite one (תושבי השכונה).
bool PhraseTranslator::isDefinite(const QList<Candidates> &words, int at) const
{
    if (at >= words.size() || words[at].isEmpty())
        return false;
    const Candidate &first = words[at].first();
    if (first.throughEnding && first.match.wordType == Entry::Noun && first.prefixes.isEmpty())
        return isDefinite(words, at + 1);
    if (!first.prefixes.isEmpty() && first.prefixes.last() == QStringLiteral("\u05D4"))
        return true;
    const Entry entry = m_dictionary->entryById(first.match.entryId);
    if (entry.hasFlag(Entry::FlagIsName))
        return true;
    static const QStringList Determiners{QStringLiteral("\u05DB\u05DC"), QStringLiteral("\u05D6\u05D4"),
        QStringLiteral("\u05D6\u05D0\u05EA"), QStringLiteral("\u05D0\u05DC\u05D4")};
    return first.prefixes.isEmpty() && Determiners.contains(lettersOf(entry.word()));
}

// An adjective (or a present, which stands as one) agrees with the noun
// before it in gender, number and the article; ב, ל and כ may hide the
// noun's article (בשבוע הבא).
bool PhraseTranslator::agrees(const Candidate &noun, const Candidate &adjective) const
{
    if (noun.length > 1 || noun.match.wordType != Entry::Noun || noun.match.entryId == 0)
        return false;
    const QString article = QStringLiteral("\u05D4");
    const QString last = noun.prefixes.isEmpty() ? QString() : noun.prefixes.last();
    const bool hidden = last.size() == 1 && QStringView(u"\u05D1\u05DC\u05DB").contains(last[0]);
    const bool definite = last == article;
    const bool withArticle = adjective.prefixes == QStringList{article};
    if (!withArticle && !adjective.prefixes.isEmpty())
        return false;
    if (withArticle != definite && !hidden)
        return false;
    const Entry entry = m_dictionary->entryById(noun.match.entryId);
    const bool plural = (noun.match.grammar & GrammarCode::Plural) || entry.hasFlag(Entry::FlagPlural);
    const bool feminine = entry.hasFlag(Entry::FlagFeminine);
    const int form = adjective.match.grammar;
    return bool(form & GrammarCode::Plural) == plural && bool(form & GrammarCode::Feminine) == feminine;
}

// Whether the word can be a future's second person ("אל תכתוב" "don't
// write"); that reading then comes first.
bool PhraseTranslator::secondPersonFirst(Candidates &word)
{
    return moveFirst(word, [](const Candidate &c) {
        return c.length == 1 && (c.match.grammar & GrammarCode::Future)
            && (c.match.grammar & GrammarCode::SecondPerson);
    });
}

bool PhraseTranslator::takesNoun(const Candidate &word) const
{
    const int type = word.match.wordType;
    if (word.length > 1 || word.match.entryId == 0)
        return false;
    return type == Entry::Preposition || type == Entry::Numeral
        || lettersOf(m_dictionary->entryById(word.match.entryId).word()) == QStringLiteral("\u05DB\u05DC");
}

bool PhraseTranslator::followsVerbOfSaying(const QList<Candidates> &words, const QStringList &tokens, int at) const
{
    for (int i = at - 1; i >= 0 && i >= at - SayingReach; --i) {
        if (tokens[i].size() == 1 && isSentenceEnd(tokens[i][0]))
            return false;
        if (words[i].isEmpty() || words[i].first().match.wordType != Entry::Verb)
            continue;
        const QString lemma = lettersOf(m_dictionary->entryById(words[i].first().match.entryId).word());
        if (std::any_of(std::begin(VerbsOfSaying), std::end(VerbsOfSaying),
                [&lemma](const char16_t *verb) { return lemma == QStringView(verb); }))
            return true;
    }
    return false;
}

// The rules for words that are ambiguous all the time, where frequency
// alone is wrong too often:
// - את before a definite word is the object marker, else "you";
// - אל before a verb in the future's second person is "don't", else "to";
// - כי after a verb of saying or knowing is "that";
// - after a preposition, כל or a number, a noun (or another word that is
//   no verb) comes before a verb other than an infinitive: כל עובד "every
//   worker", not "all works";
// - before a plural noun, a number comes first: שני פלפלים "two peppers",
//   not "second peppers";
// - after a noun, an adjective that agrees with it comes first: כלב חום
//   "brown dog", not "dog heat".
void PhraseTranslator::applyContextRules(QList<Candidates> &words, const QStringList &tokens) const
{
    const auto isVerb = [](const Candidate &c) {
        return c.length == 1 && c.match.wordType == Entry::Verb && !(c.match.grammar & GrammarCode::Infinitive);
    };
    for (int at = 1; at < words.size(); ++at) {
        if (!words[at - 1].isEmpty() && takesNoun(words[at - 1].first()) && !words[at].isEmpty()
            && isVerb(words[at].first()))
            moveFirst(words[at], [&isVerb](const Candidate &c) { return !isVerb(c); });
    }
    for (int at = 0; at + 1 < words.size(); ++at) {
        const Candidates &next = words[at + 1];
        if (!next.isEmpty() && next.first().match.wordType == Entry::Noun
            && (next.first().match.grammar & GrammarCode::Plural))
            moveFirst(
                words[at], [](const Candidate &c) { return c.length == 1 && c.match.wordType == Entry::Numeral; });
    }
    for (int at = 1; at < words.size(); ++at) {
        if (words[at - 1].isEmpty() || words[at].isEmpty() || words[at].first().match.wordType == Entry::Adjective)
            continue;
        const Candidate &noun = words[at - 1].first();
        // a present stands as an adjective with the article (השבוע הבא); without
        // it, it is as likely the verb
        moveFirst(words[at], [this, &noun](const Candidate &c) {
            const bool participle = c.match.wordType == Entry::Verb && (c.match.grammar & GrammarCode::Present)
                && c.prefixes == QStringList{QStringLiteral("\u05D4")};
            return c.length == 1 && (c.match.wordType == Entry::Adjective || participle) && agrees(noun, c);
        });
    }
    for (int at = 0; at < words.size(); ++at)
        applyWordRules(words, tokens, at);
}

// The rules of את, אל and כי for the word at `at`.
void PhraseTranslator::applyWordRules(QList<Candidates> &words, const QStringList &tokens, int at) const
{
    Candidates &word = words[at];
    if (word.isEmpty() || word.first().length > 1)
        return;
    Candidates none;
    Candidates &next = at + 1 < words.size() ? words[at + 1] : none;
    const QString lemma = lettersOf(m_dictionary->entryById(word.first().match.entryId).word());
    int wantedType = -1;
    if (lemma == QStringLiteral("\u05D0\u05EA"))
        wantedType = isDefinite(words, at + 1) ? Entry::Preposition : Entry::Pronoun;
    else if (lemma == QStringLiteral("\u05D0\u05DC"))
        wantedType = secondPersonFirst(next) ? Entry::Adverb : Entry::Preposition;
    else if (lemma == QStringLiteral("\u05DB\u05D9") && followsVerbOfSaying(words, tokens, at))
        word.first().meaning = QStringLiteral("that");
    if (wantedType < 0)
        return;
    const QStringList prefixes = word.first().prefixes;
    moveFirst(word, [&](const Candidate &c) {
        return c.prefixes == prefixes && c.match.wordType == wantedType
            && lettersOf(m_dictionary->entryById(c.match.entryId).word()) == lemma;
    });
}

QString PhraseTranslator::prefixGloss(const QString &letters) const
{
    const QList<Entry> entries = m_dictionary ? m_dictionary->findExact(letters, 1) : QList<Entry>();
    if (!entries.isEmpty()) {
        const QStringList meanings = meaningsOf(entries.first().userTranslation(m_userLanguage, false));
        if (!meanings.isEmpty())
            return meanings.first();
    }
    for (const PrefixGloss &prefix : PrefixGlosses) {
        if (letters == QStringView(prefix.letters))
            return QString::fromLatin1(prefix.gloss);
    }
    return letters;
}

QString PhraseTranslator::glossOf(const Candidate &candidate, const Entry &entry) const
{
    QString meaning = candidate.meaning;
    if (meaning.isEmpty())
        meaning = meaningsOf(entry.userTranslation(m_userLanguage, false)).value(0);
    QString core = withoutNotes(meaning);
    // a meaning that is all note ("(marks a definite direct object)") is shown whole
    if (core.isEmpty())
        return meaning;
    const WordMatch &match = candidate.match;
    if (m_english && candidate.length == 1) {
        if (match.wordType == Entry::Noun && (match.grammar & GrammarCode::Plural) && !entry.hasFlag(Entry::FlagPlural))
            core = m_english->plural(core);
        else if (match.wordType == Entry::Verb)
            core = m_english->conjugate(core, match);
    }
    QStringList words{candidate.before, core, candidate.after, notesOf(meaning)};
    words.removeAll(QString());
    return words.join(u' ');
}

GlossReading PhraseTranslator::render(const Candidate &candidate) const
{
    GlossReading reading;
    reading.prefixes = candidate.prefixes;
    for (const QString &prefix : candidate.prefixes)
        reading.prefixGlosses.append(prefixGloss(prefix));
    reading.length = candidate.length;
    reading.grammar = candidate.match.grammar;
    reading.wordType = candidate.match.wordType;
    if (candidate.match.entryId == 0) {
        // a one-letter preposition with a pronoun ending, a number
        reading.lemma = candidate.match.text;
        reading.gloss = candidate.after.isEmpty() ? candidate.meaning : candidate.meaning + u' ' + candidate.after;
        return reading;
    }
    const Entry entry = m_dictionary->entryById(candidate.match.entryId);
    reading.entryId = entry.id();
    reading.wordType = entry.wordType();
    reading.lemma = entry.word();
    reading.gloss = glossOf(candidate, entry);
    return reading;
}

QList<GlossedWord> PhraseTranslator::glossTokens(const QStringList &tokens) const
{
    QList<Candidates> words;
    words.reserve(tokens.size());
    for (const QString &token : tokens)
        words.append(isHebrewWord(token) ? candidatesOf(token) : Candidates());
    joinPhrases(words, tokens);
    applyContextRules(words, tokens);

    QList<GlossedWord> glossed;
    glossed.reserve(tokens.size());
    for (int at = 0; at < tokens.size(); ++at) {
        GlossedWord word{tokens[at], {}, 0};
        QStringList shown;
        for (const Candidate &candidate : std::as_const(words[at])) {
            GlossReading reading = render(candidate);
            const QString key = reading.text() + u'\t' + reading.lemma;
            if (!shown.contains(key)) {
                shown.append(key);
                word.readings.append(reading);
            }
        }
        glossed.append(word);
        if (words[at].isEmpty() || words[at].first().length == 1)
            continue;
        // the later words of a phrase show the phrase, without the first word's prefixes
        GlossReading phrase = word.readings.first();
        phrase.prefixes.clear();
        phrase.prefixGlosses.clear();
        for (int offset = 1; offset < phrase.length && at + 1 < tokens.size(); ++offset) {
            ++at;
            GlossedWord later{tokens[at], {phrase}, offset};
            glossed.append(later);
        }
    }
    return glossed;
}

QList<QList<GlossedWord>> PhraseTranslator::glossLines(const QString &text) const
{
    QList<QList<GlossedWord>> lines;
    const QStringList textLines = text.split(u'\n');
    for (const QString &line : textLines) {
        QStringList tokens;
        for (const QStringList &sentence : tokenize(line))
            tokens += sentence;
        lines.append(glossTokens(tokens));
    }
    return lines;
}

QString PhraseTranslator::translateText(const QString &text) const
{
    QString result;
    const QList<QStringList> sentences = tokenize(text);
    for (const QStringList &sentence : sentences) {
        if (sentence.isEmpty()) {
            result += u'\n';
            continue;
        }
        QStringList lines;
        QStringList run;
        for (const GlossedWord &word : glossTokens(sentence)) {
            if (word.phraseOffset > 0)
                continue;
            QStringList texts;
            for (const GlossReading &reading : word.readings) {
                if (!reading.text().isEmpty() && !texts.contains(reading.text()))
                    texts.append(reading.text());
                // a phrase stands for its words, whatever else they might be
                if (reading.length > 1)
                    break;
            }
            if (word.readings.isEmpty())
                texts.append(word.token);
            if (texts.size() == 1) {
                run.append(texts.first());
                continue;
            }
            if (!run.isEmpty())
                lines.append(run.join(u' '));
            run.clear();
            if (!texts.isEmpty())
                lines.append(texts.join(QStringLiteral(" / ")));
        }
        if (!run.isEmpty())
            lines.append(run.join(u' '));
        result += capitalized(lines.join(u'\n')) + QStringLiteral("\n-------------------\n");
    }
    return result.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
}
