#include "synctable.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {
constexpr int FileColumn = 3;
constexpr int DescriptionColumn = 4;
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
        fitResultColumn();
        // a failure further down is still seen
        if (!ok)
            scrollToItem(result);
    }
}

void SyncTable::resizeEvent(QResizeEvent *event)
{
    DictionaryTable::resizeEvent(event);
    fitResultColumn();
}

void SyncTable::fitResultColumn()
{
    if (columnCount() <= ResultColumn)
        return;
    QHeaderView *header = horizontalHeader();
    header->setStretchLastSection(false);
    int fixed = 0;
    for (int column = 0; column < DescriptionColumn; ++column)
        fixed += columnWidth(column);
    resizeColumnToContents(ResultColumn);
    const int minimum = header->minimumSectionSize();
    const int room = qMax(viewport()->width() - fixed, 2 * minimum);
    const int result = qBound(minimum, columnWidth(ResultColumn), room - minimum);
    setColumnWidth(ResultColumn, result);
    setColumnWidth(DescriptionColumn, room - result);
    horizontalScrollBar()->setValue(0);
}
