#pragma once

#include "paradigm.h"

#include <QList>
#include <QString>

class Entry;

// The conjugation of one Hebrew verb: which of the seven binyanim its
// pointed dictionary form belongs to, and every form the engine derives from
// it.
namespace Conjugation {

enum Binyan { UnknownBinyan = 0, Paal, Piel, Hifil, Hitpael, Hufal, Pual, Nifal };

// Binyan of a verb from its pointed dictionary form, UnknownBinyan when the
// points fit none.
int detectBinyan(const QString &pointedWord);
// "Paal" ... "Nifal" for 1..7, "unknown" otherwise.
QString binyanName(int binyan);

// The forms of a verb entry, unpointed, with their grammar codes: the
// infinitive (the entry's own, else lamed + word), the dictionary form as
// past 3sg m, then the paradigm of its binyan; a verb of unknown binyan
// gets only a guessed past 3sg f besides.
QList<Paradigm::Form> verbForms(const Entry &verb);

} // namespace Conjugation
