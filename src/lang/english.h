#pragma once

#include "wordmatch.h"

#include <QHash>
#include <QString>

// The English forms the gloss of Hebrew text needs: the simple past and the
// -ing form of verbs, the plural of nouns (irregular ones from the tables of
// "verbs_en.dat", the rest by the spelling rules), and a verb meaning put
// into the tense and person of a Hebrew form.
class English
{
public:
    // Reads the tables; false when the file is missing or unreadable (the
    // tables are then left as they were). Malformed lines are skipped.
    bool loadVerbs(const QString &path);
    // Reads the lines of the tables: "!SECTION TRIPLES" (infinitive, simple
    // past, past participle) and "!SECTION PLURALS" (singular, plural).
    void readVerbs(const QByteArray &data);
    // The simple past of a bare infinitive: the table's, else the regular
    // ending with the spelling rules (cried, stopped, danced).
    QString pastTense(const QString &verb) const;
    // The -ing form: running, making, lying, seeing.
    QString presentParticiple(const QString &verb) const;
    // The plural of a noun or of a meaning of several words (the head before
    // "of", else the last word): the table's, else -ies, -es or -s.
    QString plural(const QString &noun) const;
    // plural(noun) when the match is plural, else the noun.
    QString pluralForm(const QString &noun, const WordMatch &match) const;
    // A meaning starting with "to" or "be" in the tense of the match ("to
    // write" as past: "wrote"; the present, a participle in Hebrew, as
    // "writing"), a first or second person with its pronoun ("I wrote");
    // other meanings stay as they are.
    QString conjugate(const QString &meaning, const WordMatch &match) const;

private:
    // A short verb ending in one vowel and one consonant doubles it (stop,
    // stopped, stopping); so does a longer one the table spells so (admit).
    bool doublesFinalConsonant(const QString &verb) const;

    // infinitive without "to" -> simple past
    QHash<QString, QString> m_past;
    // singular -> plural, where the rules get it wrong
    QHash<QString, QString> m_plural;
};
