#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class Dictionary;
class DictionaryModel;
class Entry;
class LookupModel;
class QModelIndex;
class QTableView;
class QToolButton;
class KeyMappingLineEdit;
class SoftKeyboard;

// The lookup page: one input line for both directions. Text with a letter
// of the dictionary's language jumps to the first entry whose search key
// begins with it (green when the key is complete, red when none begins with
// it); any other text filters the table to the meanings that contain it.
// Return or a double click hands the chosen entry on for editing.
class LookupView : public QWidget
{
    Q_OBJECT

public:
    LookupView(const QString &iconPath, Dictionary *dictionary, QWidget *parent = nullptr);

    void setUserLanguages(const QList<int> &languages);
    // Shows just these entries (typing again returns to the normal lookup).
    void showEntries(const QList<Entry> &entries);

signals:
    void editEntry(const Entry &entry);

public slots:
    void inputChanged(const QString &pattern);
    void returnPressed();
    void itemDoubleClicked(const QModelIndex &viewIndex);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Another dictionary in the store, or none: the table shows all of it
    // again and the keyboard follows its language.
    void storeReset();
    void keyPressEvent(QKeyEvent *event) override;

    void fitColumns();
    bool isForeignText(const QString &text) const;
    int findForeign(const QString &pattern, int &matchLength, QString &text) const;
    void scrollBy(int rows);

    Dictionary *m_dictionary;
    DictionaryModel *m_tableModel;
    LookupModel *m_lookupModel;
    SoftKeyboard *m_keyboard;
    QTableView *m_table;
    KeyMappingLineEdit *m_input;
    QToolButton *m_clearButton;
};
