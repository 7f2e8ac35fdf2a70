#pragma once

#include "transferrun.h"

#include <QTemporaryDir>

// Exchanges dictionaries with a phone through "adb": copies the phone's
// "dicts.dic" into a private temporary folder, and for each chosen
// dictionary copies the phone's file over, merges the learner's file into
// it (content from the phone, counters by what changed on each side since
// the last sync), saves the result locally with backups and copies it back
// onto the phone. The copy a sync produced is kept beside the local file as
// FILE.synced, the base of the next merge. A chosen dictionary the phone
// lacks is copied onto it, and the phone's list (a new one on a phone that
// had none) gets its record; otherwise the lists are not changed.
class DeviceSyncRun : public TransferRun
{
    Q_OBJECT

public:
    explicit DeviceSyncRun(const TransferSettings &settings, QObject *parent = nullptr);
    ~DeviceSyncRun() override;

    static QString deviceDirectory() { return QStringLiteral("/sdcard/Verbalon/"); }
    // The copy the last sync of a local file produced.
    static QString basePath(const QString &localPath) { return localPath + QStringLiteral(".synced"); }

private:
    QString completedText() const override;
    void startList(const QString &source) override;
    void startFile(const QString &file) override;
    using Pulled = std::function<void(bool ok, bool missing, const QByteArray &data, const QString &error)>;
    void pull(const QString &name, qint64 maxBytes, const Pulled &done);
    void merge(const QString &file, const QByteArray &data);
    void push(const QString &path, const std::function<void(TransferJob &)> &done);
    void pushed(const QString &file, const FileOutcome &outcome, TransferJob &job);
    void copyOnto(const QString &file);
    void finishFiles() override;

    QTemporaryDir m_temporary;
    // dictionaries copied onto the phone this run, whose records its list needs
    QStringList m_copied;
};
