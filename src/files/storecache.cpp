#include "storecache.h"

#include "formats/contenthash.h"
#include "model/dictlog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

using Handle = EntryArena::Handle;
using Source = StoreIndexFile::Source;

constexpr qint64 Second = 1000000000;

qint64 nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * Second + now.tv_nsec;
}

// The open file as the system sees it; checkedNs is left to the caller.
std::optional<Source> stateOf(int fd)
{
    struct stat info
    { };
    if (fstat(fd, &info) != 0)
        return std::nullopt;
    Source state;
    state.size = quint64(info.st_size);
    state.device = quint64(info.st_dev);
    state.inode = quint64(info.st_ino);
    state.modifiedNs = qint64(info.st_mtim.tv_sec) * Second + info.st_mtim.tv_nsec;
    state.changedNs = qint64(info.st_ctim.tv_sec) * Second + info.st_ctim.tv_nsec;
    return state;
}

bool sameState(const Source &a, const Source &b)
{
    return a.size == b.size && a.device == b.device && a.inode == b.inode && a.modifiedNs == b.modifiedNs
        && a.changedNs == b.changedNs;
}

// How long after a write the next one may still get the same times: a
// clock tick where the file system keeps parts of a second, two seconds
// (and a margin) where it keeps whole ones.
qint64 grainOf(const Source &state)
{
    return state.modifiedNs % Second == 0 && state.changedNs % Second == 0 ? 3 * Second : Second / 20;
}

// The times were taken long enough after the last write that any later
// write changes them.
bool settled(const Source &state)
{
    return qMax(state.modifiedNs, state.changedNs) + grainOf(state) < state.checkedNs;
}

// The pages of a mapping read this far leave the process's memory.
void releasePages(uchar *mapping, qsizetype bytes)
{
    const auto page = qsizetype(sysconf(_SC_PAGESIZE));
    if (page > 0 && bytes >= page)
        madvise(mapping, size_t(bytes / page * page), MADV_DONTNEED);
}

// The hash of all the bytes of a file, read a MiB at a time.
std::optional<quint64> hashOf(QIODevice &file)
{
    constexpr qint64 Step = qint64(1) << 20;
    quint64 hash = 0;
    if (!file.seek(0))
        return std::nullopt;
    for (qint64 at = 0; at < file.size(); at += Step) {
        const QByteArray bytes = file.read(Step);
        if (bytes.isEmpty())
            return std::nullopt;
        hash = contentHash(bytes, hash);
    }
    return hash;
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

// The copies asked for by writeLater(), made one after the other on a
// thread of its own. A program that ends waits for them (its application
// object's end, or else the end of the process).
class Writer
{
public:
    static Writer &instance()
    {
        static Writer writer;
        return writer;
    }
    ~Writer()
    {
        wait(QString());
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    void add(const QString &path, std::function<void()> job)
    {
        std::lock_guard lock(m_mutex);
        if (!m_thread.joinable()) {
            m_thread = std::thread([this] { run(); });
            if (QCoreApplication::instance())
                qAddPostRoutine([] { Writer::instance().wait(QString()); });
        }
        m_jobs.emplace_back(path, std::move(job));
        m_changed.notify_all();
    }
    void wait(const QString &path)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            const bool running = !m_running.isNull() && (path.isEmpty() || m_running == path);
            return !running && std::none_of(m_jobs.begin(), m_jobs.end(), [&](const auto &job) {
                return path.isEmpty() || job.first == path;
            });
        });
    }

private:
    Writer()
    {
        // the category outlives the writer that may still log through it
        lcDict();
    }
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (true) {
            m_changed.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            auto [path, job] = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_running = path;
            lock.unlock();
            job();
            lock.lock();
            m_running.clear();
            m_changed.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<QString, std::function<void()>>> m_jobs;
    QString m_running;
    bool m_stopping = false;
    std::thread m_thread;
};

QString copyPath(const QString &folder, const QString &dictionaryPath)
{
    const QFileInfo info(dictionaryPath);
    const QString where = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray name = QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".store"));
}

} // namespace

StoreCache::StoreCache(const QString &folder, const QString &dictionaryPath)
    : m_folder(folder)
    , m_dictionaryPath(dictionaryPath)
    , m_path(copyPath(folder, dictionaryPath))
{ }

