#include "dictionarymerge.h"

#include "model/dictionary.h"
#include "model/dictlog.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <map>
#include <optional>

namespace {

using Kind = MergeChange::Kind;

// Two entries say the same thing when they share a meaning; an entry that
// has none yet ("???") says nothing against it.
bool meaningsMeet(const Entry &a, const Entry &b)
{
    if (a.translation() == b.translation() || a.hasFlag(Entry::FlagIncomplete) || b.hasFlag(Entry::FlagIncomplete))
        return true;
    const QStringList mine = splitMeanings(a.translation());
    const QStringList theirs = splitMeanings(b.translation());
    return std::any_of(mine.cbegin(), mine.cend(),
        [&theirs](const QString &m) { return !m.isEmpty() && theirs.contains(m, Qt::CaseInsensitive); });
}

// The other side's entry under an id is a new text or a new spelling of the
// entry the learner has under it, not another word: the same letters, or
// letters a respelling gives with a meaning in common.
bool sameEntry(const Entry &a, const Entry &b)
{
    const QString key = a.searchKey();
    const QString other = b.searchKey();
    return key == other || (DictionaryMerge::similar(key, other) && meaningsMeet(a, b));
}

// One field: the side that changed it since the base; changed on both
// sides, the other side's unless mineWins (conflict set).
template <typename T> T threeWay(const T &mine, const T &base, const T &theirs, bool mineWins, bool &conflict)
{
    if (mine == base || mine == theirs)
        return theirs;
    if (theirs == base)
        return mine;
    conflict = true;
    return mineWins ? mine : theirs;
}

std::optional<QString> textOf(const Entry &e, quint32 key)
{
    return e.hasText(key) ? std::optional<QString>(e.text(key)) : std::nullopt;
}

// The other side's entry with what the learner changed since the base.
Entry mergeFields(const Entry &mine, const Entry &base, const Entry &theirs, bool mineWins, bool &conflict)
{
    Entry e = theirs;
    e.setWord(threeWay(mine.word(), base.word(), theirs.word(), mineWins, conflict));
    e.setTranslation(threeWay(mine.translation(), base.translation(), theirs.translation(), mineWins, conflict));
    e.setWordType(threeWay(mine.wordType(), base.wordType(), theirs.wordType(), mineWins, conflict));
    // flag by flag: a flag the learner turned is the learner's
    const quint32 turned = mine.flags() ^ base.flags();
    e.setFlags((theirs.flags() & ~turned) | (mine.flags() & turned));
    QList<quint32> keys;
    for (const Entry *side : {&theirs, &mine, &base}) {
        for (const Entry::KeyedText &t : side->texts()) {
            if (!keys.contains(t.key))
                keys.append(t.key);
        }
    }
    for (quint32 key : std::as_const(keys)) {
        const std::optional<QString> text
            = threeWay(textOf(mine, key), textOf(base, key), textOf(theirs, key), mineWins, conflict);
        if (text)
            e.setText(key, *text);
        else
            e.removeText(key);
    }
    return e;
}

qint8 pickCounter(qint8 remote, qint8 local, std::optional<qint8> base)
{
    if (base) {
        if (remote == *base)
            return local;
        if (local == *base)
            return remote;
        return qMin(remote, local);
    }
    return local >= 0 ? local : remote;
}

// The merge of one local copy into one remote copy. The result is built as
// a list: the remote entries in their order, changed where the learner's
// side says so, then the learner's entries the remote lacks.
class Merger
{
public:
    Merger(const Dictionary &local, const Dictionary &remote, DictionaryMerge::Counters counters,
        const Dictionary *base, DictionaryMerge::Priority priority, MergeReport &report)
        : m_local(local)
        , m_counters(counters)
        , m_priority(priority)
        , m_hasBase(base != nullptr)
        , m_report(report)
    {
        if (base)
            m_base = base->entriesById();
        m_result.reserve(size_t(remote.count()));
        for (int j = 0; j < remote.count(); ++j) {
            Entry e = remote.entryAt(j);
            if (counters == DictionaryMerge::Counters::FromLocal)
                e.setLearnCounters(-1, -1);
            m_resultIndex.insert(e.id(), int(m_result.size()));
            m_nextId = qMax(m_nextId, qint64(e.id()) + 1);
            m_result.push_back(std::move(e));
        }
        m_nextId = qMax(m_nextId, qint64(remote.maxId()) + 1);
        // with a base the learner's additions keep their ids, and an id the base
        // had means an entry deleted since: new ones go above all three
        if (base)
            m_nextId = qMax(m_nextId, qint64(qMax(local.maxId(), base->maxId())) + 1);
        m_claimed.assign(m_result.size(), false);
        m_dropped.assign(m_result.size(), false);
    }

