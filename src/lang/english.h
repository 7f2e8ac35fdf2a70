#pragma once

#include "wordmatch.h"

#include <QHash>
#include <QString>

// The English forms the gloss of Hebrew text needs: the simple past from a table of
// irregular verbs ("verbs_en.dat"), plurals, and a verb meaning put into the
// tense of a Hebrew form.
class English
{
public:
    // Reads the verb table; false when the file is missing or unreadable
    // (the tables are then left as they were). Malformed lines are skipped.
    bool loadVerbs(const QString &path);
    // Reads the lines of a verb table; malformed lines are skipped.
    void readVerbs(const QByteArray &data);
    // The simple past of a bare infinitive: the table's, else +d / +ed.
    QString pastTense(const QString &verb) const;
    // noun + s (or + es after s) when the match is plural.
    QString pluralForm(const QString &noun, const WordMatch &match) const;
    // A meaning starting with "to" or "be" in the tense of the match
    // ("to write" as past: "wrote"); other meanings lose their first word.
    QString conjugate(const QString &meaning, const WordMatch &match) const;

private:
    // infinitive without "to" -> simple past
    QHash<QString, QString> m_past;
};
