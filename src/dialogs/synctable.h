#pragma once

#include "dictionarytable.h"

// The table of the transfer dialogs: the files of the ticked rows are the
// ones to transfer.
class SyncTable : public DictionaryTable
{
    Q_OBJECT

public:
    using DictionaryTable::DictionaryTable;

    // The "Filename" of every ticked row, top to bottom.
    QStringList checkedFiles() const;
};
