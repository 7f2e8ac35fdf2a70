#include "entrygrammar.h"

#include "hebrewtransliteration.h"
#include "languageinfo.h"

#include "model/entry.h"

#include <QStringList>

namespace {

// A text of the language inside Latin words: isolated, so that a
// right-to-left word does not carry the commas and labels around it along.
QString isolated(QStringView text)
{
    return QChar(0x2068) + text.toString() + QChar(0x2069);
}

constexpr int AnyType = Entry::TypeUnset;

struct FieldRow
{
    quint32 key;
    int wordType;
    const char *label;
    bool foreignScript;
};

// A text the description shows after its abbreviation.
struct Part
{
    quint32 key;
    int wordType;
    const char *abbreviation;
};

const char *const TypeWords[Entry::WordTypeCount]
    = {"", QT_TRANSLATE_NOOP("EntryGrammar", "noun"), QT_TRANSLATE_NOOP("EntryGrammar", "verb"),
        QT_TRANSLATE_NOOP("EntryGrammar", "adj."), QT_TRANSLATE_NOOP("EntryGrammar", "adv."),
        QT_TRANSLATE_NOOP("EntryGrammar", "num."), QT_TRANSLATE_NOOP("EntryGrammar", "pron."),
        QT_TRANSLATE_NOOP("EntryGrammar", "conj."), QT_TRANSLATE_NOOP("EntryGrammar", "prep.")};

} // namespace

// What a language's entries carry beyond the word, its meanings, plural and
// infinitive: the editor's fields and the parts of the description, each
// list ended by key 0. The aspect partner's part is named by the aspect it
// has, so it has no abbreviation here.
struct EntryGrammar::Row
{
    const char *code;
    bool aspect;
    FieldRow fields[5];
    Part parts[4];
};

namespace {

const char *const PronunciationLabel = QT_TRANSLATE_NOOP("EntryGrammar", "Pronunciation:");
const char *const PluralPart = QT_TRANSLATE_NOOP("EntryGrammar", "pl.");
const char *const PresentPart = QT_TRANSLATE_NOOP("EntryGrammar", "pres.");

using Row = EntryGrammar::Row;

// clang-format off
const Row Rows[] = {
    {"he", false,
        {{Entry::TextPronunciation, AnyType, PronunciationLabel, false}},
        {}},
    {"ru", true,
        {{Entry::TextGenitive, Entry::Noun, QT_TRANSLATE_NOOP("EntryGrammar", "Genitive:"), true},
         {Entry::TextPartner, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "Aspect partner:"), true}},
        {{Entry::TextGenitive, Entry::Noun, QT_TRANSLATE_NOOP("EntryGrammar", "gen.")},
         {Entry::TextPlural, Entry::Noun, PluralPart},
         {Entry::TextPartner, Entry::Verb, nullptr}}},
    {"ar", false,
        {{Entry::TextPronunciation, AnyType, PronunciationLabel, false},
         {Entry::TextRoot, AnyType, QT_TRANSLATE_NOOP("EntryGrammar", "Root:"), true},
         {Entry::TextPresent, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "Present:"), true},
         {Entry::TextVerbalNoun, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "Verbal noun:"), true}},
        {{Entry::TextRoot, AnyType, QT_TRANSLATE_NOOP("EntryGrammar", "root")},
         {Entry::TextPlural, AnyType, PluralPart},
         {Entry::TextPresent, Entry::Verb, PresentPart}}},
    {"fa", false,
        {{Entry::TextPronunciation, AnyType, PronunciationLabel, false},
         {Entry::TextPast, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "Past stem:"), true},
         {Entry::TextPresent, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "Present stem:"), true}},
        {{Entry::TextPast, Entry::Verb, QT_TRANSLATE_NOOP("EntryGrammar", "past")},
         {Entry::TextPresent, Entry::Verb, PresentPart}}},
};
// clang-format on

const Row *rowOf(const LanguageInfo *language)
{
    if (!language)
        return nullptr;
    for (const Row &row : Rows) {
        if (qstrcmp(row.code, language->code) == 0)
            return &row;
    }
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("EntryGrammar", text);
}

