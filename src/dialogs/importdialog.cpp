#include "importdialog.h"

#include "wordimport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget *previewTable(const WordImport &import)
{
    auto *table = new QTableWidget(int(import.preview().size()), int(import.header().size()));
    table->setObjectName(QStringLiteral("previewTable"));
    table->setHorizontalHeaderLabels(import.header());
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    for (int row = 0; row < import.preview().size(); ++row) {
        const QStringList &fields = import.preview()[row];
        for (int column = 0; column < qMin(int(fields.size()), table->columnCount()); ++column) {
            auto *item = new QTableWidgetItem(fields[column]);
            item->setToolTip(fields[column]);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

QListWidget *badRowList(const WordImport &import)
{
    auto *list = new QListWidget;
    list->setObjectName(QStringLiteral("badRowList"));
    for (const WordImport::BadRow &bad : import.badRows()) {
        list->addItem(bad.line > 0 ? ImportDialog::tr("Line %1: %2").arg(bad.line).arg(bad.reason) : bad.reason);
    }
    list->setVisible(list->count() > 0);
    return list;
}

} // namespace

ImportDialog::ImportDialog(
    QWidget *parent, const QString &fileName, const WordImport &import, const QString &openDictionary)
    : QDialog(parent)
    , m_openButton(new QRadioButton)
    , m_newButton(new QRadioButton(tr("Make a &new dictionary of them")))
{
    setWindowTitle(tr("Import Words"));
    resize(700, 500);
    const int bad = int(import.badRows().size());
    auto *summary = new QLabel(tr("\"%1\" holds %n words that can be read.", nullptr, int(import.entries().size()))
                                   .arg(QDir::toNativeSeparators(fileName))
        + (bad > 0 ? u' ' + tr("%n rows cannot be read and are left out:", nullptr, bad) : QString()));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    summary->setWordWrap(true);
    m_openButton->setObjectName(QStringLiteral("openDictionaryButton"));
    m_newButton->setObjectName(QStringLiteral("newDictionaryButton"));
    if (openDictionary.isEmpty()) {
        m_openButton->setText(tr("Add them to the open dictionary"));
        m_openButton->setEnabled(false);
        m_newButton->setChecked(true);
    } else {
        m_openButton->setText(tr("&Add them to \"%1\" as new entries").arg(openDictionary));
        m_openButton->setChecked(true);
    }
    auto *buttons = new QDialogButtonBox;
    QPushButton *importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("importButton"));
    importButton->setEnabled(!import.entries().isEmpty());
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The first rows:")));
    layout->addWidget(previewTable(import), 2);
    layout->addWidget(summary);
    layout->addWidget(badRowList(import), 1);
    layout->addWidget(m_openButton);
    layout->addWidget(m_newButton);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ImportDialog::Target ImportDialog::target() const
{
    return m_newButton->isChecked() ? Target::NewDictionary : Target::OpenDictionary;
}
