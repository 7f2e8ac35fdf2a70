#include "wordimport.h"

#include "formats/csvformat.h"
#include "formats/textfields.h"
#include "formats/tsvreader.h"
#include "model/dictionary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

// A row as the reader of tab-separated text takes it, and as the preview shows it.
struct Row
{
    int line;
    QString tsvLine;
    QStringList fields;
};

constexpr int ProgressStep = 500;

QList<Row> tsvRows(const QByteArray &data)
{
    const QByteArray bom = CsvFormat::byteOrderMark();
    QList<Row> rows;
    qsizetype at = data.startsWith(bom) ? bom.size() : 0;
    for (int line = 1; at < data.size(); ++line) {
        qsizetype end = data.indexOf('\n', at);
        if (end < 0)
            end = data.size();
        QString text = QString::fromUtf8(data.constData() + at, end - at);
        at = end + 1;
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (QStringView(text).trimmed().isEmpty())
            continue;
        QStringList fields;
        for (QStringView field : QStringView(text).split(u'\t'))
            fields.append(unescapeField(field));
        rows.append({line, text, fields});
    }
    return rows;
}

QList<Row> csvRows(const QByteArray &data, QString &error)
{
    const CsvFormat::Table table = CsvFormat::read(data);
    error = table.error;
    QList<Row> rows;
    rows.reserve(table.records.size());
    for (const CsvFormat::Record &record : table.records) {
        QStringList escaped;
        for (const QString &field : record.fields)
            escaped.append(escapeField(field));
        rows.append({record.line, escaped.join(u'\t'), record.fields});
    }
    return rows;
}

// The reader's message without the line it names: the dialog lists lines apart.
QString withoutLine(const QString &message)
{
    if (message.startsWith(QLatin1String("line ")) && message.contains(QLatin1String(": ")))
        return message.section(QStringLiteral(": "), 1);
    return message;
}

} // namespace

WordImport::Format WordImport::formatOf(const QString &fileName, const QByteArray &data)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("tab"))
        return Format::Tsv;
    const qsizetype end = data.indexOf('\n');
    return data.left(end < 0 ? data.size() : end).contains('\t') ? Format::Tsv : Format::Csv;
}

bool WordImport::read(const QByteArray &data, Format format, const Progress &progress)
{
    *this = WordImport();
    QString unreadableRest;
    QList<Row> rows = format == Format::Csv ? csvRows(data, unreadableRest) : tsvRows(data);
    if (rows.isEmpty()) {
        m_error = unreadableRest.isEmpty()
            ? QCoreApplication::translate("WordImport", "The file has no header line naming the columns.")
            : unreadableRest;
        return false;
    }
    const Row headerRow = rows.takeFirst();
    TsvReader reader({});
    {
        const QByteArray header = headerRow.tsvLine.toUtf8() + '\n';
        qsizetype at = 0;
        int line = headerRow.line - 1;
        if (!reader.readHeader(header, at, line)) {
            m_error
                = QCoreApplication::translate("WordImport", "The header line cannot be read: %1").arg(reader.error());
            return false;
        }
    }
    m_header = headerRow.fields;
    m_userCodes = reader.userAttribute().split(u',', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (progress && i % ProgressStep == 0 && !progress(i, rows.size()))
            return false;
        const Row &row = rows[i];
        if (m_preview.size() < PreviewRows)
            m_preview.append(row.fields);
        const QByteArray bytes = row.tsvLine.toUtf8();
        int lineNumber = row.line - 1;
        const bool ok = reader.readRows(bytes, 0, bytes.size(), lineNumber, [this](Entry &e) {
            e.setId(0);
            m_entries.append(e);
        });
        if (!ok)
            m_badRows.append({row.line, withoutLine(reader.error())});
    }
    if (!unreadableRest.isEmpty())
        m_badRows.append({0, unreadableRest});
    if (progress)
        progress(rows.size(), rows.size());
    return true;
}

WordImport::Outcome WordImport::addTo(Dictionary &store) const
{
    Outcome outcome;
    // where each further language of the file goes in the store, 0 for nowhere
    const QStringList storeCodes = store.userLanguageCodes();
    quint32 targetKey[4] = {0, 0, 0, 0};
    for (int k = 1; k < qMin<int>(int(m_userCodes.size()), 4); ++k) {
        const qsizetype there = storeCodes.indexOf(m_userCodes[k]);
        if (there >= 1 && there <= 3)
            targetKey[k] = Entry::TextUserBase + quint32(there);
        else
            outcome.leftOut.append(m_userCodes[k]);
    }
    QSet<QString> stored;
    for (int i = 0; i < store.count(); ++i) {
        const Entry e = store.entryAt(i);
        stored.insert(e.word() + u'\t' + e.translation());
    }
    std::vector<Entry> added;
    for (Entry e : m_entries) {
        if (stored.contains(e.word() + u'\t' + e.translation())) {
            ++outcome.alreadyThere;
            continue;
        }
        stored.insert(e.word() + u'\t' + e.translation());
        QString texts[4];
        for (int k = 1; k < 4; ++k) {
            texts[k] = e.text(Entry::TextUserBase + quint32(k));
            e.removeText(Entry::TextUserBase + quint32(k));
        }
        for (int k = 1; k < 4; ++k) {
            if (targetKey[k] != 0 && !texts[k].isEmpty())
                e.setText(targetKey[k], texts[k]);
        }
        const int id = store.nextId();
        if (id == 0)
            break;
        e.setId(id);
        added.push_back(e);
    }
    outcome.added = int(added.size());
    if (!added.empty())
        store.insertEntries(std::move(added));
    return outcome;
}
