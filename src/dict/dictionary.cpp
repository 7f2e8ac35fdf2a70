#include "dictionary.h"

#include "dictlog.h"

#include <algorithm>
#include <climits>

namespace {

int commonPrefixLength(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return int(i);
}

} // namespace

Dictionary::Dictionary(QObject *parent)
    : QObject(parent)
{ }

Dictionary::~Dictionary() = default;

void Dictionary::fill(QMap<QString, QString> attributes, EntryList entries)
{
    beginReset();
    m_attributes = std::move(attributes);
    insertStored(std::move(entries));
    endReset(false);
    markSaved();
}

void Dictionary::clear()
{
    beginReset();
    m_errorString.clear();
    m_entries.clear();
    m_meaningIndex.clear();
    m_unindexed.clear();
    m_attributes.clear();
    m_maxId = 0;
    m_byId.clear();
    m_byIdValid = false;
    markSaved();
    endReset(false);
}

void Dictionary::beginReset()
{
    if (m_resetDepth++ == 0)
        emit aboutToReset();
}

void Dictionary::endReset(bool modifies)
{
    if (--m_resetDepth > 0)
        return;
    if (modifies)
        touch();
    emit resetDone();
    emit contentsChanged();
}

void Dictionary::touch()
{
    const bool wasModified = isModified();
    ++m_revision;
    if (!wasModified && announcing())
        emit modificationChanged(true);
}

void Dictionary::announceChange(int position)
{
    touch();
    if (announcing()) {
        emit entryChanged(position);
        emit contentsChanged();
    }
}

void Dictionary::markSaved()
{
    const bool wasModified = isModified();
    m_savedRevision = m_revision;
    if (wasModified)
        emit modificationChanged(false);
}

int Dictionary::nextId()
{
    if (m_maxId == INT_MAX)
        return 0;
    return ++m_maxId;
}

int Dictionary::addOrReplace(Entry e)
{
    if (e.id() != 0) {
        qCDebug(lcDict) << "-- replace entry" << e.id();
        replaceEntry(e);
        return e.id();
    }
    const int id = nextId();
    if (id == 0) {
        qCWarning(lcDict) << "ERROR: no free id left";
        m_errorString = tr("The dictionary has used every entry number; no entry can be added.");
        return 0;
    }
    e.setId(id);
    qCDebug(lcDict) << "-- add ID" << e.id();
    insertEntry(e);
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
    const int from = positionOf(stored);
    if (compareSearchKeys(stored->word(), e.word()) == 0) {
        *stored = e;
        announceChange(from);
    } else {
        // keep the list sorted, or binary searches would miss entries
        std::unique_ptr<Entry> moved = takeStored(from);
        *moved = e;
        insertStored(std::move(moved), insertPosition(e.word()));
    }
    indexMeanings(e);
    qCDebug(lcDict) << "- replaced!";
    return true;
}

void Dictionary::insertEntry(const Entry &e)
{
    auto stored = std::make_unique<Entry>(e);
    m_unindexed.push_back(stored.get());
    m_maxId = qMax(m_maxId, e.id());
    insertStored(std::move(stored), insertPosition(e.word()));
}

void Dictionary::insertStored(std::unique_ptr<Entry> stored, int position)
{
    if (m_byIdValid) {
        if (m_byId.contains(stored->id()))
            m_byIdValid = false;
        else
            m_byId.insert(stored->id(), stored.get());
    }
    if (announcing())
        emit entryAboutToBeInserted(position);
    m_entries.insert(m_entries.begin() + position, std::move(stored));
    touch();
    if (announcing()) {
        emit entryInserted(position);
        emit contentsChanged();
    }
}

std::unique_ptr<Entry> Dictionary::takeStored(int position)
{
    if (announcing())
        emit entryAboutToBeRemoved(position);
    std::unique_ptr<Entry> taken = std::move(m_entries[size_t(position)]);
    m_entries.erase(m_entries.begin() + position);
    m_byId.clear();
    m_byIdValid = false;
    touch();
    if (announcing()) {
        emit entryRemoved(position);
        emit contentsChanged();
    }
    return taken;
}

// One-by-one insertion puts an entry after the entries with an equal key,
// except while its key is the largest in the store: then it goes just
// before the last of them (see insertPosition). Stored files and lookups
// rely on that order, so many entries are sorted once and each run of equal
// keys is then arranged as those single insertions would have left it.
void Dictionary::insertEntries(std::vector<Entry> entries)
{
    EntryList stored;
    stored.reserve(entries.size());
    for (Entry &e : entries)
        stored.push_back(std::make_unique<Entry>(std::move(e)));
    entries = {};
    insertStored(std::move(stored));
}

