#pragma once

#include "dict/dictionarylist.h"

#include <QObject>
#include <QStringList>

// One run of a dictionary exchange (update from a server, export of
// masters, sync with a device), step by step and without widgets: the
// dialogs and the command-line tool bind to its signals and call its steps
// with the user's choices. Step 0: the remote list is not read yet; 1: it is
// shown and the chosen files are transferred; then done.
class ExchangeRun : public QObject
{
    Q_OBJECT

public:
    ExchangeRun(DictionaryList *localList, const QString &dataDirectory, QObject *parent = nullptr);

    int step() const { return m_step; }
    const DictionaryList &remoteList() const { return m_remoteList; }
    DictionaryList *localList() const { return m_localList; }
    // The files that failed in this run.
    const QStringList &failedFiles() const { return m_failed; }
    // The files this run replaced in the data directory.
    const QStringList &changedFiles() const { return m_changed; }
    // Stops the transfer under way and the files still to come.
    virtual void cancel() = 0;

signals:
    void info(const QString &text);
    void progressRange(int minimum, int maximum);
    void progressValue(int value);
    // the remote list arrived and can be shown
    void listReady();
    // the remote list could not be read; the source may be corrected and tried again
    void listFailed(const QString &reason);
    // one result per file: for a success the entries or bytes, else the reason
    void fileDone(const QString &file, bool ok, const QString &detail);
    // a message box the user must see
    void warning(const QString &title, const QString &text);
    void finished(bool complete);

protected:
    QString localPath(const QString &file) const;
    // The remote list arrived: it is shown, the files can be chosen.
    void takeList(const QByteArray &data, const QString &infoText);
    // The remote list could not be read: the user is told, the source may be tried again.
    void listNotRead(const QString &path, const QString &reason);
    // Files from outside lists whose names are not plain fail here, unread.
    void dropUnplainNames();
    void setStep(int step) { m_step = step; }
    void startFiles(const QStringList &files);
    void advance();
    void fileSucceeded(const QString &file, const QString &detail);
    void markChanged(const QString &file) { m_changed.append(file); }
    void fileFailed(const QString &file, const QString &reason);
    // "Update completed." or the files that failed
    void finishRun(int doneStep);

    DictionaryList m_remoteList;
    QStringList m_pending;

private:
    DictionaryList *m_localList;
    QString m_dataDirectory;
    int m_step = 0;
    int m_progress = 0;
    QStringList m_failed;
    QStringList m_changed;
};
