#pragma once

#include <QDialog>

class DictionaryList;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "New Dictionary": name, language code, file name, description and the
// first user language of an empty dictionary. It offers the languages the
// program has letters, a keyboard and labels for (another code of one of
// them is taken as its code), suggests a file name from the name and the
// first user language from the program's own. It never overwrites:
// "Create" stays disabled, with the reason shown, while the name is blank or
// taken or the file name is not a plain new ".dic" name; the file is written
// before the list gets its record.
class DictionaryWizard : public QDialog
{
    Q_OBJECT

public:
    DictionaryWizard(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);

    // The reason "Create" is disabled, empty when the input is good.
    QString problem() const;

public slots:
    void changed();
    void createLanguage();

private:
    DictionaryList *m_dictionaryList;
    QString m_dataDirectory;
    QLineEdit *m_nameEdit;
    QComboBox *m_codeBox;
    QLineEdit *m_fileEdit;
    QLineEdit *m_descriptionEdit;
    QComboBox *m_userLanguageBox;
    QLabel *m_reason;
    QPushButton *m_createButton;
    QStringList m_codes;
    // the user typed a file name: the name no longer suggests one
    bool m_fileEdited = false;
};
