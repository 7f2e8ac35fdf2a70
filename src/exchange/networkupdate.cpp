#include "networkupdate.h"

#include "dictionaryupdater.h"
#include "exchangelog.h"
#include "filetransfer.h"

#include "dict/dictionary.h"

#include <QUrl>

NetworkUpdate::NetworkUpdate(
    DictionaryList *localList, const QString &dataDirectory, TransferPrompts *prompts, QObject *parent)
    : ExchangeRun(localList, dataDirectory, parent)
    , m_prompts(prompts)
{ }

NetworkUpdate::~NetworkUpdate() = default;

void NetworkUpdate::fetchList(const QString &baseUrl)
{
    qCDebug(lcExchange) << "GET LIST";
    m_base = baseUrl;
    setStep(0);
    emit progressRange(0, 0);
    // one transfer for the whole run: an FTP session logs in once
    m_transfer = FileTransfer::forUrl(m_base + u'/', m_prompts);
    m_transfer->setProxy(m_proxy);
    connect(m_transfer.get(), &FileTransfer::readFinished, this, &NetworkUpdate::arrived, Qt::QueuedConnection);
    connect(m_transfer.get(), &FileTransfer::failed, this, &NetworkUpdate::transferFailed, Qt::QueuedConnection);
    read(QStringLiteral("dicts.dic"));
}

void NetworkUpdate::read(const QString &name)
{
    const QString url = m_base + u'/' + name;
    emit info(tr("Reading %1...").arg(QUrl(url).toDisplayString(QUrl::RemoveUserInfo)));
    m_transfer->read(QUrl(url));
}

void NetworkUpdate::fetchFiles(const QStringList &files)
{
    qCDebug(lcExchange) << "GET FILES:" << files;
    setStep(1);
    startFiles(files);
    fetchNext();
}

void NetworkUpdate::fetchNext()
{
    dropUnplainNames();
    if (m_pending.isEmpty()) {
        finishRun(2);
        return;
    }
    read(m_pending.first());
}

void NetworkUpdate::cancel()
{
    m_pending.clear();
    if (m_transfer)
        m_transfer->abort();
}

void NetworkUpdate::arrived(const QString &path, const QByteArray &data)
{
    Q_UNUSED(path);
    if (step() == 0) {
        takeList(data, tr("Select dictionaries for update."));
        return;
    }
    if (m_pending.isEmpty())
        return;
    const QString name = m_pending.takeFirst();
    advance();
    updateFrom(name, data);
    fetchNext();
}

void NetworkUpdate::updateFrom(const QString &name, const QByteArray &data)
{
    DictionaryUpdater updater(localPath(QString()));
    const std::unique_ptr<Dictionary> merged = updater.update(name, data);
    QString error;
    if (!merged) {
        fileFailed(name, updater.errorString());
        return;
    }
    if (!DictionaryUpdater::saveWithBackup(*merged, error)) {
        fileFailed(name, error);
        return;
    }
    markChanged(name);
    const int record = m_remoteList.indexOfFile(name);
    if (record >= 0 && localList()->updateRecord(m_remoteList.record(record)) && !localList()->save()) {
        fileFailed(name, tr("the list of dictionaries could not be saved"));
        return;
    }
    fileSucceeded(name, QString::number(merged->count()));
}

void NetworkUpdate::transferFailed(const QString &path, const QString &reason)
{
    qCDebug(lcExchange) << "ERROR!";
    if (step() == 0) {
        listNotRead(path, reason);
        return;
    }
    emit warning(tr("Update Error"), tr("Error: '%1'. Cannot get\n'%2'").arg(reason, path));
    if (m_pending.isEmpty())
        return;
    fileFailed(m_pending.takeFirst(), reason);
    advance();
    fetchNext();
}
