#include "bucketspool.h"

#include <QDir>

#include <algorithm>

BucketSpool::BucketSpool(int buckets, qsizetype bufferSize)
    : m_buffers(size_t(buckets))
    , m_chunks(size_t(buckets))
    , m_appended(size_t(buckets))
    , m_bufferSize(bufferSize)
{ }

Result<> BucketSpool::open(const QString &folder)
{
    m_file.setFileTemplate(QDir(folder).filePath(QStringLiteral(".verbalon-rows-XXXXXX")));
    if (!m_file.open())
        return Result<>::failure(m_file.errorString());
    // the open file stays readable and writable without its name
    QFile::remove(m_file.fileName());
    return {};
}

// A string never spans two chunks, so it is read back with one read.
void BucketSpool::flush(int bucket)
{
    QByteArray &buffer = m_buffers[size_t(bucket)];
    if (buffer.isEmpty())
        return;
    if (m_error.isEmpty() && m_file.write(buffer) != buffer.size())
        m_error = m_file.errorString();
    m_chunks[size_t(bucket)].push_back(Chunk{m_appended[size_t(bucket)] - buffer.size(), m_end, buffer.size()});
    m_end += buffer.size();
    buffer.resize(0);
}

Result<> BucketSpool::finish()
{
    for (int bucket = 0; bucket < int(m_buffers.size()); ++bucket) {
        flush(bucket);
        m_buffers[size_t(bucket)] = QByteArray();
    }
    if (m_error.isEmpty() && !m_file.flush())
        m_error = m_file.errorString();
    return m_error.isEmpty() ? Result<>() : Result<>::failure(m_error);
}

Result<> BucketSpool::readBucket(int bucket, QByteArray &bytes)
{
    qsizetype at = bytes.size();
    bytes.resize(at + m_appended[size_t(bucket)]);
    for (const Chunk &chunk : m_chunks[size_t(bucket)]) {
        if (!m_file.seek(chunk.offset) || m_file.read(bytes.data() + at, chunk.size) != chunk.size)
            return Result<>::failure(m_file.errorString());
        at += chunk.size;
    }
    return {};
}

Result<QByteArray> BucketSpool::read(quint64 place, qsizetype count)
{
    const std::vector<Chunk> &chunks = m_chunks[size_t(place >> PlaceBits)];
    const qint64 inBucket = qint64(place & ((quint64(1) << PlaceBits) - 1));
    const auto after = std::upper_bound(
        chunks.cbegin(), chunks.cend(), inBucket, [](qint64 p, const Chunk &chunk) { return p < chunk.place; });
    if (after == chunks.cbegin())
        return Result<QByteArray>::failure(QStringLiteral("no such place in the temporary file"));
    const Chunk &chunk = *(after - 1);
    return readAt(chunk.offset + (inBucket - chunk.place), count);
}

Result<QByteArray> BucketSpool::readAt(qint64 offset, qsizetype count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    if (!m_file.seek(offset) || m_file.read(bytes.data(), count) != count)
        return Result<QByteArray>::failure(m_file.errorString());
    return bytes;
}
