#include "adbjob.h"

#include "exchangelog.h"
#include "files/filenames.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <unistd.h>

namespace {
constexpr qsizetype KeptOutput = 4096;
}

AdbJob::AdbJob(const QStringList &arguments, const TransferLimits &limits, const QString &watchFile)
    : m_arguments(arguments)
    , m_limits(limits)
    , m_watchFile(watchFile)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
        [this] { stop(tr("adb did not finish within %n seconds", nullptr, deadlineSeconds(m_limits.stallSeconds))); });
    m_watch.setInterval(200);
    connect(&m_watch, &QTimer::timeout, this, &AdbJob::checkFile);
    connect(&m_process, &QProcess::readyReadStandardError, this,
        [this] { keepTail(m_errorTail, m_process.readAllStandardError()); });
    // what adb says on its standard output is of no use here, and must not pile up
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] { m_process.readAllStandardOutput(); });
    connect(&m_process, &QProcess::finished, this, &AdbJob::ended);
    connect(&m_process, &QProcess::errorOccurred, this, &AdbJob::notStarted);
}

AdbJob::~AdbJob()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        killGroup();
        m_process.waitForFinished(3000);
    }
}

QString AdbJob::program()
{
    const QString configured = qEnvironmentVariable("VERBALON_ADB");
    if (!configured.isEmpty())
        return configured;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("adb"));
    return found.isEmpty() ? QStringLiteral("adb") : found;
}

void AdbJob::start()
{
    // a group of its own: what it starts (a copy that reads a device or waits
    // on a FIFO) goes with it when it is stopped
    m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
    // the paths are separate arguments, never a command line: a folder with blanks stays whole
    qCDebug(lcExchange) << "starting" << program() << m_arguments;
    m_deadline.start(deadlineSeconds(m_limits.stallSeconds) * 1000);
    if (!m_watchFile.isEmpty())
        m_watch.start();
    m_process.start(program(), m_arguments);
}

void AdbJob::abort()
{
    stop(cancelledText());
}

void AdbJob::stop(const QString &reason)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_stopReason = reason;
    killGroup();
}

void AdbJob::killGroup()
{
    if (m_process.processId() > 0)
        ::kill(-pid_t(m_process.processId()), SIGKILL);
    m_process.kill();
}

void AdbJob::keepTail(QByteArray &tail, const QByteArray &more)
{
    tail += more;
    if (tail.size() > KeptOutput)
        tail = tail.right(KeptOutput);
}

void AdbJob::checkFile()
{
    if (QFileInfo(m_watchFile).size() > m_limits.maxBytes)
        stop(tooLargeText(m_limits.maxBytes));
}

void AdbJob::ended(int exitCode, QProcess::ExitStatus status)
{
    m_deadline.stop();
    m_watch.stop();
    keepTail(m_errorTail, m_process.readAllStandardError());
    qCDebug(lcExchange) << "adb ended:" << exitCode << status;
    if (!m_stopReason.isEmpty()) {
        fail(m_stopReason);
        return;
    }
    if (exitCode != 0 || status != QProcess::NormalExit) {
        const QString message = FileNames::printable(QString::fromLocal8Bit(m_errorTail).trimmed());
        fail(message.isEmpty() ? tr("adb failed (exit code %1)").arg(exitCode) : message,
            message.contains(QLatin1String("No such file")));
        return;
    }
    succeed();
}

// A program that ran and failed ends in ended(); this is for one that never ran.
void AdbJob::notStarted(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    m_deadline.stop();
    m_watch.stop();
    qCWarning(lcExchange) << "adb could not start:" << error;
    fail(tr("the program adb cannot be started: install the Android platform tools (package \"adb\") "
            "or name the program in VERBALON_ADB"));
}
