#pragma once

#include "transferrun.h"

#include <QUrl>

// Updates the learner's dictionaries from a server (HTTP, HTTPS or FTP):
// reads the server's "dicts.dic", then each chosen file, merges it into the
// learner's copy (counters always the learner's), saves the result with
// backups and enters the server's record in the local list, keeping the
// learner's language and user languages.
class UpdateRun : public TransferRun
{
    Q_OBJECT

public:
    using TransferRun::TransferRun;

private:
    QString completedText() const override;
    void startList(const QString &source) override;
    void startFile(const QString &file) override;
    void fileArrived(const QString &file, TransferJob &job);
    bool enterRecord(const QString &file);

    QUrl m_base;
};
