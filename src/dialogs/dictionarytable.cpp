#include "dictionarytable.h"

#include "dialogslog.h"

#include "files/dictionarylist.h"
#include "files/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>

namespace {

constexpr int FileColumn = 3;

// Size and date of the record, else of the file in the folder, else "???".
QStringList sizeAndDate(const DictionaryList::Record &record, const QString &folder)
{
    QString size = record.value(QStringLiteral("SIZE"));
    QString date = record.value(QStringLiteral("DATE"));
    const QFileInfo file(QDir(folder).filePath(record.value(QStringLiteral("FILE"))));
    const bool plain = FileNames::isPlainDictionaryName(file.fileName());
    if (!folder.isEmpty() && plain && file.isFile()) {
        if (size.isEmpty())
            size = QString::number(file.size());
        if (date.isEmpty())
            date = file.lastModified().date().toString(QStringLiteral("yyyy-MM-dd"));
    }
    return {date, size.isEmpty() ? QStringLiteral("???") : size};
}

} // namespace

DictionaryTable::DictionaryTable(QWidget *parent)
    : QTableWidget(parent)
{ }

void DictionaryTable::showRecords(
    const DictionaryList &rows, const DictionaryList *checkAgainst, const QString &filesFolder)
{
    qCDebug(lcDialogs) << "showing" << rows.count() << "dictionaries";
    clear();
    setRowCount(rows.count());
    setColumnCount(5);
    setHorizontalHeaderLabels({tr("Name"), tr("Date"), tr("Size"), tr("Filename"), tr("Description")});
    for (int i = 0; i < rows.count(); ++i) {
        const DictionaryList::Record record = rows.record(i);
        const QStringList known = sizeAndDate(record, filesFolder);
        const QStringList texts = {record.value(QStringLiteral("NAME")), known[0], known[1],
            record.value(QStringLiteral("FILE")), record.value(QStringLiteral("DESC"))};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsEnabled);
            setItem(i, column, item);
        }
        if (checkAgainst)
            addCheckBox(i, texts[FileColumn], checkAgainst->containsFile(texts[FileColumn]));
    }
    horizontalHeader()->setMinimumSectionSize(100);
    resizeColumnsToContents();
    horizontalHeader()->setStretchLastSection(true);
}

void DictionaryTable::addCheckBox(int row, const QString &file, bool checked)
{
    const Result<> plain = FileNames::checkPlainName(file);
    const QString whyNot = plain.errorString();
    QTableWidgetItem *first = item(row, 0);
    if (plain) {
        first->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        first->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        return;
    }
    // a name no dictionary of ours can have is shown, never taken
    for (int column = 0; column < columnCount(); ++column) {
        item(row, column)->setFlags(Qt::NoItemFlags);
        item(row, column)->setToolTip(tr("This file cannot be taken: %1").arg(whyNot));
    }
    first->setCheckState(Qt::Unchecked);
}
