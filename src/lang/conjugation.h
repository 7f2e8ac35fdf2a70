#pragma once

#include "paradigm.h"

#include <QList>
#include <QString>

class Entry;

// The conjugation of one Hebrew verb: which of the seven binyanim it is
// in and what its root is, read from its dictionary form (the past 3sg m,
// pointed or not) together with the infinitive the entry stores, and every
// form the engine derives from them.
namespace Conjugation {

enum Binyan { UnknownBinyan = 0, Paal, Piel, Hifil, Hitpael, Hufal, Pual, Nifal };

// The binyan of a pointed dictionary form by its points, or by its letters
// alone when it has none; UnknownBinyan when neither fits a binyan.
int detectBinyan(const QString &word);
// "Paal" ... "Nifal" for 1..7, "unknown" otherwise.
QString binyanName(int binyan);

// A verb as the engine reads it: its binyan and root, and the dictionary
// form's letters (points gone, last letter medial). `ambiguous` when the
// letters fit another binyan as well and neither points nor the infinitive
// told them apart.
struct Verb
{
    int binyan = UnknownBinyan;
    QString root;
    QString past;
    bool ambiguous = false;
    // the other binyan the letters fit, when ambiguous
    int otherBinyan = UnknownBinyan;
};

// Reads a verb from its dictionary form and the infinitive its entry
// stores (may be empty, with or without its lamed).
Verb readVerb(const QString &word, const QString &infinitive);
Verb readVerb(const Entry &verb);

// The forms of a verb entry, unpointed, with their grammar codes: the
// infinitive (the entry's own, else the generated one), the dictionary
// form as past 3sg m, then the paradigm of its binyan; a verb of unknown
// binyan gets only a guessed past 3sg f besides.
QList<Paradigm::Form> verbForms(const Entry &verb);

// The same forms pointed, with their stress, as a learner reads them: the
// past 2sg as two forms, masculine and feminine (כָּתַבְתָּ, כָּתַבְתְּ), which
// the unpointed list gives once without gender. A stored pointed infinitive
// and dictionary form keep their own points. A verb of unknown binyan gets
// its forms unpointed.
QList<Paradigm::Form> pointedVerbForms(const Entry &verb);

} // namespace Conjugation
