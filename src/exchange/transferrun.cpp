#include "transferrun.h"

#include "exchangelog.h"
#include "files/filenames.h"
#include "ftpjob.h"
#include "httpjob.h"

#include "model/dictionary.h"
#include "merge/dictionaryupdate.h"
#include "train/reviewlogupkeep.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>

namespace {
constexpr int StepsPerFile = 100;
// no exchange takes a day
constexpr qint64 MaxLockAgeSeconds = 24 * 60 * 60;
} // namespace

TransferRun::TransferRun(const TransferSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_lock(QDir(settings.dataDirectory).filePath(QStringLiteral(".exchange.lock")))
    , m_proxyLogin{settings.proxy.user, settings.proxy.password, !settings.proxy.user.isEmpty()}
{
    // a lock left by a program that died is taken over
    m_lock.setStaleLockTime(0);
}

TransferRun::~TransferRun()
{
    m_job.reset();
}

QString TransferRun::localPath(const QString &file) const
{
    return FileNames::pathInFolder(m_settings.dataDirectory, file);
}

QStringList TransferRun::changedFiles() const
{
    return m_changed;
}

// A lock whose program is gone (on this host), that cannot be read, or
// that is older than any exchange takes is taken over.
bool TransferRun::lockDataFolder(QString &why)
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    const QString lockPath = QDir(m_settings.dataDirectory).filePath(QStringLiteral(".exchange.lock"));
    if (m_lock.error() == QLockFile::PermissionError || !QFileInfo(m_settings.dataDirectory).isWritable()) {
        why = tr("the data folder cannot be written to (%1)").arg(FileNames::printable(m_settings.dataDirectory));
        return false;
    }
    qint64 pid = 0;
    QString host;
    QString program;
    const bool readable = m_lock.getLockInfo(&pid, &host, &program);
    const QDateTime written = QFileInfo(lockPath).lastModified();
    if (!readable || !written.isValid() || written.secsTo(QDateTime::currentDateTime()) > MaxLockAgeSeconds) {
        qCDebug(lcExchange) << "taking over the lock" << lockPath << pid << host;
        m_lock.removeStaleLockFile();
        if (m_lock.tryLock(0))
            return true;
    }
    why = host.isEmpty() || host == QSysInfo::machineHostName()
        ? tr("another exchange is running in this data folder")
        : tr("another exchange is running in this data folder (on %1)").arg(FileNames::printable(host));
    return false;
}

void TransferRun::readList(const QString &source)
{
    m_cancelled = false;
    m_remoteList = DictionaryList();
    // started from the event loop, so even a failure at once arrives as a signal later
    QMetaObject::invokeMethod(
        this,
        [this, source] {
            QString why;
            if (!lockDataFolder(why)) {
                listNotRead(why);
                return;
            }
            emit progressRange(0, 0);
            startList(source);
        },
        Qt::QueuedConnection);
}

void TransferRun::takeList(const QByteArray &data)
{
    QString error;
    DictionaryList list;
    if (!list.parseRemote(data, &error)) {
        listNotRead(error);
        return;
    }
    m_remoteList = list;
    qCDebug(lcExchange) << "list:" << m_remoteList.count() << "dictionaries";
    emit progressRange(0, StepsPerFile);
    emit progressValue(0);
    emit listReady();
}

void TransferRun::listNotRead(const QString &reason)
{
    qCWarning(lcExchange) << "list not read:" << reason;
    m_lock.unlock();
    emit progressRange(0, StepsPerFile);
    emit progressValue(0);
    emit info(tr("The list could not be read: %1").arg(reason));
    emit listFailed(reason);
}

void TransferRun::transfer(const QStringList &files)
{
    qCDebug(lcExchange) << "files:" << files;
    m_pending.clear();
    // a file named twice is taken once: its backup is the file as it was before the run
    for (const QString &file : files) {
        if (!m_pending.contains(file))
            m_pending.append(file);
    }
    m_outcomes.clear();
    m_files = int(m_pending.size());
    emit progressRange(0, qMax(1, m_files) * StepsPerFile);
    emit progressValue(0);
    next();
}

