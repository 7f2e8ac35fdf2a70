#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma- or semicolon-separated values as spreadsheets write and read them:
// a field holding the separator, a quote or a line break is quoted, a quote
// in it doubled. Spreadsheets set to a language that writes decimal commas
// separate with semicolons, and read UTF-8 only after a byte order mark.
class CsvFormat
{
public:
    struct Record
    {
        // the line the record starts on (a quoted line break spans lines)
        int line = 0;
        QStringList fields;
    };

    struct Table
    {
        QList<Record> records;
        // set when a quote is never closed: the records from its line on are lost
        QString error;
    };

    // The separator of a text whose first line names the columns: ';' when
    // that line holds more semicolons than commas outside quotes, else ','.
    static QChar separatorOf(QStringView text);
    // Every record of the text (a byte order mark skipped, blank lines too).
    static Table read(const QByteArray &data);
    // One record, quoted where needed, ended by CR LF.
    static QString line(const QStringList &fields, QChar separator = u',');
    // The UTF-8 byte order mark.
    static QByteArray byteOrderMark() { return QByteArrayLiteral("\xEF\xBB\xBF"); }
};
