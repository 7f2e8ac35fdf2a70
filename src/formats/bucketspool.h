#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QTemporaryFile>

#include <vector>

// Byte strings sorted into buckets and kept in a temporary file until they
// are read back a bucket at a time, so that sorting a large import holds one
// bucket in memory rather than all of them. The file has no name once open:
// a crash leaves nothing behind.
class BucketSpool
{
public:
    BucketSpool(int buckets, qsizetype bufferSize);

    Result<> open(const QString &folder);
    // A string that write appends to the bytes it is given; where it is
    // found again.
    template <typename Write> quint64 append(int bucket, Write write)
    {
        QByteArray &buffer = m_buffers[size_t(bucket)];
        if (buffer.capacity() < m_bufferSize)
            buffer.reserve(m_bufferSize);
        const qsizetype before = buffer.size();
        write(buffer);
        const quint64 place = quint64(bucket) << PlaceBits | quint64(m_appended[size_t(bucket)]);
        m_appended[size_t(bucket)] += buffer.size() - before;
        if (buffer.size() >= m_bufferSize)
            flush(bucket);
        return place;
    }
    // Writes what is still buffered; the first failed write's reason.
    Result<> finish();
    // Appends the strings of a bucket, one after the other, to bytes.
    Result<> readBucket(int bucket, QByteArray &bytes);
    // count bytes from where append() put a string.
    Result<QByteArray> read(quint64 place, qsizetype count);

private:
    static constexpr int PlaceBits = 40;

    struct Chunk
    {
        // of its first byte: the place in its bucket and the offset in the file
        qint64 place;
        qint64 offset;
        qsizetype size;
    };
    void flush(int bucket);
    Result<QByteArray> readAt(qint64 offset, qsizetype count);

    QTemporaryFile m_file;
    std::vector<QByteArray> m_buffers;
    std::vector<std::vector<Chunk>> m_chunks;
    std::vector<qint64> m_appended;
    qsizetype m_bufferSize;
    qint64 m_end = 0;
    QString m_error;
};
