#include "filelookup.h"

#include "compactstring.h"
#include "recordcodec.h"
#include "recordreader.h"
#include "recordwalk.h"
#include "model/storeorder.h"

#include <thread>
#include <vector>

namespace {

QString keyOf(QByteArrayView word)
{
    return makeSearchKey(decodeCompact(word.data(), word.size()));
}

// What the words of the file, met in key order, tell about one text: where
// it would stand, the key lengths of the first words not below each of its
// prefixes, and the records of exactly its key.
class KeyWalk
{
public:
    KeyWalk(const QString &text)
        : m_text(text)
        , m_key(makeSearchKey(text))
        , m_boundLength(text.size() + 1, 0)
        , m_exactDone(m_key.isEmpty())
    { }

    // Returns true when the record is one of the text's key. The words are
    // compared still encoded: most records are passed after a unit or two.
    bool visit(int index, QByteArrayView word, QByteArrayView previous)
    {
        if (m_lowerBound < 0 && compareCompactSearchKey(word, m_text) >= 0) {
            m_lowerBound = index;
            m_atBound = keyOf(word);
            m_beforeBound = index > 0 ? keyOf(previous) : QString();
        }
        while (
            m_nextPrefix <= m_text.size() && compareCompactSearchKey(word, QStringView(m_text).left(m_nextPrefix)) >= 0)
            m_boundLength[m_nextPrefix++] = int(keyOf(word).size());
        if (m_exactDone)
            return false;
        const int order = compareCompactSearchKey(word, m_key);
        m_exactDone = order > 0;
        return order == 0;
    }

    // Takes what a walk over the records after these found and this did not.
    void follow(const KeyWalk &later)
    {
        if (m_lowerBound < 0) {
            m_lowerBound = later.m_lowerBound;
            m_atBound = later.m_atBound;
            m_beforeBound = later.m_beforeBound;
        }
        for (; m_nextPrefix < later.m_nextPrefix; ++m_nextPrefix)
            m_boundLength[m_nextPrefix] = later.m_boundLength[m_nextPrefix];
    }

    // As findLongestPrefix; lastKey is the key of the file's last word.
    void prefix(const QString &lastKey, FileLookup::Result &result) const
    {
        const PrefixMatch match = longestPrefix(m_text, m_lowerBound, m_atBound,
            m_lowerBound < 0 ? lastKey : m_beforeBound, [this](int length) { return m_boundLength[length]; });
        result.prefixPosition = match.position;
        result.matchLength = match.matchLength;
    }

private:
    QString m_text;
    QString m_key;
    QList<int> m_boundLength;
    int m_nextPrefix = 1;
    int m_lowerBound = -1;
    // the keys of the first word not below the text and of the one before
    QString m_atBound;
    QString m_beforeBound;
    bool m_exactDone;
};

Entry entryAt(const QByteArray &file, qsizetype offset)
{
    RecordReader in(file);
    in.seek(offset);
    Entry e(0);
    RecordCodec::read(in, RecordCodec::Format::V33, e);
    return e;
}

// What the records from one offset to the first that starts at or after
// another tell: their order, the text's place among their keys, its exact
// records and (when asked for) those that hold it as a meaning, newest first.
struct Stretch
{
    explicit Stretch(const QString &text)
        : walk(text)
    { }
    KeyWalk walk;
    // the records before the stretch, then the records up to its end
    int count = 0;
    // the word of the record before the stretch, then of its last
    QByteArrayView last;
    QList<Entry> exact;
    QList<Entry> meaning;
};

bool walkStretch(const QByteArray &file, qsizetype from, qsizetype to, const QString &meaning, Stretch &stretch)
{
    const bool meanings = !meaning.isEmpty();
    RecordWalk walk(file, from, meanings);
    while (walk.position() < to && walk.next()) {
        const QByteArrayView word = walk.word();
        // a file out of key order is sorted when loaded: it cannot be walked
        if (stretch.count > 0 && compareCompactSearchKeys(stretch.last, word) > 0)
            return false;
        if (stretch.walk.visit(stretch.count, word, stretch.last))
            stretch.exact.append(entryAt(file, walk.offset()));
        // most translations do not hold the text at all
        if (meanings && walk.translation().contains(meaning)
            && splitMeanings(walk.translation().toString()).contains(meaning))
            stretch.meaning.prepend(entryAt(file, walk.offset()));
        stretch.last = word;
        ++stretch.count;
    }
    return !walk.damaged();
}

// Passes over the records from one offset to the first that starts at or
// after another, and returns that one's offset (-1 for a damaged file).
qsizetype passRecords(const QByteArray &file, qsizetype from, qsizetype to, Stretch &stretch)
{
    RecordWalk walk(file, from, false);
    for (; walk.position() < to && walk.next(); ++stretch.count)
        stretch.last = walk.word();
    return walk.damaged() ? -1 : walk.position();
}

} // namespace

FileLookup::FileLookup(const QByteArray &file, qsizetype twoWalksFrom)
    : m_file(file)
    , m_twoWalksFrom(twoWalksFrom)
{ }

bool FileLookup::open()
{
    if (RecordWalk::recordsStart(m_file) < 0)
        return false;
    RecordReader in(m_file);
    QByteArray line;
    in.readBytes(line);
    while (in.readBytes(line) && !line.isEmpty()) {
        if (line.startsWith("TYPE:"))
            m_type = QString::fromUtf8(line.mid(5)).trimmed();
        else if (line.startsWith("USER:"))
            m_user = QString::fromUtf8(line.mid(5)).trimmed();
    }
    if (in.failed())
        return false;
    m_recordsStart = in.position();
    return true;
}

// Every record is read, its word at least, to be sure of the file's order.
// A large file is walked in two halves at once: the later half passes over
// the records before it to find where it starts, a fraction of walking them.
bool FileLookup::lookUp(const QString &key, const QString &meaning, Result &result)
{
    result = Result{};
    if (m_recordsStart < 0 && !open())
        return false;
    const qsizetype end = m_file.size();
    const bool twoWalks = end - m_recordsStart >= m_twoWalksFrom;
    const qsizetype middle = twoWalks ? m_recordsStart + (end - m_recordsStart) / 2 : end;
    Stretch earlier(key);
    Stretch later(key);
    bool laterWalked = true;
    std::thread second;
    if (twoWalks) {
        second = std::thread([&] {
            const qsizetype from = passRecords(m_file, m_recordsStart, middle, later);
            laterWalked = from >= 0 && walkStretch(m_file, from, end, meaning, later);
        });
    }
    const bool earlierWalked = walkStretch(m_file, m_recordsStart, middle, meaning, earlier);
    if (second.joinable())
        second.join();
    if (!earlierWalked || !laterWalked)
        return false;
    const Stretch &last = twoWalks ? later : earlier;
    earlier.walk.follow(later.walk);
    // a run of equal keys stands in the store as reading the file leaves it
    std::vector<Entry> exactRun;
    RunOrder<Entry> runs(exactRun);
    for (const QList<Entry> *half : {&earlier.exact, &later.exact}) {
        for (const Entry &e : *half)
            runs.add(e, false, true);
    }
    runs.finish();
    result.exact = QList<Entry>(exactRun.begin(), exactRun.end());
    result.meaning = later.meaning + earlier.meaning;
    earlier.walk.prefix(last.count > 0 ? keyOf(last.last) : QString(), result);
    return true;
}
