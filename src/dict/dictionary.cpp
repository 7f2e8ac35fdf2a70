#include "dictionary.h"

#include "atomicfile.h"
#include "dictlog.h"
#include "lang/language.h"
#include "recordreader.h"
#include "recordwriter.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

namespace {

const QByteArray CurrentVersion = QByteArrayLiteral("DICT V3.3");
// Longer version fields cannot be one of ours; reading them would only waste memory.
constexpr quint32 MaxVersionLength = 64;

int commonPrefixLength(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return int(i);
}

} // namespace

Dictionary::Dictionary(const QString &fileName)
    : m_fileName(fileName)
{ }

Dictionary::~Dictionary() = default;

bool Dictionary::load(const QString &fileName)
{
    if (!m_entries.empty()) {
        qCWarning(lcDict) << "ERROR: dict. not empty, cannot load!";
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcDict) << "ERROR: cannot open dictionary" << fileName;
        return false;
    }
    m_fileName = fileName;
    qCDebug(lcDict) << "set filename:" << fileName;
    // read through a mapping where the system offers one: no copy of the file
    const qint64 size = file.size();
    const uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    const bool ok = mapped ? readFrom(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size))
                           : readFrom(file.readAll());
    m_savedRevision = m_revision;
    return ok;
}

bool Dictionary::readFrom(const QByteArray &data)
{
    RecordReader in(data);
    Entry::Format format;
    if (!readVersion(in, format))
        return false;
    if (format == Entry::Format::V33) {
        readAttributes(in);
    } else {
        // files before V3.3 carry no attributes and were all Hebrew
        setAttribute(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
        setAttribute(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    }
    readRecords(in, format);
    m_language = Language::fromCode(type());
    touch();
    return true;
}

bool Dictionary::readVersion(RecordReader &in, Entry::Format &format)
{
    quint32 length = 0;
    QByteArray bytes;
    if (in.readU32(length) && length <= MaxVersionLength) {
        bytes.resize(length);
        for (quint32 i = 0; i < length; ++i) {
            quint8 b = 0;
            if (!in.readU8(b))
                break;
            bytes[i] = char(b);
        }
    }
    const qsizetype zero = bytes.indexOf('\0');
    m_version = QString::fromLatin1(zero >= 0 ? bytes.left(zero) : bytes);
    qCDebug(lcDict) << "read dictionary version:" << m_version;

    static const QHash<QString, Entry::Format> formats = {
        {QStringLiteral("DICT V3.0"), Entry::Format::V30},
        {QStringLiteral("DICT V3.1"), Entry::Format::V31},
        {QStringLiteral("DICT V3.2"), Entry::Format::V32},
        {QStringLiteral("DICT V3.3"), Entry::Format::V33},
    };
    const auto it = formats.constFind(m_version);
    if (it == formats.constEnd()) {
        qCWarning(lcDict) << "ERROR: unknown file version" << m_version;
        return false;
    }
    format = *it;
    return true;
}

void Dictionary::readAttributes(RecordReader &in)
{
    QByteArray line;
    while (in.readBytes(line) && !line.isEmpty()) {
        const QString text = QString::fromUtf8(line);
        const qsizetype colon = text.indexOf(u':');
        const QString key = colon >= 0 ? text.left(colon) : text;
        const QString value = colon >= 0 ? text.mid(colon + 1).trimmed() : QString();
        if (key.isEmpty())
            continue;
        qCDebug(lcDict) << "-- set" << key << "=" << value;
        setAttribute(key, value);
    }
}

void Dictionary::readRecords(RecordReader &in, Entry::Format format)
{
    QElapsedTimer timer;
    timer.start();
    while (!in.atEnd()) {
        Entry e(0);
        const bool complete = e.read(in, format);
        // V3.0 records carry no id; without one the entry would never be saved
        if (format == Entry::Format::V30)
            e.setId(m_maxId + 1);
        m_maxId = qMax(m_maxId, e.id());
        insertEntry(e);
        if (!complete)
            qCWarning(lcDict) << "ERROR: dictionary file cut short after" << count() << "entries";
    }
    qCDebug(lcDict) << "loaded" << count() << "words in" << timer.elapsed() << "ms";
}

bool Dictionary::save()
{
    qCDebug(lcDict) << "DICT: save" << count() << "entries to" << m_fileName;
    if (m_fileName.isEmpty())
        return false;
    QString error;
    if (!writeFileAtomically(m_fileName, toBytes(), &error)) {
        qCWarning(lcDict) << "ERROR: cannot write dictionary" << m_fileName << error;
        return false;
    }
    m_savedRevision = m_revision;
    return true;
}

QByteArray Dictionary::toBytes() const
{
    QByteArray out;
    out.reserve(64 + qsizetype(m_entries.size()) * 48);
    RecordWriter writer(out);
    writer.writeBytes(CurrentVersion + '\0');
    for (auto it = m_attributes.cbegin(); it != m_attributes.cend(); ++it)
        writer.writeBytes((it.key() + QStringLiteral(": ") + it.value()).toUtf8());
    writer.writeBytes(QByteArray(""));
    for (const auto &e : m_entries) {
        if (e->id() != 0)
            e->write(writer);
    }
    return out;
}

void Dictionary::clear()
{
    m_fileName.clear();
    m_version.clear();
    m_entries.clear();
    m_meaningIndex.clear();
    m_unindexed.clear();
    m_attributes.clear();
    m_maxId = 0;
    m_language.reset();
    m_byId.clear();
    m_byIdValid = false;
    touch();
    m_savedRevision = m_revision;
}

int Dictionary::addOrReplace(Entry e)
{
    if (e.id() != 0) {
        qCDebug(lcDict) << "-- replace entry" << e.id();
        replaceEntry(e);
    } else {
        e.setId(nextId());
        qCDebug(lcDict) << "-- add ID" << e.id();
        insertEntry(e);
    }
    return e.id();
}

bool Dictionary::replaceEntry(const Entry &e)
{
    qCDebug(lcDict) << "DICT: replace entry" << e.word();
    Entry *stored = storedEntry(e.id());
    if (!stored) {
        qCDebug(lcDict) << "-- no such entry, inserting";
        insertEntry(e);
        return true;
    }
    completeMeaningIndex();
    unindexMeanings(*stored);
    if (stored->searchKey() == e.searchKey()) {
        *stored = e;
    } else {
        // keep the list sorted, or binary searches would miss entries
        const int from = positionOf(stored);
        std::unique_ptr<Entry> moved = std::move(m_entries[size_t(from)]);
        m_entries.erase(m_entries.begin() + from);
        *moved = e;
        m_entries.insert(m_entries.begin() + insertPosition(e.searchKey()), std::move(moved));
    }
    indexMeanings(e);
    touch();
    qCDebug(lcDict) << "- replaced!";
    return true;
}

void Dictionary::insertEntry(const Entry &e)
{
    auto stored = std::make_unique<Entry>(e);
    if (m_byIdValid) {
        if (m_byId.contains(e.id()))
            m_byIdValid = false;
        else
            m_byId.insert(e.id(), stored.get());
    }
    m_unindexed.push_back(stored.get());
    m_entries.insert(m_entries.begin() + insertPosition(e.searchKey()), std::move(stored));
    touch();
}

bool Dictionary::deleteEntry(const Entry &e)
{
    qCDebug(lcDict) << "DICT: delete entry" << e.word();
    Entry *stored = storedEntry(e.id());
    if (!stored)
        return false;
    completeMeaningIndex();
    unindexMeanings(*stored);
    m_entries.erase(m_entries.begin() + positionOf(stored));
    m_byId.clear();
    m_byIdValid = false;
    touch();
    return true;
}

Entry &Dictionary::entryById(int id)
{
    if (Entry *stored = storedEntry(id))
        return *stored;
    m_nullEntry = Entry(0);
    return m_nullEntry;
}

Entry Dictionary::entryById(int id) const
{
    const Entry *stored = storedEntry(id);
    return stored ? *stored : Entry(0);
}

Entry *Dictionary::storedEntry(int id) const
{
    if (!m_byIdValid) {
        m_byId.clear();
        m_byId.reserve(qsizetype(m_entries.size()));
        for (const auto &e : m_entries) {
            if (!m_byId.contains(e->id()))
                m_byId.insert(e->id(), e.get());
        }
        m_byIdValid = true;
    }
    return m_byId.value(id, nullptr);
}

int Dictionary::insertPosition(const QString &key) const
{
    if (m_entries.empty() || m_entries.back()->searchKey() < key)
        return count();
    // the first key greater than the new one among all but the last entry:
    // a key equal to the last entry's lands just before it
    const auto it = std::upper_bound(m_entries.begin(), m_entries.end() - 1, key,
        [](const QString &k, const std::unique_ptr<Entry> &e) { return k < e->searchKey(); });
    return int(it - m_entries.begin());
}

Dictionary::EntryList::const_iterator Dictionary::lowerBound(const QString &key) const
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), key,
        [](const std::unique_ptr<Entry> &e, const QString &k) { return e->searchKey() < k; });
}

