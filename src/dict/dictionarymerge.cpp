#include "dictionarymerge.h"

#include "dictionary.h"
#include "dictlog.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

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

// The merge of one local copy into one remote copy.
class Merger
{
public:
    Merger(const Dictionary &local, Dictionary &remote, DictionaryMerge::Counters counters, const Dictionary *base,
        MergeReport &report)
        : m_local(local)
        , m_remote(remote)
        , m_counters(counters)
        , m_report(report)
    {
        if (base) {
            for (int i = 0; i < base->count(); ++i)
                m_base.insert(base->idAt(i), base->entryAt(i));
        }
    }

    bool run()
    {
        if (m_counters == DictionaryMerge::Counters::FromLocal)
            m_remote.resetLearnCounters();
        m_claimed.assign(size_t(m_remote.count()), false);
        std::vector<int> additions = matchById();
        collectUnmatched(additions);
        indexUnclaimedWords();
        for (int i : m_unsynced) {
            if (!place(i, MergeChange::Kind::Renumbered))
                return false;
        }
        for (int i : additions) {
            if (!place(i, MergeChange::Kind::Added))
                return false;
        }
        m_remote.insertEntries(std::move(m_added));
        return true;
    }

private:
    Entry local(int i) const { return m_local.entryAt(i); }

    // The first local entry of each id meets the remote entry of that id;
    // a second local entry with an id is the learner's own and never lost.
    std::vector<int> matchById()
    {
        std::vector<int> duplicates;
        for (int i = 0; i < m_local.count(); ++i) {
            if (m_firstById.contains(m_local.idAt(i)))
                duplicates.push_back(i);
            else
                m_firstById.insert(m_local.idAt(i), i);
        }
        for (int j = 0; j < m_remote.count(); ++j) {
            const auto it = m_firstById.constFind(m_remote.idAt(j));
            if (it != m_firstById.cend())
                meet(*it, j);
        }
        return duplicates;
    }

    void meet(int i, int j)
    {
        const Entry l = local(i);
        const Entry e = m_remote.entryAt(j);
        m_used.insert(i);
        if (l.word() == e.word()) {
            m_maxSynced = qMax(m_maxSynced, e.id());
            m_claimed[size_t(j)] = true;
            takeCounters(j, l);
            if (!DictionaryMerge::sameContent(l, e))
                m_report.changes.append({MergeChange::Kind::Replaced, l});
        } else if (DictionaryMerge::similar(l.searchKey(), e.searchKey())) {
            qCDebug(lcDict) << "-- CORRECTED:" << l.word() << "->" << e.word();
            m_claimed[size_t(j)] = true;
            // a corrected spelling of a server's word is learned anew; the
            // same letters with other points are the same word
            if (m_counters == DictionaryMerge::Counters::FromLocal && l.searchKey() != e.searchKey()) {
                if (l.learnedForward() >= 0 || l.learnedBackward() >= 0)
                    m_remote.setLearnCountersAt(j, 0, 0);
            } else {
                takeCounters(j, l);
            }
            m_report.changes.append({MergeChange::Kind::Replaced, l});
        } else {
            m_unsynced.push_back(i);
        }
    }

    // Local entries the other side does not have: deleted there when below
    // the highest id both agree on, else added here since.
    void collectUnmatched(std::vector<int> &additions)
    {
        for (auto it = m_firstById.cbegin(); it != m_firstById.cend(); ++it) {
            if (m_used.contains(*it))
                continue;
            if (it.key() <= m_maxSynced) {
                qCDebug(lcDict) << "-- REMOVE" << it.key() << local(*it).word();
                m_report.changes.append({MergeChange::Kind::Deleted, local(*it)});
            } else {
                additions.push_back(*it);
            }
        }
        std::sort(additions.begin(), additions.end(), [this](int a, int b) {
            const int idA = m_local.idAt(a);
            const int idB = m_local.idAt(b);
            return idA < idB || (idA == idB && a < b);
        });
        std::stable_sort(m_report.changes.begin(), m_report.changes.end(),
            [](const MergeChange &a, const MergeChange &b) { return a.entry.id() < b.entry.id(); });
    }

