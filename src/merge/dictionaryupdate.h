#pragma once

#include "dictionarymerge.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class Dictionary;

// Brings a copy of a dictionary that came from elsewhere (a server, a
// device, a file) into the learner's copy: the incoming bytes must be a
// whole dictionary with sound entry numbers; the learner's file is merged
// into them (taken unchanged when there is none) and the result saved over
// it, the previous file kept among its backups. A learner's file that exists
// but cannot be read is never replaced; one read damaged is kept beside it
// as FILE.damaged before what could be read is merged.
class DictionaryUpdate
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryUpdate)

public:
    enum class Status {
        Ok,
        NotADictionary, // the incoming bytes
        IncomingDamaged, // cut, or entry numbers no dictionary of ours has
        LocalUnreadable, // the learner's file exists but cannot be read
        NoIdLeft, // the learner's entries can get no free entry number
        SaveFailed,
    };

    // A received dictionary of more entries is refused: decoding it would
    // take memory beyond any dictionary a server or phone has reason to send.
    static constexpr qsizetype MaxReceivedEntries = 500000;

    explicit DictionaryUpdate(
        const QString &localPath, DictionaryMerge::Counters counters = DictionaryMerge::Counters::FromLocal);
    ~DictionaryUpdate();

    // The copy last received from the same place (or the last sync's
    // result), the base of a three-way merge; a missing file means none.
    void setBase(const QString &basePath) { m_basePath = basePath; }
    void setPriority(DictionaryMerge::Priority priority) { m_priority = priority; }
    // The learner's file is read and written with the copy of its store kept there.
    void setCacheFolder(const QString &folder) { m_cacheFolder = folder; }

    // Reads both sides and merges them; the result waits for save().
    Status merge(const QByteArray &incoming);
    // Keeps the learner's file as FILE.bak (older backups move back), then
    // writes the result over it.
    Status save();

    bool hadLocalCopy() const { return m_hadLocal; }
    // save() wrote the file: the result differs from what it held.
    bool changedFile() const { return m_changedFile; }
    const MergeReport &report() const { return m_merge.report(); }
    const Dictionary &result() const { return *m_result; }
    Dictionary &result() { return *m_result; }
    QString errorString() const { return m_errorString; }

private:
    Status fail(Status status, const QString &reason);
    Status readLocal(Dictionary &local);

    QString m_path;
    QString m_basePath;
    DictionaryMerge::Counters m_counters;
    DictionaryMerge::Priority m_priority = DictionaryMerge::Priority::OtherSide;
    QString m_cacheFolder;
    DictionaryMerge m_merge;
    std::unique_ptr<Dictionary> m_result;
    bool m_hadLocal = false;
    bool m_changedFile = false;
    QString m_errorString;
};
