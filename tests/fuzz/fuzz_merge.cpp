#include "fuzzsupport.h"

#include "dict/dictionaryfile.h"
#include "dict/dictionarymerge.h"

#include <QHash>

#include <climits>

namespace {

// Three bytes an entry: id (now and then a hostile one), word from a small
// set that shares keys and letters, counters. A zero byte ends a copy.
const char *const Words[] = {"a", "b", "kiwi", "Kiwi", "ice cream", "aple", "apple", "ספר", "סֵפֶר", "סַפָּר"};

int idOf(quint8 b)
{
    switch (b) {
    case 0xff: return INT_MAX;
    case 0xfe: return 0;
    default: return 1 + b % 24;
    }
}

qsizetype fill(Dictionary &dict, const QByteArray &bytes, qsizetype at)
{
    std::vector<Entry> entries;
    for (; at + 2 < bytes.size() && bytes[at] != 0; at += 3) {
        const quint8 c = quint8(bytes[at + 2]);
        const QString word = QString::fromUtf8(Words[quint8(bytes[at + 1]) % std::size(Words)]);
        Entry e(word, QStringLiteral("m%1").arg(c % 3), idOf(quint8(bytes[at])));
        e.setLearnCounters(qint8(int(c >> 4) % 5 - 1), qint8(int(c & 0xf) % 5 - 1));
        entries.push_back(e);
    }
    dict.insertEntries(entries);
    return at + 1;
}

QHash<QString, int> wordCounts(const Dictionary &dict)
{
    QHash<QString, int> counts;
    for (int i = 0; i < dict.count(); ++i)
        ++counts[dict.entryAt(i).word()];
    return counts;
}

// The learner's words as the server spells them: a spelling the server
// corrected (on the first entry of an id, the one that meets the server's)
// counts under its new spelling.
QHash<QString, int> localWordCounts(const Dictionary &local, const Dictionary &remote)
{
    QHash<int, QString> remoteWords;
    for (int i = 0; i < remote.count(); ++i)
        remoteWords.insert(remote.entryAt(i).id(), remote.entryAt(i).word());
    QHash<QString, int> counts;
    for (int i = 0; i < local.count(); ++i) {
        const Entry e = local.entryAt(i);
        const QString corrected = remoteWords.take(e.id());
        const bool similar = !corrected.isEmpty() && DictionaryMerge::similar(e.searchKey(), makeSearchKey(corrected));
        ++counts[similar ? corrected : e.word()];
    }
    return counts;
}

bool holds(const Dictionary &dict, const Entry &e)
{
    for (int i = 0; i < dict.count(); ++i) {
        const Entry r = dict.entryAt(i);
        if (r.word() == e.word() && r.learnedForward() == e.learnedForward()
            && r.learnedBackward() == e.learnedBackward())
            return true;
    }
    return false;
}

} // namespace

// A learner's copy and a server's copy: the merge loses nothing of the
// learner's but what the server deleted, adds no word twice, carries the
// learner's counters, leaves no id twice, and a second update from the same
// server copy changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    Dictionary local, remote;
    fill(remote, bytes, fill(local, bytes, 0));
    if (!DictionaryMerge::checkIncoming(remote).isEmpty())
        return 0;
    const QByteArray remoteBytes = DictionaryFile::toBytes(remote);
    const QHash<QString, int> localWords = localWordCounts(local, remote);
    const QHash<QString, int> remoteWords = wordCounts(remote);
    DictionaryMerge merge;
    FUZZ_CHECK(merge.merge(local, remote, DictionaryMerge::Counters::FromLocal));
    FUZZ_CHECK(DictionaryMerge::checkIncoming(remote).isEmpty());
    const QHash<QString, int> resultWords = wordCounts(remote);
    for (auto it = resultWords.cbegin(); it != resultWords.cend(); ++it)
        FUZZ_CHECK(it.value() <= qMax(localWords.value(it.key()), remoteWords.value(it.key())));
    QList<Entry> gone = merge.report().entriesOf(MergeChange::Kind::Deleted);
    for (const Entry &e : merge.report().entriesOf(MergeChange::Kind::Replaced)) {
        if (!holds(remote, e))
            gone.append(e);
    }
    for (int i = 0; i < local.count(); ++i) {
        const Entry e = local.entryAt(i);
        const bool reported = std::any_of(
            gone.cbegin(), gone.cend(), [&e](const Entry &g) { return g.id() == e.id() && g.word() == e.word(); });
        FUZZ_CHECK(reported || holds(remote, e));
    }
    Dictionary again;
    FUZZ_CHECK(DictionaryFile().read(remoteBytes, again) == DictionaryFile::Status::Ok);
    FUZZ_CHECK(merge.merge(remote, again, DictionaryMerge::Counters::FromLocal));
    FUZZ_CHECK(sortedDump(again) == sortedDump(remote));
    FUZZ_CHECK(merge.report().entriesOf(MergeChange::Kind::Deleted).isEmpty());
    return 0;
}