    void indexUnclaimedWords()
    {
        for (int j = m_remote.count() - 1; j >= 0; --j) {
            if (!m_claimed[size_t(j)])
                m_unclaimed.insert(m_remote.entryAt(j).word(), j);
        }
    }

    // The other side's entry of exactly this word that no local entry took
    // yet, one with the same meaning first; -1 when there is none.
    int unclaimedEntry(const Entry &l)
    {
        int found = -1;
        for (auto it = m_unclaimed.constFind(l.word()); it != m_unclaimed.cend() && it.key() == l.word(); ++it) {
            if (found < 0 || m_remote.entryAt(*it).translation() == l.translation())
                found = *it;
        }
        if (found >= 0)
            m_unclaimed.remove(l.word(), found);
        return found;
    }

    bool place(int i, MergeChange::Kind kind)
    {
        const Entry l = local(i);
        const int j = unclaimedEntry(l);
        if (j >= 0) {
            qCDebug(lcDict) << "-- JOINED:" << l.word();
            m_claimed[size_t(j)] = true;
            takeCounters(j, l);
            m_report.changes.append({MergeChange::Kind::Joined, l});
            return true;
        }
        const int id = m_remote.nextId();
        if (id == 0)
            return false;
        qCDebug(lcDict) << "-- COPY AS NEW" << l.word() << id;
        Entry copy = l;
        copy.setId(id);
        m_added.push_back(std::move(copy));
        m_report.changes.append({kind, l});
        return true;
    }

    void takeCounters(int j, const Entry &l)
    {
        const Entry e = m_remote.entryAt(j);
        if (m_counters == DictionaryMerge::Counters::FromLocal) {
            if (l.learnedForward() >= 0 || l.learnedBackward() >= 0)
                m_remote.setLearnCountersAt(j, l.learnedForward(), l.learnedBackward());
            return;
        }
        std::optional<qint8> baseForward;
        std::optional<qint8> baseBackward;
        const auto b = m_base.constFind(e.id());
        if (b != m_base.cend() && b->word() == e.word()) {
            baseForward = b->learnedForward();
            baseBackward = b->learnedBackward();
        }
        const qint8 forward = pickCounter(e.learnedForward(), l.learnedForward(), baseForward);
        const qint8 backward = pickCounter(e.learnedBackward(), l.learnedBackward(), baseBackward);
        if (forward != e.learnedForward() || backward != e.learnedBackward())
            m_remote.setLearnCountersAt(j, forward, backward);
    }

    const Dictionary &m_local;
    Dictionary &m_remote;
    DictionaryMerge::Counters m_counters;
    MergeReport &m_report;
    QHash<int, Entry> m_base;
    QHash<int, int> m_firstById;
    QSet<int> m_used;
    std::vector<bool> m_claimed;
    QMultiHash<QString, int> m_unclaimed;
    std::vector<int> m_unsynced;
    std::vector<Entry> m_added;
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
        if (change.kind != MergeChange::Kind::Deleted)
            continue;
        if (change.isLearned())
            return true;
        ++deleted;
    }
    return deleted * 2 > localCount;
}

bool DictionaryMerge::merge(const Dictionary &local, Dictionary &remote, Counters counters, const Dictionary *base)
{
    m_report = MergeReport{};
    m_report.localCount = local.count();
    m_errorString.clear();
    if (!Merger(local, remote, counters, base, m_report).run()) {
        m_errorString = tr("no free entry number left for the local entries");
        return false;
    }
    // the learner's language and user languages are theirs to choose
    for (const QString &key : {QStringLiteral("TYPE"), QStringLiteral("USER")}) {
        if (!local.attribute(key).isEmpty())
            remote.setAttribute(key, local.attribute(key));
    }
    qCDebug(lcDict) << "-- result:" << remote.count() << remote.maxId();
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
