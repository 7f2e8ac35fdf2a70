#include "storecache.h"

#include "contenthash.h"
#include "model/dictlog.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <climits>
#include <cstring>

namespace {

using Handle = EntryArena::Handle;

// the last character counts the orders of keys: a copy sorted by other
// keys is a miss (2: ё sorts as е)
constexpr char Magic[8] = {'V', 'B', 'S', 'T', 'O', 'R', 'E', '2'};
// written as the machine writes numbers: a copy from another byte order is a miss
constexpr quint32 ByteOrderMark = 0x01020304;

struct Header
{
    char magic[8];
    quint32 recordSize;
    quint32 byteOrder;
    quint64 sourceSize;
    quint64 sourceHash;
    quint64 records;
    quint64 units;
    quint64 contentHash;
    quint64 reserved;
};
static_assert(sizeof(Header) == 64);

// the blocks start where any system's pages may: they are mapped, not read
constexpr quint64 BlockAlignment = 1 << 16;

quint64 aligned(quint64 offset)
{
    return (offset + BlockAlignment - 1) & ~(BlockAlignment - 1);
}

// Where the records, the units and the order stand, and the file's size.
struct Layout
{
    explicit Layout(const Header &header)
        : recordsAt(BlockAlignment)
        , unitsAt(aligned(recordsAt + header.records * EntryArena::RecordSize))
        , orderAt(unitsAt + header.units * 2)
        , size(orderAt + header.records * sizeof(EntryArena::Handle))
    { }
    quint64 recordsAt;
    quint64 unitsAt;
    quint64 orderAt;
    quint64 size;
};

QByteArrayView bytesOf(const std::vector<Handle> &order)
{
    return QByteArrayView(reinterpret_cast<const char *>(order.data()), qsizetype(order.size() * sizeof(Handle)));
}

quint64 hashOf(const EntryArena &arena, const std::vector<Handle> &order)
{
    return contentHash(bytesOf(order), contentHash(arena.unitBytes(), contentHash(arena.recordBytes())));
}

bool isPermutation(const std::vector<Handle> &order)
{
    std::vector<bool> seen(order.size());
    for (Handle h : order) {
        if (h >= order.size() || seen[h])
            return false;
        seen[h] = true;
    }
    return true;
}

// Copies kept at most: those of dictionaries moved, deleted or opened
// from another place (a stick mounted elsewhere) go, the least used first.
constexpr int KeptCopies = 8;

void removeLeastUsed(const QString &folder)
{
    const QFileInfoList copies
        = QDir(folder).entryInfoList({QStringLiteral("*.store")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (qsizetype i = 0; i + KeptCopies < copies.size(); ++i)
        QFile::remove(copies[i].filePath());
}

} // namespace

StoreCache::StoreCache(const QString &folder, const QString &dictionaryPath, QByteArrayView dictionaryBytes,
    const std::function<void(qsizetype)> &hashed)
    : m_folder(folder)
    , m_sourceSize(quint64(dictionaryBytes.size()))
    , m_sourceHash(0)
{
    constexpr qsizetype Step = qsizetype(1) << 20;
    for (qsizetype at = 0; at < dictionaryBytes.size(); at += Step) {
        m_sourceHash = contentHash(dictionaryBytes.sliced(at, qMin(Step, dictionaryBytes.size() - at)), m_sourceHash);
        if (hashed)
            hashed(qMin(at + Step, dictionaryBytes.size()));
    }
    const QFileInfo info(dictionaryPath);
    const QString where = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray name = QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha1).toHex();
    m_path = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".store"));
}

bool StoreCache::read(const QMap<QString, QString> &attributes, Dictionary &store) const
{
    QFile file(m_path);
    Header header{};
    if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char *>(&header), sizeof header) != sizeof header)
        return false;
    const bool made = std::memcmp(header.magic, Magic, sizeof Magic) == 0
        && header.recordSize == quint32(EntryArena::RecordSize) && header.byteOrder == ByteOrderMark
        && header.reserved == 0;
    if (!made || header.sourceSize != m_sourceSize || header.sourceHash != m_sourceHash) {
        qCDebug(lcDict) << "store cache" << m_path << "is not of these bytes";
        return false;
    }
    const quint64 size = quint64(file.size());
    if (header.records > quint64(INT_MAX) || header.units > size || Layout(header).size != size)
        return false;
    const Layout layout(header);
    EntryArena arena;
    std::vector<Handle> order(header.records);
    const qint64 orderBytes = qint64(order.size() * sizeof(Handle));
    if (!arena.mapBlocks(file.handle(), qint64(layout.recordsAt), qsizetype(header.records), qint64(layout.unitsAt),
            qsizetype(header.units))
        || !file.seek(qint64(layout.orderAt))
        || file.read(reinterpret_cast<char *>(order.data()), orderBytes) != orderBytes
        || hashOf(arena, order) != header.contentHash || !isPermutation(order)) {
        qCWarning(lcDict) << "store cache" << m_path << "is damaged; the dictionary is read instead";
        return false;
    }
    store.fill(attributes, std::move(arena), std::move(order));
    // its time tells which copies are used
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    qCDebug(lcDict) << "read" << store.count() << "entries from the store cache" << m_path;
    return true;
}

bool StoreCache::write(const Dictionary &store) const
{
    const EntryArena &arena = store.arena();
    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.recordSize = quint32(EntryArena::RecordSize);
    header.byteOrder = ByteOrderMark;
    header.sourceSize = m_sourceSize;
    header.sourceHash = m_sourceHash;
    header.records = quint64(arena.count());
    header.units = quint64(arena.unitBytes().size() / 2);
    header.contentHash = hashOf(arena, store.order());
    // written beside it and put in its place whole: a reader meets the old
    // copy, none, or the new one
    QTemporaryFile file(QDir(m_folder).filePath(QStringLiteral("XXXXXX.new")));
    const Layout layout(header);
    const std::pair<quint64, QByteArrayView> blocks[]
        = {{0, QByteArrayView(reinterpret_cast<const char *>(&header), sizeof header)},
            {layout.recordsAt, arena.recordBytes()}, {layout.unitsAt, arena.unitBytes()},
            {layout.orderAt, bytesOf(store.order())}};
    bool written = QDir().mkpath(m_folder) && file.open();
    for (const auto &[at, block] : blocks) {
        written = written && file.seek(qint64(at)) && file.write(block.data(), block.size()) == block.size();
    }
    QFile::remove(m_path);
    if (!written || !file.rename(m_path)) {
        qCWarning(lcDict) << "cannot keep the store cache" << m_path << file.errorString();
        return false;
    }
    file.setAutoRemove(false);
    removeLeastUsed(m_folder);
    return true;
}
