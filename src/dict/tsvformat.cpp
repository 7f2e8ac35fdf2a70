#include "tsvformat.h"

#include "textfields.h"

#include "dictionary.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>

namespace {

const QString ColId = QStringLiteral("id");
const QString ColWord = QStringLiteral("word");
const QString ColType = QStringLiteral("type");
const QString ColFlags = QStringLiteral("flags");
const QString ColTranslation = QStringLiteral("translation");
const QString ColPlural = QStringLiteral("plural");
const QString ColInfinitive = QStringLiteral("infinitive");
const QString ColForward = QStringLiteral("learnedForward");
const QString ColBackward = QStringLiteral("learnedBackward");
const QString TextPrefix = QStringLiteral("text:");

struct TextColumn
{
    QString name;
    quint32 key;
};

// The keyed-text columns of a dictionary, in column order.
QList<TextColumn> textColumns(const Dictionary &dictionary)
{
    QList<TextColumn> columns = {{ColPlural, Entry::TextPlural}, {ColInfinitive, Entry::TextInfinitive}};
    QSet<QString> names = {ColPlural, ColInfinitive};
    const QStringList codes = dictionary.userLanguageCodes();
    for (int k = 1; k < qMin<int>(int(codes.size()), 4); ++k) {
        if (!names.contains(codes[k]) && !codes[k].isEmpty()) {
            columns.append({codes[k], Entry::TextUserBase + k});
            names.insert(codes[k]);
        }
    }
    QSet<quint32> known;
    for (const TextColumn &c : columns)
        known.insert(c.key);
    QList<quint32> others;
    for (int i = 0; i < dictionary.count(); ++i) {
        for (const Entry::KeyedText &t : dictionary.entryAt(i)->texts()) {
            if (!known.contains(t.key) && !others.contains(t.key))
                others.append(t.key);
        }
    }
    std::sort(others.begin(), others.end());
    for (quint32 key : others)
        columns.append({TextPrefix + QString::number(key), key});
    return columns;
}

// A user-language code as the USER attribute lists them: it must survive
// being joined with commas and split again.
bool isPlainCode(const QString &code)
{
    return !code.isEmpty() && std::all_of(code.cbegin(), code.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'_' || c == u'-';
    });
}

QString typeField(int type)
{
    const QString label = Entry::typeLabel(type);
    return label.isEmpty() ? QString::number(type) : label;
}

} // namespace

QByteArray TsvFormat::write(const Dictionary &dictionary)
{
    const QList<TextColumn> texts = textColumns(dictionary);
    QStringList header = {ColId, ColWord, ColType, ColFlags, ColTranslation};
    QStringList trailing = {ColForward, ColBackward};
    for (const TextColumn &c : texts) {
        if (c.name.startsWith(TextPrefix))
            trailing.append(c.name);
        else
            header.append(c.name);
    }
    QByteArray out = (header + trailing).join(u'\t').toUtf8() + '\n';
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry &e = *dictionary.entryAt(i);
        if (e.id() == 0)
            continue;
        QStringList fields = {QString::number(e.id()), escapeField(e.word()), typeField(e.wordType()),
            QString::number(e.flags()), escapeField(e.translation())};
        QStringList trailingFields = {QString::number(e.learnedForward()), QString::number(e.learnedBackward())};
        for (const TextColumn &c : texts) {
            QStringList &target = c.name.startsWith(TextPrefix) ? trailingFields : fields;
            target.append(escapeField(e.text(c.key)));
        }
        out += (fields + trailingFields).join(u'\t').toUtf8() + '\n';
    }
    return out;
}

namespace {

// Reads the rows of an import; collects the first error.
class TsvReader
{
public:
    TsvReader(const TsvFormat::ImportOptions &options)
        : m_userCodes(options.user.isEmpty() ? QStringList() : options.user.split(u','))
        , m_explicitUser(!options.user.isEmpty())
    { }

    bool checkUserCodes();
    bool readHeader(QStringView line);
    bool readRow(const QList<QStringView> &fields, int lineNumber, Entry &e);
    QString userAttribute() const;
    const QString &error() const { return m_error; }

private:
    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }
    bool addTextColumn(const QString &name, int column);
    static QStringView field(const QList<QStringView> &fields, int column)
    {
        return column >= 0 && column < fields.size() ? fields[column] : QStringView();
    }
    bool readInt(QStringView text, qint64 low, qint64 high, qint64 &value) const;