    bool run()
    {
        std::vector<int> extra = matchById();
        std::vector<int> additions = collectUnmatched();
        indexUnclaimedWords();
        for (const std::vector<int> *list : {&m_renumbered, &additions, &extra}) {
            for (int i : *list) {
                if (!place(i))
                    return false;
            }
        }
        foldTwins();
        std::stable_sort(m_report.changes.begin(), m_report.changes.end(),
            [](const MergeChange &a, const MergeChange &b) { return a.entry.id() < b.entry.id(); });
        return true;
    }

    // The merged entries; the dropped ones left out.
    std::vector<Entry> takeResult()
    {
        std::vector<Entry> kept;
        kept.reserve(m_result.size());
        for (size_t j = 0; j < m_result.size(); ++j) {
            if (!m_dropped[j])
                kept.push_back(std::move(m_result[j]));
        }
        return kept;
    }

private:
    Entry local(int i) const { return m_local.entryAt(i); }
    const Entry *baseOf(int id) const
    {
        const auto b = m_base.constFind(id);
        return b == m_base.cend() ? nullptr : &*b;
    }
    void report(Kind kind, const Entry &e, bool learnersOwn = false, int newId = 0)
    {
        m_report.changes.append({kind, e, learnersOwn, newId});
    }

    // The first local entry of each id meets the entry of that id on the
    // other side; a second local entry with an id, or one without, is the
    // learner's own and never lost.
    std::vector<int> matchById()
    {
        std::vector<int> extra;
        std::map<int, int> firstById;
        for (int i = 0; i < m_local.count(); ++i) {
            const int id = m_local.idAt(i);
            if (id <= 0 || !firstById.emplace(id, i).second)
                extra.push_back(i);
        }
        for (const auto &[id, i] : firstById) {
            const auto j = m_resultIndex.constFind(id);
            if (j == m_resultIndex.cend())
                m_unmatched.push_back(i);
            else
                meet(i, *j);
        }
        m_localIds.reserve(qsizetype(firstById.size()));
        for (const auto &[id, i] : firstById)
            m_localIds.insert(id);
        return extra;
    }

    void meet(int i, int j)
    {
        const Entry l = local(i);
        const Entry &r = m_result[size_t(j)];
        if (DictionaryMerge::sameContent(l, r)) {
            const Entry *b = baseOf(l.id());
            if (!m_hasBase)
                m_maxSynced = qMax(m_maxSynced, r.id());
            claim(j, l, b && sameEntry(*b, r) ? b : nullptr);
            return;
        }
        if (m_hasBase)
            meetWithBase(i, j);
        else
            meetWithoutBase(i, j);
    }

    void meetWithBase(int i, int j)
    {
        const Entry l = local(i);
        const Entry *b = baseOf(l.id());
        const Entry r = m_result[size_t(j)];
        if (b && sameEntry(*b, r)) {
            bool conflict = false;
            m_result[size_t(j)] = mergeFields(l, *b, r, m_priority == DictionaryMerge::Priority::Learner, conflict);
            claim(j, l, b);
            if (!DictionaryMerge::sameContent(l, m_result[size_t(j)]))
                report(Kind::Replaced, l, conflict);
        } else if (b && DictionaryMerge::sameContent(l, *b) && !l.isLearned()) {
            // the other side put another word under the id: the learner's entry,
            // untouched and untrained, went with the old one
            report(Kind::Deleted, l);
        } else if (!b && l.searchKey() == r.searchKey() && meaningsMeet(l, r)) {
            // added on both sides under one id
            claim(j, l, nullptr);
            report(Kind::Replaced, l, true);
        } else {
            m_renumbered.push_back(i);
        }
    }

