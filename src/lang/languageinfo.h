#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

// What the program knows about one language, one row per language: the
// foreign languages that dictionaries are written in and the user languages
// their meanings are given in. Everything that asks "which language is this
// code" reads this table.
struct LanguageInfo
{
    enum class Keyboard { None, Hebrew, Farsi, Russian, Arabic };
    enum class Script { Latin, Cyrillic, Arabic, Hebrew };

    // Two letters; a locale code such as "he_IL" names the row whose code it
    // begins with (case-sensitive).
    const char *code;
    // English name, as the dictionary manager lists user languages.
    const char *englishName;
    // Name shown for the language as a user language (selector, column
    // headers); null where the code itself is shown.
    const char *displayName;
    // Letters of the language's own script; null for languages no
    // dictionary is written in.
    bool (*isLanguageChar)(QChar c);
    // the script its words and meanings are written in
    Script script;
    bool rightToLeft;
    bool neuterGender;
    Keyboard keyboard;
    // One of the user languages a dictionary can be given.
    bool userLanguage;

    // The English name in the user's language.
    QString name() const;
    bool isLetter(QChar c) const { return isLanguageChar && isLanguageChar(c); }
    // True at the first character of the language's script; false for an
    // empty text.
    bool containsLanguageChars(QStringView text) const;

    // The row for a locale code, or null.
    static const LanguageInfo *find(QStringView code);
    // The language a dictionary of this TYPE ("he_IL") is written in: a row
    // with a script of its own; null for any other code.
    static const LanguageInfo *ofDictionary(QStringView type);
    // How a user-language code is shown: "Deutsch", "Francais", "Italiano",
    // "English" for codes beginning de, fr, it, en; any other code unchanged.
    static QString userLanguageName(const QString &code);
    // The rows of the user languages, in the order the manager offers them.
    static QList<const LanguageInfo *> userLanguages();
};
