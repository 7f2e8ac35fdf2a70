#include "tsvreader.h"

#include "textfields.h"

#include <QSet>

#include <algorithm>
#include <climits>

using namespace TsvColumns;

namespace {

// A user-language code as the USER attribute lists them: it must survive
// being joined with commas and split again.
bool isPlainCode(const QString &code)
{
    return !code.isEmpty() && std::all_of(code.cbegin(), code.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'_' || c == u'-';
    });
}

} // namespace

TsvReader::TsvReader(const TsvFormat::ImportOptions &options)
    : m_userCodes(options.user.isEmpty() ? QStringList() : options.user.split(u','))
    , m_explicitUser(!options.user.isEmpty())
{ }

namespace {

// The line from at up to its end (without a carriage return), and at
// moved past it.
QString nextLine(const QByteArray &data, qsizetype &at)
{
    qsizetype end = data.indexOf('\n', at);
    if (end < 0)
        end = data.size();
    QString line = QString::fromUtf8(data.constData() + at, end - at);
    at = end + 1;
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

} // namespace

bool TsvReader::read(const QByteArray &data, const Row &row)
{
    qsizetype at = 0;
    int lineNumber = 0;
    return readHeader(data, at, lineNumber) && readRows(data, at, data.size(), lineNumber, [&](Entry &e) {
        e.setId(takeId(e.id(), [&e] { return e.word(); }));
        row(e);
    });
}

bool TsvReader::readHeader(const QByteArray &data, qsizetype &at, int &lineNumber)
{
    if (!checkUserCodes())
        return false;
    while (at < data.size()) {
        const QString line = nextLine(data, at);
        ++lineNumber;
        if (!QStringView(line).trimmed().isEmpty())
            return readHeaderLine(line);
    }
    return fail(QStringLiteral("no header line; the columns 'word' and 'translation' are needed"));
}

// Line by line, so the text of a large file is never held twice.
bool TsvReader::readRows(const QByteArray &data, qsizetype from, qsizetype to, int &lineNumber, const Row &row)
{
    for (qsizetype at = from; at < to;) {
        const QString line = nextLine(data, at);
        ++lineNumber;
        if (QStringView(line).trimmed().isEmpty())
            continue;
        splitFields(line);
        Entry e;
        if (!readRow(m_fields, lineNumber, e))
            return false;
        row(e);
    }
    return true;
}

// Into the same list each time: a large import makes no list per row.
void TsvReader::splitFields(QStringView line)
{
    m_fields.clear();
    qsizetype from = 0;
    for (qsizetype tab = line.indexOf(u'\t'); tab >= 0; tab = line.indexOf(u'\t', from)) {
        m_fields.append(line.sliced(from, tab - from));
        from = tab + 1;
    }
    m_fields.append(line.sliced(from));
}

int TsvReader::takeId(int id, const std::function<QString()> &word)
{
    if (id != 0 && !m_ids.insert(id)) {
        m_warnings.append(QStringLiteral("id %1 is used twice; '%2' gets a new one").arg(id).arg(word()));
        return 0;
    }
    m_maxId = qMax(m_maxId, id);
    return id;
}

bool TsvReader::nextFreeId(int &id)
{
    if (m_maxId == INT_MAX)
        return fail(QStringLiteral("no free id left for new entries"));
    id = ++m_maxId;
    return true;
}

bool TsvReader::checkUserCodes()
{
    for (const QString &code : std::as_const(m_userCodes)) {
        if (!isPlainCode(code))
            return fail(QStringLiteral("'%1' is not a language code").arg(code));
    }
    return true;
}

bool TsvReader::readHeaderLine(QStringView line)
{
    static const QSet<QString> fixed = {Id, Word, Type, Flags, Translation, Forward, Backward};
    const QList<QStringView> names = line.split(u'\t');
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().toString();
        if (m_columns.contains(name))
            return fail(QStringLiteral("column '%1' appears twice").arg(name));
        m_columns.insert(name, i);
        if (!fixed.contains(name) && !addTextColumn(name, i))
            return false;
    }
    if (!m_columns.contains(Word) || !m_columns.contains(Translation))
        return fail(QStringLiteral("the header needs the columns 'word' and 'translation'"));
    m_id = m_columns.value(Id, -1);
    m_word = m_columns.value(Word);
    m_type = m_columns.value(Type, -1);
    m_flags = m_columns.value(Flags, -1);
    m_translation = m_columns.value(Translation);
    m_counters[0] = m_columns.value(Forward, -1);
    m_counters[1] = m_columns.value(Backward, -1);
    // texts go into entries in key order, as the editor and older files have them
    std::stable_sort(
        m_textColumns.begin(), m_textColumns.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    return true;
}

bool TsvReader::addTextColumn(const QString &name, int column)
{
    quint32 key = 0;
    const auto named = std::find_if(
        namedTexts().cbegin(), namedTexts().cend(), [&name](const NamedText &t) { return t.name == name; });
    if (named != namedTexts().cend()) {
        key = named->key;
    } else if (name.startsWith(TextPrefix)) {
        bool ok = false;
        key = name.mid(TextPrefix.size()).toUInt(&ok);
        if (!ok || key > 0xFFFF)
            return fail(QStringLiteral("bad text column '%1'").arg(name));
    } else if (name.isEmpty()) {
        return fail(QStringLiteral("column %1 has no name").arg(column + 1));
    } else if (!isPlainCode(name)) {
        return fail(QStringLiteral("column '%1' is not a language code").arg(name));
    } else {
        if (!m_explicitUser && !m_userCodes.contains(name)) {
            if (m_userCodes.isEmpty())
                m_userCodes.append(QStringLiteral("en"));
            m_userCodes.append(name);
        }
        const qsizetype k = m_userCodes.indexOf(name);
        if (k < 1 || k > 3)
            return fail(QStringLiteral("column '%1' is not one of the further user languages").arg(name));
        key = Entry::TextUserBase + quint32(k);
    }
    // one text per key: export could keep only one of two such columns
    if (m_textKeyColumns.contains(key))
        return fail(
            QStringLiteral("columns '%1' and '%2' both hold text %3").arg(m_textKeyColumns[key], name).arg(key));
    m_textKeyColumns.insert(key, name);
    m_textColumns.append({column, key});
    return true;
}

QString TsvReader::userAttribute() const
{
    return m_userCodes.join(u',');
}

bool TsvReader::readInt(QStringView text, qint64 low, qint64 high, qint64 &value) const
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok && value >= low && value <= high;
}

