#pragma once

#include <QChar>
#include <QString>

#include <memory>

// The per-language behaviour the views rely on without knowing which language
// a dictionary holds: its own script, its direction and its gender system.
class Language
{
public:
    virtual ~Language();

    virtual bool isLanguageChar(QChar c) const = 0;
    // True at the first character that belongs to the language; false for
    // an empty text.
    bool containsLanguageChars(const QString &text) const;
    virtual bool isRightToLeft() const { return false; }
    virtual bool hasNeuterGender() const = 0;

    // The language named by a locale code: "ar", "en", "fa", "he", "ru"
    // prefixes (case-sensitive) give a new object, anything else null.
    static std::unique_ptr<Language> fromCode(const QString &code);
};

// U+0600..U+06FF, the whole Arabic block (Farsi letters and Arabic-Indic digits included).
inline bool isArabicChar(QChar c)
{
    return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF;
}

// U+0410..U+044F, Ё and ё.
inline bool isCyrillicLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}
