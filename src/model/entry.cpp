#include "entry.h"

#include <QCoreApplication>

#include <algorithm>

Entry::Entry(int id)
    : m_id(id)
{ }

Entry::Entry(const QString &word, const QString &translation, int id)
    : m_id(id)
    , m_word(word)
    , m_translation(translation)
{
    if (m_translation.isEmpty()) {
        m_translation = QStringLiteral("???");
        m_flags = FlagIncomplete;
    }
}

void Entry::setLearnCounters(qint8 forward, qint8 backward)
{
    m_learnedForward = forward;
    m_learnedBackward = backward;
}

QString Entry::text(quint32 key) const
{
    for (const KeyedText &t : m_texts) {
        if (t.key == key)
            return t.text;
    }
    return QString();
}

bool Entry::hasText(quint32 key) const
{
    for (const KeyedText &t : m_texts) {
        if (t.key == key)
            return true;
    }
    return false;
}

void Entry::appendText(quint32 key, const QString &text)
{
    m_texts.append(KeyedText{key, text});
}

void Entry::setText(quint32 key, const QString &text)
{
    for (KeyedText &t : m_texts) {
        if (t.key == key) {
            t.text = text;
            return;
        }
    }
    appendText(key, text);
}

bool Entry::removeText(quint32 key)
{
    return m_texts.removeIf([key](const KeyedText &t) { return t.key == key; }) > 0;
}

bool Entry::hasTranslation(int k) const
{
    return k == 0 || hasText(TextUserBase + k);
}

QString Entry::userTranslation(int k, bool fallback) const
{
    if (k == 0)
        return m_translation;
    const QString t = text(TextUserBase + k);
    if (t.isEmpty() && fallback)
        return m_translation;
    return t;
}

QString Entry::userTranslation(int &k) const
{
    if (k != 0) {
        const QString t = text(TextUserBase + k);
        if (!t.isEmpty())
            return t;
        k = 0;
    }
    return m_translation;
}

int Entry::letterCount() const
{
    int n = 0;
    for (QChar c : m_word) {
        if (c.isLetter())
            ++n;
    }
    return n;
}

namespace {
// the labels as files and the exchange format write them; shown translated
const char *const TypeLabels[]
    = {QT_TRANSLATE_NOOP("Entry", "???"), QT_TRANSLATE_NOOP("Entry", "Noun"), QT_TRANSLATE_NOOP("Entry", "Verb"),
        QT_TRANSLATE_NOOP("Entry", "Adj."), QT_TRANSLATE_NOOP("Entry", "Adv."), QT_TRANSLATE_NOOP("Entry", "Num."),
        QT_TRANSLATE_NOOP("Entry", "Pers."), QT_TRANSLATE_NOOP("Entry", "Conj."), QT_TRANSLATE_NOOP("Entry", "Prep.")};
} // namespace

const QStringList &Entry::typeLabels()
{
    static const QStringList labels = [] {
        QStringList list;
        for (const char *label : TypeLabels)
            list.append(QString::fromLatin1(label));
        return list;
    }();
    return labels;
}

QString Entry::typeName(int type)
{
    if (type < 0 || type >= WordTypeCount)
        return QString();
    return QCoreApplication::translate("Entry", TypeLabels[type]);
}

QString Entry::typeLabel(int type)
{
    return typeLabels().value(type);
}

int Entry::typeOfLabel(const QString &label)
{
    return typeLabels().indexOf(label);
}

namespace {

bool keyUnitByTables(char16_t u, char16_t &unit)
{
    const QChar c(u);
    if (!c.isLetter())
        return false;
    unit = c.toLower().unicode();
    return true;
}

// The key unit of a text's unit: a letter lower-cased, nothing (false) for
// any other unit. Hebrew letters and points, ASCII and ё are told apart by
// their values, the rest by Unicode's tables.
inline bool keyUnit(char16_t u, char16_t &unit)
{
    if (u >= 0x05D0 && u <= 0x05EA) {
        unit = u;
        return true;
    }
    // points, cantillation and punctuation of Hebrew: no letter among them
    if (u >= 0x0591 && u <= 0x05C7)
        return false;
    if (u < 0x80) {
        if (u >= u'A' && u <= u'Z')
            u += u'a' - u'A';
        unit = u;
        return u >= u'a' && u <= u'z';
    }
    // Ё and ё are е with a mark most texts leave off: a learner who types
    // елка finds ёлка, as one who types שלום finds שָׁלוֹם
    if (u == 0x0401 || u == 0x0451) {
        unit = 0x0435;
        return true;
    }
    return keyUnitByTables(u, unit);
}

} // namespace

