#pragma once

#include "model/entryarena.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Entry;
struct LanguageInfo;

// An entry's grammar as the pages show it to a learner, by the entry's
// language: which extra texts the language's entries carry (the editor's
// fields), a short description for the lookup table ("noun, f., gen. ко́шки,
// pl. ко́шки"), and how the word is said. A language without a row here
// (or none at all) has no extra texts and a description of type, gender,
// number and transitivity only.
class EntryGrammar
{
    Q_DECLARE_TR_FUNCTIONS(EntryGrammar)

public:
    // One extra text the editor offers: its key, the word type it belongs
    // to (Entry::TypeUnset: every type), the editor's label, and whether it
    // is written in the language's own script (or in Latin letters).
    struct Field
    {
        quint32 key;
        int wordType;
        QString label;
        bool foreignScript;

        bool appliesTo(int type) const { return wordType == 0 || wordType == type; }
    };

    explicit EntryGrammar(const LanguageInfo *language);
    // The grammar of the language a dictionary of this TYPE is written in.
    static EntryGrammar ofDictionary(const QString &type);

    // The extra texts beyond plural and infinitive, pronunciation first.
    QList<Field> fields() const;
    bool hasPronunciation() const;
    // Verbs come in aspect pairs (perfective, imperfective).
    bool hasAspect() const;

    // Type, gender and number or aspect and transitivity, then the texts a
    // learner needs beside the word (genitive, plural, root, stems).
    QString describe(const EntryArena::View &entry) const;
    QString describe(const Entry &entry) const;
    // The stored pronunciation; for a pointed Hebrew word without one, the
    // one its points give. Empty when there is neither.
    QString pronunciation(const EntryArena::View &entry) const;
    QString pronunciation(const Entry &entry) const;
    // A pointed Hebrew text read aloud with its default stress; empty for
    // other languages and for a text without points.
    QString derivedPronunciation(const QString &text) const;

    // A language's row of the table in the source.
    struct Row;

private:
    // textOf(key) gives the entry's text under a key, empty for none.
    template <typename TextOf> QString describe(int wordType, quint32 flags, TextOf textOf) const;

    const Row *m_row = nullptr;
    bool m_neuter = false;
};
