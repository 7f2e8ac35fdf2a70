#pragma once

// Grammatical bits of a Hebrew word form. The gender and number bits are the
// entry flags of the same name, since a base form is indexed with its
// entry's own flags.
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
};
} // namespace GrammarCode