    // Without a base the other side's entry wins; a respelling of the word
    // restarts the learner's counters (they learned another spelling).
    void meetWithoutBase(int i, int j)
    {
        const Entry l = local(i);
        const Entry r = m_result[size_t(j)];
        if (l.word() == r.word()) {
            m_maxSynced = qMax(m_maxSynced, r.id());
            claim(j, l, nullptr);
            report(Kind::Replaced, l, true);
        } else if (sameEntry(l, r)) {
            qCDebug(lcDict) << "corrected:" << l.word() << "->" << r.word();
            const bool restart
                = m_counters == DictionaryMerge::Counters::FromLocal && l.searchKey() != r.searchKey() && l.isLearned();
            if (restart) {
                m_claimed[size_t(j)] = true;
                m_result[size_t(j)].setLearnCounters(0, 0);
                report(Kind::Reset, l, true);
            } else {
                claim(j, l, nullptr);
                report(Kind::Replaced, l, true);
            }
        } else {
            m_renumbered.push_back(i);
        }
    }

    // Local entries whose id the other side lacks: deleted there, or added
    // by the learner since.
    std::vector<int> collectUnmatched()
    {
        std::vector<int> additions;
        for (int i : m_unmatched) {
            const Entry l = local(i);
            const Entry *b = baseOf(l.id());
            const bool deletedThere = m_hasBase ? b != nullptr : l.id() <= m_maxSynced;
            if (!deletedThere) {
                additions.push_back(i);
                continue;
            }
            const bool learnersOwn = l.isLearned() || (b && !DictionaryMerge::sameContent(l, *b)) || !b;
            if (m_priority == DictionaryMerge::Priority::Learner && learnersOwn) {
                qCDebug(lcDict) << "kept" << l.id() << l.word();
                keep(l);
            } else {
                qCDebug(lcDict) << "deleted" << l.id() << l.word();
                report(Kind::Deleted, l, b && !DictionaryMerge::sameContent(l, *b));
            }
        }
        // what the learner deleted since the base stays deleted, unless the other side changed it
        for (size_t j = 0; j < m_result.size(); ++j) {
            const Entry &r = m_result[j];
            if (m_claimed[j] || m_localIds.contains(r.id()))
                continue;
            const Entry *b = baseOf(r.id());
            if (b && DictionaryMerge::sameContent(*b, r))
                m_dropped[j] = true;
            else
                report(Kind::Added, r);
        }
        return additions;
    }

    void indexUnclaimedWords()
    {
        for (int j = int(m_result.size()) - 1; j >= 0; --j) {
            if (!m_claimed[size_t(j)] && !m_dropped[size_t(j)])
                m_unclaimed.insert(m_result[size_t(j)].word(), j);
        }
    }

    // The other side's entry of exactly this word and a meaning in common
    // that no local entry took yet, one with the same meaning first; -1
    // when there is none.
    int unclaimedEntry(const Entry &l)
    {
        int found = -1;
        for (auto it = m_unclaimed.constFind(l.word()); it != m_unclaimed.cend() && it.key() == l.word(); ++it) {
            const Entry &r = m_result[size_t(*it)];
            if (meaningsMeet(l, r) && (found < 0 || r.translation() == l.translation()))
                found = *it;
        }
        if (found >= 0)
            m_unclaimed.remove(l.word(), found);
        return found;
    }

    // An entry the learner added: one with the other side's addition of the
    // same word, else kept (under its own id where the base shows it free).
    bool place(int i)
    {
        const Entry l = local(i);
        const int j = unclaimedEntry(l);
        if (j >= 0) {
            qCDebug(lcDict) << "joined:" << l.word();
            claim(j, l, nullptr);
            removeAdded(m_result[size_t(j)].id());
            const bool same = DictionaryMerge::sameContent(l, m_result[size_t(j)]);
            report(same ? Kind::Joined : Kind::Replaced, l, true, m_result[size_t(j)].id());
            return true;
        }
        if (m_hasBase && l.id() > 0 && !m_resultIndex.contains(l.id()) && !m_taken.contains(l.id())) {
            keep(l);
            return true;
        }
        return addAnew(l);
    }