int Dictionary::positionOf(const Entry *entry) const
{
    for (auto it = lowerBound(entry->searchKey()); it != m_entries.end(); ++it) {
        if (it->get() == entry)
            return int(it - m_entries.begin());
    }
    return -1;
}

void Dictionary::indexMeanings(const Entry &e) const
{
    const QStringList meanings = splitMeanings(e.translation());
    for (const QString &meaning : meanings)
        m_meaningIndex.insert(meaning, e.id());
}

void Dictionary::completeMeaningIndex() const
{
    for (const Entry *e : m_unindexed)
        indexMeanings(*e);
    m_unindexed.clear();
}

void Dictionary::unindexMeanings(const Entry &e)
{
    const QStringList meanings = splitMeanings(e.translation());
    for (const QString &meaning : meanings)
        m_meaningIndex.remove(meaning, e.id());
}

int Dictionary::indexOfWord(const QString &word) const
{
    // equal words have equal keys, so only that run of keys needs a look
    const QString key = makeSearchKey(word);
    for (auto it = lowerBound(key); it != m_entries.end() && (*it)->searchKey() == key; ++it) {
        if ((*it)->word() == word)
            return int(it - m_entries.begin());
    }
    return -1;
}

QList<Entry> Dictionary::findExact(const QString &text, int max) const
{
    QList<Entry> found;
    const QString key = makeSearchKey(text);
    if (key.isEmpty())
        return found;
    for (auto it = lowerBound(key); it != m_entries.end() && (*it)->searchKey() == key; ++it) {
        found.append(**it);
        if (max > 0 && found.size() >= max)
            break;
    }
    return found;
}

