#include "regularfile.h"

#include "model/dictlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::RegularFile(const QString &path, qint64 maxBytes)
    : m_path(path)
    , m_maxBytes(maxBytes)
{ }

RegularFile::Status RegularFile::fail(Status status, const QString &reason)
{
    if (status != Status::Missing)
        qCWarning(lcDict) << "cannot read" << m_path << reason;
    m_errorString = reason;
    return status;
}

bool RegularFile::isLinkOut(const QString &path, bool withinFolder)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return false;
    if (!withinFolder)
        return true;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() || QFileInfo(target).dir() != QDir(info.dir().canonicalPath());
}

RegularFile::Status RegularFile::open(QFile &file)
{
    m_errorString.clear();
    if (isLinkOut(m_path))
        return fail(Status::LinkOutside, tr("it is a link to a file in another folder"));
    // non-blocking, so that a FIFO cannot hold the open
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return fail(error == ENOENT ? Status::Missing : Status::Unreadable,
            error == ENOENT ? tr("the file does not exist") : QString::fromLocal8Bit(std::strerror(error)));
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(Status::NotRegular, tr("it is not a regular file"));
    }
    if (status.st_size > m_maxBytes) {
        ::close(fd);
        return fail(Status::TooLarge, tr("it is larger than %1 MiB").arg(m_maxBytes / (1024 * 1024)));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(Status::Unreadable, file.errorString());
    }
    return Status::Ok;
}

RegularFile::Status RegularFile::read(QByteArray &data)
{
    QFile file;
    const Status opened = open(file);
    if (opened != Status::Ok)
        return opened;
    // a file that grows while it is read stops at the bound all the same
    data.clear();
    data.reserve(qsizetype(qMin(file.size(), m_maxBytes)));
    constexpr qint64 Chunk = 1 << 20;
    while (!file.atEnd() && data.size() <= m_maxBytes) {
        const QByteArray more = file.read(Chunk);
        if (more.isEmpty())
            break;
        data += more;
    }
    if (data.size() > m_maxBytes) {
        data.clear();
        return fail(Status::TooLarge, tr("it is larger than %1 MiB").arg(m_maxBytes / (1024 * 1024)));
    }
    return Status::Ok;
}

void RegularFile::releasePages(uchar *mapping, qsizetype from, qsizetype to)
{
#if defined(__linux__)
    const auto page = qsizetype(sysconf(_SC_PAGESIZE));
    const qsizetype first = page > 0 ? (from + page - 1) / page * page : to;
    if (to - first >= page)
        madvise(mapping + first, size_t((to - first) / page * page), MADV_DONTNEED);
#else
    Q_UNUSED(mapping);
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}
