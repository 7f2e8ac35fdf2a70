#pragma once

#include <QString>

#include <functional>

class Dictionary;

// The entries of a dictionary written for other programs: the tab-separated
// text the command-line tool imports, or comma-separated values that a
// spreadsheet opens (UTF-8 with a byte order mark, so that it reads Hebrew
// and Russian right). The file is written whole or not at all: a stopped
// or failed export leaves what was there before.
class WordExport
{
public:
    enum class Format { Tsv, Csv };
    enum class Status { Ok, Stopped, Failed };
    // Told how far the work is; false stops it.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // CSV for a ".csv" file, else TSV.
    static Format formatOf(const QString &fileName);
    // error tells why, when Failed.
    static Status write(
        const Dictionary &store, const QString &path, Format format, QString &error, const Progress &progress = {});
};
