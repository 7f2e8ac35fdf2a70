#pragma once

#include "model/entry.h"

// Grammatical bits of a Hebrew word form, and the codes of the forms the
// engine generates built from them.
namespace GrammarCode {
enum : int {
    Masculine = 0x1,
    Feminine = 0x2,
    Singular = 0x4,
    Plural = 0x8,
    Infinitive = 0x20,
    FirstPerson = 0x400,
    SecondPerson = 0x800,
    ThirdPerson = 0x1000,
    Past = 0x10000,
    Present = 0x20000,
    Future = 0x40000,
    Imperative = 0x80000,

    GenderMask = Masculine | Feminine,

    MasculineSingular = Masculine | Singular,
    FeminineSingular = Feminine | Singular,
    MasculinePlural = Masculine | Plural,
    FemininePlural = Feminine | Plural,
};

// A base form is indexed with its entry's own flags as its code, so the
// gender and number bits must be the entry flags of the same name.
static_assert(int(Masculine) == int(Entry::FlagMasculine) && int(Feminine) == int(Entry::FlagFeminine)
    && int(Singular) == int(Entry::FlagSingular) && int(Plural) == int(Entry::FlagPlural));
} // namespace GrammarCode
