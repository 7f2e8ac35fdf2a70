#pragma once

#include "lang/lookup.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <memory>

class Dictionary;
class DictionaryModel;
class Entry;
class LookupModel;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTableView;
class QToolButton;
class KeyboardToggleButton;
class KeyMappingButton;
class KeyMappingLineEdit;
class SoftKeyboard;

// The lookup page: one input line for both directions, looked up as Lookup
// says. A word jumps to the first entry whose key begins with it (green when
// the key is complete, red when none begins with it, and then the readings
// of an inflected word below the line); a meaning filters the table to the
// entries whose meanings contain it. Return, a double click or a click on a
// reading hands the chosen entry on for editing. Beside the line: which
// letters the keys type, and the keyboard shown or hidden.
class LookupView : public QWidget
{
    Q_OBJECT

public:
    LookupView(const QString &iconPath, Dictionary *dictionary, QWidget *parent = nullptr);

    // The rows the table keeps in view before the keyboard takes more
    // than its least room.
    static constexpr int ShownRows = 12;

    void setUserLanguages(const QList<int> &languages);
    // Shows just these entries (typing again returns to the normal lookup).
    void showEntries(const QList<Entry> &entries);
    // The entry of the table's current row; id 0 when no row is current.
    Entry currentEntry() const;

signals:
    void editEntry(const Entry &entry);
    // Another row became current, or none is.
    void currentEntryChanged();

public slots:
    void inputChanged(const QString &pattern);
    void returnPressed();
    void itemDoubleClicked(const QModelIndex &viewIndex);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Another dictionary in the store, or none: the table shows all of it
    // again and the keyboard follows its language.
    void storeReset();
    void keyPressEvent(QKeyEvent *event) override;

    void fitColumns();
    // A page too low for the table's rows and the keyboard at its best
    // size: the keyboard shrinks first.
    void fitKeyboard();
    void showReadings(const QList<Lookup::Reading> &readings);
    void readingChosen(QListWidgetItem *item);
    void scrollBy(int rows);

    Dictionary *m_dictionary;
    std::unique_ptr<Lookup::Source> m_source;
    std::unique_ptr<Lookup> m_lookup;
    Lookup::Answer m_answer;
    DictionaryModel *m_tableModel;
    LookupModel *m_lookupModel;
    SoftKeyboard *m_keyboard;
    QTableView *m_table;
    KeyMappingLineEdit *m_input;
    QListWidget *m_readings;
    QToolButton *m_clearButton;
    KeyMappingButton *m_mappingButton;
    KeyboardToggleButton *m_keyboardButton;
};