Entry Dictionary::entryForChar(QChar ch) const
{
    const QList<Entry> found = findExact(QString(ch), 1);
    return found.isEmpty() ? Entry(0) : found.first();
}

QList<Entry> Dictionary::findByMeaning(const QString &meaning, int max) const
{
    completeMeaningIndex();
    QList<Entry> found;
    for (auto it = m_meaningIndex.constFind(meaning); it != m_meaningIndex.cend() && it.key() == meaning; ++it) {
        if (const Entry *e = storedEntry(it.value()))
            found.append(*e);
        if (max > 0 && found.size() >= max)
            break;
    }
    return found;
}

int Dictionary::findLongestPrefix(const QString &text, int &matchLength) const
{
    // Keys in sorted order share ever longer prefixes with text up to where
    // text would stand, and ever shorter ones after it, so the entry a
    // walk from the start would stop at is found by binary search.
    matchLength = 0;
    const auto lb = lowerBound(text);
    if (lb != m_entries.end() && (*lb)->searchKey().startsWith(text)) {
        matchLength = int((*lb)->searchKey().size());
        return int(lb - m_entries.begin());
    }
    int best = 0;
    if (lb != m_entries.begin())
        best = commonPrefixLength(text, (*(lb - 1))->searchKey());
    if (lb != m_entries.end())
        best = qMax(best, commonPrefixLength(text, (*lb)->searchKey()));
    if (best > 0)
        matchLength = int((*lowerBound(text.left(best)))->searchKey().size());
    return -1;
}

QList<Entry> Dictionary::entriesWithFlags(quint32 mask, quint32 value) const
{
    QList<Entry> found;
    for (const auto &e : m_entries) {
        if ((e->flags() & mask) == value)
            found.append(*e);
    }
    return found;
}

QHash<int, Entry> Dictionary::entriesById() const
{
    QHash<int, Entry> byId;
    byId.reserve(count());
    for (const auto &e : m_entries)
        byId.insert(e->id(), *e);
    return byId;
}

bool Dictionary::setLearnCounters(int id, qint8 forward, qint8 backward)
{
    Entry *stored = storedEntry(id);
    if (!stored)
        return false;
    stored->setLearnCounters(forward, backward);
    touch();
    return true;
}

void Dictionary::resetLearnCounters()
{
    for (const auto &e : m_entries)
        e->setLearnCounters(-1, -1);
    touch();
}

QList<int> Dictionary::learnedIds() const
{
    QList<int> ids;
    for (const auto &e : m_entries) {
        if (e->learnedForward() >= 0 || e->learnedBackward() >= 0)
            ids.append(e->id());
    }
    return ids;
}

void Dictionary::setAttribute(const QString &key, const QString &value)
{
    if (value.isEmpty())
        m_attributes.remove(key);
    else
        m_attributes.insert(key, value);
    touch();
}

QStringList Dictionary::userLanguageCodes() const
{
    return m_attributes.value(QStringLiteral("USER"), QStringLiteral("en")).split(u',');
}

QStringList Dictionary::userLanguageNames() const
{
    QStringList names;
    const QStringList codes = userLanguageCodes();
    for (const QString &code : codes)
        names.append(languageDisplayName(code));
    return names;
}

QString Dictionary::userLanguageName(int k) const
{
    return userLanguageNames().value(k);
}

bool Dictionary::setUserLanguages(const QStringList &codes)
{
    const QStringList current = userLanguageCodes();
    qCDebug(lcDict) << "DICT: set" << codes << "current:" << current;
    if (codes.size() < current.size() || codes.mid(0, current.size()) != current)
        return false;
    qCDebug(lcDict) << "-- no data change necessary -> set attr";
    setAttribute(QStringLiteral("USER"), codes.join(u','));
    return true;
}
