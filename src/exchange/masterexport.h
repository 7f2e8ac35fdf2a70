#pragma once

#include "exchangerun.h"

#include <memory>

class FileTransfer;
class TransferPrompts;

// Publishes local dictionaries as the master copies on a server (FTP, or
// HTTP PUT): reads the server's "dicts.dic", sends each chosen dictionary
// with its learn counters cleared, then the list with the new size and date
// of every dictionary that arrived. A failed upload keeps its old record.
class MasterExport : public ExchangeRun
{
    Q_OBJECT

public:
    MasterExport(
        DictionaryList *localList, const QString &dataDirectory, TransferPrompts *prompts, QObject *parent = nullptr);
    ~MasterExport() override;

    void fetchList(const QString &destination);
    // The chosen files, then the list.
    void sendFiles(const QStringList &files);
    void cancel() override;

    // The file as a master copy: every counter at -1; empty when the file
    // cannot be read whole. The file itself is not changed.
    static QByteArray masterBytes(const QString &path);

private:
    void sendNext();
    void listArrived(const QString &path, const QByteArray &data);
    void written(const QString &path);
    void transferFailed(const QString &path, const QString &reason);

    TransferPrompts *m_prompts;
    QString m_destination;
    std::unique_ptr<FileTransfer> m_transfer;
    qint64 m_sentBytes = 0;
};