    void append(const Entry &e)
    {
        m_result.push_back(e);
        m_claimed.push_back(true);
        m_dropped.push_back(false);
    }

    void keep(const Entry &l)
    {
        m_taken.insert(l.id());
        m_nextId = qMax(m_nextId, qint64(l.id()) + 1);
        append(l);
    }

    // Under the next free id; false when there is none.
    bool addAnew(const Entry &l)
    {
        if (m_nextId >= INT_MAX)
            return false;
        Entry copy = l;
        copy.setId(int(m_nextId++));
        qCDebug(lcDict) << "copy as new" << l.word() << copy.id();
        append(copy);
        if (l.id() > 0)
            report(Kind::Renumbered, l, true, copy.id());
        return true;
    }

    // A learner's entry met its counterpart: the counters of both sides by
    // the rule of the merge.
    void claim(int j, const Entry &l, const Entry *base)
    {
        m_claimed[size_t(j)] = true;
        Entry &e = m_result[size_t(j)];
        if (m_counters == DictionaryMerge::Counters::FromLocal) {
            if (l.isLearned())
                e.setLearnCounters(
                    qMax(e.learnedForward(), l.learnedForward()), qMax(e.learnedBackward(), l.learnedBackward()));
            return;
        }
        std::optional<qint8> baseForward;
        std::optional<qint8> baseBackward;
        if (base) {
            baseForward = base->learnedForward();
            baseBackward = base->learnedBackward();
        }
        e.setLearnCounters(pickCounter(e.learnedForward(), l.learnedForward(), baseForward),
            pickCounter(e.learnedBackward(), l.learnedBackward(), baseBackward));
    }

    void removeAdded(int id)
    {
        m_report.changes.erase(std::remove_if(m_report.changes.begin(), m_report.changes.end(),
                                   [id](const MergeChange &c) { return c.kind == Kind::Added && c.entry.id() == id; }),
            m_report.changes.end());
    }

    // A word the learner held twice, one of them deleted by the other side:
    // its training goes to the one left, each direction's higher counter.
    void foldTwins()
    {
        QMultiHash<QString, size_t> byKey;
        for (size_t j = 0; j < m_result.size(); ++j) {
            if (!m_dropped[j])
                byKey.insert(m_result[j].searchKey(), j);
        }
        for (const MergeChange &change : std::as_const(m_report.changes)) {
            if (change.kind != Kind::Deleted || !change.isLearned())
                continue;
            const Entry &gone = change.entry;
            for (auto it = byKey.constFind(gone.searchKey()); it != byKey.cend() && it.key() == gone.searchKey();
                 ++it) {
                Entry &twin = m_result[*it];
                if (!meaningsMeet(gone, twin))
                    continue;
                twin.setLearnCounters(qMax(twin.learnedForward(), gone.learnedForward()),
                    qMax(twin.learnedBackward(), gone.learnedBackward()));
                break;
            }
        }
    }

    const Dictionary &m_local;
    DictionaryMerge::Counters m_counters;
    DictionaryMerge::Priority m_priority;
    bool m_hasBase;
    MergeReport &m_report;
    QHash<int, Entry> m_base;
    std::vector<Entry> m_result;
    QHash<int, int> m_resultIndex;
    std::vector<bool> m_claimed;
    std::vector<bool> m_dropped;
    QSet<int> m_localIds;
    QSet<int> m_taken;
    QMultiHash<QString, int> m_unclaimed;
    std::vector<int> m_unmatched;
    std::vector<int> m_renumbered;
    qint64 m_nextId = 1;
    int m_maxSynced = 0;
};

} // namespace

QList<Entry> MergeReport::entriesOf(MergeChange::Kind kind) const
{
    QList<Entry> entries;
    for (const MergeChange &change : changes) {
        if (change.kind == kind)
            entries.append(change.entry);
    }
    return entries;
}

