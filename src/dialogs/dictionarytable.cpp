#include "dictionarytable.h"

#include "dialogslog.h"

#include "dict/dictionarylist.h"

#include <QHeaderView>

DictionaryTable::DictionaryTable(QWidget *parent)
    : QTableWidget(parent)
{ }

void DictionaryTable::showRecords(const DictionaryList &rows, const DictionaryList *checkAgainst)
{
    qCDebug(lcDialogs) << "SHOW" << rows.count() << "dictionaries";
    clear();
    setRowCount(rows.count());
    setColumnCount(5);
    setHorizontalHeaderLabels({tr("Name"), tr("Date"), tr("Size"), tr("Filename"), tr("Description")});
    for (int i = 0; i < rows.count(); ++i) {
        const DictionaryList::Record record = rows.record(i);
        const QStringList texts = {record.value(QStringLiteral("NAME")), record.value(QStringLiteral("DATE")),
            record.value(QStringLiteral("SIZE"), QStringLiteral("???")), record.value(QStringLiteral("FILE")),
            record.value(QStringLiteral("DESC"))};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsEnabled);
            setItem(i, column, item);
        }
        if (checkAgainst) {
            QTableWidgetItem *first = item(i, 0);
            first->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            first->setCheckState(checkAgainst->containsFile(texts[3]) ? Qt::Checked : Qt::Unchecked);
        }
    }
    horizontalHeader()->setMinimumSectionSize(100);
    resizeColumnsToContents();
    horizontalHeader()->setStretchLastSection(true);
}
