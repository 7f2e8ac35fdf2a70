#pragma once

#include "transferrun.h"

#include <QUrl>

// Publishes the learner's dictionaries as the master copies in a folder of
// a server (FTP, or HTTP PUT): reads the folder's "dicts.dic" (none there
// is an empty list), sends each chosen dictionary with its learn counters
// cleared, then the list, where every dictionary that arrived has its size
// and date, and one the list lacked its record from the local list.
class MasterExportRun : public TransferRun
{
    Q_OBJECT

public:
    using TransferRun::TransferRun;

    // The file as a master copy: every counter at -1; empty when the file
    // cannot be read whole. The file itself is not changed.
    static QByteArray masterBytes(const QString &path);

private:
    QString completedText() const override;
    void startList(const QString &source) override;
    void startFile(const QString &file) override;
    void finishFiles() override;
    void sent(const QString &file, const QByteArray &bytes, TransferJob &job);
    void send(const QString &file, const QByteArray &bytes);

    QUrl m_base;
    bool m_anySent = false;
    bool m_listSent = false;
};
