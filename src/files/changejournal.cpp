#include "changejournal.h"

#include "atomicfile.h"
#include "dictionaryfile.h"
#include "regularfile.h"

#include "formats/contenthash.h"
#include "formats/recordcodec.h"
#include "formats/textfields.h"
#include "model/dictionary.h"
#include "model/dictlog.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray Magic = QByteArrayLiteral("verbalon-journal 1 ");
const QByteArray Put = QByteArrayLiteral("put ");
const QByteArray Drop = QByteArrayLiteral("drop ");
const QByteArray Attributes = QByteArrayLiteral("attributes ");
const QByteArray Store = QByteArrayLiteral("store ");

QByteArray encodedAttributes(const QMap<QString, QString> &attributes)
{
    QStringList pairs;
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        pairs.append(escapeField(it.key()) + u'\t' + escapeField(it.value()));
    return pairs.join(u'\n').toUtf8().toBase64();
}

QMap<QString, QString> decodedAttributes(QByteArrayView base64)
{
    QMap<QString, QString> attributes;
    const QString text = QString::fromUtf8(QByteArray::fromBase64(base64.toByteArray()));
    for (const QString &pair : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = pair.indexOf(u'\t');
        if (tab > 0)
            attributes.insert(unescapeField(pair.first(tab)), unescapeField(pair.sliced(tab + 1)));
    }
    return attributes;
}

// The whole lines after the header: a line cut by a crash has no line feed.
QList<QByteArrayView> changeLines(const QByteArray &data)
{
    QList<QByteArrayView> lines;
    qsizetype from = data.indexOf('\n') + 1;
    for (qsizetype end = data.indexOf('\n', from); from > 0 && end >= 0; end = data.indexOf('\n', from)) {
        lines.append(QByteArrayView(data).sliced(from, end - from));
        from = end + 1;
    }
    return lines;
}

bool readEntry(QByteArrayView base64, Entry &entry)
{
    RecordReader in(QByteArray::fromBase64(base64.toByteArray()));
    return RecordCodec::read(in, RecordCodec::Format::V33, entry) == RecordCodec::ReadResult::Complete
        && entry.id() > 0;
}

// The whole store as a line recorded it, in place of what it held.
bool replaceStore(QByteArrayView base64, Dictionary &store)
{
    Dictionary read;
    DictionaryFile file;
    if (file.read(QByteArray::fromBase64(base64.toByteArray()), read) != DictionaryFile::Status::Ok)
        return false;
    std::vector<Entry> entries;
    entries.reserve(size_t(read.count()));
    for (int i = 0; i < read.count(); ++i)
        entries.push_back(read.entryAt(i));
    store.clear();
    for (auto it = read.attributes().cbegin(); it != read.attributes().cend(); ++it)
        store.setAttribute(it.key(), it.value());
    store.insertEntries(std::move(entries));
    return true;
}

void replaceAttributes(const QMap<QString, QString> &attributes, Dictionary &store)
{
    const QStringList keys = store.attributes().keys();
    for (const QString &key : keys) {
        if (!attributes.contains(key))
            store.setAttribute(key, QString());
    }
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        store.setAttribute(it.key(), it.value());
}

// Applies one line; false when it is no change of ours.
bool apply(QByteArrayView line, Dictionary &store)
{
    if (line.startsWith(Put)) {
        Entry entry(0);
        if (!readEntry(line.sliced(Put.size()), entry))
            return false;
        store.replaceEntry(entry);
        return true;
    }
    if (line.startsWith(Drop)) {
        bool ok = false;
        const int id = line.sliced(Drop.size()).toInt(&ok);
        if (ok)
            store.deleteEntry(store.entryById(id));
        return ok;
    }
    if (line.startsWith(Attributes)) {
        replaceAttributes(decodedAttributes(line.sliced(Attributes.size())), store);
        return true;
    }
    if (line.startsWith(Store))
        return replaceStore(line.sliced(Store.size()), store);
    return false;
}

bool isChange(QByteArrayView line)
{
    return line.startsWith(Put) || line.startsWith(Drop) || line.startsWith(Attributes) || line.startsWith(Store);
}

} // namespace

