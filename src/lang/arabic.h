#pragma once

#include "language.h"

// Arabic: the whole Arabic block, right to left, no neuter.
class Arabic : public Language
{
public:
    bool isLanguageChar(QChar c) const override { return isArabicChar(c); }
    bool isRightToLeft() const override { return true; }
    bool hasNeuterGender() const override { return false; }
};
