#include "languageinfo.h"

#include "hebrewtext.h"

#include <QList>

namespace {

bool isLatinLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

// The whole Arabic block: Farsi letters and Arabic-Indic digits included.
bool isArabicChar(QChar c)
{
    return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF;
}

// U+0410..U+044F, Ё and ё.
bool isCyrillicLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

using Keyboard = LanguageInfo::Keyboard;

// German, English, French, Italian, Russian are the user languages, in this order.
constexpr LanguageInfo Table[] = {
    {"de", "German", "Deutsch", nullptr, false, true, Keyboard::None, true},
    {"en", "English", "English", isLatinLetter, false, true, Keyboard::None, true},
    {"fr", "French", "Francais", nullptr, false, false, Keyboard::None, true},
    {"it", "Italian", "Italiano", nullptr, false, false, Keyboard::None, true},
    {"ru", "Russian", nullptr, isCyrillicLetter, false, true, Keyboard::Russian, true},
    {"ar", "Arabic", nullptr, isArabicChar, true, false, Keyboard::None, false},
    {"fa", "Farsi", nullptr, isArabicChar, true, false, Keyboard::Farsi, false},
    {"he", "Hebrew", nullptr, HebrewText::isLetter, true, false, Keyboard::Hebrew, false},
};

} // namespace

const LanguageInfo *LanguageInfo::find(QStringView code)
{
    for (const LanguageInfo &row : Table) {
        if (code.startsWith(QLatin1StringView(row.code)))
            return &row;
    }
    return nullptr;
}

QList<const LanguageInfo *> LanguageInfo::userLanguages()
{
    QList<const LanguageInfo *> rows;
    for (const LanguageInfo &row : Table) {
        if (row.userLanguage)
            rows.append(&row);
    }
    return rows;
}
