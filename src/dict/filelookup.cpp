#include "filelookup.h"

#include "recordreader.h"
#include "searchkeybuffer.h"

#include <vector>

namespace {

const QByteArray Version33 = QByteArrayLiteral("DICT V3.3");
// room for the longest compact text a record holds
constexpr size_t MaxUnits = 65535;

int commonPrefixLength(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return int(i);
}

// One record's word and its search key, decoded into buffers of their own.
struct Word
{
    std::vector<char16_t> units = std::vector<char16_t>(MaxUnits);
    QStringView text;
    SearchKeyBuffer keyBuffer;
    QStringView key;
};

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

    // Returns true when the record is one of the text's key.
    bool visit(int index, const Word &word, const Word &previous)
    {
        if (m_lowerBound < 0 && compareUnits(word.key, m_text) >= 0) {
            m_lowerBound = index;
            m_atBound = word.key.toString();
            m_beforeBound = index > 0 ? previous.key.toString() : QString();
        }
        while (m_nextPrefix <= m_text.size() && compareUnits(word.key, QStringView(m_text).left(m_nextPrefix)) >= 0)
            m_boundLength[m_nextPrefix++] = int(word.key.size());
        if (m_exactDone)
            return false;
        const int order = compareUnits(word.key, m_key);
        m_exactDone = order > 0;
        return order == 0;
    }

    // As findLongestPrefix; lastKey is the key of the file's last word.
    void prefix(const QString &lastKey, FileLookup::Result &result) const
    {
        const QString before = m_lowerBound < 0 ? lastKey : m_beforeBound;
        if (m_lowerBound >= 0 && m_atBound.startsWith(m_text)) {
            result.prefixPosition = m_lowerBound;
            result.matchLength = int(m_atBound.size());
            return;
        }
        int best = before.isNull() ? 0 : commonPrefixLength(m_text, before);
        if (m_lowerBound >= 0)
            best = qMax(best, commonPrefixLength(m_text, m_atBound));
        if (best > 0)
            result.matchLength = m_boundLength[best];
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

// The texts, counters and (when asked for) the translation of a record
// whose word was read.
bool readRest(RecordReader &in, Word *translation)
{
    if (!(translation ? in.readCompactUnits(translation->units.data(), translation->text) : in.skipCompact()))
        return false;
    quint16 count = 0;
    if (!in.readU16(count))
        return false;
    for (int i = 0; i < count; ++i) {
        quint16 key = 0;
        if (!in.readU16(key) || !in.skipCompact())
            return false;
    }
    quint8 counter = 0;
    return in.readU8(counter) && in.readU8(counter);
}

Entry entryAt(const QByteArray &file, qsizetype offset)
{
    RecordReader in(file);
    in.seek(offset);
    Entry e(0);
    e.read(in, Entry::Format::V33);
    return e;
}

} // namespace

FileLookup::FileLookup(const QByteArray &file)
    : m_file(file)
{ }

bool FileLookup::open()
{
    RecordReader in(m_file);
    QByteArray version;
    if (!in.readBytes(version) || version.left(version.indexOf('\0')) != Version33)
        return false;
    QByteArray line;
    while (in.readBytes(line) && !line.isEmpty()) {
        if (line.startsWith("TYPE:"))
            m_type = QString::fromUtf8(line.mid(5)).trimmed();
    }
    if (in.failed())
        return false;
    m_recordsStart = in.position();
    return true;
}

// Every record is read, its word at least, to be sure of the file's order.
bool FileLookup::lookUp(const QString &text, bool meanings, Result &result)
{
    result = Result{};
    if (m_recordsStart < 0 && !open())
        return false;
    RecordReader in(m_file);
    in.seek(m_recordsStart);
    KeyWalk walk(text);
    Word words[2];
    Word translation;
    QList<Entry> exactRun;
    int index = 0;
    for (; !in.atEnd(); ++index) {
        const qsizetype start = in.position();
        Word &word = words[index % 2];
        const Word &previous = words[(index + 1) % 2];
        quint32 id = 0;
        quint16 type = 0;
        quint32 flags = 0;
        if (!in.readU32(id) || !in.readU16(type) || !in.readU32(flags) || id == 0
            || !in.readCompactUnits(word.units.data(), word.text))
            return false;
        word.key = word.keyBuffer.make(word.text);
        // a file out of key order is sorted when loaded: it cannot be walked
        if (index > 0 && compareUnits(previous.key, word.key) > 0)
            return false;
        if (walk.visit(index, word, previous))
            exactRun.append(entryAt(m_file, start));
        if (!readRest(in, meanings ? &translation : nullptr))
            return false;
        // most translations do not hold the text at all
        if (meanings && translation.text.contains(text) && splitMeanings(translation.text.toString()).contains(text))
            result.meaning.prepend(entryAt(m_file, start));
    }
    // a run of equal keys stands in the store as its one-by-one insertion
    // leaves it: the first of the run last
    if (exactRun.size() > 1)
        exactRun.append(exactRun.takeFirst());
    result.exact = exactRun;
    walk.prefix(index > 0 ? words[(index + 1) % 2].key.toString() : QString(), result);
    return true;
}
