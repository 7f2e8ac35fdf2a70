#include "dictionaryupdate.h"

#include "files/backupfiles.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "model/dictlog.h"
#include "files/regularfile.h"

#include <QFileInfo>

DictionaryUpdate::DictionaryUpdate(const QString &localPath, DictionaryMerge::Counters counters)
    : m_path(localPath)
    , m_counters(counters)
{ }

DictionaryUpdate::~DictionaryUpdate() = default;

DictionaryUpdate::Status DictionaryUpdate::fail(Status status, const QString &reason)
{
    qCWarning(lcDict) << "cannot update" << m_path << reason;
    m_errorString = reason;
    return status;
}

DictionaryUpdate::Status DictionaryUpdate::merge(const QByteArray &incoming)
{
    qCDebug(lcDict) << "merging into" << m_path;
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
    const Result<> sound = DictionaryMerge::checkIncoming(*m_result);
    if (!sound)
        return fail(Status::IncomingDamaged, tr("the received dictionary is damaged: %1").arg(sound.errorString()));
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
    file.setCacheFolder(m_cacheFolder);
    switch (file.load(local)) {
    case DictionaryFile::Status::Missing:
        qCDebug(lcDict) << "no local copy of" << m_path;
        m_hadLocal = false;
        return Status::Ok;
    case DictionaryFile::Status::Ok: m_hadLocal = true; return Status::Ok;
    case DictionaryFile::Status::Damaged: {
        const Result<QString> kept = BackupFiles::keepDamaged(m_path);
        if (!kept)
            return fail(Status::LocalUnreadable, kept.errorString());
        m_hadLocal = true;
        return Status::Ok;
    }
    default:
        return fail(Status::LocalUnreadable,
            tr("the local copy cannot be read, so it was not replaced: %1").arg(file.errorString()));
    }
}

// The backups move only when the file changes, and only once the new one
// is written: an update that brings nothing new, or a full disk, costs no
// generation of them.
DictionaryUpdate::Status DictionaryUpdate::save()
{
    const QByteArray bytes = DictionaryFile::toBytes(*m_result);
    QByteArray current;
    if (RegularFile(m_path, DictionaryFile::MaxFileSize).read(current) == RegularFile::Status::Ok && current == bytes) {
        m_result->markSaved();
        return Status::Ok;
    }
    const Result<> prepared = BackupFiles::prepare(m_path);
    if (!prepared)
        return fail(Status::SaveFailed, prepared.errorString());
    DictionaryFile file(m_path);
    file.setCacheFolder(m_cacheFolder);
    if (!file.write(*m_result, bytes)) {
        BackupFiles::discard(m_path);
        return fail(Status::SaveFailed, file.errorString());
    }
    m_changedFile = true;
    const Result<> rotated = BackupFiles::rotate(m_path);
    if (!rotated)
        qCWarning(lcDict) << "cannot keep the backup of" << m_path << rotated.errorString();
    return Status::Ok;
}
