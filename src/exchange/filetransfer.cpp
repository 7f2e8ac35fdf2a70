#include "filetransfer.h"

#include "ftptransfer.h"
#include "httptransfer.h"

std::unique_ptr<FileTransfer> FileTransfer::forUrl(const QString &url, TransferPrompts *prompts)
{
    if (url.startsWith(QLatin1String("ftp://")))
        return std::make_unique<FtpTransfer>(prompts);
    return std::make_unique<HttpTransfer>(prompts);
}

QString FileTransfer::networkErrorText(int code)
{
    switch (code) {
    case 0: return tr("No error");
    case 1: return tr("Connection refused");
    case 2: return tr("Connection closed by remote host");
    case 3: return tr("Host not found");
    case 201: return tr("Access denied");
    case 203: return tr("Not found");
    default: break;
    }
    if (code >= 100 && code < 200)
        return tr("Proxy related error %1").arg(code);
    if (code < 300)
        return tr("Content related error %1").arg(code);
    if (code < 400)
        return tr("Protocol related error %1").arg(code);
    return tr("Unknown network error %1").arg(code);
}
