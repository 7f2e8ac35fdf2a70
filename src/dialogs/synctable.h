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
    // The outcome in the file's row's last column; the whole text, and every
    // change one a line, in its tool tip.
    void setOutcome(const QString &file, bool ok, const QString &detail, const QStringList &changes = {});

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The outcomes in view without scrolling sideways: the description gives
    // way, and an outcome too long for the room left is elided.
    void fitResultColumn();
};
