#pragma once

#include "model/entry.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

class Dictionary;

// One thing a merge did to the learner's copy of a dictionary.
struct MergeChange
{
    enum class Kind {
        Added, // the other side added the entry (`entry` is the other side's)
        Replaced, // the learner's version (`entry`) gave way to the other side's text
        Deleted, // the other side deleted the learner's entry (`entry`)
        Reset, // the other side respelled the word and its counters start again (`entry` as it was)
        Renumbered, // the other side uses the id for another word: the learner's entry came back under a new one
        Joined, // both sides added the same word: one entry, the learner's counters
    };
    Kind kind;
    Entry entry;
    // the learner added or edited the entry since the last exchange (or, without
    // a record of it, may have)
    bool learnersOwn = false;
    // Renumbered and Joined: the id the learner's entry has now
    int newId = 0;

    bool isLearned() const { return entry.isLearned(); }
};

// What a merge changed, for the user to see and to confirm.
struct MergeReport
{
    QList<MergeChange> changes;
    int localCount = 0;

    QList<Entry> entriesOf(MergeChange::Kind kind) const;
    // The learner's entries the merge gave another id (renumbered or
    // joined), as (old id, new id), for what keeps notes by id.
    QList<QPair<int, int>> idMoves() const;
    // Losing more than half of the learner's entries, any trained one or
    // one they edited, or resetting trained counters, is not done without
    // asking.
    bool needsConfirmation() const;
    // What asking would be about, in a line: how many entries go, how many
    // of them trained or the learner's own, how many counters start again.
    QString lossText() const;
};

// Merges a dictionary that came from elsewhere (a server, a device, an
// installed version) with the learner's copy of it, three ways when the
// copy last received from the same place (the base) is known: what only
// the learner added or edited since stays as the learner has it, what only
// the other side changed is taken, and where both changed the same field
// the other side's text wins and the learner's version is reported.
// Entries are matched by id; a server's respelling of a word keeps the
// counters when the base shows it is the same entry. Without a base the
// other side's entries win, the learner's additions are kept, and a
// respelling restarts the counters, reported. Nothing of the learner's
// goes without a change in the report, counters are never lowered without
// one, and a word the learner holds twice keeps the higher counter of each
// direction. Merging the result with the same incoming copy and base again
// changes nothing.
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
    enum class Priority {
        // where both changed a field the other side's text wins; its deletions
        // are taken (asked about when they cost the learner)
        OtherSide,
        // the learner's text wins, and an entry the learner trained or edited
        // stays even where the other side dropped it (no one is there to ask)
        Learner,
    };

    // Merges local into remote, which becomes the result; its TYPE and USER
    // are the local ones. False (remote then unusable) when the learner's
    // entries can get no free id; errorString() tells.
    bool merge(const Dictionary &local, Dictionary &remote, Counters counters, const Dictionary *base = nullptr,
        Priority priority = Priority::OtherSide);
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
