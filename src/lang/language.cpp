#include "language.h"

#include "english.h"
#include "hebrew.h"
#include "languageinfo.h"

Language::Language(const LanguageInfo &info)
    : m_info(info)
{ }

Language::~Language() = default;

bool Language::isLanguageChar(QChar c) const
{
    return m_info.isLanguageChar && m_info.isLanguageChar(c);
}

bool Language::containsLanguageChars(const QString &text) const
{
    for (QChar c : text) {
        if (isLanguageChar(c))
            return true;
    }
    return false;
}

bool Language::isRightToLeft() const
{
    return m_info.rightToLeft;
}

bool Language::hasNeuterGender() const
{
    return m_info.neuterGender;
}

std::unique_ptr<Language> Language::fromCode(const QString &code)
{
    const LanguageInfo *info = LanguageInfo::find(code);
    if (!info || !info->isLanguageChar)
        return nullptr;
    // the two languages with behaviour beyond the table
    const QLatin1StringView prefix(info->code);
    if (prefix == QLatin1StringView("he"))
        return std::make_unique<Hebrew>();
    if (prefix == QLatin1StringView("en"))
        return std::make_unique<English>();
    return std::make_unique<Language>(*info);
}

QString Language::displayName(const QString &code)
{
    const LanguageInfo *info = LanguageInfo::find(code);
    return info && info->displayName ? QString::fromLatin1(info->displayName) : code;
}
