#include "masterexport.h"

#include "exchangelog.h"
#include "filetransfer.h"

#include "dict/dictionary.h"

#include <QUrl>

namespace {
const QString ListName = QStringLiteral("dicts.dic");
}

MasterExport::MasterExport(
    DictionaryList *localList, const QString &dataDirectory, TransferPrompts *prompts, QObject *parent)
    : ExchangeRun(localList, dataDirectory, parent)
    , m_prompts(prompts)
{ }

MasterExport::~MasterExport() = default;

QByteArray MasterExport::masterBytes(const QString &path)
{
    Dictionary dictionary;
    if (dictionary.load(path) != Dictionary::LoadStatus::Ok)
        return QByteArray();
    dictionary.resetLearnCounters();
    return dictionary.toBytes();
}

void MasterExport::fetchList(const QString &destination)
{
    m_destination = destination;
    setStep(0);
    emit progressRange(0, 0);
    m_transfer = FileTransfer::forUrl(m_destination + u'/', m_prompts);
    connect(m_transfer.get(), &FileTransfer::readFinished, this, &MasterExport::listArrived, Qt::QueuedConnection);
    connect(m_transfer.get(), &FileTransfer::writeFinished, this, &MasterExport::written, Qt::QueuedConnection);
    connect(m_transfer.get(), &FileTransfer::failed, this, &MasterExport::transferFailed, Qt::QueuedConnection);
    const QUrl url(m_destination + u'/' + ListName);
    emit info(tr("Reading %1...").arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    m_transfer->read(url);
}

void MasterExport::listArrived(const QString &path, const QByteArray &data)
{
    if (path.endsWith(ListName))
        takeList(data, tr("Select dictionaries for update."));
}

void MasterExport::sendFiles(const QStringList &files)
{
    qCDebug(lcExchange) << "PUT FILES:" << files;
    startFiles(files + QStringList{ListName});
    sendNext();
}

void MasterExport::sendNext()
{
    dropUnplainNames();
    if (m_pending.isEmpty()) {
        finishRun(2);
        return;
    }
    const QString name = m_pending.first();
    const QByteArray bytes = name == ListName ? m_remoteList.toBytes() : masterBytes(localPath(name));
    if (bytes.isEmpty()) {
        // the server's list is not replaced when a dictionary is missing
        fileFailed(name, tr("cannot read the local file"));
        setStep(2);
        emit info(tr("Cannot get data for '%1'").arg(name));
        emit finished(false);
        return;
    }
    m_sentBytes = bytes.size();
    const QUrl url(m_destination + u'/' + name);
    emit info(tr("Writing %1...").arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    m_transfer->write(url, bytes);
}

void MasterExport::written(const QString &path)
{
    Q_UNUSED(path);
    if (m_pending.isEmpty())
        return;
    const QString name = m_pending.takeFirst();
    // only a dictionary that arrived gets its new size and date
    if (name != ListName)
        m_remoteList.setSizeAndDate(name, m_sentBytes);
    advance();
    fileSucceeded(name, QString::number(m_sentBytes));
    sendNext();
}

void MasterExport::transferFailed(const QString &path, const QString &reason)
{
    if (step() == 0) {
        listNotRead(path, reason);
        return;
    }
    if (m_pending.isEmpty())
        return;
    fileFailed(m_pending.takeFirst(), reason);
    advance();
    sendNext();
}

void MasterExport::cancel()
{
    m_pending.clear();
    if (m_transfer)
        m_transfer->abort();
}
