#pragma once

#include "dictionarytable.h"

// The table of the transfer dialogs: the files of the ticked rows are the
// ones to transfer, and each row shows how its transfer went.
class SyncTable : public DictionaryTable
{
    Q_OBJECT

public:
    using DictionaryTable::DictionaryTable;

    // The "Filename" of every ticked row, top to bottom.
    QStringList checkedFiles() const;
    // The outcome of a file's transfer in its row's last column.
    // The outcome in the file's row; every change, one a line, in its tool tip.
    void setOutcome(const QString &file, bool ok, const QString &detail, const QStringList &changes = {});
};