// The text under a key, empty when the entry has none.
QStringView textOf(const EntryArena::View &entry, quint32 key)
{
    QStringView found;
    entry.forEachText([&found, key](quint32 k, QStringView text) {
        if (k == key && found.isEmpty())
            found = text;
    });
    return found;
}

} // namespace

EntryGrammar::EntryGrammar(const LanguageInfo *language)
    : m_row(rowOf(language))
    , m_neuter(language && language->neuterGender)
{ }

EntryGrammar EntryGrammar::ofDictionary(const QString &type)
{
    return EntryGrammar(LanguageInfo::ofDictionary(type));
}

QList<EntryGrammar::Field> EntryGrammar::fields() const
{
    QList<Field> fields;
    if (!m_row)
        return fields;
    for (const FieldRow &f : m_row->fields) {
        if (f.key == 0)
            break;
        fields.append(Field{f.key, f.wordType, translated(f.label), f.foreignScript});
    }
    return fields;
}

bool EntryGrammar::hasPronunciation() const
{
    return m_row && m_row->fields[0].key == Entry::TextPronunciation;
}

bool EntryGrammar::hasAspect() const
{
    return m_row && m_row->aspect;
}

template <typename TextOf> QString EntryGrammar::describe(int wordType, quint32 flags, TextOf textOf) const
{
    QStringList parts;
    if (wordType > 0 && wordType < Entry::WordTypeCount)
        parts.append(translated(TypeWords[wordType]));
    const bool perfective = flags & Entry::FlagPerfective;
    const bool imperfective = flags & Entry::FlagImperfective;
    if (wordType == Entry::Noun) {
        QString gender = (flags & Entry::FlagFeminine) ? tr("f.")
            : (flags & Entry::FlagMasculine)           ? tr("m.")
            // a neuter noun has neither gender bit; a plural-only one has no gender
            : m_neuter && (flags & Entry::FlagSingular) ? tr("n.")
                                                        : QString();
        if (flags & Entry::FlagPlural)
            gender = gender.isEmpty() ? translated(PluralPart) : gender + u' ' + translated(PluralPart);
        if (!gender.isEmpty())
            parts.append(gender);
    } else if (wordType == Entry::Verb) {
        if (hasAspect() && perfective && imperfective)
            parts.append(tr("impf. and pf."));
        else if (hasAspect() && (perfective || imperfective))
            parts.append(perfective ? tr("pf.") : tr("impf."));
        if (flags & Entry::FlagTransitive)
            parts.append(tr("tr."));
        else if (flags & Entry::FlagIntransitive)
            parts.append(tr("intr."));
    }
    if (m_row) {
        for (const Part &part : m_row->parts) {
            if (part.key == 0)
                break;
            const auto text = textOf(part.key); // a QString for an Entry: kept while in use
            if (text.isEmpty() || (part.wordType != AnyType && part.wordType != wordType))
                continue;
            // the partner has the other aspect
            const QString abbreviation = part.abbreviation ? translated(part.abbreviation)
                : perfective == imperfective               ? tr("pair")
                : perfective                               ? tr("impf.")
                                                           : tr("pf.");
            parts.append(abbreviation + u' ' + isolated(text));
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString EntryGrammar::describe(const EntryArena::View &entry) const
{
    return describe(entry.wordType, entry.flags, [&entry](quint32 key) { return textOf(entry, key); });
}

QString EntryGrammar::describe(const Entry &entry) const
{
    return describe(entry.wordType(), entry.flags(), [&entry](quint32 key) { return entry.text(key); });
}

QString EntryGrammar::pronunciation(const EntryArena::View &entry) const
{
    const QStringView stored = textOf(entry, Entry::TextPronunciation);
    return stored.isEmpty() ? derivedPronunciation(entry.word.toString()) : stored.toString();
}

QString EntryGrammar::pronunciation(const Entry &entry) const
{
    const QString stored = entry.text(Entry::TextPronunciation);
    return stored.isEmpty() ? derivedPronunciation(entry.word()) : stored;
}

QString EntryGrammar::derivedPronunciation(const QString &text) const
{
    if (!m_row || qstrcmp(m_row->code, "he") != 0 || text.isEmpty())
        return QString();
    const HebrewTransliteration::Result result = HebrewTransliteration::transliterate(text);
    return result.status == HebrewTransliteration::Status::Ok ? result.text : QString();
}
