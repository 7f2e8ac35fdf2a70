#pragma once

#include "language.h"

// Russian: Cyrillic letters, left to right, with a neuter gender.
class Russian : public Language
{
public:
    bool isLanguageChar(QChar c) const override { return isCyrillicLetter(c); }
    bool hasNeuterGender() const override { return true; }
};
