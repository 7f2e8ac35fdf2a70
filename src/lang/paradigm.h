#pragma once

#include <QList>
#include <QString>

// The generated forms of one Hebrew verb in one binyan: consonantal forms
// (no points) built from the dictionary form by the letter rules of the
// binyan, in the order they go into the form index: past (1sg, 2sg, 3sg f,
// 1pl, 2pl m, 2pl f, 3pl), present (m.sg, f.sg, m.pl, f.pl), future (1sg,
// 2sg m, 2sg f, 3sg m, 3sg f, 1pl, 2pl, 3pl) and imperative (sg m, sg f, pl;
// none for Hufal and Pual). The rules are those of a learner's table and
// are not checked against real usage.
class Paradigm
{
public:
    struct Form
    {
        int code;
        QString text;
    };

    // Forms of a verb (pointed or not) for binyan 1..7; empty otherwise.
    static QList<Form> generate(const QString &word, int binyan);
};
