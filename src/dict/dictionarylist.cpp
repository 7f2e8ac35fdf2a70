#include "dictionarylist.h"

#include "atomicfile.h"
#include "dictlog.h"

#include <QDate>
#include <QFile>

namespace {
const QByteArray Header = QByteArrayLiteral("# Dictionary META File: list of languages");
}

bool DictionaryList::load(const QString &fileName)
{
    m_fileName = fileName;
    QFile file(fileName);
    if (!file.exists()) {
        qCWarning(lcDict) << "ERROR: language table not found" << fileName;
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcDict) << "ERROR: cannot read language table" << fileName;
        return false;
    }
    return parse(file.readAll());
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
    return !m_fileName.isEmpty() && writeFileAtomically(m_fileName, toBytes());
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
