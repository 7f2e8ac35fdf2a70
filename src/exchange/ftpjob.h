#pragma once

#include "transferjob.h"

#include <QTimer>

#include <memory>

class QThread;
struct CurlState;

// One file over FTP as one libcurl transfer of its whole URL, on a worker
// thread: a download (RETR), or an upload (STOR under a temporary name,
// then renamed, so an interrupted upload never leaves a cut file under the
// real name). Every job has a connection of its own, so a server that
// closed an idle one costs nothing. The login is asked for before the first
// file when none is known (declined: anonymous) and again after a refusal,
// at most three times. Server replies reach the user escaped, only the one
// to the command that failed.
class FtpJob : public TransferJob
{
    Q_OBJECT

public:
    FtpJob(const TransferContext &context, const QUrl &url);
    FtpJob(const TransferContext &context, const QUrl &url, const QByteArray &data);
    ~FtpJob() override;

    void start() override;
    void abort() override;

private:
    void perform();
    void attemptDone();
    bool askLogin(int attempt);
    QString errorText() const;
    void stopWorker();

    TransferContext m_context;
    QUrl m_url;
    bool m_upload = false;
    QByteArray m_uploadData;
    std::shared_ptr<CurlState> m_state;
    QThread *m_worker = nullptr;
    QTimer m_progress;
    int m_attempts = 0;
};
