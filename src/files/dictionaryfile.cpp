#include "dictionaryfile.h"

#include "atomicfile.h"
#include "backupfiles.h"
#include "model/dictionary.h"
#include "model/dictlog.h"
#include "regularfile.h"
#include "formats/dictionarycodec.h"
#include "formats/recordreader.h"
#include "storecache.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

DictionaryFile::DictionaryFile(const QString &path)
    : m_path(path)
{ }

void DictionaryFile::setPath(const QString &path)
{
    m_path = path;
    m_version.clear();
    m_errorString.clear();
    m_status = Status::Ok;
    m_damageOffset = -1;
    m_damagedOriginalKept = false;
}

DictionaryFile::Status DictionaryFile::load(Dictionary &store)
{
    setPath(m_path);
    if (store.count() > 0) {
        qCWarning(lcDict) << "the store is not empty: nothing loaded";
        m_errorString = tr("The dictionary already holds entries.");
        return Status::NotEmpty;
    }
    QFile file;
    RegularFile regular(m_path, MaxFileSize);
    switch (regular.open(file)) {
    case RegularFile::Status::Ok: break;
    case RegularFile::Status::Missing:
        m_errorString = tr("The file does not exist.");
        return m_status = Status::Missing;
    default:
        m_errorString = tr("The file cannot be read: %1.").arg(regular.errorString());
        return m_status = Status::Unreadable;
    }
    qCDebug(lcDict) << "set filename:" << m_path;
    // read through a mapping where the system offers one: no copy of the file
    const qint64 size = file.size();
    uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray bytes
        = mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size) : file.readAll();
    ReadBytes release;
    if (mapped)
        release = [mapped, done = qsizetype(0)](qsizetype read) mutable {
            RegularFile::releasePages(mapped, done, read);
            done = read;
        };
    std::optional<StoreCache> cache;
    if (!m_cacheFolder.isEmpty() && size >= m_cacheMinimumSize) {
        // a copy still being made of this file is the one to read
        StoreCache::waitForWrites(m_path);
        cache.emplace(m_cacheFolder, m_path);
        cache->open(file);
    }
    return read(bytes, store, release, cache ? &*cache : nullptr);
}

void DictionaryFile::setCacheFolder(const QString &folder, qint64 minimumSize)
{
    m_cacheFolder = folder;
    m_cacheMinimumSize = minimumSize;
}

DictionaryFile::Status DictionaryFile::read(const QByteArray &data, Dictionary &store, const ReadBytes &readBytes)
{
    return read(data, store, readBytes, nullptr);
}

DictionaryFile::Status DictionaryFile::read(
    const QByteArray &data, Dictionary &store, const ReadBytes &readBytes, StoreCache *cache)
{
    m_readFromCache = false;
    QElapsedTimer timer;
    timer.start();
    RecordReader in(data);
    DictionaryCodec codec;
    codec.setMaxEntries(m_maxEntries);
    QMap<QString, QString> attributes;
    const DictionaryCodec::Status header = codec.readHeader(in, attributes);
    m_version = codec.version();
    m_errorString = codec.errorString();
    m_damageOffset = codec.damageOffset();
    if (header == DictionaryCodec::Status::UnknownVersion)
        return m_status = Status::UnknownVersion;
    // a cache only ever stands for a file read whole into an empty store
    const bool cached = cache && header == DictionaryCodec::Status::Ok && store.count() == 0;
    std::vector<EntryArena::Handle> order;
    MeaningIndex::Table meanings;
    const bool indexed = cached && cache->index() && cache->index()->readOrderAndMeanings(order, meanings);
    EntryArena records;
    const DictionaryCodec::Status read = codec.readRecords(in, records, readBytes);
    m_errorString = codec.errorString();
    m_damageOffset = codec.damageOffset();
    if (read == DictionaryCodec::Status::TooManyEntries)
        return m_status = Status::TooManyEntries;
    // the order and the meaning index need not be made again
    m_readFromCache = indexed && read == DictionaryCodec::Status::Ok && order.size() == size_t(records.count());
    if (m_readFromCache) {
        store.fill(std::move(attributes), std::move(records), std::move(order));
        m_readFromCache = store.adoptMeaningTable(std::move(meanings));
    } else {
        store.fill(std::move(attributes), std::move(records));
    }
    qCDebug(lcDict) << "loaded" << store.count() << "words in" << timer.elapsed() << "ms"
                    << (m_readFromCache ? "with the store cache" : "");
    if (cached && !m_readFromCache && read == DictionaryCodec::Status::Ok)
        cache->writeLater(store.order());
    return m_status = m_damageOffset < 0 ? Status::Ok : Status::Damaged;
}

bool DictionaryFile::save(Dictionary &store)
{
    qCDebug(lcDict) << "saving" << store.count() << "entries to" << m_path;
    if (m_path.isEmpty()) {
        m_errorString = tr("The dictionary has no file name.");
        return false;
    }
    return write(store, toBytes(store));
}

bool DictionaryFile::write(Dictionary &store, const QByteArray &bytes)
{
    if (!keepDamagedOriginal())
        return false;
    const Result<> written = writeFileAtomically(m_path, bytes);
    if (!written) {
        qCWarning(lcDict) << "cannot write dictionary" << m_path << written.errorString();
        m_errorString = written.errorString();
        return false;
    }
    m_errorString.clear();
    store.markSaved();
    cacheSaved(bytes);
    return true;
}

// The next opening of a large file saved now finds its indexes in the
// cache: they are made of the file as written, on a thread of their own.
void DictionaryFile::cacheSaved(const QByteArray &bytes) const
{
    if (!m_cacheFolder.isEmpty() && bytes.size() >= m_cacheMinimumSize)
        StoreCache(m_cacheFolder, m_path).writeLater();
}

void DictionaryFile::waitForCacheWrites()
{
    StoreCache::waitForWrites();
}

// The first save over a file that could not be read whole keeps the file's
// bytes beside it.
bool DictionaryFile::keepDamagedOriginal()
{
    const bool damaged
        = m_status == Status::Damaged || m_status == Status::UnknownVersion || m_status == Status::Unreadable;
    if (!damaged || m_damagedOriginalKept)
        return true;
    const Result<QString> kept = BackupFiles::keepDamaged(m_path);
    if (!kept) {
        m_errorString = kept.errorString();
        return false;
    }
    m_damagedOriginalKept = true;
    return true;
}

QByteArray DictionaryFile::toBytes(const Dictionary &store)
{
    return DictionaryCodec::toBytes(store);
}
