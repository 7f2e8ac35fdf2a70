#include "fuzzsupport.h"

#include "files/dictionaryfile.h"
#include "merge/dictionarymerge.h"

#include <QHash>

#include <map>

namespace {

// A history: a common base, what the learner did since, what the server did
// since. Two bytes an operation; words and meanings from small sets that
// share keys, letters and meanings, so respellings, homographs and
// collisions of new ids happen often.
const char *const Words[] = {"a", "b", "kiwi", "Kiwi", "ice cream", "aple", "apple", "ספר", "סֵפֶר", "סַפָּר", "cat", "car"};
const char *const Meanings[] = {"pet", "fruit", "book, story", "story", "vehicle"};

using Copy = std::map<int, Entry>;

struct Reader
{
    const QByteArray &bytes;
    qsizetype at = 0;
    bool more() const { return at + 1 < bytes.size() && bytes[at] != 0; }
    quint8 next() { return quint8(bytes[at++]); }
};

QString wordOf(quint8 b)
{
    return QString::fromUtf8(Words[b % std::size(Words)]);
}

QString meaningOf(quint8 b)
{
    return QString::fromUtf8(Meanings[b % std::size(Meanings)]);
}

Entry *pick(Copy &copy, quint8 b)
{
    if (copy.empty())
        return nullptr;
    auto it = copy.begin();
    std::advance(it, b % copy.size());
    return &it->second;
}

// Operations until a zero byte: add (the next id after the base's, as both
// sides number their additions alike), edit a meaning, respell, delete,
// train (the learner) or renumber (the server).
void edit(Copy &copy, Reader &in, int firstNewId, bool learner)
{
    int nextId = firstNewId;
    while (in.more()) {
        const quint8 op = in.next();
        const quint8 arg = in.next();
        Entry *e = pick(copy, arg >> 3);
        switch (op % 5) {
        case 0: copy[nextId] = Entry(wordOf(arg), meaningOf(op >> 3), nextId), ++nextId; break;
        case 1:
            if (e)
                e->setTranslation(meaningOf(arg));
            break;
        case 2:
            if (e)
                e->setWord(wordOf(arg));
            break;
        case 3:
            if (e)
                copy.erase(e->id());
            break;
        default:
            if (e && learner)
                e->setLearnCounters(qint8(arg % 7 - 1), qint8(op % 5));
            else if (e && !copy.count(nextId))
                copy[nextId] = *e, copy[nextId].setId(nextId), copy.erase(e->id()), ++nextId;
            break;
        }
    }
    ++in.at;
}

void fill(Dictionary &dict, const Copy &copy)
{
    std::vector<Entry> entries;
    for (const auto &[id, e] : copy)
        entries.push_back(e);
    dict.insertEntries(entries);
}

bool reported(const MergeReport &report, const Entry &e, std::initializer_list<MergeChange::Kind> kinds)
{
    return std::any_of(report.changes.cbegin(), report.changes.cend(), [&](const MergeChange &c) {
        return std::find(kinds.begin(), kinds.end(), c.kind) != kinds.end() && c.entry.id() == e.id()
            && c.entry.word() == e.word();
    });
}

// Where the learner's entry is now: its id, or the id a renumbering gave it.
int idNow(const MergeReport &report, const Entry &e)
{
    for (const MergeChange &c : report.changes) {
        if (c.newId != 0 && c.entry.id() == e.id() && c.entry.word() == e.word())
            return c.newId;
    }
    return e.id();
}

bool holdsText(const Dictionary &dict, const Entry &e)
{
    for (int i = 0; i < dict.count(); ++i) {
        const Entry r = dict.entryAt(i);
        if (r.word() == e.word() && r.translation() == e.translation())
            return true;
    }
    return false;
}

// Some entry where the learner's is now, or of the same letters, carries at
// least its counters.
bool keepsCounters(const Dictionary &dict, const MergeReport &report, const Entry &e)
{
    const int id = idNow(report, e);
    for (int i = 0; i < dict.count(); ++i) {
        const Entry r = dict.entryAt(i);
        if ((r.id() == id || r.searchKey() == e.searchKey()) && r.learnedForward() >= e.learnedForward()
            && r.learnedBackward() >= e.learnedBackward())
            return true;
    }
    return false;
}

} // namespace

// What the learner added or edited since the base is never lost unless the
// server deleted it, and then it is reported; a counter is never lowered
// without a report; no id twice; the same update again changes nothing.
// Without a base (the first update) what the learner trained is never lost
// without a report either.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    if (bytes.isEmpty())
        return 0;
    Reader in{bytes, 1};
    const bool withBase = (bytes[0] & 1) != 0;
    Copy base;
    for (int id = 1; id <= (quint8(bytes[0]) >> 1) % 8; ++id)
        base[id] = Entry(wordOf(quint8(bytes[0]) + id), meaningOf(id), id);
    Copy local = base;
    Copy server = base;
    const int firstNewId = int(base.size()) + 1;
    edit(local, in, firstNewId, true);
    edit(server, in, firstNewId, false);
    Dictionary baseDict, localDict, serverDict;
    fill(baseDict, base);
    fill(localDict, local);
    fill(serverDict, server);
    const QByteArray serverBytes = DictionaryFile::toBytes(serverDict);
    DictionaryMerge merge;
    FUZZ_CHECK(
        merge.merge(localDict, serverDict, DictionaryMerge::Counters::FromLocal, withBase ? &baseDict : nullptr));
    const MergeReport &report = merge.report();
    FUZZ_CHECK(DictionaryMerge::checkIncoming(serverDict).ok());
    for (const auto &[id, l] : local) {
        const auto b = base.find(id);
        const bool own = b == base.end() || !DictionaryMerge::sameContent(b->second, l);
        const bool deletedByServer = b != base.end() && !server.count(id);
        if (withBase && own && !deletedByServer)
            FUZZ_CHECK(holdsText(serverDict, l) || reported(report, l, {MergeChange::Kind::Replaced}));
        const bool trained = l.learnedForward() >= 0 || l.learnedBackward() >= 0;
        if (trained && !keepsCounters(serverDict, report, l))
            FUZZ_CHECK(reported(report, l, {MergeChange::Kind::Deleted, MergeChange::Kind::Reset}));
    }
    Dictionary again;
    FUZZ_CHECK(DictionaryFile().read(serverBytes, again) == DictionaryFile::Status::Ok);
    const QList<QByteArray> merged = sortedDump(serverDict);
    FUZZ_CHECK(merge.merge(serverDict, again, DictionaryMerge::Counters::FromLocal, withBase ? &baseDict : nullptr));
    FUZZ_CHECK(sortedDump(again) == merged);
    FUZZ_CHECK(merge.report().entriesOf(MergeChange::Kind::Deleted).isEmpty());
    return 0;
}
