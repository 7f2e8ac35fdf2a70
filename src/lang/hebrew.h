#pragma once

#include "language.h"

// Hebrew as the language of a dictionary: its letters, right to left, no
// neuter. The text helpers are in hebrewtext.h, the verb forms in
// conjugation.h and the word analysis in hebrewanalyser.h.
class Hebrew : public Language
{
public:
    Hebrew();
};