bool MergeReport::needsConfirmation() const
{
    int deleted = 0;
    for (const MergeChange &change : changes) {
        if (change.kind == Kind::Reset && change.isLearned())
            return true;
        if (change.kind != Kind::Deleted)
            continue;
        if (change.isLearned() || change.learnersOwn)
            return true;
        ++deleted;
    }
    return deleted * 2 > localCount;
}

QList<QPair<int, int>> MergeReport::idMoves() const
{
    QList<QPair<int, int>> moves;
    for (const MergeChange &change : changes) {
        const bool moved = change.kind == MergeChange::Kind::Renumbered || change.kind == MergeChange::Kind::Joined;
        if (moved && change.newId > 0 && change.newId != change.entry.id())
            moves.append({change.entry.id(), change.newId});
    }
    return moves;
}

QString MergeReport::lossText() const
{
    int deleted = 0;
    int own = 0;
    int reset = 0;
    for (const MergeChange &change : changes) {
        if (change.kind == Kind::Deleted) {
            ++deleted;
            own += change.isLearned() || change.learnersOwn ? 1 : 0;
        } else if (change.kind == Kind::Reset && change.isLearned()) {
            ++reset;
        }
    }
    QStringList parts;
    if (deleted > 0)
        parts.append(DictionaryMerge::tr("delete %1 of its %2 entries (%3 of them trained or edited by you)")
                         .arg(deleted)
                         .arg(localCount)
                         .arg(own));
    if (reset > 0)
        parts.append(DictionaryMerge::tr("start the training of %n respelled words again", nullptr, reset));
    return parts.join(DictionaryMerge::tr(" and "));
}

bool DictionaryMerge::merge(
    const Dictionary &local, Dictionary &remote, Counters counters, const Dictionary *base, Priority priority)
{
    m_report = MergeReport{};
    m_report.localCount = local.count();
    m_errorString.clear();
    Merger merger(local, remote, counters, base, priority, m_report);
    if (!merger.run()) {
        m_errorString = tr("no free entry number left for the local entries");
        return false;
    }
    const QMap<QString, QString> attributes = remote.attributes();
    remote.clear();
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        remote.setAttribute(it.key(), it.value());
    remote.insertEntries(merger.takeResult());
    // the learner's language and user languages are theirs to choose
    for (const QString &key : {QStringLiteral("TYPE"), QStringLiteral("USER")}) {
        if (!local.attribute(key).isEmpty())
            remote.setAttribute(key, local.attribute(key));
    }
    qCDebug(lcDict) << "merged:" << remote.count() << remote.maxId();
    return true;
}

QString DictionaryMerge::checkIncoming(const Dictionary &incoming)
{
    QSet<int> seen;
    seen.reserve(incoming.count());
    for (int i = 0; i < incoming.count(); ++i) {
        const int id = incoming.idAt(i);
        if (id <= 0 || id == INT_MAX)
            return tr("it holds an entry number that cannot be used (%1)").arg(id);
        if (seen.contains(id))
            return tr("it holds entry number %1 twice").arg(id);
        seen.insert(id);
    }
    return QString();
}

bool DictionaryMerge::similar(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    if (a.size() == b.size()) {
        qsizetype differences = 0;
        for (qsizetype i = 0; i < a.size() && differences < 2; ++i)
            differences += a[i] != b[i] ? 1 : 0;
        return differences == 1;
    }
    const QString &longer = a.size() > b.size() ? a : b;
    const QString &shorter = a.size() > b.size() ? b : a;
    if (longer.size() != shorter.size() + 1)
        return false;
    // the first difference is the character to drop
    qsizetype i = 0;
    while (i < shorter.size() && longer[i] == shorter[i])
        ++i;
    return QStringView(longer).mid(i + 1) == QStringView(shorter).mid(i);
}

bool DictionaryMerge::sameContent(const Entry &a, const Entry &b)
{
    return a.word() == b.word() && a.translation() == b.translation() && a.wordType() == b.wordType()
        && a.flags() == b.flags() && a.texts() == b.texts();
}
