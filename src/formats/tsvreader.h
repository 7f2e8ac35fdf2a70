#pragma once

#include "model/entry.h"
#include "idset.h"
#include "tsvformat.h"

#include <QHash>
#include <QStringList>

#include <functional>

// Reads the rows of a tab-separated import (see tsvformat.h) one entry at a
// time, in the order of the lines; the first error ends the reading and is
// kept. An id used by an earlier row is dropped with a warning, so the row
// gets a fresh one from nextFreeId() once all rows are read.
class TsvReader
{
public:
    explicit TsvReader(const TsvFormat::ImportOptions &options);

    using Row = std::function<void(Entry &)>;

    // The header, then every row with its id taken.
    bool read(const QByteArray &data, const Row &row);
    // The header line, from the start of the data; at and lineNumber are
    // left after it.
    bool readHeader(const QByteArray &data, qsizetype &at, int &lineNumber);
    // The rows of the lines from one offset (a line's start, whose number
    // is given, and left at the last line read) up to another, each as it
    // stands: ids are taken apart, so that two readers (copies after the
    // header) may read two parts at once.
    bool readRows(const QByteArray &data, qsizetype from, qsizetype to, int &lineNumber, const Row &row);
    // The id a row keeps: its own, or 0 with a warning when an earlier row
    // took it (word gives the row's word for the warning).
    int takeId(int id, const std::function<QString()> &word);
    // The next id above every id taken; false when none is left.
    bool nextFreeId(int &id);
    QString userAttribute() const;
    const QString &error() const { return m_error; }
    const QStringList &warnings() const { return m_warnings; }

private:
    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }
    bool checkUserCodes();
    bool readHeaderLine(QStringView line);
    bool addTextColumn(const QString &name, int column);
    void splitFields(QStringView line);
    bool readRow(const QList<QStringView> &fields, int lineNumber, Entry &e);
    static QStringView field(const QList<QStringView> &fields, int column)
    {
        return column >= 0 && column < fields.size() ? fields[column] : QStringView();
    }
    bool readInt(QStringView text, qint64 low, qint64 high, qint64 &value) const;

    QList<QStringView> m_fields;
    QHash<QString, int> m_columns;
    // the columns of the fixed fields, -1 where the header has none
    int m_id = -1, m_word = -1, m_type = -1, m_flags = -1, m_translation = -1;
    int m_counters[2] = {-1, -1};
    QList<QPair<int, quint32>> m_textColumns;
    // text key -> the column that holds it
    QHash<quint32, QString> m_textKeyColumns;
    QStringList m_userCodes;
    bool m_explicitUser;
    IdSet m_ids;
    int m_maxId = 0;
    QString m_error;
    QStringList m_warnings;
};
