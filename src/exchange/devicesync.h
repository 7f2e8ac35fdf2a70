#pragma once

#include "exchangerun.h"

#include <QProcess>
#include <QTemporaryDir>

// Exchanges dictionaries with an Android device through "adb": copies the
// device's "dicts.dic" into a private temporary folder, shows the local
// dictionaries the device also holds, and for each chosen one copies the
// device's file over, merges it with the local file, saves the result
// locally (keeping FILE.bak) and copies it back onto the device. The lists
// themselves are not changed.
class DeviceSync : public ExchangeRun
{
    Q_OBJECT

public:
    DeviceSync(DictionaryList *localList, const QString &dataDirectory, QObject *parent = nullptr);
    ~DeviceSync() override;

    // The adb program: $VERBALON_ADB, else "adb" on the search path.
    static QString adbProgram();
    static QString deviceDirectory() { return QStringLiteral("/sdcard/Verbalon/"); }

    void fetchList();
    void syncFiles(const QStringList &files);
    void cancel() override;

private:
    enum Step { ListNotRead, FileArriving, FilePushing, Done };

    void run(const QStringList &arguments, const QString &infoText);
    void pull(const QString &name);
    void push(const QString &name);
    void pullNext();
    void adbFinished(int exitCode, QProcess::ExitStatus status);
    void adbFailed(QProcess::ProcessError error);
    void evaluateList();
    void process(const QString &name);

    QProcess m_adb;
    QTemporaryDir m_temporary;
    QString m_entries;
};
