#pragma once

#include "model/entry.h"

#include <QList>
#include <QStringList>

#include <functional>

class Dictionary;

// The words of a file the learner imports: the tab-separated text the
// command-line tool imports, or comma- or semicolon-separated values with a
// header row of the same column names. A row that cannot be read is listed
// with its line and skipped; the others become new entries of a dictionary,
// beside the learner's, never over them.
class WordImport
{
public:
    enum class Format { Tsv, Csv };
    struct BadRow
    {
        int line;
        QString reason;
    };
    struct Outcome
    {
        int added = 0;
        // rows whose word and meaning the dictionary has already
        int alreadyThere = 0;
        // the columns of user languages the dictionary lacks, left out
        QStringList leftOut;
    };
    // Told how far the work is; false stops it.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    static constexpr int PreviewRows = 20;

    // CSV for a ".csv" file, or a file whose header has no tab; else TSV.
    static Format formatOf(const QString &fileName, const QByteArray &data);

    // False when stopped or when the file has no usable header (error()).
    bool read(const QByteArray &data, Format format, const Progress &progress = {});
    QString error() const { return m_error; }
    const QStringList &header() const { return m_header; }
    // The first rows as the file has them, field by field.
    const QList<QStringList> &preview() const { return m_preview; }
    const QList<Entry> &entries() const { return m_entries; }
    const QList<BadRow> &badRows() const { return m_badRows; }

    // The entries read, added to the store under new ids.
    Outcome addTo(Dictionary &store) const;

private:
    QStringList m_header;
    // the user languages as the file's columns name them; the first is
    // the "translation" column's
    QStringList m_userCodes;
    QList<QStringList> m_preview;
    QList<Entry> m_entries;
    QList<BadRow> m_badRows;
    QString m_error;
};