void Dictionary::insertStored(EntryList entries)
{
    if (entries.size() <= 1) {
        if (!entries.empty())
            insertEntry(*entries.front());
        return;
    }
    struct Item
    {
        std::unique_ptr<Entry> entry;
        bool isNew;
        bool beforeLast;
    };
    beginReset();
    std::vector<Item> items;
    items.reserve(m_entries.size() + entries.size());
    for (auto &stored : m_entries)
        items.push_back(Item{std::move(stored), false, false});
    m_entries.clear();
    m_unindexed.reserve(m_unindexed.size() + entries.size());
    // the largest key so far is that of the last entry in one-by-one order
    const Entry *largest = items.empty() ? nullptr : items.back().entry.get();
    bool sorted = true;
    for (auto &e : entries) {
        const int order = largest ? compareSearchKeys(e->word(), largest->word()) : 1;
        sorted = sorted && order >= 0;
        m_maxId = qMax(m_maxId, e->id());
        m_unindexed.push_back(e.get());
        items.push_back(Item{std::move(e), true, order == 0});
        if (order > 0)
            largest = items.back().entry.get();
    }
    // keys made for the sort are kept to find the runs of equal keys
    std::vector<QString> keys;
    if (!sorted)
        keys = sortByKey(items);
    auto sameKey = [&items, &keys](size_t a, size_t b) {
        return keys.empty() ? compareSearchKeys(items[a].entry->word(), items[b].entry->word()) == 0
                            : keys[a] == keys[b];
    };
    m_entries.reserve(items.size());
    std::vector<std::unique_ptr<Entry>> body;
    for (size_t run = 0; run < items.size();) {
        size_t end = run + 1;
        while (end < items.size() && sameKey(end, run))
            ++end;
        std::unique_ptr<Entry> tail;
        for (size_t i = run; i < end; ++i) {
            if (tail && !(items[i].isNew && items[i].beforeLast))
                body.push_back(std::move(tail));
            if (tail)
                body.push_back(std::move(items[i].entry));
            else
                tail = std::move(items[i].entry);
        }
        for (auto &e : body)
            m_entries.push_back(std::move(e));
        m_entries.push_back(std::move(tail));
        body.clear();
        run = end;
    }
    m_byId.clear();
    m_byIdValid = false;
    endReset(true);
}

// A stable sort on the search keys, each made once; returns the keys in
// their new order.
template <typename Item> std::vector<QString> Dictionary::sortByKey(std::vector<Item> &items)
{
    std::vector<std::pair<QString, size_t>> keyed;
    keyed.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keyed.emplace_back(items[i].entry->searchKey(), i);
    // QString's own order, with the earlier entry first among equal keys
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = QStringView(a.first).compare(QStringView(b.first));
        return order < 0 || (order == 0 && a.second < b.second);
    });
    std::vector<Item> sorted;
    std::vector<QString> keys;
    sorted.reserve(items.size());
    keys.reserve(items.size());
    for (auto &[key, at] : keyed) {
        sorted.push_back(std::move(items[at]));
        keys.push_back(std::move(key));
    }
    items = std::move(sorted);
    return keys;
}

bool Dictionary::deleteEntry(const Entry &e)
{
    qCDebug(lcDict) << "DICT: delete entry" << e.word();
    Entry *stored = storedEntry(e.id());
    if (!stored)
        return false;
    completeMeaningIndex();
    unindexMeanings(*stored);
    takeStored(positionOf(stored));
    return true;
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

int Dictionary::insertPosition(const QString &word) const
{
    if (m_entries.empty() || compareSearchKeys(m_entries.back()->word(), word) < 0)
        return count();
    // the first key greater than the new one among all but the last entry:
    // a key equal to the last entry's lands just before it
    const auto it = std::upper_bound(m_entries.begin(), m_entries.end() - 1, word,
        [](const QString &w, const std::unique_ptr<Entry> &e) { return compareSearchKeys(w, e->word()) < 0; });
    return int(it - m_entries.begin());
}

Dictionary::EntryList::const_iterator Dictionary::lowerBound(const QString &text) const
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), text,
        [](const std::unique_ptr<Entry> &e, const QString &t) { return compareSearchKey(e->word(), t) < 0; });
}

bool Dictionary::hasKey(EntryList::const_iterator it, const QString &key) const
{
    return it != m_entries.end() && compareSearchKey((*it)->word(), key) == 0;
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
    // a meaning written twice ("big, big") still finds the entry once
    QStringList meanings = splitMeanings(e.translation());
    meanings.removeDuplicates();
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
    for (auto it = lowerBound(key); hasKey(it, key); ++it) {
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
    for (auto it = lowerBound(key); hasKey(it, key); ++it) {
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
    if (lb != m_entries.end()) {
        const QString key = (*lb)->searchKey();
        if (key.startsWith(text)) {
            matchLength = int(key.size());
            return int(lb - m_entries.begin());
        }
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

QList<Entry> Dictionary::entriesWithFlags(Entry::Flags mask, Entry::Flags value) const
{
    QList<Entry> found;
    for (const auto &e : m_entries) {
        if ((e->flags() & mask.toInt()) == value.toInt())
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
    announceChange(positionOf(stored));
    return true;
}

void Dictionary::setLearnCountersAt(int position, qint8 forward, qint8 backward)
{
    m_entries[size_t(position)]->setLearnCounters(forward, backward);
    announceChange(position);
}

void Dictionary::resetLearnCounters()
{
    beginReset();
    for (const auto &e : m_entries)
        e->setLearnCounters(-1, -1);
    endReset(true);
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
    if (announcing()) {
        emit attributesChanged();
        emit contentsChanged();
    }
}

QStringList Dictionary::userLanguageCodes() const
{
    return m_attributes.value(QStringLiteral("USER"), QStringLiteral("en")).split(u',');
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
