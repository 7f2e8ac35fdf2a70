#include "backupfiles.h"

#include "atomicfile.h"
#include "model/dictlog.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace BackupFiles {

namespace {

// Through our own writer, which names the system's reason (a full disk)
// where a plain file copy says "Unknown error".
Result<> copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    QByteArray bytes;
    RegularFile source(from, qint64(1) << 31);
    QString reason;
    if (source.read(bytes) != RegularFile::Status::Ok) {
        reason = source.errorString();
    } else {
        const Result<> written = writeFileAtomically(to, bytes);
        if (written)
            return written;
        reason = written.errorString();
    }
    return Result<>::failure(QCoreApplication::translate("BackupFiles", "cannot keep a copy as \"%1\": %2")
                                 .arg(QFileInfo(to).fileName(), reason));
}

QString preparedName(const QString &path)
{
    return path + QStringLiteral(".bak.new");
}

} // namespace

QString backupName(const QString &path, int generation)
{
    const QString newest = path + QStringLiteral(".bak");
    return generation == 0 ? newest : newest + u'.' + QString::number(generation);
}

Result<> keep(const QString &path)
{
    const Result<> prepared = prepare(path);
    return prepared ? rotate(path) : prepared;
}

Result<> prepare(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    // copying a FIFO would hang, a device never end, a link out replace nothing of ours
    if (!QFileInfo(path).isFile() || RegularFile::isLinkOut(path))
        return Result<>::failure(
            QCoreApplication::translate("BackupFiles", "\"%1\" is not a regular file of this folder")
                .arg(QFileInfo(path).fileName()));
    const Result<> copied = copyFile(path, preparedName(path));
    if (!copied)
        discard(path);
    return copied;
}

Result<> rotate(const QString &path)
{
    const QString prepared = preparedName(path);
    if (!QFileInfo::exists(prepared))
        return {};
    QFile::remove(backupName(path, Generations - 1));
    for (int generation = Generations - 2; generation >= 0; --generation) {
        if (QFileInfo::exists(backupName(path, generation)))
            QFile::rename(backupName(path, generation), backupName(path, generation + 1));
    }
    if (!QFile::rename(prepared, backupName(path, 0)))
        return Result<>::failure(QCoreApplication::translate("BackupFiles", "cannot keep a copy as \"%1\"")
                                     .arg(QFileInfo(backupName(path, 0)).fileName()));
    qCDebug(lcDict) << "kept" << path << "as" << backupName(path, 0);
    return {};
}

void discard(const QString &path)
{
    QFile::remove(preparedName(path));
}

Result<QString> keepDamaged(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QString();
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged.%1").arg(n);
    if (!copyFile(path, name)) {
        qCWarning(lcDict) << "cannot keep the damaged file as" << name;
        return Result<QString>::failure(QCoreApplication::translate(
            "BackupFiles", "The damaged file could not be kept as \"%1\", so it was not replaced.")
                                            .arg(name));
    }
    qCDebug(lcDict) << "damaged file kept as" << name;
    return name;
}

} // namespace BackupFiles
