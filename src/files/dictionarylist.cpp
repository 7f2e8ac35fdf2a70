#include "dictionarylist.h"

#include "atomicfile.h"
#include "model/dictlog.h"
#include "filenames.h"
#include "regularfile.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringTokenizer>

#include <algorithm>

namespace {
const QByteArray Header = QByteArrayLiteral("# Dictionary META File: list of languages");
}

bool DictionaryList::load(const QString &fileName)
{
    m_fileName = fileName;
    QByteArray data;
    if (RegularFile(fileName, MaxRemoteSize).read(data) != RegularFile::Status::Ok)
        return false;
    return parse(data);
}

bool DictionaryList::parse(const QByteArray &data)
{
    const QStringList lines = QString::fromUtf8(data).split(u'\n');
    Record current;
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'#'))
            continue;
        if (line.isEmpty()) {
            if (!current.isEmpty())
                m_records.append(current);
            current.clear();
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            current.insert(line, QString());
        else
            current.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    if (!current.isEmpty())
        m_records.append(current);
    return true;
}

namespace {

bool isControl(QChar c)
{
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n')
        || (c.unicode() >= 0x7f && c.unicode() < 0xa0);
}

} // namespace

Result<> DictionaryList::parseRemote(const QByteArray &data)
{
    const auto fail = [](const QString &reason) { return Result<>::failure(reason); };
    if (data.size() > MaxRemoteSize)
        return fail(tr("the list of dictionaries is larger than %1 MiB").arg(MaxRemoteSize / (1024 * 1024)));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError() || std::any_of(text.cbegin(), text.cend(), isControl))
        return fail(tr("what came is no list of dictionaries"));
    QList<Record> records;
    QSet<QString> files;
    Record current;
    bool junk = false;
    auto close = [&] {
        if (current.isEmpty())
            return;
        const QString file = current.value(QStringLiteral("FILE"));
        junk = junk || file.isEmpty();
        if (!file.isEmpty() && !files.contains(file)) {
            files.insert(file);
            records.append(bounded(current));
        }
        current.clear();
    };
    for (QStringView rawLine : QStringTokenizer(text, u'\n')) {
        if (rawLine.size() > MaxLineLength)
            return fail(tr("the list of dictionaries has a line longer than %1 characters").arg(MaxLineLength));
        const QStringView line = rawLine.trimmed();
        if (line.startsWith(u'#'))
            continue;
        if (line.isEmpty()) {
            close();
            continue;
        }
        if (current.size() >= MaxKeys)
            return fail(tr("a record of the list of dictionaries has more than %1 keys").arg(MaxKeys));
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            current.insert(line.toString(), QString());
        else
            current.insert(line.left(colon).toString(), line.mid(colon + 1).trimmed().toString());
    }
    close();
    if (records.isEmpty() && junk)
        return fail(tr("what came is no list of dictionaries"));
    m_records += records;
    return {};
}

DictionaryList::Record DictionaryList::bounded(const Record &record)
{
    static const QStringList known = {QStringLiteral("NAME"), QStringLiteral("TYPE"), QStringLiteral("FILE"),
        QStringLiteral("DESC"), QStringLiteral("USER"), QStringLiteral("SIZE"), QStringLiteral("DATE")};
    Record out;
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (!known.contains(it.key()))
            continue;
        // a direction mark or a line separator in a name would scramble every
        // list that shows it; a file name stays as it came, to be refused whole
        QString value = it.value().left(MaxValueLength);
        if (it.key() != QLatin1String("FILE"))
            value.removeIf([](QChar c) { return FileNames::isUnprintable(c); });
        out.insert(it.key(), value);
    }
    const QString user = QStringLiteral("USER");
    if (out.contains(user))
        out.insert(user, out.value(user).split(u',').mid(0, MaxUserLanguages).join(u','));
    return out;
}

QByteArray DictionaryList::toBytes() const
{
    QByteArray out = Header + '\n';
    for (const Record &record : m_records) {
        out += '\n';
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            out += (it.key() + QStringLiteral(": ") + it.value()).toUtf8() + '\n';
    }
    return out;
}

bool DictionaryList::save() const
{
    return !m_fileName.isEmpty() && writeFileAtomically(m_fileName, toBytes()).ok();
}

QStringList DictionaryList::userLanguages(int i) const
{
    return value(i, QStringLiteral("USER")).split(u',', Qt::SkipEmptyParts);
}

QStringList DictionaryList::names() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(name(i));
    return names;
}

int DictionaryList::indexOfFile(const QString &file) const
{
    for (int i = 0; i < count(); ++i) {
        if (this->file(i) == file)
            return i;
    }
    return -1;
}

int DictionaryList::addDictionary(
    const QString &name, const QString &type, const QString &file, const QString &desc, const QString &user)
{
    Record record;
    record.insert(QStringLiteral("NAME"), name);
    record.insert(QStringLiteral("TYPE"), type);
    record.insert(QStringLiteral("FILE"), file);
    if (!desc.isEmpty())
        record.insert(QStringLiteral("DESC"), desc);
    if (!user.isEmpty())
        record.insert(QStringLiteral("USER"), user);
    m_records.append(record);
    return count() - 1;
}

bool DictionaryList::updateRecord(const Record &record)
{
    const int i = indexOfFile(record.value(QStringLiteral("FILE")));
    if (i < 0) {
        m_records.append(record);
        return true;
    }
    if (m_records[i] == record)
        return false;
    m_records[i] = record;
    return true;
}

void DictionaryList::setValue(int i, const QString &key, const QString &value)
{
    if (i < 0 || i >= count())
        return;
    if (value.isEmpty())
        m_records[i].remove(key);
    else
        m_records[i].insert(key, value);
}

void DictionaryList::removeAt(int i)
{
    if (i >= 0 && i < count())
        m_records.removeAt(i);
}

bool DictionaryList::setSizeAndDate(const QString &file, qint64 bytes)
{
    const int i = indexOfFile(file);
    if (i < 0)
        return false;
    setValue(i, QStringLiteral("SIZE"), QStringLiteral("%1 KB").arg(bytes / 1024));
    setValue(i, QStringLiteral("DATE"), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return true;
}
