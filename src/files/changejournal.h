#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>

class Dictionary;
class Entry;

// The changes made to an open dictionary since it was last saved, kept in
// FILE.dic.journal beside it as they are made, so that a crash or a killed
// process loses none of them; the next start offers them back.
//
// Why a journal and not saving on its own: the learner decides when the
// dictionary file changes (Save, or Discard when asked), and phones and
// servers merge against that file; a journal keeps that choice while
// costing one short line per change, where saving a dictionary of tens of
// thousands of entries after each trainer answer would rewrite megabytes,
// and saving a few seconds later would still lose the last changes.
//
// Plain text, a line each: a header naming the file's contents it started
// from (a hash of its bytes, so the journal is never replayed over a file
// that changed since), then "put" with an entry's whole record, "drop" with
// an id, "attributes" with the header attributes, or "store" with the whole
// store after a change of every entry at once. Lines are appended whole and
// flushed; a line cut by a crash is skipped.
class ChangeJournal
{
    Q_DECLARE_TR_FUNCTIONS(ChangeJournal)

public:
    enum class Status {
        None, // no journal
        Matching, // left behind, made on the file as it is now
        Stale, // left behind, made on other contents of the file
        Unreadable,
    };

    static QString pathFor(const QString &dictionaryPath);
    // The hash of the file's bytes that a journal names; 0 for no file.
    static quint64 fileHash(const QString &dictionaryPath);

    explicit ChangeJournal(const QString &dictionaryPath = QString());
    QString path() const { return m_path; }

    // A journal left by an earlier run: whether it fits the file, and how
    // many changes it holds.
    Status inspect(int *changes = nullptr) const;
    // Applies a matching journal's changes to the store, which holds the
    // file as it is; false when it does not match or cannot be read. The
    // changes from now on are appended to it.
    bool replay(Dictionary &store);
    // Keeps a journal that does not fit the file beside it, under
    // FILE.dic.journal.stale, out of the way of a new one; the name goes
    // to *kept.
    bool setAside(QString *kept);

    // Each change, appended at once; the first of a journal writes its
    // header. False, with errorString(), when it could not be written.
    bool recordEntry(const Entry &entry);
    bool recordRemoval(int id);
    bool recordAttributes(const QMap<QString, QString> &attributes);
    // Starts the journal again with the whole store.
    bool recordStore(const Dictionary &store);
    // The file now holds every change (saved), or they were given up.
    void discard();

    QString errorString() const { return m_errorString; }

private:
    bool append(const QByteArray &line);
    bool fail(const QString &reason);
    QByteArray header() const;

    QString m_dictionaryPath;
    QString m_path;
    bool m_started = false;
    QString m_errorString;
};
