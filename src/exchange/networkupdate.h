#pragma once

#include "exchangerun.h"
#include "proxyconfig.h"

#include <memory>

class FileTransfer;
class TransferPrompts;

// Updates local dictionaries from a server: reads the server's "dicts.dic",
// then each chosen file, merges it with the local copy, saves the result
// over the local file (keeping the old one as FILE.bak) and enters the
// server's record in the local list.
class NetworkUpdate : public ExchangeRun
{
    Q_OBJECT

public:
    NetworkUpdate(
        DictionaryList *localList, const QString &dataDirectory, TransferPrompts *prompts, QObject *parent = nullptr);
    ~NetworkUpdate() override;

    void setProxy(const ProxyConfig &proxy) { m_proxy = proxy; }
    // Step 0: the list below this base URL.
    void fetchList(const QString &baseUrl);
    // Step 1: the chosen files, one after the other.
    void fetchFiles(const QStringList &files);
    void cancel() override;

private:
    void read(const QString &name);
    void fetchNext();
    void arrived(const QString &path, const QByteArray &data);
    void transferFailed(const QString &path, const QString &reason);
    void updateFrom(const QString &name, const QByteArray &data);

    TransferPrompts *m_prompts;
    ProxyConfig m_proxy;
    QString m_base;
    std::unique_ptr<FileTransfer> m_transfer;
};
