#pragma once

#include <QList>
#include <QString>

namespace Conjugation {
struct Verb;
}

// The generated forms of one Hebrew verb: unpointed, in the full spelling
// of the Academy's rules, built from its root by the patterns of its
// binyan and root class (strong and guttural roots, I-nun, I-yod, I-aleph,
// hollow, geminate, III-he, III-aleph, four letters, and the common
// irregular verbs). In the order they go into the form index: past (1sg,
// 2sg, 3sg f, 1pl, 2pl m, 2pl f, 3pl), present (m.sg, f.sg, m.pl, f.pl),
// future (1sg, 2sg m, 2sg f, 3sg m, 3sg f, 1pl, 2pl, 3pl) and imperative
// (sg m, sg f, pl; none in the passive binyanim).
class Paradigm
{
public:
    struct Form
    {
        int code;
        QString text;
        // the same letters pointed, and the stressed syllable counted from
        // the end (1 = last); empty and 0 where the form has no pointing
        QString pointed = QString();
        int stress = 0;
    };

    // The forms of a verb of a known binyan; empty otherwise.
    static QList<Form> generate(const Conjugation::Verb &verb);
    // The infinitive with its lamed; empty for pu'al and huf'al, which
    // have none.
    static QString infinitive(const Conjugation::Verb &verb);
};
