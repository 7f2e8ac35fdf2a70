#include "dictionary.h"

#include "dictlog.h"
#include "searchkeybuffer.h"
#include "storeorder.h"

#include <algorithm>
#include <climits>

Dictionary::Dictionary(QObject *parent)
    : QObject(parent)
{ }

Dictionary::~Dictionary() = default;

void Dictionary::fill(QMap<QString, QString> attributes, EntryArena entries)
{
    beginReset();
    m_attributes = std::move(attributes);
    std::vector<Handle> handles;
    if (m_order.empty()) {
        m_arena = std::move(entries);
        m_meanings.clear();
        handles.resize(size_t(m_arena.count()));
        for (Handle h = 0; h < handles.size(); ++h)
            handles[h] = h;
    } else {
        for (Handle h = 0; h < Handle(entries.count()); ++h)
            handles.push_back(m_arena.add(entries.entry(h)));
    }
    insertAll(handles);
    endReset(false);
    markSaved();
}

void Dictionary::fill(QMap<QString, QString> attributes, EntryArena entries, Order order)
{
    Q_ASSERT(m_order.empty() && order.size() == size_t(entries.count()));
    beginReset();
    m_attributes = std::move(attributes);
    m_arena = std::move(entries);
    m_meanings.clear();
    m_meanings.storedInOrder(Handle(m_arena.count()));
    for (Handle h = 0; h < Handle(m_arena.count()); ++h)
        m_maxId = qMax(m_maxId, m_arena.id(h));
    m_order = std::move(order);
    m_byId.clear();
    m_byIdValid = false;
    endReset(false);
    markSaved();
}

void Dictionary::clear()
{
    beginReset();
    m_arena.clear();
    m_order.clear();
    m_meanings.clear();
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

Result<int> Dictionary::addOrReplace(Entry e)
{
    if (e.id() != 0) {
        qCDebug(lcDict) << "replace entry" << e.id();
        replaceEntry(e);
        return e.id();
    }
    const int id = nextId();
    if (id == 0) {
        qCWarning(lcDict) << "no free id left";
        return Result<int>::failure(tr("The dictionary has used every entry number; no entry can be added."));
    }
    e.setId(id);
    qCDebug(lcDict) << "adding entry" << e.id();
    insertEntry(e);
    return e.id();
}

bool Dictionary::replaceEntry(const Entry &e)
{
    qCDebug(lcDict) << "replacing entry" << e.word();
    Handle stored = 0;
    if (!find(e.id(), stored)) {
        qCDebug(lcDict) << "no such entry, inserting";
        insertEntry(e);
        return true;
    }
    const int from = positionOf(stored);
    if (compareSearchKeys(m_arena.word(stored), e.word()) == 0) {
        m_arena.replace(stored, e);
        announceChange(from);
    } else {
        // keep the list sorted, or binary searches would miss entries
        takeAt(from);
        m_arena.replace(stored, e);
        insertAt(stored, insertPosition(e.word()));
    }
    m_meanings.stored(stored);
    qCDebug(lcDict) << "- replaced!";
    return true;
}

void Dictionary::insertEntry(const Entry &e)
{
    const Handle stored = m_arena.add(e);
    m_meanings.stored(stored);
    m_maxId = qMax(m_maxId, e.id());
    insertAt(stored, insertPosition(e.word()));
}

void Dictionary::insertAt(Handle handle, int position)
{
    if (m_byIdValid) {
        if (m_byId.contains(m_arena.id(handle)))
            m_byIdValid = false;
        else
            m_byId.insert(m_arena.id(handle), handle);
    }
    if (announcing())
        emit entryAboutToBeInserted(position);
    m_order.insert(m_order.begin() + position, handle);
    touch();
    if (announcing()) {
        emit entryInserted(position);
        emit contentsChanged();
    }
}

void Dictionary::takeAt(int position)
{
    if (announcing())
        emit entryAboutToBeRemoved(position);
    m_order.erase(m_order.begin() + position);
    m_byId.clear();
    m_byIdValid = false;
    touch();
    if (announcing()) {
        emit entryRemoved(position);
        emit contentsChanged();
    }
}

// Many entries are sorted once and each run of equal keys then arranged as
// inserting them one by one would have left it (storeorder.h).
void Dictionary::insertEntries(std::vector<Entry> entries)
{
    std::vector<Handle> handles;
    handles.reserve(entries.size());
    for (const Entry &e : entries)
        handles.push_back(m_arena.add(e));
    entries = {};
    insertAll(handles);
}

void Dictionary::insertAll(const std::vector<Handle> &handles)
{
    for (Handle h : handles) {
        m_maxId = qMax(m_maxId, m_arena.id(h));
        m_meanings.stored(h);
    }
    if (handles.size() <= 1) {
        if (!handles.empty())
            insertAt(handles.front(), insertPosition(m_arena.word(handles.front())));
        return;
    }
    beginReset();
    if (!m_order.empty() || !placeSorted(handles))
        sortIn(handles);
    m_byId.clear();
    m_byIdValid = false;
    endReset(true);
}

// The general case of insertAll: the stored entries and the new ones sorted
// together, each run of equal keys arranged as one-by-one insertion would.
void Dictionary::sortIn(const std::vector<Handle> &handles)
{
    struct Item
    {
        Handle handle;
        bool isNew;
        bool beforeLast;
    };
    std::vector<Item> items;
    items.reserve(m_order.size() + handles.size());
    for (Handle stored : m_order)
        items.push_back(Item{stored, false, false});
    m_order.clear();
    // the largest key so far is that of the last entry in one-by-one order
    qint64 largest = items.empty() ? -1 : qint64(items.back().handle);
    bool sorted = true;
    for (Handle h : handles) {
        const int order = largest >= 0 ? compareSearchKeys(m_arena.word(h), m_arena.word(Handle(largest))) : 1;
        sorted = sorted && order >= 0;
        items.push_back(Item{h, true, order == 0});
        if (order > 0)
            largest = h;
    }
    // keys made for the sort are kept to find the runs of equal keys
    std::vector<QString> keys;
    if (!sorted) {
        std::vector<std::pair<QString, size_t>> keyed;
        keyed.reserve(items.size());
        for (size_t i = 0; i < items.size(); ++i)
            keyed.emplace_back(searchKeyOf(items[i].handle), i);
        // QString's own order, with the earlier entry first among equal keys
        std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
            const int order = QStringView(a.first).compare(QStringView(b.first));
            return order < 0 || (order == 0 && a.second < b.second);
        });
        std::vector<Item> byKey;
        byKey.reserve(items.size());
        keys.reserve(items.size());
        for (auto &[key, at] : keyed) {
            byKey.push_back(items[at]);
            keys.push_back(std::move(key));
        }
        items = std::move(byKey);
    }
    // whether an item's key is that of the one before it: in sorted order a
    // new item was already compared with an equal key or the one before it
    auto sameKeyAsPrevious = [this, &items, &keys](size_t i) {
        if (!keys.empty())
            return keys[i] == keys[i - 1];
        if (items[i].isNew)
            return items[i].beforeLast;
        return compareSearchKeys(m_arena.word(items[i].handle), m_arena.word(items[i - 1].handle)) == 0;
    };
    m_order.reserve(items.size());
    RunOrder<Handle> runs(m_order);
    for (size_t i = 0; i < items.size(); ++i)
        runs.add(items[i].handle, i == 0 || !sameKeyAsPrevious(i), items[i].isNew && items[i].beforeLast);
}

