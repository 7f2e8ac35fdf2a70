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
    // English name; name() gives it in the user's language.
    const char *englishName;
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
    // How a user-language code is shown (selector, column headers, labels):
    // the language's name in the user's language ("German", "Deutsch" in
    // German); a code no row begins unchanged.
    static QString userLanguageName(const QString &code);
    // How a dictionary is named on the pages: a dictionary named with its
    // language's English name (as the bundled ones are) by the language's
    // name in the user's language; any other name as it is.
    static QString dictionaryName(const QString &name, QStringView type);
    // The rows of the user languages, in the order the manager offers them.
    static QList<const LanguageInfo *> userLanguages();
};
