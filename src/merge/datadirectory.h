#pragma once

#include "model/result.h"

#include <QString>
#include <QStringList>

// Where the dictionaries live. In portable mode, when the program's own
// folder holds a "dicts.dic" (a build, a folder on a stick), that folder.
// Otherwise the user's application data folder, made and filled with copies
// of the installed data on the first start, and given newer installed
// versions of them later (InstalledUpgrade); the installed files are never
// written.
class DataDirectory
{
public:
    // The data directory of this program; a failure when the user's folder
    // cannot be made. What upgrading the copies of installed dictionaries
    // did goes to *notes, a line each.
    static Result<QString> locate(QStringList *notes = nullptr);
    // The same rule on given folders: the program's, the user's and the
    // installed sample data's (which may be empty).
    static Result<QString> locate(const QString &programFolder, const QString &userFolder,
        const QString &installedFolder, QStringList *notes = nullptr);
    // The installed data (share/verbalon beside the program's bin
    // folder, else in the system's data folders); empty when not installed.
    static QString installedData();
    // A file of the data directory, else the installed copy of it.
    static QString findFile(const QString &dataDirectory, const QString &name);
};
