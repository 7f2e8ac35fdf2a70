#pragma once

#include <QDialog>
#include <QStringList>

class DictionaryList;
class DictionaryTable;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Dictionary Manager": the local dictionaries with their files' size and
// date, the user languages of the selected one (written when another row is
// selected or the manager closes; languages can only be appended, each
// once), deleting a dictionary (its file kept as FILE.bak) and creating one
// with the wizard.
class DictionaryManager : public QDialog
{
    Q_OBJECT

public:
    DictionaryManager(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);

public slots:
    void done(int result) override;
    void dictNew();
    void dictDelete();
    void tableCellChanged(int row, int column, int oldRow, int oldColumn);
    void updateUserLanguages(int row);

private:
    QStringList selectedLanguages() const;
    void showRowLanguages(int row);
    void showNote(const QString &text);

    DictionaryList *m_dictionaryList;
    QString m_dataDirectory;
    DictionaryTable *m_table;
    QGroupBox *m_settingsBox;
    QComboBox *m_userLanguageBoxes[4];
    QLabel *m_note;
    QStringList m_codes;
};
