#include "english.h"

#include "grammarcode.h"
#include "langlog.h"

#include <QFile>
#include <QStringList>

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
    bool inTriples = false;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("!SECTION"))) {
            const QString name = line.mid(9);
            if (name == QLatin1String("TRIPLES"))
                inTriples = true;
            else
                qCWarning(lcLang) << "unknown section" << name;
            continue;
        }
        if (!inTriples)
            continue;
        const QStringList fields = line.split(u',');
        if (fields.size() != 3)
            continue;
        // infinitive, simple past, past participle; the gloss needs the past only
        m_past.insert(fields[0].trimmed(), fields[1].trimmed());
    }
}

QString English::pastTense(const QString &verb) const
{
    const QString past = m_past.value(verb);
    if (!past.isEmpty())
        return past;
    return verb + (verb.endsWith(u'e') ? QStringLiteral("d") : QStringLiteral("ed"));
}

QString English::pluralForm(const QString &noun, const WordMatch &match) const
{
    if (!(match.grammar & GrammarCode::Plural))
        return noun;
    return noun + (noun.endsWith(u's') ? QStringLiteral("es") : QStringLiteral("s"));
}

QString English::conjugate(const QString &meaning, const WordMatch &match) const
{
    QStringList words = meaning.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2)
        return meaning;
    const QString first = words.takeFirst();
    const int g = match.grammar;
    const bool plural = g & GrammarCode::Plural;
    if (first == QLatin1String("to")) {
        // the present (participle) is the bare verb
        if (g & GrammarCode::Past) {
            words[0] = pastTense(words[0]);
        } else if (!(g & GrammarCode::Present)) {
            if (g & GrammarCode::Future)
                words.prepend(QStringLiteral("will"));
            else if (g & GrammarCode::Infinitive)
                words.prepend(QStringLiteral("to"));
        }
    } else if (first == QLatin1String("be")) {
        if (g & GrammarCode::Past) {
            words.prepend(plural ? QStringLiteral("were") : QStringLiteral("was"));
        } else if (g & GrammarCode::Present) {
            words[0] += QStringLiteral("ing");
            words.prepend(plural ? QStringLiteral("are") : QStringLiteral("is"));
        } else if (g & GrammarCode::Future) {
            words.prepend(QStringLiteral("be"));
            words.prepend(QStringLiteral("will"));
        } else if (g & GrammarCode::Infinitive) {
            words.prepend(QStringLiteral("be"));
            words.prepend(QStringLiteral("to"));
        }
    }
    return words.join(u' ');
}
