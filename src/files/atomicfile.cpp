#include "atomicfile.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

// The system's words for the failed write: a short write leaves the file's
// own error text unset, but the next attempt sets errno.
QString writeError(const QSaveFile &file, int error)
{
    if (file.error() != QFileDevice::NoError && error == 0)
        return file.errorString();
    return QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO));
}

} // namespace

Result<> writeFileAtomically(const QString &path, const QByteArray &data)
{
    if (RegularFile::isLinkOut(path))
        return Result<>::failure(
            QCoreApplication::translate("RegularFile", "it is a link to a file in another folder"));
    QSaveFile file(path);
    // unbuffered, so a short write shows in the count write() returns
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Result<>::failure(file.errorString());
    qint64 written = 0;
    while (written < data.size()) {
        errno = 0;
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        if (n <= 0) {
            const QString reason = writeError(file, errno);
            file.cancelWriting();
            file.commit();
            return Result<>::failure(reason);
        }
        written += n;
    }
    if (!file.commit())
        return Result<>::failure(file.errorString());
    return {};
}
