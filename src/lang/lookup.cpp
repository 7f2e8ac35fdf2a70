#include "lookup.h"

#include "grammarcode.h"
#include "hebrewanalyser.h"
#include "hebrewtext.h"
#include "languageinfo.h"

#include "model/dictionary.h"

#include <QObject>

namespace {

// The store as it is: one analysis for all the lookups until it changes.
class StoreSource : public Lookup::Source
{
public:
    explicit StoreSource(const Dictionary *dictionary)
        : m_dictionary(dictionary)
    {
        if (m_dictionary)
            QObject::connect(m_dictionary, &Dictionary::contentsChanged, &m_guard, [this] { m_analyser.reset(); });
    }
    QString type() const override { return m_dictionary ? m_dictionary->type() : QString(); }
    QStringList userLanguageCodes() const override
    {
        return m_dictionary ? m_dictionary->userLanguageCodes() : QStringList();
    }
    bool find(const QString &key, const QString &meaning, Lookup::Found &found) override
    {
        found = Lookup::Found();
        if (!m_dictionary)
            return true;
        if (!key.isEmpty()) {
            found.prefixPosition = m_dictionary->findLongestPrefix(key, found.matchLength);
            found.exact = m_dictionary->findExact(key);
        }
        if (!meaning.isEmpty())
            found.meaning = m_dictionary->findByMeaning(meaning);
        return true;
    }
    const HebrewAnalyser *analyser() override
    {
        if (!m_analyser && m_dictionary && Lookup::isAnalysed(m_dictionary->type(), m_dictionary->count()))
            m_analyser = std::make_unique<HebrewAnalyser>(m_dictionary);
        return m_analyser.get();
    }
    Entry entryById(int id) const override { return m_dictionary ? m_dictionary->entryById(id) : Entry(0); }
    QString errorString() const override { return QString(); }

private:
    const Dictionary *m_dictionary;
    std::unique_ptr<HebrewAnalyser> m_analyser;
    // ends the connection with the source
    QObject m_guard;
};

// The letters a prefix is written with, and what it means.
struct PrefixMeaning
{
    const char16_t *letters;
    const char *meaning;
};
constexpr PrefixMeaning PrefixMeanings[] = {
    {u"\u05D4", QT_TRANSLATE_NOOP("Lookup", "the")},
    {u"\u05D1", QT_TRANSLATE_NOOP("Lookup", "in")},
    {u"\u05D5", QT_TRANSLATE_NOOP("Lookup", "and")},
    {u"\u05DB", QT_TRANSLATE_NOOP("Lookup", "like")},
    {u"\u05DC", QT_TRANSLATE_NOOP("Lookup", "to")},
    {u"\u05DE", QT_TRANSLATE_NOOP("Lookup", "from")},
    {u"\u05E9", QT_TRANSLATE_NOOP("Lookup", "that")},
    {u"\u05DB\u05E9", QT_TRANSLATE_NOOP("Lookup", "when")},
    {u"\u05DE\u05E9", QT_TRANSLATE_NOOP("Lookup", "since")},
    {u"\u05DC\u05DB\u05E9", QT_TRANSLATE_NOOP("Lookup", "when")},
};

QString prefixText(const WordMatch &match)
{
    for (const PrefixMeaning &p : PrefixMeanings) {
        if (match.text == QStringView(p.letters))
            return QStringLiteral("%1 (%2)").arg(match.text, Lookup::tr(p.meaning));
    }
    return match.text;
}

// The person and number of a verb form, as a learner names it.
QString personText(int code)
{
    using namespace GrammarCode;
    const bool plural = code & Plural;
    const bool feminine = (code & GenderMask) == Feminine;
    const bool masculine = (code & GenderMask) == Masculine;
    if (code & FirstPerson)
        return plural ? Lookup::tr("we") : Lookup::tr("I");
    if (code & SecondPerson) {
        if (plural)
            return feminine ? Lookup::tr("you, f. pl.") : Lookup::tr("you, pl.");
        return feminine ? Lookup::tr("you, f.") : Lookup::tr("you, m.");
    }
    if (code & ThirdPerson)
        return plural ? Lookup::tr("they") : feminine ? Lookup::tr("she") : Lookup::tr("he");
    if (plural)
        return feminine ? Lookup::tr("f. pl.") : Lookup::tr("m. pl.");
    return feminine ? Lookup::tr("f. sg.") : masculine ? Lookup::tr("m. sg.") : QString();
}

// What a form is of its entry: "past, I", "plural"; empty for the entry's own form.
QString grammarText(const WordMatch &match, const Entry &entry)
{
    using namespace GrammarCode;
    const int code = match.grammar;
    QStringList parts;
    if (match.wordType == Entry::Verb) {
        if (code & Infinitive)
            parts.append(Lookup::tr("infinitive"));
        else if (code & Past)
            parts.append(Lookup::tr("past"));
        else if (code & Present)
            parts.append(Lookup::tr("present"));
        else if (code & Future)
            parts.append(Lookup::tr("future"));
        else if (code & Imperative)
            parts.append(Lookup::tr("imperative"));
        if (!parts.isEmpty() && !(code & Infinitive))
            parts.append(personText(code));
    } else if ((code & Plural) && !entry.hasFlag(Entry::FlagPlural)) {
        parts.append(Lookup::tr("plural"));
    } else if ((code & GenderMask) == Feminine && match.wordType == Entry::Adjective
        && !entry.hasFlag(Entry::FlagFeminine)) {
        parts.append(Lookup::tr("feminine"));
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

} // namespace

Lookup::Lookup(Source &source)
    : m_source(source)
{ }

Lookup::~Lookup() = default;

std::unique_ptr<Lookup::Source> Lookup::storeSource(const Dictionary *dictionary)
{
    return std::make_unique<StoreSource>(dictionary);
}

// the source's, now: a store may be filled with another dictionary
bool Lookup::isAnalysed(const QString &type, qint64 entries)
{
    return type.startsWith(QLatin1String("he")) && entries <= MaxAnalysedEntries;
}

const LanguageInfo *Lookup::language() const
{
    return LanguageInfo::ofDictionary(m_source.type());
}

bool Lookup::isForeignText(const QString &text) const
{
    const LanguageInfo *words = language();
    return words && words->containsLanguageChars(text);
}

// Words and meanings in one script (a Latin or Cyrillic dictionary with
// meanings in a language of the same letters): text in it is both.
bool Lookup::meaningsShareScript() const
{
    const QStringList codes = m_source.userLanguageCodes();
    const LanguageInfo *words = language();
    const LanguageInfo *meanings = codes.isEmpty() ? nullptr : LanguageInfo::find(codes.first());
    return words && meanings && meanings->script == words->script;
}

bool Lookup::find(const QString &text, Answer &answer)
{
    answer = Answer();
    answer.inWords = isForeignText(text);
    answer.inMeanings = !answer.inWords || meaningsShareScript();
    answer.key = answer.inWords ? makeSearchKey(text) : QString();
    const QString meaning = answer.inMeanings ? text.trimmed() : QString();
    if (!m_source.find(answer.key, meaning, answer.found))
        return false;
    if (!answer.inWords) {
        // the words were not asked
        answer.found.prefixPosition = -1;
        answer.found.matchLength = 0;
        answer.found.exact.clear();
        return true;
    }
    if (answer.beginsWord())
        return true;
    // a medial last letter where the final one was meant (הלכ for הלך)
    const QString finalKey = HebrewText::finalForm(answer.key);
    Found final;
    if (finalKey != answer.key) {
        if (!m_source.find(finalKey, QString(), final))
            return false;
        if (final.prefixPosition >= 0) {
            answer.key = finalKey;
            final.meaning = answer.found.meaning;
            answer.found = final;
            return true;
        }
    }
    answer.readings = readingsOf(text);
    return true;
}

QList<Lookup::Reading> Lookup::readingsOf(const QString &word)
{
    QList<Reading> readings;
    const HebrewAnalyser *analyser = m_source.analyser();
    if (!analyser)
        return readings;
    constexpr qsizetype MaxReadings = 6;
    for (const ::Reading &reading : analyser->analyse(word.trimmed())) {
        const WordMatch &base = reading.last();
        if (base.entryId == 0 || readings.size() == MaxReadings)
            continue;
        QStringList parts;
        for (qsizetype i = 0; i + 1 < reading.size(); ++i)
            parts.append(prefixText(reading[i]));
        const Entry baseEntry = m_source.entryById(base.entryId);
        const QString grammar = grammarText(base, baseEntry);
        parts.append(grammar.isEmpty() ? baseEntry.word() : baseEntry.word() + QStringLiteral(", ") + grammar);
        const Reading described{
            QStringLiteral("%1 \u2192 %2").arg(word.trimmed(), parts.join(QStringLiteral(" + "))), base.entryId};
        if (!std::any_of(
                readings.cbegin(), readings.cend(), [&](const Reading &r) { return r.text == described.text; }))
            readings.append(described);
    }
    return readings;
}
