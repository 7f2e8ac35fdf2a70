#include "filelookup.h"

#include "recordreader.h"

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

// A word whose key is the word itself (unpointed Hebrew, lower-case Latin),
// told at the cost of a range check on the common letters.
bool isOwnKey(QStringView word)
{
    for (QChar c : word) {
        const char16_t u = c.unicode();
        if ((u >= 0x05D0 && u <= 0x05EA) || (u >= u'a' && u <= u'z'))
            continue;
        if (!c.isLetter() || c.toLower() != c)
            return false;
    }
    return true;
}

// As compareSearchKey, a word that is its own key compared as it stands.
int compareKey(QStringView word, bool ownKey, QStringView text)
{
    return ownKey ? compareUnits(word, text) : compareSearchKey(word, text);
}

// One record's word, decoded into a buffer of its own.
struct Word
{
    std::vector<char16_t> units = std::vector<char16_t>(MaxUnits);
    QStringView text;
    bool ownKey = false;
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
        if (m_lowerBound < 0 && compareKey(word.text, word.ownKey, m_text) >= 0) {
            m_lowerBound = index;
            m_atBound = word.text.toString();
            m_beforeBound = index > 0 ? previous.text.toString() : QString();
        }
        while (m_nextPrefix <= m_text.size()
            && compareKey(word.text, word.ownKey, QStringView(m_text).left(m_nextPrefix)) >= 0)
            m_boundLength[m_nextPrefix++] = int(makeSearchKey(word.text.toString()).size());
        if (m_exactDone)
            return false;
        const int order = compareKey(word.text, word.ownKey, m_key);
        m_exactDone = order > 0;
        return order == 0;
    }

    // As findLongestPrefix; last is the file's last word.
    void prefix(const QString &last, FileLookup::Result &result) const
    {
        const QString before = m_lowerBound < 0 ? last : m_beforeBound;
        if (m_lowerBound >= 0 && makeSearchKey(m_atBound).startsWith(m_text)) {
            result.prefixPosition = m_lowerBound;
            result.matchLength = int(makeSearchKey(m_atBound).size());
            return;
        }
        int best = before.isNull() ? 0 : commonPrefixLength(m_text, makeSearchKey(before));
        if (m_lowerBound >= 0)
            best = qMax(best, commonPrefixLength(m_text, makeSearchKey(m_atBound)));
        if (best > 0)
            result.matchLength = m_boundLength[best];
    }

private:
    QString m_text;
    QString m_key;
    QList<int> m_boundLength;
    int m_nextPrefix = 1;
    int m_lowerBound = -1;
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
        word.ownKey = isOwnKey(word.text);
        // a file out of key order is sorted when loaded: it cannot be walked
        const bool ownKeys = previous.ownKey && word.ownKey;
        if (index > 0
            && (ownKeys ? compareUnits(previous.text, word.text) : compareSearchKeys(previous.text, word.text)) > 0)
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
    walk.prefix(index > 0 ? words[(index + 1) % 2].text.toString() : QString(), result);
    return true;
}
