#pragma once

#include "entry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Dictionary;

// One thing a merge did to the learner's copy of a dictionary, with the
// learner's entry as it was before.
struct MergeChange
{
    enum class Kind {
        Deleted, // the other side deleted the entry
        Replaced, // the other side's version of the entry (spelling or content) took its place
        Renumbered, // the other side uses its id for another word: it came back under a new id
        Added, // the learner's own addition, kept
        Joined, // the learner added a word the other side has too: one entry, the learner's counters
    };
    Kind kind;
    Entry entry;

    bool isLearned() const { return entry.learnedForward() >= 0 || entry.learnedBackward() >= 0; }
};

// What a merge changed, for the user to see and to confirm.
struct MergeReport
{
    QList<MergeChange> changes;
    int localCount = 0;

    QList<Entry> entriesOf(MergeChange::Kind kind) const;
    // Losing more than half of the learner's entries, or any trained one,
    // is not done without asking.
    bool needsConfirmation() const;
};

// Merges a dictionary that came from elsewhere (a server, a device) with
// the learner's copy of it. The other side's entries are the base: its
// words, meanings and ids win. What only the learner has is kept: learn
// counters, entries added since the last exchange, words the other side
// gave another id. Words are compared exactly, so a word never comes back
// twice and an entry added on both sides carries the learner's counters.
// Merging the result with the same incoming copy again changes nothing.
class DictionaryMerge
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryMerge)

public:
    enum class Counters {
        // a server's master copy: counters only ever come from the learner's side
        FromLocal,
        // a copy the learner trains on too (a phone): per entry and direction,
        // what changed since the base (the last sync's result) wins; changed
        // on both sides, the lower; without a base the trained side's, the
        // learner's computer when both are
        ThreeWay,
    };

    // Merges local into remote, which becomes the result; its TYPE and USER
    // are the local ones. False (remote then unusable) when the learner's
    // entries can get no free id; errorString() tells.
    bool merge(const Dictionary &local, Dictionary &remote, Counters counters, const Dictionary *base = nullptr);
    const MergeReport &report() const { return m_report; }
    QString errorString() const { return m_errorString; }

    // Why a dictionary from elsewhere cannot be merged (ids twice, ids that
    // are no ids, the last id there is), or an empty string.
    static QString checkIncoming(const Dictionary &incoming);
    // Two search keys are similar when equal, or of one length differing
    // in one place, or when dropping one character of the longer gives the
    // shorter.
    static bool similar(const QString &a, const QString &b);
    // Word, meaning, type, flags and texts alike (ids and counters aside).
    static bool sameContent(const Entry &a, const Entry &b);

private:
    MergeReport m_report;
    QString m_errorString;
};
