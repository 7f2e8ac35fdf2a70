#pragma once

#include <QChar>
#include <QString>

#include <memory>

struct LanguageInfo;

// The per-language behaviour the views rely on without knowing which
// language a dictionary holds: its own script, its direction, its gender
// system and its on-screen keyboard, all read from its row of the language
// table.
class Language
{
public:
    explicit Language(const LanguageInfo &info);
    virtual ~Language();

    const LanguageInfo &info() const { return m_info; }
    bool isLanguageChar(QChar c) const;
    // True at the first character that belongs to the language; false for
    // an empty text.
    bool containsLanguageChars(const QString &text) const;
    bool isRightToLeft() const;
    bool hasNeuterGender() const;

    // The language of a locale code ("he_IL"): the row whose code begins it
    // (case-sensitive); null for a code that names no language a dictionary
    // can be written in.
    static std::unique_ptr<Language> fromCode(const QString &code);
    // How a user-language code is shown: "Deutsch", "Francais", "Italiano",
    // "English" for codes beginning de, fr, it, en; any other code unchanged.
    static QString displayName(const QString &code);

private:
    const LanguageInfo &m_info;
};
