#pragma once

#include "proxyconfig.h"
#include "transferjob.h"
#include "transferprompts.h"

#include "files/dictionarylist.h"
#include "merge/dictionarymerge.h"

#include <QLockFile>
#include <QMetaType>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QNetworkAccessManager;

// What every run is given.
struct TransferSettings
{
    QString dataDirectory;
    DictionaryList *localList = nullptr;
    TransferPrompts *prompts = nullptr;
    int stallSeconds = TransferLimits::DefaultStallSeconds;
    ProxyConfig proxy;
    // where copies of large dictionaries' decoded stores are kept; none when empty
    QString cacheFolder;
};

// How one file of a run went.
struct FileOutcome
{
    QString file;
    bool ok = false;
    // on success the entries merged or the bytes sent, else the reason
    QString detail;
    // what a merge changed in the learner's copy
    MergeReport report;
};
Q_DECLARE_METATYPE(FileOutcome)

// One exchange of dictionaries with another place (a server, a master
// folder, a phone), without widgets: read the other side's list, then
// transfer each chosen file once, one job after the other, each ending with
// one outcome and its reason. The data folder is locked while a run holds
// it, so two runs never write one file. The dialogs and the command-line
// tool show a run through its signals.
class TransferRun : public QObject
{
    Q_OBJECT

public:
    explicit TransferRun(const TransferSettings &settings, QObject *parent = nullptr);
    ~TransferRun() override;

    // Step 1: locks the data folder and reads the other side's list from
    // source (an address; a device needs none). It starts from the event
    // loop; listReady() or listFailed() follows.
    void readList(const QString &source = QString());
    // Step 2: the chosen files, each once, in this order.
    void transfer(const QStringList &files);
    // Stops the job under way and the files still to come.
    void cancel();
    // The same, and the job ends now (its program killed, its files closed).
    void cancelNow();

    const DictionaryList &remoteList() const { return m_remoteList; }
    const QList<FileOutcome> &outcomes() const { return m_outcomes; }
    // The dictionary files this run replaced in the data folder.
    QStringList changedFiles() const;
    bool isRunning() const { return m_job != nullptr; }
    bool isCancelled() const { return m_cancelled; }
    // What a merge changed in the learner's copy, in a line: the entries
    // that now read as the other side has them and those deleted, a few of
    // each named; empty when nothing of the learner's changed.
    static QString changesText(const MergeReport &report);
    // Every change a merge made to the learner's copy, a line each, the
    // learner's version of what was replaced or deleted with it.
    static QStringList changeLines(const MergeReport &report);

signals:
    void info(const QString &text);
    void progressRange(int minimum, int maximum);
    void progressValue(int value);
    void listReady();
    // the list could not be read; the source may be corrected and tried again
    void listFailed(const QString &reason);
    void fileDone(const FileOutcome &outcome);
    void finished(bool complete);

protected:
    virtual void startList(const QString &source) = 0;
    // transfers one file and ends with fileFinished()
    virtual void startFile(const QString &file) = 0;
    // after the last file
    virtual void finishFiles() { endRun(); }
    // what the end says when every file went through
    virtual QString completedText() const = 0;

    const TransferSettings &settings() const { return m_settings; }
    QString localPath(const QString &file) const;
    // The list arrived: parsed within bounds, then shown.
    void takeList(const QByteArray &data);
    void listNotRead(const QString &reason);
    void fileFinished(const FileOutcome &outcome);
    void endRun();
    // Runs one job; done is called when it ends, and the job goes after.
    void runJob(std::unique_ptr<TransferJob> job, std::function<void(TransferJob &)> done);
    // A download or an upload at an HTTP(S) or FTP address; null, with the
    // reason in *error, for any other address.
    std::unique_ptr<TransferJob> makeJob(
        const QUrl &url, qint64 maxBytes, const QByteArray *upload = nullptr, QString *error = nullptr);
    // The address the user gave, its login taken out; invalid, with the
    // reason in *error, unless HTTP, HTTPS or FTP.
    QUrl takeSource(const QString &source, QString *error);
    // Merges the bytes into the learner's file and saves it, after asking
    // when the merge would cost the learner entries or training; basePath
    // is the copy last received from the same place. The outcome says how
    // it went.
    FileOutcome mergeIntoLocal(
        const QString &file, const QByteArray &data, DictionaryMerge::Counters counters, const QString &basePath);
    // Where the copy of a file last received from (or sent to) this run's
    // source is kept beside the learner's: the base of the next merge with it.
    QString receivedPath(const QString &file) const;

    DictionaryList m_remoteList;

private:
    bool lockDataFolder(QString &why);
    void next();
    void jobProgress(qint64 done, qint64 total);

    TransferSettings m_settings;
    QLockFile m_lock;
    QUrl m_origin;
    Credentials m_serverLogin;
    Credentials m_proxyLogin;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<TransferJob> m_job;
    QStringList m_pending;
    QStringList m_changed;
    QList<FileOutcome> m_outcomes;
    int m_files = 0;
    bool m_cancelled = false;
};
