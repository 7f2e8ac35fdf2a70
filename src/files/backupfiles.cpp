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
bool copyFile(const QString &from, const QString &to, QString *error)
{
    QFile::remove(to);
    QByteArray bytes;
    RegularFile source(from, qint64(1) << 31);
    QString reason;
    if (source.read(bytes) != RegularFile::Status::Ok)
        reason = source.errorString();
    else if (writeFileAtomically(to, bytes, &reason))
        return true;
    if (error)
        *error = QCoreApplication::translate("BackupFiles", "cannot keep a copy as \"%1\": %2")
                     .arg(QFileInfo(to).fileName(), reason);
    return false;
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

bool keep(const QString &path, QString *error)
{
    return prepare(path, error) && rotate(path, error);
}

bool prepare(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    // copying a FIFO would hang, a device never end, a link out replace nothing of ours
    if (!QFileInfo(path).isFile() || RegularFile::isLinkOut(path)) {
        if (error)
            *error = QCoreApplication::translate("BackupFiles", "\"%1\" is not a regular file of this folder")
                         .arg(QFileInfo(path).fileName());
        return false;
    }
    if (!copyFile(path, preparedName(path), error)) {
        discard(path);
        return false;
    }
    return true;
}

bool rotate(const QString &path, QString *error)
{
    const QString prepared = preparedName(path);
    if (!QFileInfo::exists(prepared))
        return true;
    QFile::remove(backupName(path, Generations - 1));
    for (int generation = Generations - 2; generation >= 0; --generation) {
        if (QFileInfo::exists(backupName(path, generation)))
            QFile::rename(backupName(path, generation), backupName(path, generation + 1));
    }
    if (!QFile::rename(prepared, backupName(path, 0))) {
        if (error)
            *error = QCoreApplication::translate("BackupFiles", "cannot keep a copy as \"%1\"")
                         .arg(QFileInfo(backupName(path, 0)).fileName());
        return false;
    }
    qCDebug(lcDict) << "kept" << path << "as" << backupName(path, 0);
    return true;
}

void discard(const QString &path)
{
    QFile::remove(preparedName(path));
}

bool keepDamaged(const QString &path, QString *copy, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged.%1").arg(n);
    if (!copyFile(path, name, nullptr)) {
        qCWarning(lcDict) << "cannot keep the damaged file as" << name;
        if (error)
            *error = QCoreApplication::translate(
                "BackupFiles", "The damaged file could not be kept as \"%1\", so it was not replaced.")
                         .arg(name);
        return false;
    }
    qCDebug(lcDict) << "damaged file kept as" << name;
    if (copy)
        *copy = name;
    return true;
}

} // namespace BackupFiles
