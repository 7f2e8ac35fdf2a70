#include "datadirectory.h"

#include "dictlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString ListName = QStringLiteral("dicts.dic");
}

QString DataDirectory::locate(QString *error)
{
    return locate(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), installedData(), error);
}

QString DataDirectory::locate(
    const QString &programFolder, const QString &userFolder, const QString &installedFolder, QString *error)
{
    if (QFileInfo::exists(QDir(programFolder).filePath(ListName)))
        return programFolder;
    QDir user(userFolder);
    if (userFolder.isEmpty() || !user.mkpath(QStringLiteral("."))) {
        if (error)
            *error = QCoreApplication::translate("DataDirectory", "The folder \"%1\" cannot be made.").arg(userFolder);
        return QString();
    }
    if (!user.exists(ListName) && !installedFolder.isEmpty()) {
        qCDebug(lcDict) << "NOTE: first start, copying the sample data from" << installedFolder;
        const QStringList files = QDir(installedFolder).entryList({QStringLiteral("*.dic")}, QDir::Files);
        for (const QString &file : files) {
            const QString target = user.filePath(file);
            if (!QFile::exists(target) && QFile::copy(QDir(installedFolder).filePath(file), target))
                QFile::setPermissions(
                    target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
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
