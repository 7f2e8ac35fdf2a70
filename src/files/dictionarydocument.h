#pragma once

#include "model/dictionary.h"
#include "dictionaryfile.h"

#include <QObject>
#include <QString>

// The dictionary open in the window, below it: the store, the file it came
// from and how reading it went, whether it changed since, and the entry
// deleted last, which can come back until it does or another dictionary is
// opened. The window asks the learner; the document does what was decided.
class DictionaryDocument : public QObject
{
    Q_OBJECT

public:
    explicit DictionaryDocument(QObject *parent = nullptr);

    // Large dictionaries open from a copy of their decoded store kept here.
    void setCacheFolder(const QString &folder) { m_file.setCacheFolder(folder); }

    Dictionary *store() { return &m_store; }
    const Dictionary *store() const { return &m_store; }
    QString path() const { return m_file.path(); }
    bool isOpen() const { return !m_file.path().isEmpty(); }
    bool isModified() const { return m_store.isModified(); }

    // Reads the file into the emptied store; what could be read stays even
    // when the status is not Ok (errorString() tells).
    DictionaryFile::Status open(const QString &path);
    // No dictionary: the store is emptied.
    void close();
    // False, with errorString(), when the file could not be written.
    bool save();
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

private:
    void setDeleted(const Entry &entry);

    Dictionary m_store;
    DictionaryFile m_file;
    Entry m_deleted{0};
};