    QHash<QString, int> m_columns;
    // the columns of the fixed fields, -1 where the header has none
    int m_id = -1, m_word = -1, m_type = -1, m_flags = -1, m_translation = -1;
    int m_counters[2] = {-1, -1};
    QList<QPair<int, quint32>> m_textColumns;
    // text key -> the column that holds it
    QHash<quint32, QString> m_textKeyColumns;
    QStringList m_userCodes;
    bool m_explicitUser;
    QString m_error;
};

bool TsvReader::checkUserCodes()
{
    for (const QString &code : std::as_const(m_userCodes)) {
        if (!isPlainCode(code))
            return fail(QStringLiteral("'%1' is not a language code").arg(code));
    }
    return true;
}

bool TsvReader::readHeader(QStringView line)
{
    static const QSet<QString> fixed = {ColId, ColWord, ColType, ColFlags, ColTranslation, ColForward, ColBackward};
    const QList<QStringView> names = line.split(u'\t');
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().toString();
        if (m_columns.contains(name))
            return fail(QStringLiteral("column '%1' appears twice").arg(name));
        m_columns.insert(name, i);
        if (!fixed.contains(name) && !addTextColumn(name, i))
            return false;
    }
    if (!m_columns.contains(ColWord) || !m_columns.contains(ColTranslation))
        return fail(QStringLiteral("the header needs the columns 'word' and 'translation'"));
    m_id = m_columns.value(ColId, -1);
    m_word = m_columns.value(ColWord);
    m_type = m_columns.value(ColType, -1);
    m_flags = m_columns.value(ColFlags, -1);
    m_translation = m_columns.value(ColTranslation);
    m_counters[0] = m_columns.value(ColForward, -1);
    m_counters[1] = m_columns.value(ColBackward, -1);
    // texts go into entries in key order, as the editor and older files have them
    std::stable_sort(
        m_textColumns.begin(), m_textColumns.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    return true;
}

bool TsvReader::addTextColumn(const QString &name, int column)
{
    quint32 key = 0;
    if (name == ColPlural) {
        key = Entry::TextPlural;
    } else if (name == ColInfinitive) {
        key = Entry::TextInfinitive;
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
            return failAt(QStringLiteral("bad %1 '%2'").arg(i == 0 ? ColForward : ColBackward, text));
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

} // namespace

bool TsvFormat::read(
    const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QString &error, QStringList &warnings)
{
    TsvReader reader(options);
    if (!reader.checkUserCodes()) {
        error = reader.error();
        return false;
    }
    std::vector<Entry> entries;
    bool haveHeader = false;
    const QString text = QString::fromUtf8(data);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (!haveHeader) {
            if (!reader.readHeader(line)) {
                error = reader.error();
                return false;
            }
            haveHeader = true;
            continue;
        }
        Entry e;
        if (!reader.readRow(line.split(u'\t'), i + 1, e)) {
            error = reader.error();
            return false;
        }
        entries.push_back(std::move(e));
    }
    if (!haveHeader) {
        error = QStringLiteral("no header line; the columns 'word' and 'translation' are needed");
        return false;
    }

    QSet<int> ids;
    int maxId = 0;
    for (Entry &e : entries) {
        if (e.id() != 0 && ids.contains(e.id())) {
            warnings.append(QStringLiteral("id %1 is used twice; '%2' gets a new one").arg(e.id()).arg(e.word()));
            e.setId(0);
        }
        ids.insert(e.id());
        maxId = qMax(maxId, e.id());
    }
    for (Entry &e : entries) {
        if (e.id() != 0)
            continue;
        if (maxId == INT_MAX) {
            error = QStringLiteral("no free id left for new entries");
            return false;
        }
        e.setId(++maxId);
    }
    dictionary.insertEntries(std::move(entries));
    dictionary.setAttribute(QStringLiteral("NAME"), options.name);
    dictionary.setAttribute(QStringLiteral("TYPE"), options.type);
    dictionary.setAttribute(QStringLiteral("USER"), reader.userAttribute());
    return true;
}