// Entries in key order (a saved file) go into an empty store in one pass,
// each run of equal keys as one-by-one insertion leaves it: the first of
// the run last. False, and nothing placed, at the first out of order.
bool Dictionary::placeSorted(const std::vector<Handle> &handles)
{
    Order order;
    order.reserve(handles.size());
    RunOrder<Handle> runs(order);
    runs.add(handles.front(), true, false);
    // each word's key is made once; the run's first stays to compare with
    SearchKeyBuffer keys[2];
    int firstKey = 0;
    keys[firstKey].make(m_arena.word(handles.front()));
    for (size_t i = 1; i < handles.size(); ++i) {
        const QStringView key = keys[1 - firstKey].make(m_arena.word(handles[i]));
        const int comparison = compareUnits(key, keys[firstKey].key());
        if (comparison < 0)
            return false;
        // an equal key read in a row was the largest when it came
        runs.add(handles[i], comparison > 0, true);
        if (comparison > 0)
            firstKey = 1 - firstKey;
    }
    runs.finish();
    m_order = std::move(order);
    return true;
}

bool Dictionary::deleteEntry(const Entry &e)
{
    qCDebug(lcDict) << "deleting entry" << e.word();
    Handle stored = 0;
    if (!find(e.id(), stored))
        return false;
    m_meanings.removed(stored);
    takeAt(positionOf(stored));
    m_arena.remove(stored);
    return true;
}

Entry Dictionary::entryById(int id) const
{
    Handle stored = 0;
    return find(id, stored) ? m_arena.entry(stored) : Entry(0);
}

