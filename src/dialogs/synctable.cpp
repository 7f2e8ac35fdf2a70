#include "synctable.h"

QStringList SyncTable::checkedFiles() const
{
    QStringList files;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, 0) && item(row, 0)->checkState() == Qt::Checked)
            files.append(item(row, 3)->text());
    }
    return files;
}
