#pragma once

#include "model/dictionary.h"
#include "changejournal.h"
#include "dictionaryfile.h"

#include <QObject>
#include <QString>

// The dictionary open in the window, below it: the store, the file it came
// from and how reading it went, whether it changed since, and the entry
// deleted last, which can come back until it does or another dictionary is
// opened. The window asks the learner; the document does what was decided.
//
// Every change of the store is also kept in a ChangeJournal beside the file
// until it is saved or given up, so a crash loses no edit and no counter a
// trainer answer moved; a journal left by a run that ended without either
// is offered back when the file is opened next (see ChangeJournal for why a
// journal rather than saving on its own).
class DictionaryDocument : public QObject
{
    Q_OBJECT

public:
    explicit DictionaryDocument(QObject *parent = nullptr);
    // The changes were settled (saved or given up) before: the journal goes.
    ~DictionaryDocument() override;

    // Large dictionaries open from a copy of their decoded store kept here.
    void setCacheFolder(const QString &folder) { m_file.setCacheFolder(folder); }

    Dictionary *store() { return &m_store; }
    const Dictionary *store() const { return &m_store; }
    QString path() const { return m_file.path(); }
    bool isOpen() const { return !m_file.path().isEmpty(); }
    bool isModified() const { return m_store.isModified(); }

    // Reads the file into the emptied store; what could be read stays even
    // when the status is not Ok (errorString() tells). The journal of the
    // dictionary open before goes: its changes were settled.
    DictionaryFile::Status open(const QString &path);
    // No dictionary: the store is emptied.
    void close();
    // False, with errorString(), when the file could not be written. Once
    // saved, the journal goes.
    bool save();

    // Changes an earlier run made and never saved, found by open(): until
    // they are restored or discarded, no change is journaled. Matching ones
    // can be restored; stale ones (the file changed since) were set aside,
    // to staleJournal().
    ChangeJournal::Status leftChanges() const { return m_left; }
    int leftChangeCount() const { return m_leftCount; }
    QString staleJournal() const { return m_staleJournal; }
    // Applies them to the store, which then holds unsaved changes.
    bool restoreLeftChanges();
    void discardLeftChanges();
    // The journal could not be written; empty while it can.
    QString journalError() const { return m_journalError; }
    DictionaryFile::Status status() const { return m_file.status(); }
    QString errorString() const { return m_file.errorString(); }

    // Adds a new entry or replaces the one with its id; its id, or 0 with
    // the reason in storeError().
    int store(const Entry &entry);
    QString storeError() const { return m_store.errorString(); }
    // Deletes the stored entry with this id, kept to come back.
    bool remove(int id);
    // Brings the entry deleted last back under its id, with its counters.
    bool undoRemove();
    const Entry &deletedEntry() const { return m_deleted; }

signals:
    // The entry deleted last came back, or can no longer.
    void deletedEntryChanged(bool canComeBack);
    // Changes can no longer be kept against a crash until the next save;
    // once until then.
    void journalFailed(const QString &reason);

private:
    void setDeleted(const Entry &entry);
    void startJournal(const QString &path);
    void journal(bool written);

    Dictionary m_store;
    DictionaryFile m_file;
    Entry m_deleted{0};
    ChangeJournal m_journal;
    // changes are journaled only while the store holds the file and what
    // was decided about the changes found left
    bool m_journaling = false;
    ChangeJournal::Status m_left = ChangeJournal::Status::None;
    int m_leftCount = 0;
    QString m_staleJournal;
    QString m_journalError;
};