void TransferRun::next()
{
    if (m_cancelled || m_pending.isEmpty()) {
        m_pending.clear();
        finishFiles();
        return;
    }
    const QString file = m_pending.takeFirst();
    if (!FileNames::isPlainDictionaryName(file)) {
        fileFinished(FileOutcome{file, false, FileNames::whyNotPlain(file), {}});
        return;
    }
    startFile(file);
}

void TransferRun::fileFinished(const FileOutcome &outcome)
{
    if (!outcome.ok)
        qCWarning(lcExchange) << "failed:" << FileNames::printable(outcome.file) << outcome.detail;
    m_outcomes.append(outcome);
    emit progressValue(int(m_outcomes.size()) * StepsPerFile);
    emit fileDone(outcome);
    // one file after the other from the event loop, however many fail at once
    QMetaObject::invokeMethod(this, &TransferRun::next, Qt::QueuedConnection);
}

void TransferRun::endRun()
{
    m_lock.unlock();
    QStringList failed;
    for (const FileOutcome &outcome : std::as_const(m_outcomes)) {
        if (!outcome.ok)
            failed.append(FileNames::printable(outcome.file));
    }
    QString text = failed.isEmpty()
        ? completedText()
        : tr("Finished; these could not be transferred (the Result column says why): %1").arg(failed.join(u", "));
    for (const FileOutcome &outcome : std::as_const(m_outcomes)) {
        const QString changes = changesText(outcome.report);
        if (outcome.ok && !changes.isEmpty())
            text += u'\n' + FileNames::printable(outcome.file) + QStringLiteral(": ") + changes;
    }
    emit info(text);
    emit finished(!m_cancelled);
}

QString TransferRun::changesText(const MergeReport &report)
{
    QStringList parts;
    const auto words = [](const QList<Entry> &entries) {
        QStringList shown;
        for (const Entry &e : entries.mid(0, 5))
            shown.append(FileNames::printable(e.word()));
        return shown.join(QStringLiteral(", ")) + (entries.size() > 5 ? QStringLiteral(", ...") : QString());
    };
    const QList<Entry> replaced = report.entriesOf(MergeChange::Kind::Replaced);
    const QList<Entry> deleted = report.entriesOf(MergeChange::Kind::Deleted);
    if (!replaced.isEmpty())
        parts.append(
            tr("%n entries now as the other side has them (%1)", nullptr, int(replaced.size())).arg(words(replaced)));
    if (!deleted.isEmpty())
        parts.append(tr("%n entries deleted (%1)", nullptr, int(deleted.size())).arg(words(deleted)));
    const QList<Entry> reset = report.entriesOf(MergeChange::Kind::Reset);
    if (!reset.isEmpty())
        parts.append(tr("%n respelled, their training begun again (%1)", nullptr, int(reset.size())).arg(words(reset)));
    return parts.join(QStringLiteral("; "));
}

QStringList TransferRun::changeLines(const MergeReport &report)
{
    QStringList lines;
    for (const MergeChange &change : report.changes) {
        const QString word = FileNames::printable(change.entry.word());
        const QString yours = FileNames::printable(change.entry.translation());
        switch (change.kind) {
        case MergeChange::Kind::Added: lines.append(tr("added: %1").arg(word)); break;
        case MergeChange::Kind::Replaced: lines.append(tr("replaced: %1 (yours: %2)").arg(word, yours)); break;
        case MergeChange::Kind::Deleted: lines.append(tr("deleted: %1 (%2)").arg(word, yours)); break;
        case MergeChange::Kind::Reset: lines.append(tr("training begun again: %1").arg(word)); break;
        default: break;
        }
    }
    return lines;
}

void TransferRun::cancel()
{
    m_cancelled = true;
    m_pending.clear();
    if (m_job)
        m_job->abort();
}

void TransferRun::cancelNow()
{
    cancel();
    m_job.reset();
}

void TransferRun::runJob(std::unique_ptr<TransferJob> job, std::function<void(TransferJob &)> done)
{
    m_job = std::move(job);
    connect(m_job.get(), &TransferJob::progress, this, &TransferRun::jobProgress);
    connect(m_job.get(), &TransferJob::finished, this, [this, done] {
        // the job is still emitting: it goes from the event loop
        TransferJob *finishedJob = m_job.release();
        finishedJob->deleteLater();
        done(*finishedJob);
    });
    m_job->start();
}

