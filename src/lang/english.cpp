#include "english.h"

#include "grammarcode.h"
#include "langlog.h"

#include <QFile>
#include <QStringList>

using namespace GrammarCode;

namespace {

enum class Section { None, Triples, Plurals };

bool isVowel(QChar c)
{
    return QStringView(u"aeiou").contains(c);
}

bool isConsonant(QChar c)
{
    return c.isLetter() && !isVowel(c);
}

// Runs of vowels, a y after a letter counting as one: "stop" 1, "visit" 2, "cry" 1.
int vowelGroups(const QString &word)
{
    int groups = 0;
    bool inGroup = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const bool vowel = isVowel(word[i]) || (i > 0 && word[i] == u'y');
        if (vowel && !inGroup)
            ++groups;
        inGroup = vowel;
    }
    return groups;
}

bool endsInConsonantY(const QString &word)
{
    return word.size() > 1 && word.endsWith(u'y') && isConsonant(word[word.size() - 2]);
}

// The pronoun English needs where a Hebrew past or future names its subject
// in the ending (the third person mostly has its subject written out).
QString subjectPronoun(int grammar)
{
    if (!(grammar & (Past | Future)))
        return QString();
    if (grammar & FirstPerson)
        return grammar & Plural ? QStringLiteral("we") : QStringLiteral("I");
    if (grammar & SecondPerson)
        return QStringLiteral("you");
    return QString();
}

// "be" and what follows it ("be born", "be able to") in the tense of the form.
QStringList beForm(QStringList rest, int grammar)
{
    const bool plural = grammar & (Plural | SecondPerson);
    if (grammar & Past)
        rest.prepend(plural ? QStringLiteral("were") : QStringLiteral("was"));
    else if (grammar & Present)
        rest.prepend(plural ? QStringLiteral("are") : QStringLiteral("is"));
    else if (grammar & Future)
        rest = QStringList{QStringLiteral("will"), QStringLiteral("be")} + rest;
    else if (grammar & Infinitive)
        rest = QStringList{QStringLiteral("to"), QStringLiteral("be")} + rest;
    else
        rest.prepend(QStringLiteral("be"));
    return rest;
}

} // namespace

bool English::loadVerbs(const QString &path)
{
    qCDebug(lcLang) << "loading the English verbs";
    QFile file(path);
    if (!file.exists()) {
        qCWarning(lcLang) << "verb table" << path << "not found";
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcLang) << "cannot read the verb table" << path;
        return false;
    }
    readVerbs(file.readAll());
    return true;
}

void English::readVerbs(const QByteArray &data)
{
    Section section = Section::None;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("!SECTION"))) {
            const QString name = line.mid(9);
            if (name == QLatin1String("TRIPLES"))
                section = Section::Triples;
            else if (name == QLatin1String("PLURALS"))
                section = Section::Plurals;
            else
                qCWarning(lcLang) << "unknown section" << name;
            continue;
        }
        const QStringList fields = line.split(u',');
        // infinitive, simple past, past participle; the gloss needs the past only
        if (section == Section::Triples && fields.size() == 3)
            m_past.insert(fields[0].trimmed(), fields[1].trimmed());
        else if (section == Section::Plurals && fields.size() == 2)
            m_plural.insert(fields[0].trimmed(), fields[1].trimmed());
    }
}

bool English::doublesFinalConsonant(const QString &verb) const
{
    if (verb.size() < 3)
        return false;
    const QChar last = verb.back();
    if (m_past.value(verb) == verb + last + QStringLiteral("ed"))
        return true;
    return isConsonant(last) && !QStringView(u"wxy").contains(last) && isVowel(verb[verb.size() - 2])
        && isConsonant(verb[verb.size() - 3]) && vowelGroups(verb) == 1;
}

QString English::pastTense(const QString &verb) const
{
    const QString past = m_past.value(verb);
    if (!past.isEmpty())
        return past;
    if (verb.endsWith(u'e'))
        return verb + u'd';
    if (endsInConsonantY(verb))
        return verb.chopped(1) + QStringLiteral("ied");
    if (doublesFinalConsonant(verb))
        return verb + verb.back() + QStringLiteral("ed");
    return verb + QStringLiteral("ed");
}

QString English::presentParticiple(const QString &verb) const
{
    if (verb == QLatin1String("be"))
        return QStringLiteral("being");
    if (verb.endsWith(QLatin1String("ie")))
        return verb.chopped(2) + QStringLiteral("ying");
    if (verb.size() > 2 && verb.endsWith(u'e') && !QStringView(u"eoy").contains(verb[verb.size() - 2]))
        return verb.chopped(1) + QStringLiteral("ing");
    if (doublesFinalConsonant(verb))
        return verb + verb.back() + QStringLiteral("ing");
    return verb + QStringLiteral("ing");
}

QString English::plural(const QString &noun) const
{
    // "cup of tea": the head takes the plural; else the last word
    const qsizetype of = noun.indexOf(QLatin1String(" of "));
    const qsizetype end = of > 0 ? of : noun.size();
    const qsizetype start = noun.lastIndexOf(u' ', end - 1) + 1;
    const QString word = noun.mid(start, end - start);
    QString plural = m_plural.value(word);
    if (plural.isEmpty()) {
        if (endsInConsonantY(word))
            plural = word.chopped(1) + QStringLiteral("ies");
        else if (word.endsWith(u's') || word.endsWith(u'x') || word.endsWith(u'z') || word.endsWith(QLatin1String("ch"))
            || word.endsWith(QLatin1String("sh")))
            plural = word + QStringLiteral("es");
        else
            plural = word + u's';
    }
    return noun.left(start) + plural + noun.mid(end);
}

QString English::pluralForm(const QString &noun, const WordMatch &match) const
{
    return match.grammar & Plural ? plural(noun) : noun;
}

QString English::conjugate(const QString &meaning, const WordMatch &match) const
{
    QStringList words = meaning.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2 || (words[0] != QLatin1String("to") && words[0] != QLatin1String("be")))
        return meaning;
    const int g = match.grammar;
    if (words[0] == QLatin1String("be")) {
        words = beForm(words.mid(1), g);
    } else if (words[1] == QLatin1String("be")) {
        words = beForm(words.mid(2), g);
    } else {
        words.removeFirst();
        if (g & Past)
            words[0] = pastTense(words[0]);
        else if (g & Present)
            words[0] = presentParticiple(words[0]);
        else if (g & Future)
            words.prepend(QStringLiteral("will"));
        else if (g & Infinitive)
            words.prepend(QStringLiteral("to"));
    }
    const QString pronoun = subjectPronoun(g);
    if (!pronoun.isEmpty())
        words.prepend(pronoun);
    return words.join(u' ');
}
