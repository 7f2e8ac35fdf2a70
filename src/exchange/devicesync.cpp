#include "devicesync.h"

#include "dictionaryupdater.h"
#include "exchangelog.h"

#include "dict/dictionary.h"

#include <QFile>
#include <QStandardPaths>

namespace {
const QString ListName = QStringLiteral("dicts.dic");
}

DeviceSync::DeviceSync(DictionaryList *localList, const QString &dataDirectory, QObject *parent)
    : ExchangeRun(localList, dataDirectory, parent)
{
    connect(&m_adb, &QProcess::finished, this, &DeviceSync::adbFinished);
    connect(&m_adb, &QProcess::errorOccurred, this, &DeviceSync::adbFailed);
}

DeviceSync::~DeviceSync()
{
    m_adb.disconnect(this);
    m_adb.kill();
    m_adb.waitForFinished(3000);
}

QString DeviceSync::adbProgram()
{
    const QString configured = qEnvironmentVariable("VERBALON_ADB");
    if (!configured.isEmpty())
        return configured;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("adb"));
    return found.isEmpty() ? QStringLiteral("adb") : found;
}

// The two paths are separate arguments: a folder with blanks stays whole.
void DeviceSync::run(const QStringList &arguments, const QString &infoText)
{
    qCDebug(lcExchange) << "EXEC:" << adbProgram() << arguments;
    emit info(infoText);
    m_adb.start(adbProgram(), arguments);
}

void DeviceSync::pull(const QString &name)
{
    run({QStringLiteral("pull"), deviceDirectory() + name, m_temporary.filePath(name)},
        tr("Reading '%1' from USB...").arg(name));
}

void DeviceSync::push(const QString &name)
{
    run({QStringLiteral("push"), localPath(name), deviceDirectory()}, tr("Writing '%1' to USB...").arg(name));
}

void DeviceSync::fetchList()
{
    if (!m_temporary.isValid()) {
        setStep(Done);
        emit info(tr("No temporary folder for the sync."));
        emit finished(false);
        return;
    }
    setStep(ListNotRead);
    pull(ListName);
}

void DeviceSync::syncFiles(const QStringList &files)
{
    qCDebug(lcExchange) << "GET FILES:" << files;
    startFiles(files);
    pullNext();
}

void DeviceSync::cancel()
{
    m_pending.clear();
    m_adb.kill();
}

void DeviceSync::pullNext()
{
    dropUnplainNames();
    if (m_pending.isEmpty()) {
        finishRun(Done);
        return;
    }
    setStep(FileArriving);
    pull(m_pending.first());
}

void DeviceSync::adbFinished(int exitCode, QProcess::ExitStatus status)
{
    qCDebug(lcExchange) << "FINISHED:" << exitCode << "," << status;
    const QString message = QString::fromLocal8Bit(m_adb.readAllStandardError()).trimmed();
    if (exitCode != 0 || status != QProcess::NormalExit) {
        if (!m_pending.isEmpty())
            fileFailed(m_pending.first(), message);
        emit warning(
            tr("Sync. Failed"), tr("Sync. failed!\n\nError Message: '%1'\nExit Code: %2").arg(message).arg(exitCode));
        setStep(Done);
        emit finished(false);
        return;
    }
    switch (step()) {
    case ListNotRead: evaluateList(); break;
    case FileArriving:
        advance();
        process(m_pending.first());
        break;
    case FilePushing:
        fileSucceeded(m_pending.takeFirst(), m_entries);
        pullNext();
        break;
    default: break;
    }
}

void DeviceSync::evaluateList()
{
    qCDebug(lcExchange) << "-- eval remote list...";
    if (!m_remoteList.load(m_temporary.filePath(ListName))) {
        setStep(Done);
        emit info(tr("Cannot read dictionaries to sync!"));
        emit finished(false);
        return;
    }
    setStep(FileArriving);
    emit info(tr("Select dictionaries to sync."));
    emit listReady();
}

// The device's file is the base; the local file is merged into it.
void DeviceSync::process(const QString &name)
{
    QFile pulled(m_temporary.filePath(name));
    if (!pulled.open(QIODevice::ReadOnly)) {
        qCWarning(lcExchange) << "ERROR: cannot read" << pulled.fileName();
        fileFailed(m_pending.takeFirst(), tr("the copy from the device cannot be read"));
        pullNext();
        return;
    }
    DictionaryUpdater updater(localPath(QString()));
    const std::unique_ptr<Dictionary> merged = updater.update(name, pulled.readAll());
    QString error;
    if (!merged || !DictionaryUpdater::saveWithBackup(*merged, error)) {
        fileFailed(m_pending.takeFirst(), merged ? error : updater.errorString());
        pullNext();
        return;
    }
    markChanged(name);
    m_entries = QString::number(merged->count());
    setStep(FilePushing);
    push(name);
}

// A program that ran and failed ends in adbFinished; this is for one that
// never ran.
void DeviceSync::adbFailed(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    qCWarning(lcExchange) << "ERROR" << error;
    setStep(Done);
    emit info(tr("ADB error occured - cannot sync."));
    emit warning(tr("ADB Error"), tr("Cannot start 'adb' program!"));
    if (!m_pending.isEmpty())
        fileFailed(m_pending.first(), tr("adb cannot run"));
    emit finished(false);
}
