#include "datadirectory.h"

#include "model/dictlog.h"
#include "installedupgrade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString ListName = QStringLiteral("dicts.dic");
}

Result<QString> DataDirectory::locate(QStringList *notes)
{
    return locate(QCoreApplication::applicationDirPath(),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("verbalon")),
        installedData(), notes);
}

Result<QString> DataDirectory::locate(
    const QString &programFolder, const QString &userFolder, const QString &installedFolder, QStringList *notes)
{
    if (QFileInfo::exists(QDir(programFolder).filePath(ListName)))
        return programFolder;
    QDir user(userFolder);
    if (userFolder.isEmpty() || !user.mkpath(QStringLiteral(".")))
        return Result<QString>::failure(
            QCoreApplication::translate("DataDirectory", "The folder \"%1\" cannot be made.").arg(userFolder));
    if (!user.exists(ListName) && !installedFolder.isEmpty()) {
        qCDebug(lcDict) << "first start, copying the installed data from" << installedFolder;
        const QStringList files = QDir(installedFolder).entryList({QStringLiteral("*.dic")}, QDir::Files);
        for (const QString &file : files) {
            const QString target = user.filePath(file);
            const QString source = QDir(installedFolder).filePath(file);
            if (QFile::exists(target) || !QFile::copy(source, target))
                continue;
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            if (file != ListName)
                InstalledUpgrade::recordInstalled(source, target);
        }
    }
    const QStringList upgraded = InstalledUpgrade::upgradeAll(installedFolder, userFolder);
    if (notes)
        *notes = upgraded;
    return userFolder;
}

QString DataDirectory::installedData()
{
    const QString beside
        = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VERBALON_DATA_FROM_BIN));
    if (QFileInfo::exists(QDir(beside).filePath(ListName)))
        return QDir::cleanPath(beside);
    return QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("verbalon"), QStandardPaths::LocateDirectory);
}

QString DataDirectory::findFile(const QString &dataDirectory, const QString &name)
{
    const QString own = QDir(dataDirectory).filePath(name);
    if (QFileInfo::exists(own))
        return own;
    const QString installed = installedData();
    return installed.isEmpty() ? own : QDir(installed).filePath(name);
}
