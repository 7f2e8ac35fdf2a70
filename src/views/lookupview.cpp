#include "lookupview.h"

#include "dictionarymodel.h"
#include "lookupmodel.h"
#include "input/style.h"

#include "model/dictionary.h"
#include "input/keyboardtogglebutton.h"
#include "input/keymappingbutton.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

LookupView::LookupView(const QString &iconPath, Dictionary *dictionary, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_source(Lookup::storeSource(dictionary))
    , m_lookup(std::make_unique<Lookup>(*m_source))
    , m_tableModel(new DictionaryModel(dictionary, this))
    , m_lookupModel(new LookupModel(m_tableModel, this))
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, false))
    , m_table(new QTableView)
    , m_input(new KeyMappingLineEdit(false, m_keyboard))
    , m_readings(new QListWidget)
    , m_clearButton(new QToolButton)
    , m_mappingButton(new KeyMappingButton(m_input))
    , m_keyboardButton(new KeyboardToggleButton(m_keyboard))
{
    setFont(Style::pageFont());
    m_table->setObjectName(QStringLiteral("lookupTable"));
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setWordWrap(false);
    // a dictionary has a hundred thousand rows: rows of one height, and
    // column widths fitted to a page of rows (not 0, "the rows in view",
    // which a hidden table takes for every row)
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setResizeContentsPrecision(64);
    m_input->setObjectName(QStringLiteral("lookupEdit"));
    m_keyboard->setObjectName(QStringLiteral("lookupKeyboard"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_mappingButton->setObjectName(QStringLiteral("lookupMappingButton"));
    m_keyboardButton->setObjectName(QStringLiteral("lookupKeyboardButton"));
    m_readings->setObjectName(QStringLiteral("readingList"));
    m_readings->setToolTip(tr("How the word reads as a form of an entry; click to open the entry"));
    m_readings->setMaximumHeight(QFontMetrics(m_readings->font()).height() * 4);
    m_readings->hide();
    m_clearButton->setIcon(QIcon(iconPath + QStringLiteral("editclear.svg")));
    m_clearButton->setToolTip(tr("Clear"));
    m_clearButton->setAccessibleName(tr("Clear"));

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Lookup:")));
    row->addWidget(m_input);
    row->addWidget(m_clearButton);
    row->addWidget(m_mappingButton);
    row->addWidget(m_keyboardButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(row);
    layout->addWidget(m_readings);
    layout->addWidget(m_keyboard);

    m_table->setModel(m_lookupModel);
    m_table->horizontalHeader()->setMinimumSectionSize(
        QFontMetrics(m_table->font()).horizontalAdvance(QStringLiteral("XXXXXXXX")));
    fitColumns();
    // a reset may change the columns (another dictionary, other user languages)
    connect(m_tableModel, &QAbstractItemModel::modelReset, this, &LookupView::fitColumns);
    connect(m_clearButton, &QToolButton::clicked, m_input, &QLineEdit::clear);
    connect(m_table, &QTableView::doubleClicked, this, &LookupView::itemDoubleClicked);
    connect(m_input, &QLineEdit::textChanged, this, &LookupView::inputChanged);
    connect(m_input, &QLineEdit::returnPressed, this, &LookupView::returnPressed);
    connect(m_readings, &QListWidget::itemClicked, this, &LookupView::readingChosen);
    // the current row's entry may change with the row or with the rows shown
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &LookupView::currentEntryChanged);
    connect(m_lookupModel, &QAbstractItemModel::modelReset, this, &LookupView::currentEntryChanged);
    connect(m_lookupModel, &QAbstractItemModel::layoutChanged, this, &LookupView::currentEntryChanged);
    connect(m_lookupModel, &QAbstractItemModel::rowsRemoved, this, &LookupView::currentEntryChanged);
    m_input->setFocus(Qt::OtherFocusReason);
    m_input->setKeyboardMapping(true);
    m_keyboard->setKeyHintsVisible(true);
    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::resetDone, this, &LookupView::storeReset);
        storeReset();
    }
}