StoreCache::~StoreCache() = default;

bool StoreCache::open(QFile &dictionary)
{
    m_index.reset();
    const qint64 before = nowNs();
    m_seen = stateOf(dictionary.handle());
    if (!m_seen)
        return false;
    m_seen->checkedNs = before;
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    auto index = std::make_unique<StoreIndexFile>(m_file);
    const Source recorded = index->isSound() ? index->source() : Source{};
    if (!index->isSound() || recorded.size != m_seen->size
        || recorded.sample != StoreIndexFile::sampleHash(dictionary)) {
        qCDebug(lcDict) << "store cache" << m_path << "is not of these bytes";
        return false;
    }
    if (!sameState(recorded, *m_seen) || !settled(recorded)) {
        if (hashOf(dictionary) != recorded.hash) {
            qCDebug(lcDict) << "store cache" << m_path << "is not of these bytes";
            return false;
        }
        // the next opening knows the file by its times again
        const auto after = stateOf(dictionary.handle());
        if (after && sameState(*after, *m_seen)) {
            Source renewed = *m_seen;
            renewed.hash = recorded.hash;
            renewed.sample = recorded.sample;
            QFile copy(m_path);
            const QByteArray header = index->headerWith(renewed);
            if (!copy.open(QIODevice::ReadWrite) || copy.write(header) != header.size())
                qCDebug(lcDict) << "cannot renew the store cache" << m_path;
        }
    }
    // its time tells which copies are used
    m_file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    m_index = std::move(index);
    return true;
}

bool StoreCache::write(const std::vector<Handle> *order) const
{
    QFile file(m_dictionaryPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // the order belongs to the file open() saw
    const auto unchanged = [&](const std::optional<Source> &state) {
        return state && (!order || (m_seen && sameState(*state, *m_seen)));
    };
    std::optional<Source> state = stateOf(file.handle());
    if (!unchanged(state))
        return false;
    // a copy made right after a write is trusted only after another hash:
    // a short wait spares that
    constexpr qint64 LongestWait = Second / 5;
    const qint64 wait = qMax(state->modifiedNs, state->changedNs) + grainOf(*state) - nowNs();
    if (wait > 0 && wait <= LongestWait)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait + Second / 100));
    const qint64 before = nowNs();
    state = stateOf(file.handle());
    if (!unchanged(state) || state->size == 0)
        return false;
    uchar *mapping = file.map(0, qint64(state->size));
    if (!mapping)
        return false;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(mapping), qsizetype(state->size));
    StoreIndex index;
    const auto release = [mapping](qsizetype read) { releasePages(mapping, read); };
    if (!StoreIndex::build(bytes, order, index, release))
        return false;
    Source source = *state;
    source.checkedNs = before;
    source.sample = StoreIndexFile::sampleHash(file);
    const std::optional<quint64> hash = hashOf(file);
    if (!hash)
        return false;
    source.hash = *hash;
    const auto after = stateOf(file.handle());
    if (!after || !sameState(*after, *state))
        return false;
    // written beside it and put in its place whole: a reader meets the old
    // copy, none, or the new one
    QTemporaryFile copy(QDir(m_folder).filePath(QStringLiteral("XXXXXX.new")));
    if (!QDir().mkpath(m_folder) || !copy.open() || !StoreIndexFile::write(copy, index, source)) {
        qCWarning(lcDict) << "cannot keep the store cache" << m_path << copy.errorString();
        return false;
    }
    QFile::remove(m_path);
    if (!copy.rename(m_path)) {
        qCWarning(lcDict) << "cannot keep the store cache" << m_path << copy.errorString();
        return false;
    }
    copy.setAutoRemove(false);
    removeLeastUsed(m_folder);
    qCDebug(lcDict) << "kept the store cache" << m_path << "of" << index.order.size() << "entries";
    return true;
}

void StoreCache::writeLater(std::optional<std::vector<Handle>> order) const
{
    auto copy = std::make_shared<StoreCache>(m_folder, m_dictionaryPath);
    copy->m_seen = m_seen;
    Writer::instance().add(
        m_dictionaryPath, [copy, order = std::move(order)] { copy->write(order ? &*order : nullptr); });
}

void StoreCache::waitForWrites(const QString &dictionaryPath)
{
    Writer::instance().wait(dictionaryPath);
}