QString makeSearchKey(const QString &text)
{
    char16_t unit = 0;
    // a text that is its own key (unpointed Hebrew, lower-case words) is
    // shared rather than copied
    const bool ownKey = std::all_of(
        text.cbegin(), text.cend(), [&unit](QChar c) { return keyUnit(c.unicode(), unit) && unit == c.unicode(); });
    if (ownKey)
        return text;
    QString key(text.size(), Qt::Uninitialized);
    key.truncate(writeSearchKey(text, reinterpret_cast<char16_t *>(key.data())));
    return key;
}

qsizetype writeSearchKey(QStringView text, char16_t *out)
{
    char16_t *at = out;
    for (QChar c : text) {
        if (keyUnit(c.unicode(), *at))
            ++at;
    }
    return at - out;
}

namespace {

// The units of a word's search key, one after the other.
class KeyUnits
{
public:
    explicit KeyUnits(QStringView word)
        : m_word(word)
    { }
    // False at the end of the key.
    bool next(char16_t &unit)
    {
        while (m_at < m_word.size()) {
            if (keyUnit(m_word[m_at++].unicode(), unit))
                return true;
        }
        return false;
    }

private:
    QStringView m_word;
    qsizetype m_at = 0;
};

// The units of a text taken as they are.
class TextUnits
{
public:
    explicit TextUnits(QStringView text)
        : m_text(text)
    { }
    bool next(char16_t &unit)
    {
        if (m_at >= m_text.size())
            return false;
        unit = m_text[m_at++].unicode();
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

// The key units of a compact-encoded word, decoded one at a time from a
// token boundary whose high byte is known (as decodeCompactUnits reads).
class CompactKeyUnits
{
public:
    CompactKeyUnits(QByteArrayView bytes, qsizetype at, uchar high)
        : m_bytes(bytes)
        , m_at(at)
        , m_high(high)
    { }
    bool next(char16_t &unit)
    {
        while (m_at < m_bytes.size()) {
            uchar low = uchar(m_bytes[m_at]);
            if (low == 0) {
                if (m_at + 2 >= m_bytes.size())
                    return false;
                m_high = uchar(m_bytes[m_at + 1]);
                low = uchar(m_bytes[m_at + 2]);
                m_at += 2;
            }
            ++m_at;
            if (keyUnit(char16_t((m_high << 8) | low), unit))
                return true;
        }
        return false;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at;
    uchar m_high;
};

// Compares the units a gives with those b gives, as strings compare.
template <typename A, typename B> int compareUnitStreams(A a, B b)
{
    char16_t ua = 0;
    char16_t ub = 0;
    for (;;) {
        const bool hasA = a.next(ua);
        const bool hasB = b.next(ub);
        if (!hasA || !hasB)
            return int(hasA) - int(hasB);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
}

} // namespace

int compareSearchKey(QStringView word, QStringView text)
{
    return compareUnitStreams(KeyUnits(word), TextUnits(text));
}

int compareUnits(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int compareSearchKeys(QStringView a, QStringView b)
{
    // Each unit gives its key unit alone, so a prefix the words share gives
    // the same keys; neighbours in a sorted dictionary share long ones.
    const qsizetype shortest = qMin(a.size(), b.size());
    qsizetype same = 0;
    while (same < shortest && a[same] == b[same])
        ++same;
    return compareUnitStreams(KeyUnits(a.mid(same)), KeyUnits(b.mid(same)));
}

int compareCompactSearchKey(QByteArrayView word, QStringView text)
{
    return compareUnitStreams(CompactKeyUnits(word, 0, 0), TextUnits(text));
}

int compareCompactSearchKeys(QByteArrayView a, QByteArrayView b)
{
    // the tokens the words share (one byte, or a zero byte with two more
    // that change the high byte) decode to the same units and keys
    const qsizetype shortest = qMin(a.size(), b.size());
    qsizetype same = 0;
    uchar high = 0;
    while (same < shortest && a[same] == b[same]) {
        if (a[same] != 0) {
            ++same;
            continue;
        }
        if (same + 3 > shortest || a[same + 1] != b[same + 1] || a[same + 2] != b[same + 2])
            break;
        high = uchar(a[same + 1]);
        same += 3;
    }
    return compareUnitStreams(CompactKeyUnits(a, same, high), CompactKeyUnits(b, same, high));
}

QStringList splitMeanings(const QString &translation)
{
    QStringList meanings;
    forEachMeaning(translation, [&meanings](QStringView meaning) { meanings.append(meaning.toString()); });
    return meanings;
}