void TransferRun::jobProgress(qint64 done, qint64 total)
{
    if (m_files == 0 || total <= 0)
        return;
    const qint64 part = qMin<qint64>(StepsPerFile, done * StepsPerFile / total);
    emit progressValue(int(m_outcomes.size()) * StepsPerFile + int(part));
}

QUrl TransferRun::takeSource(const QString &source, QString *error)
{
    const QUrl url(source.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("ftp"))) {
        if (error)
            *error = tr("not an address of HTTP, HTTPS or FTP: %1").arg(FileNames::display(url));
        return QUrl();
    }
    if (!url.userName().isEmpty())
        m_serverLogin = Credentials{url.userName(), url.password(), true};
    m_origin = url.adjusted(QUrl::RemoveUserInfo);
    return m_origin;
}

std::unique_ptr<TransferJob> TransferRun::makeJob(
    const QUrl &url, qint64 maxBytes, const QByteArray *upload, QString *error)
{
    TransferContext context;
    context.origin = m_origin;
    context.prompts = m_settings.prompts;
    context.server = &m_serverLogin;
    context.proxy = &m_proxyLogin;
    context.limits = TransferLimits{maxBytes, m_settings.stallSeconds};
    if (url.scheme() == QLatin1String("ftp"))
        return upload ? std::make_unique<FtpJob>(context, url, *upload) : std::make_unique<FtpJob>(context, url);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
        if (error)
            *error = tr("not an address of HTTP, HTTPS or FTP: %1").arg(FileNames::display(url));
        return nullptr;
    }
    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
        m_network->setProxy(m_settings.proxy.networkProxy());
    }
    context.network = m_network.get();
    if (!m_settings.proxy.host.isEmpty())
        context.proxyName
            = QStringLiteral("%1:%2").arg(m_settings.proxy.host).arg(m_settings.proxy.networkProxy().port());
    return upload ? std::make_unique<HttpJob>(context, url, *upload) : std::make_unique<HttpJob>(context, url);
}

QString TransferRun::receivedPath(const QString &file) const
{
    // one copy per source: a name from the address, never the address itself
    const QByteArray source = m_origin.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFilename).toEncoded();
    const QByteArray hash = QCryptographicHash::hash(source, QCryptographicHash::Sha256).toHex().left(12);
    return localPath(file) + QStringLiteral(".from-") + QString::fromLatin1(hash);
}

FileOutcome TransferRun::mergeIntoLocal(
    const QString &file, const QByteArray &data, DictionaryMerge::Counters counters, const QString &basePath)
{
    FileOutcome outcome{file, false, QString(), {}};
    DictionaryUpdate update(localPath(file), counters);
    update.setBase(basePath);
    update.setCacheFolder(m_settings.cacheFolder);
    if (update.merge(data) != DictionaryUpdate::Status::Ok) {
        outcome.detail = update.errorString();
        return outcome;
    }
    outcome.report = update.report();
    if (update.hadLocalCopy() && outcome.report.needsConfirmation()
        && !(m_settings.prompts && m_settings.prompts->confirmDeletions(file, outcome.report))) {
        outcome.detail
            = tr("not changed: the update would %1, and that was not confirmed").arg(outcome.report.lossText());
        return outcome;
    }
    if (update.save() != DictionaryUpdate::Status::Ok) {
        outcome.detail = update.errorString();
        return outcome;
    }
    if (update.changedFile()) {
        m_changed.append(file);
        // the training history goes with the file's backups and follows
        // the entries the merge gave other ids
        QString error;
        if (!ReviewLogUpkeep::followChangedFile(
                localPath(file), outcome.report.idMoves(), QDateTime::currentSecsSinceEpoch(), &error))
            emit info(tr("The training history of %1 could not follow the update: %2").arg(file, error));
    }
    outcome.ok = true;
    outcome.detail = QString::number(update.result().count());
    return outcome;
}
