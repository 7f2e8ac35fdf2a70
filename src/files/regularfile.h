#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QFile;

// A file read where others may have put something else: only a regular
// file is opened (never a FIFO, which would hang, or a device, which never
// ends), a symbolic link only when it stays in its own folder, and only up
// to a size given before anything is read. The checks are made on the file
// opened, not on its name, so nothing can be swapped in between.
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    enum class Status { Ok, Missing, NotRegular, LinkOutside, TooLarge, Unreadable };

    RegularFile(const QString &path, qint64 maxBytes);

    // Opens the file for reading into file (which must be closed).
    Status open(QFile &file);
    // Reads it whole.
    Status read(QByteArray &data);
    QString errorString() const { return m_errorString; }

    // A link that leads out of its folder (or any link, when withinFolder is
    // false): writing through it would replace a file elsewhere.
    static bool isLinkOut(const QString &path, bool withinFolder = true);
    // The pages of a file's mapping that lie wholly between two offsets
    // leave the process's memory (read again from the disk's cache if
    // touched), so a large file read once is not held whole.
    static void releasePages(uchar *mapping, qsizetype from, qsizetype to);

private:
    Status fail(Status status, const QString &reason);

    QString m_path;
    qint64 m_maxBytes;
    QString m_errorString;
};
