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
    return writeFileAtomically(
        path, [&data](const WritePiece &write) { return write(data) ? Result<>() : Result<>::failure(QString()); });
}

Result<> writeFileAtomically(const QString &path, const std::function<Result<>(const WritePiece &write)> &fill)
{
    if (RegularFile::isLinkOut(path))
        return Result<>::failure(
            QCoreApplication::translate("RegularFile", "it is a link to a file in another folder"));
    QSaveFile file(path);
    // unbuffered, so a short write shows in the count write() returns
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Result<>::failure(file.errorString());
    QString failedWrite;
    const WritePiece write = [&file, &failedWrite](QByteArrayView piece) {
        for (qsizetype written = 0; failedWrite.isEmpty() && written < piece.size();) {
            errno = 0;
            const qint64 n = file.write(piece.data() + written, piece.size() - written);
            if (n <= 0)
                failedWrite = writeError(file, errno);
            written += qMax<qint64>(n, 0);
        }
        return failedWrite.isEmpty();
    };
    const Result<> filled = fill(write);
    if (!filled || !failedWrite.isEmpty()) {
        file.cancelWriting();
        file.commit();
        return Result<>::failure(failedWrite.isEmpty() ? filled.errorString() : failedWrite);
    }
    if (!file.commit())
        return Result<>::failure(file.errorString());
    return {};
}