void LookupView::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    QHeaderView *rows = m_table->verticalHeader();
    const int height = m_tableModel->rowHeight();
    if (rows->defaultSectionSize() != height || rows->minimumSectionSize() != height) {
        // every row changes height: the table is laid out once, where the
        // header would tell it of each of a million rows
        const QSignalBlocker quiet(rows);
        rows->setMinimumSectionSize(qMin(height, rows->minimumSectionSize()));
        rows->setDefaultSectionSize(height);
        rows->setMinimumSectionSize(height);
        m_table->doItemsLayout();
    }
    for (int column = 1; column < m_tableModel->columnCount(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void LookupView::storeReset()
{
    m_lookupModel->showAllRows();
    m_keyboard->setLanguage(m_dictionary->type(), false);
    m_input->clear();
    m_table->scrollToTop();
}

void LookupView::setUserLanguages(const QList<int> &languages)
{
    m_tableModel->setUserLanguages(languages);
}

void LookupView::showEntries(const QList<Entry> &entries)
{
    QSet<int> ids;
    for (const Entry &e : entries)
        ids.insert(e.id());
    m_lookupModel->setChosenEntries(ids);
    m_table->scrollToTop();
}

Entry LookupView::currentEntry() const
{
    const QModelIndex current = m_table->currentIndex();
    if (!m_dictionary || !current.isValid())
        return Entry(0);
    const int row = m_lookupModel->mapToSource(current).row();
    return row >= 0 && row < m_dictionary->count() ? m_dictionary->entryAt(row) : Entry(0);
}

void LookupView::inputChanged(const QString &pattern)
{
    showReadings({});
    if (pattern.isEmpty() || !m_dictionary)
        return;
    QColor color = Style::textColor();
    QModelIndex target;
    m_lookup->find(pattern, m_answer);
    if (m_answer.inWords && (m_answer.beginsWord() || !m_answer.inMeanings)) {
        m_lookupModel->showAllRows();
        target = m_lookupModel->mapFromSource(m_tableModel->index(m_answer.found.prefixPosition, 0));
        if (!m_answer.beginsWord())
            color = Style::notFoundColor();
        else if (m_answer.isWholeWord())
            color = Style::foundColor();
        showReadings(m_answer.readings);
    } else {
        m_lookupModel->setPattern(pattern);
        target = m_lookupModel->index(0, 0);
        const int rows = m_lookupModel->rowCount();
        if (rows == 0)
            color = Style::notFoundColor();
        else if (rows == 1)
            color = Style::foundColor();
    }
    if (target.isValid())
        m_table->scrollTo(target, QAbstractItemView::PositionAtTop);
    // the row found is the current one, the one Delete Word takes; a row
    // that merely stands nearest is not
    const bool found = m_lookupModel->showsAllRows() ? m_answer.beginsWord() : target.isValid();
    m_table->setCurrentIndex(found ? target : QModelIndex());
    Style::setTextColor(m_input, color);
}

void LookupView::showReadings(const QList<Lookup::Reading> &readings)
{
    m_readings->clear();
    for (const Lookup::Reading &reading : readings) {
        auto *item = new QListWidgetItem(reading.text, m_readings);
        item->setData(Qt::UserRole, reading.entryId);
    }
    m_readings->setVisible(!readings.isEmpty());
}

void LookupView::readingChosen(QListWidgetItem *item)
{
    const Entry e = m_dictionary ? m_dictionary->entryById(item->data(Qt::UserRole).toInt()) : Entry(0);
    if (e.id() != 0)
        emit editEntry(e);
}

// The entry the line points at: the word the table jumped to, the first
// reading of an inflected word, or the first row of a meaning.
void LookupView::returnPressed()
{
    if (!m_dictionary)
        return;
    if (m_lookupModel->showsAllRows() && !m_input->text().isEmpty()) {
        if (m_answer.beginsWord())
            emit editEntry(m_dictionary->entryAt(m_answer.found.prefixPosition));
        else if (m_readings->count() > 0)
            readingChosen(m_readings->item(0));
        return;
    }
    if (m_lookupModel->rowCount() > 0)
        emit editEntry(m_dictionary->entryAt(m_lookupModel->mapToSource(m_lookupModel->index(0, 0)).row()));
}

void LookupView::itemDoubleClicked(const QModelIndex &viewIndex)
{
    const int row = m_lookupModel->mapToSource(viewIndex).row();
    if (m_dictionary && row >= 0 && row < m_dictionary->count())
        emit editEntry(m_dictionary->entryAt(row));
}

void LookupView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_input->setFocus(Qt::OtherFocusReason);
}

void LookupView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitKeyboard();
}

void LookupView::fitKeyboard()
{
    if (m_keyboard->isHidden())
        return;
    const int rows = m_table->verticalHeader()->defaultSectionSize() * ShownRows
        + m_table->horizontalHeader()->sizeHint().height() + 2 * m_table->frameWidth();
    // the line, the readings, margins and spacing, as laid out now
    const int others = height() - m_table->height() - m_keyboard->height();
    m_keyboard->setMaximumHeight(qMax(m_keyboard->minimumSizeHint().height(), height() - others - rows));
}

void LookupView::scrollBy(int rows)
{
    QScrollBar *bar = m_table->verticalScrollBar();
    bar->setValue(bar->value() + rows);
}

void LookupView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: m_input->clear(); break;
    case Qt::Key_Up: scrollBy(-1); break;
    case Qt::Key_Down: scrollBy(1); break;
    case Qt::Key_PageUp: scrollBy(-10); break;
    case Qt::Key_PageDown: scrollBy(10); break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}
