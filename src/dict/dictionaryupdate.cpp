#include "dictionaryupdate.h"

#include "backupfiles.h"
#include "dictionary.h"
#include "dictionaryfile.h"
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
    m_result = std::make_unique<Dictionary>();
    DictionaryFile received;
    received.setMaxEntries(MaxReceivedEntries);
    const DictionaryFile::Status read = received.read(incoming, *m_result);
    if (read == DictionaryFile::Status::UnknownVersion)
        return fail(Status::NotADictionary, tr("the received file is not a dictionary"));
    if (read == DictionaryFile::Status::TooManyEntries)
        return fail(Status::IncomingDamaged,
            tr("the received dictionary holds more than %1 entries, more than any dictionary is sent with")
                .arg(MaxReceivedEntries));
    if (read != DictionaryFile::Status::Ok)
        return fail(Status::IncomingDamaged, tr("the received dictionary is incomplete"));
    const QString unsound = DictionaryMerge::checkIncoming(*m_result);
    if (!unsound.isEmpty())
        return fail(Status::IncomingDamaged, tr("the received dictionary is damaged: %1").arg(unsound));
    Dictionary local;
    const Status readLocally = readLocal(local);
    if (readLocally != Status::Ok || !m_hadLocal)
        return readLocally;
    Dictionary base;
    const bool haveBase = !m_basePath.isEmpty() && DictionaryFile(m_basePath).load(base) == DictionaryFile::Status::Ok;
    if (!m_merge.merge(local, *m_result, m_counters, haveBase ? &base : nullptr, m_priority))
        return fail(Status::NoIdLeft, m_merge.errorString());
    return Status::Ok;
}

DictionaryUpdate::Status DictionaryUpdate::readLocal(Dictionary &local)
{
    DictionaryFile file(m_path);
    switch (file.load(local)) {
    case DictionaryFile::Status::Missing:
        qCDebug(lcDict) << "NOTE: no local copy of" << m_path;
        m_hadLocal = false;
        return Status::Ok;
    case DictionaryFile::Status::Ok: m_hadLocal = true; return Status::Ok;
    case DictionaryFile::Status::Damaged: {
        QString error;
        if (!BackupFiles::keepDamaged(m_path, nullptr, &error))
            return fail(Status::LocalUnreadable, error);
        m_hadLocal = true;
        return Status::Ok;
    }
    default:
        return fail(Status::LocalUnreadable,
            tr("the local copy cannot be read, so it was not replaced: %1").arg(file.errorString()));
    }
}

DictionaryUpdate::Status DictionaryUpdate::save()
{
    QString error;
    if (!BackupFiles::keep(m_path, &error))
        return fail(Status::SaveFailed, error);
    DictionaryFile file(m_path);
    if (!file.save(*m_result))
        return fail(Status::SaveFailed, file.errorString());
    return Status::Ok;
}
