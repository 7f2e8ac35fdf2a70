#pragma once

#include "transferjob.h"

#include <QProcess>
#include <QStringList>
#include <QTimer>

// One run of the Android debug bridge ("adb pull" or "adb push" of one
// file), with a deadline: a command that does not end in time is killed.
// Its output is read as it comes and only the last few kB are kept; a pull
// whose file grows beyond the limit is stopped. A failure carries adb's own
// message, escaped.
class AdbJob : public TransferJob
{
    Q_OBJECT

public:
    // watchFile: the file a pull writes, checked for its size while it runs.
    AdbJob(const QStringList &arguments, const TransferLimits &limits, const QString &watchFile = QString());
    ~AdbJob() override;

    // The adb program: $VERBALON_ADB, else "adb" on the search path.
    static QString program();
    // How long one command may take in all, for a stall time.
    static int deadlineSeconds(int stallSeconds) { return stallSeconds * 10; }

    void start() override;
    void abort() override;

private:
    void keepTail(QByteArray &tail, const QByteArray &more);
    void checkFile();
    void ended(int exitCode, QProcess::ExitStatus status);
    void notStarted(QProcess::ProcessError error);
    void stop(const QString &reason);
    void killGroup();

    QStringList m_arguments;
    TransferLimits m_limits;
    QString m_watchFile;
    QProcess m_process;
    QTimer m_deadline;
    QTimer m_watch;
    QByteArray m_errorTail;
    QString m_stopReason;
};
