#pragma once

#include "formats/filelookup.h"
#include "model/entry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

class Dictionary;
class HebrewAnalyser;
struct LanguageInfo;

// What a text typed into the lookup finds in a dictionary, the same for the
// lookup page and the command-line tool. Text with a letter of the
// dictionary's own script is looked up among the words: its letters (points,
// stress and vowel marks, case and blanks folded away) find the first word
// whose key begins with them, or the longest start they share with one; a
// Hebrew word typed with a medial last letter (הלכ) finds its final form
// (הלך) when nothing else begins so; and where no word begins with it, the
// analysis reads it as an inflected or prefixed form of an entry (הלכתי,
// בבית, וכשהלכנו). Any other text, and text in the dictionary's script
// where its meanings share that script (English words with German
// meanings), is looked up among the meanings.
class Lookup
{
    Q_DECLARE_TR_FUNCTIONS(Lookup)

public:
    // What a source finds for the letters of a text at once: the answers
    // of a loaded store, as a file walk gives them.
    using Found = FileLookup::Result;

    // Where the words and meanings are looked up: a loaded store, or a
    // file walked without loading.
    class Source
    {
    public:
        virtual ~Source() = default;
        virtual QString type() const = 0;
        virtual QStringList userLanguageCodes() const = 0;
        // key: the text's search key; meanings: the text as typed, or empty
        // when meanings are not asked for
        virtual bool find(const QString &key, const QString &meaning, Found &found) = 0;
        // The analysis of the store, made when first asked for; null when
        // none can be made.
        virtual const HebrewAnalyser *analyser() = 0;
        // An entry of the store the analysis was made of.
        virtual Entry entryById(int id) const = 0;
        // What went wrong when find() returned false.
        virtual QString errorString() const = 0;
    };

    // A reading of an inflected word, in words: "הלכתי → הלך, past, I".
    struct Reading
    {
        QString text;
        // the entry it reads the word as (the word, not its prefixes)
        int entryId = 0;
    };

    struct Answer
    {
        // the letters looked up: lower-cased, a last letter in its final
        // form where only that found something
        QString key;
        bool inWords = false;
        bool inMeanings = false;
        Found found;
        QList<Reading> readings;
        // Some word begins with the text; it is a whole word.
        bool beginsWord() const { return found.prefixPosition >= 0; }
        bool isWholeWord() const { return beginsWord() && found.matchLength == key.size(); }
    };

    explicit Lookup(Source &source);
    ~Lookup();

    // False, with the reason in errorString(), when the source failed.
    bool find(const QString &text, Answer &answer);
    QString errorString() const { return m_source.errorString(); }

    // Text with a letter of the dictionary's own script.
    bool isForeignText(const QString &text) const;
    // The readings of a word the analysis gives, in words.
    QList<Reading> readingsOf(const QString &word);

    // A loaded store as a source; its analysis is made on the first miss and
    // made again after the store changed.
    static std::unique_ptr<Source> storeSource(const Dictionary *dictionary);
    // Words of dictionaries of this type are analysed (Hebrew), when they
    // hold no more than MaxAnalysedEntries: the analysis makes every form of
    // every entry, half a kilobyte an entry, and a keystroke must not wait
    // seconds for a million of them.
    static constexpr qint64 MaxAnalysedEntries = 100000;
    static bool isAnalysed(const QString &type, qint64 entries);

private:
    const LanguageInfo *language() const;
    bool meaningsShareScript() const;

    Source &m_source;
};
