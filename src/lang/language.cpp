#include "language.h"

#include "arabic.h"
#include "english.h"
#include "farsi.h"
#include "hebrew.h"
#include "russian.h"

Language::~Language() = default;

bool Language::containsLanguageChars(const QString &text) const
{
    for (QChar c : text) {
        if (isLanguageChar(c))
            return true;
    }
    return false;
}

std::unique_ptr<Language> Language::fromCode(const QString &code)
{
    if (code.startsWith(QLatin1String("ar")))
        return std::make_unique<Arabic>();
    if (code.startsWith(QLatin1String("en")))
        return std::make_unique<English>();
    if (code.startsWith(QLatin1String("fa")))
        return std::make_unique<Farsi>();
    if (code.startsWith(QLatin1String("he")))
        return std::make_unique<Hebrew>();
    if (code.startsWith(QLatin1String("ru")))
        return std::make_unique<Russian>();
    return nullptr;
}
