#include "synctable.h"

#include <QHeaderView>

namespace {
constexpr int FileColumn = 3;
constexpr int ResultColumn = 5;
} // namespace

QStringList SyncTable::checkedFiles() const
{
    QStringList files;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, 0) && item(row, 0)->checkState() == Qt::Checked)
            files.append(item(row, FileColumn)->text());
    }
    return files;
}

void SyncTable::setOutcome(const QString &file, bool ok, const QString &detail, const QStringList &changes)
{
    constexpr qsizetype ShownChanges = 40;
    if (columnCount() <= ResultColumn) {
        setColumnCount(ResultColumn + 1);
        setHorizontalHeaderItem(ResultColumn, new QTableWidgetItem(tr("Result")));
        horizontalHeader()->setStretchLastSection(true);
    }
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, FileColumn)->text() != file)
            continue;
        auto *result = new QTableWidgetItem(!ok ? detail : detail.isEmpty() ? tr("done") : tr("done: %1").arg(detail));
        result->setFlags(Qt::ItemIsEnabled);
        QStringList tip = changes.mid(0, ShownChanges);
        if (changes.size() > ShownChanges)
            tip.append(tr("... and %n more", nullptr, int(changes.size() - ShownChanges)));
        result->setToolTip((QStringList{result->text()} + tip).join(u'\n'));
        if (!ok)
            result->setForeground(Qt::red);
        setItem(row, ResultColumn, result);
        // a reason far to the right is still seen
        if (!ok)
            scrollToItem(result);
    }
}
