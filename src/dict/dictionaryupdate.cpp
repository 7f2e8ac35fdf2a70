#include "dictionaryupdate.h"

#include "backupfiles.h"
#include "dictionary.h"
#include "dictlog.h"

#include <QFileInfo>

DictionaryUpdate::DictionaryUpdate(const QString &localPath, DictionaryMerge::Counters counters)
    : m_path(localPath)
    , m_counters(counters)
{ }

DictionaryUpdate::~DictionaryUpdate() = default;

DictionaryUpdate::Status DictionaryUpdate::fail(Status status, const QString &reason)
{
    qCWarning(lcDict) << "ERROR: cannot update" << m_path << reason;
    m_errorString = reason;
    return status;
}

DictionaryUpdate::Status DictionaryUpdate::merge(const QByteArray &incoming)
{
    qCDebug(lcDict) << "UPDATE" << m_path << "from remote data";
    m_result = std::make_unique<Dictionary>(m_path);
    if (!m_result->readFrom(incoming))
        return fail(Status::NotADictionary, tr("the received file is not a dictionary"));
    if (m_result->loadStatus() != Dictionary::LoadStatus::Ok)
        return fail(Status::IncomingDamaged, tr("the received dictionary is incomplete"));
    const QString unsound = DictionaryMerge::checkIncoming(*m_result);
    if (!unsound.isEmpty())
        return fail(Status::IncomingDamaged, tr("the received dictionary is damaged: %1").arg(unsound));
    Dictionary local;
    const Status read = readLocal(local);
    if (read != Status::Ok || !m_hadLocal)
        return read;
    Dictionary base;
    const bool haveBase = !m_basePath.isEmpty() && base.load(m_basePath) == Dictionary::LoadStatus::Ok;
    if (!m_merge.merge(local, *m_result, m_counters, haveBase ? &base : nullptr))
        return fail(Status::NoIdLeft, m_merge.errorString());
    return Status::Ok;
}

DictionaryUpdate::Status DictionaryUpdate::readLocal(Dictionary &local)
{
    switch (local.load(m_path)) {
    case Dictionary::LoadStatus::Missing:
        qCDebug(lcDict) << "NOTE: no local copy of" << m_path;
        m_hadLocal = false;
        return Status::Ok;
    case Dictionary::LoadStatus::Ok: m_hadLocal = true; return Status::Ok;
    case Dictionary::LoadStatus::Damaged: {
        QString error;
        if (!BackupFiles::keepDamaged(m_path, nullptr, &error))
            return fail(Status::LocalUnreadable, error);
        m_hadLocal = true;
        return Status::Ok;
    }
    default:
        return fail(Status::LocalUnreadable,
            tr("the local copy cannot be read, so it was not replaced: %1").arg(local.errorString()));
    }
}

DictionaryUpdate::Status DictionaryUpdate::save()
{
    QString error;
    if (!BackupFiles::keep(m_path, &error))
        return fail(Status::SaveFailed, error);
    if (!m_result->save())
        return fail(Status::SaveFailed, m_result->errorString());
    return Status::Ok;
}
