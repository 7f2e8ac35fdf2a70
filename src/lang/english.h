#pragma once

#include "language.h"

// English: Latin letters a-z and A-Z, left to right, with a neuter gender.
class English : public Language
{
public:
    bool isLanguageChar(QChar c) const override
    {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    }
    bool hasNeuterGender() const override { return true; }
};
