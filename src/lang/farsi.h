#pragma once

#include "language.h"

// Farsi: written in the Arabic block, right to left, no neuter.
class Farsi : public Language
{
public:
    bool isLanguageChar(QChar c) const override { return isArabicChar(c); }
    bool isRightToLeft() const override { return true; }
    bool hasNeuterGender() const override { return false; }
};