bool Dictionary::find(int id, Handle &handle) const
{
    if (!m_byIdValid) {
        m_byId.clear();
        m_byId.reserve(qsizetype(m_order.size()));
        for (Handle stored : m_order) {
            if (!m_byId.contains(m_arena.id(stored)))
                m_byId.insert(m_arena.id(stored), stored);
        }
        m_byIdValid = true;
    }
    const auto it = m_byId.constFind(id);
    if (it == m_byId.cend())
        return false;
    handle = it.value();
    return true;
}

int Dictionary::insertPosition(QStringView word) const
{
    if (m_order.empty() || compareSearchKeys(m_arena.word(m_order.back()), word) < 0)
        return count();
    // the first key greater than the new one among all but the last entry:
    // a key equal to the last entry's lands just before it
    const auto it = std::upper_bound(m_order.begin(), m_order.end() - 1, word,
        [this](QStringView w, Handle h) { return compareSearchKeys(w, m_arena.word(h)) < 0; });
    return int(it - m_order.begin());
}

Dictionary::Order::const_iterator Dictionary::lowerBound(const QString &text) const
{
    return std::lower_bound(m_order.begin(), m_order.end(), text,
        [this](Handle h, const QString &t) { return compareSearchKey(m_arena.word(h), t) < 0; });
}

bool Dictionary::hasKey(Order::const_iterator it, const QString &key) const
{
    return it != m_order.end() && compareSearchKey(m_arena.word(*it), key) == 0;
}

QString Dictionary::searchKeyOf(Handle handle) const
{
    return makeSearchKey(m_arena.word(handle).toString());
}

int Dictionary::positionOf(Handle handle) const
{
    for (auto it = lowerBound(searchKeyOf(handle)); it != m_order.end(); ++it) {
        if (*it == handle)
            return int(it - m_order.begin());
    }
    return -1;
}

int Dictionary::indexOfWord(const QString &word) const
{
    // equal words have equal keys, so only that run of keys needs a look
    const QString key = makeSearchKey(word);
    for (auto it = lowerBound(key); hasKey(it, key); ++it) {
        if (m_arena.word(*it) == word)
            return int(it - m_order.begin());
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
        found.append(m_arena.entry(*it));
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
    QList<Entry> found;
    for (Handle handle : m_meanings.find(m_arena, meaning, max))
        found.append(m_arena.entry(handle));
    return found;
}

int Dictionary::findLongestPrefix(const QString &text, int &matchLength) const
{
    const auto lb = lowerBound(text);
    const QString atBound = lb != m_order.end() ? searchKeyOf(*lb) : QString();
    const QString beforeBound = lb != m_order.begin() ? searchKeyOf(*(lb - 1)) : QString();
    const PrefixMatch match = longestPrefix(text, lb != m_order.end() ? int(lb - m_order.begin()) : -1, atBound,
        beforeBound, [this, &text](int length) { return int(searchKeyOf(*lowerBound(text.left(length))).size()); });
    matchLength = match.matchLength;
    return match.position;
}

QList<Entry> Dictionary::entriesWithFlags(Entry::Flags mask, Entry::Flags value) const
{
    QList<Entry> found;
    for (Handle stored : m_order) {
        if ((m_arena.flags(stored) & mask.toInt()) == value.toInt())
            found.append(m_arena.entry(stored));
    }
    return found;
}

QHash<int, Entry> Dictionary::entriesById() const
{
    QHash<int, Entry> byId;
    byId.reserve(count());
    for (Handle stored : m_order)
        byId.insert(m_arena.id(stored), m_arena.entry(stored));
    return byId;
}

bool Dictionary::setLearnCounters(int id, qint8 forward, qint8 backward)
{
    Handle stored = 0;
    if (!find(id, stored))
        return false;
    m_arena.setLearnCounters(stored, forward, backward);
    announceChange(positionOf(stored));
    return true;
}

void Dictionary::setLearnCountersAt(int position, qint8 forward, qint8 backward)
{
    m_arena.setLearnCounters(m_order[size_t(position)], forward, backward);
    announceChange(position);
}

void Dictionary::resetLearnCounters()
{
    beginReset();
    for (Handle stored : m_order)
        m_arena.setLearnCounters(stored, -1, -1);
    endReset(true);
}

QList<int> Dictionary::learnedIds() const
{
    QList<int> ids;
    for (Handle stored : m_order) {
        if (m_arena.learnedForward(stored) >= 0 || m_arena.learnedBackward(stored) >= 0)
            ids.append(m_arena.id(stored));
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
    qCDebug(lcDict) << "user languages" << codes << "were" << current;
    if (codes.size() < current.size() || codes.mid(0, current.size()) != current)
        return false;
    qCDebug(lcDict) << "user languages extended";
    setAttribute(QStringLiteral("USER"), codes.join(u','));
    return true;
}
