#include "languageinfo.h"

#include "hebrewtext.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

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
using Script = LanguageInfo::Script;

// German, English, French, Italian, Russian are the user languages, in this order.
constexpr LanguageInfo Table[] = {
    {"de", QT_TRANSLATE_NOOP("LanguageInfo", "German"), nullptr, Script::Latin, false, true, Keyboard::None, true},
    {"en", QT_TRANSLATE_NOOP("LanguageInfo", "English"), isLatinLetter, Script::Latin, false, true, Keyboard::None,
        true},
    {"fr", QT_TRANSLATE_NOOP("LanguageInfo", "French"), nullptr, Script::Latin, false, false, Keyboard::None, true},
    {"it", QT_TRANSLATE_NOOP("LanguageInfo", "Italian"), nullptr, Script::Latin, false, false, Keyboard::None, true},
    {"ru", QT_TRANSLATE_NOOP("LanguageInfo", "Russian"), isCyrillicLetter, Script::Cyrillic, false, true,
        Keyboard::Russian, true},
    {"ar", QT_TRANSLATE_NOOP("LanguageInfo", "Arabic"), isArabicChar, Script::Arabic, true, false, Keyboard::Arabic,
        false},
    {"fa", QT_TRANSLATE_NOOP("LanguageInfo", "Farsi"), isArabicChar, Script::Arabic, true, false, Keyboard::Farsi,
        false},
    {"he", QT_TRANSLATE_NOOP("LanguageInfo", "Hebrew"), HebrewText::isLetter, Script::Hebrew, true, false,
        Keyboard::Hebrew, false},
};

} // namespace

QString LanguageInfo::name() const
{
    return QCoreApplication::translate("LanguageInfo", englishName);
}

bool LanguageInfo::containsLanguageChars(QStringView text) const
{
    return std::any_of(text.cbegin(), text.cend(), [this](QChar c) { return isLetter(c); });
}

const LanguageInfo *LanguageInfo::ofDictionary(QStringView type)
{
    const LanguageInfo *row = find(type);
    return row && row->isLanguageChar ? row : nullptr;
}

QString LanguageInfo::userLanguageName(const QString &code)
{
    const LanguageInfo *row = find(code);
    return row ? row->name() : code;
}

QString LanguageInfo::dictionaryName(const QString &name, QStringView type)
{
    const LanguageInfo *row = ofDictionary(type);
    return row && name == QLatin1StringView(row->englishName) ? row->name() : name;
}

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