QString ChangeJournal::pathFor(const QString &dictionaryPath)
{
    return dictionaryPath + QStringLiteral(".journal");
}

quint64 ChangeJournal::fileHash(const QString &dictionaryPath)
{
    QByteArray bytes;
    if (RegularFile(dictionaryPath, DictionaryFile::MaxFileSize).read(bytes) != RegularFile::Status::Ok)
        return 0;
    return contentHash(bytes);
}

ChangeJournal::ChangeJournal(const QString &dictionaryPath)
    : m_dictionaryPath(dictionaryPath)
    , m_path(dictionaryPath.isEmpty() ? QString() : pathFor(dictionaryPath))
{ }

QByteArray ChangeJournal::header() const
{
    return Magic + QByteArray::number(fileHash(m_dictionaryPath), 16) + '\n';
}

ChangeJournal::Status ChangeJournal::inspect(int *changes) const
{
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return Status::None;
    QByteArray data;
    // a journal holds at most a few copies of the store
    if (RegularFile(m_path, 4 * DictionaryFile::MaxFileSize).read(data) != RegularFile::Status::Ok)
        return Status::Unreadable;
    if (changes) {
        const QList<QByteArrayView> lines = changeLines(data);
        *changes = int(std::count_if(lines.cbegin(), lines.cend(), isChange));
    }
    return data.startsWith(header()) ? Status::Matching : Status::Stale;
}

bool ChangeJournal::replay(Dictionary &store)
{
    QByteArray data;
    if (RegularFile(m_path, 4 * DictionaryFile::MaxFileSize).read(data) != RegularFile::Status::Ok
        || !data.startsWith(header()))
        return false;
    int skipped = 0;
    for (QByteArrayView line : changeLines(data))
        skipped += apply(line, store) ? 0 : 1;
    if (skipped > 0)
        qCWarning(lcDict) << "the journal" << m_path << "has" << skipped << "lines that are no change, skipped";
    m_started = true;
    return true;
}

bool ChangeJournal::setAside(QString *kept)
{
    const QString aside = m_path + QStringLiteral(".stale");
    QFile::remove(aside);
    if (!QFile::rename(m_path, aside))
        return fail(tr("cannot be renamed to %1").arg(aside));
    if (kept)
        *kept = aside;
    m_started = false;
    return true;
}

bool ChangeJournal::recordEntry(const Entry &entry)
{
    QByteArray record;
    RecordWriter out(record);
    RecordCodec::write(out, entry);
    return append(Put + record.toBase64() + '\n');
}

bool ChangeJournal::recordRemoval(int id)
{
    return append(Drop + QByteArray::number(id) + '\n');
}

bool ChangeJournal::recordAttributes(const QMap<QString, QString> &attributes)
{
    return append(Attributes + encodedAttributes(attributes) + '\n');
}

bool ChangeJournal::recordStore(const Dictionary &store)
{
    if (m_path.isEmpty())
        return true;
    const Result<> written
        = writeFileAtomically(m_path, header() + Store + DictionaryFile::toBytes(store).toBase64() + '\n');
    m_started = written.ok();
    return m_started || fail(written.errorString());
}

void ChangeJournal::discard()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
    m_started = false;
}

// One write of the whole line, flushed before the next change: a crash
// cuts at most this line. The first line of a journal starts a new file
// with its header, so an old one is never added to.
bool ChangeJournal::append(const QByteArray &line)
{
    if (m_path.isEmpty())
        return true;
    QFile file(m_path);
    const QIODevice::OpenMode mode = m_started ? QIODevice::Append : QIODevice::Truncate;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | mode))
        return fail(tr("cannot write: %1").arg(file.errorString()));
    const QByteArray out = m_started ? line : header() + line;
    if (file.write(out) != out.size() || !file.flush())
        return fail(tr("cannot write: %1").arg(file.errorString()));
    m_started = true;
    return true;
}

bool ChangeJournal::fail(const QString &reason)
{
    m_errorString = QStringLiteral("%1: %2").arg(m_path, reason);
    qCWarning(lcDict) << "change journal:" << m_errorString;
    return false;
}
