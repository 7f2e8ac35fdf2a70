#include "csvformat.h"

#include <QCoreApplication>

namespace {

constexpr QChar Quote = u'"';

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Past a line end at i ("\r\n" counts as one); true when there was one.
bool skipLineEnd(QStringView text, qsizetype &i)
{
    if (i >= text.size() || !isLineEnd(text[i]))
        return false;
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        ++i;
    ++i;
    return true;
}

bool isBlank(const QStringList &fields)
{
    return fields.size() == 1 && fields.first().trimmed().isEmpty();
}

} // namespace

QChar CsvFormat::separatorOf(QStringView text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == Quote)
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? u';' : u',';
}

CsvFormat::Table CsvFormat::read(const QByteArray &data)
{
    const QByteArray bom = byteOrderMark();
    const QString decoded = QString::fromUtf8(data.startsWith(bom) ? data.mid(bom.size()) : data);
    const QStringView text(decoded);
    const QChar separator = separatorOf(text);
    Table table;
    int line = 1;
    qsizetype i = 0;
    while (i < text.size()) {
        Record record{line, {}};
        QString field;
        bool recordEnded = false;
        while (!recordEnded) {
            if (i < text.size() && text[i] == Quote) {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        table.error = QCoreApplication::translate("CsvFormat",
                            "line %1: a quote opened here is never closed; the rest of the file cannot be read")
                                          .arg(opened);
                        return table;
                    }
                    if (text[i] == Quote) {
                        if (i + 1 < text.size() && text[i + 1] == Quote) {
                            field += Quote;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
                        ++line;
                    field += text[i++];
                }
            }
            // unquoted text, or what follows a closing quote before the separator
            while (i < text.size() && text[i] != separator && !isLineEnd(text[i]))
                field += text[i++];
            record.fields.append(field);
            field.clear();
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            recordEnded = true;
            if (skipLineEnd(text, i))
                ++line;
        }
        if (!isBlank(record.fields))
            table.records.append(record);
    }
    return table;
}

QString CsvFormat::line(const QStringList &fields, QChar separator)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields) {
        const bool needsQuotes = field.contains(separator) || field.contains(Quote) || field.contains(u'\n')
            || field.contains(u'\r') || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
        if (needsQuotes)
            quoted.append(Quote + QString(field).replace(Quote, QStringLiteral("\"\"")) + Quote);
        else
            quoted.append(field);
    }
    return quoted.join(separator) + QStringLiteral("\r\n");
}