bool TsvReader::readRow(const QList<QStringView> &fields, int lineNumber, Entry &e)
{
    // the line is named only when something is wrong with it
    const auto failAt = [this, lineNumber](const QString &message) {
        return fail(QStringLiteral("line %1: ").arg(lineNumber) + message);
    };
    for (qsizetype i = m_columns.size(); i < fields.size(); ++i) {
        if (!fields[i].isEmpty())
            return failAt(QStringLiteral("more fields than the header names"));
    }
    // only the texts are unescaped; numbers hold no escapes
    const QString word = unescapeField(field(fields, m_word));
    if (word.isEmpty())
        return failAt(QStringLiteral("empty word"));
    const QString translation = unescapeField(field(fields, m_translation));
    const QStringView flags = field(fields, m_flags);
    qint64 value = 0;
    if (flags.isEmpty()) {
        e = Entry(word, translation, 0);
    } else {
        if (!readInt(flags, 0, 0xFFFFFFFFLL, value))
            return failAt(QStringLiteral("bad flags '%1'").arg(flags));
        e = Entry(0);
        e.setWord(word);
        e.setTranslation(translation);
        e.setFlags(quint32(value));
    }

    const QStringView id = field(fields, m_id);
    if (!id.isEmpty()) {
        if (!readInt(id, INT_MIN, INT_MAX, value))
            return failAt(QStringLiteral("bad id '%1'").arg(id));
        e.setId(int(value));
    }
    const QStringView type = field(fields, m_type).trimmed();
    if (!type.isEmpty()) {
        const int labelled = Entry::typeOfLabel(type.toString());
        if (labelled >= 0)
            value = labelled;
        else if (!readInt(type, 0, 0xFFFF, value))
            return failAt(QStringLiteral("unknown word type '%1'").arg(type));
        e.setWordType(int(value));
    }
    qint8 counters[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        const QStringView text = field(fields, m_counters[i]);
        if (text.isEmpty())
            continue;
        if (!readInt(text, -128, 127, value))
            return failAt(QStringLiteral("bad %1 '%2'").arg(i == 0 ? Forward : Backward, text));
        counters[i] = qint8(value);
    }
    e.setLearnCounters(counters[0], counters[1]);
    for (const auto &[column, key] : m_textColumns) {
        const QStringView text = field(fields, column);
        if (!text.isEmpty())
            e.appendText(key, unescapeField(text));
    }
    return true;
}
