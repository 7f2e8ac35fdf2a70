#pragma once

#include <QString>

#include <memory>

class Dictionary;

// Merges a dictionary that came from elsewhere (a server, a device) with the
// local copy of the same file. The other side's entries are the base; what
// only the user has is kept: learn counters, entries added locally, entries
// whose word the user changed. Remaining local ids are visited in ascending
// order, so a merge always gives the same result.
class DictionaryUpdater
{
public:
    // Local files are looked up in this directory.
    explicit DictionaryUpdater(const QString &directory);

    // The dictionary the bytes hold, merged with the local file of that
    // name (taken unchanged when there is none); its file name is the local
    // one, for the caller to save. Null when the bytes are not a whole
    // dictionary (a damaged or cut download never replaces a local file),
    // with the reason in errorString().
    std::unique_ptr<Dictionary> update(const QString &fileName, const QByteArray &data);
    QString errorString() const { return m_errorString; }

    // Merges local into remote; false (remote then unusable) when the
    // entries the user added can get no id.
    static bool merge(const Dictionary &local, Dictionary &remote);
    // Two search keys are similar when equal, or of one length differing
    // in one place, or when dropping one character of the longer gives the
    // shorter.
    static bool similar(const QString &a, const QString &b);
    // Saves a dictionary over its file, keeping the file it replaces as
    // FILE.bak (one generation), so a wrong merge can be undone by hand.
    static bool saveWithBackup(Dictionary &dictionary, QString &error);

private:
    QString m_directory;
    QString m_errorString;
};
