#pragma once

#include "model/entry.h"

#include <QStringList>
#include <QWidget>

class Dictionary;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class KeyMappingLineEdit;
class SoftKeyboard;

// The entry editor: the foreign word, the word type with gender and number
// (nouns, adjectives) or transitivity (verbs), one extra text (plural or
// infinitive), up to four translations, the "incomplete" and "name" marks
// and the learn counters. It shows an Entry and builds a new one from the
// form on request; Return walks from field to field and, in the last used
// translation, reports the entry as done.
class EntryEditor : public QWidget
{
    Q_OBJECT

public:
    explicit EntryEditor(Dictionary *dictionary, QWidget *parent = nullptr);

    void setEntry(const Entry &entry);
    void newEntry();
    // Shows the entry again as it was before the user's edits.
    void revert() { setEntry(m_current); }
    void clearFields();
    // The entry as the form describes it, under the id of the entry shown.
    Entry entry() const;
    // The user changed a field since the entry was shown; a new entry's
    // form with nothing typed in it (typed and erased) holds nothing to store.
    bool hasUnstoredChanges() const;

    // The gender and number choice of flags in a list of four items (male,
    // female, male pl., fem. pl.) or six (with neuter: no gender bit).
    static int genderIndex(quint32 flags, bool withNeuter);
    static quint32 genderFlags(int index, bool withNeuter);

signals:
    void wordEdited(const QString &word);
    void doneEnter(const QString &word);
    // The learner marked a stored entry for the trainer, or unmarked it.
    void learnCountersChosen(int id, qint8 forward, qint8 backward);

public slots:
    void returnBottom();
    void wordTypeChanged(int type);
    void editLearn();
    void clickedMore();

private:
    // Another dictionary in the store, or none: its languages, its keyboard,
    // an empty form.
    void storeReset();
    void updateLanguageRows();
    void markEdited() { m_edited = true; }
    void updateLearnButton();
    bool hasNeuter() const;
    QStringList genderNames() const;

    Dictionary *m_dictionary;
    Entry m_current;
    bool m_edited = false;
    SoftKeyboard *m_keyboard;
    KeyMappingLineEdit *m_wordEdit;
    QComboBox *m_typeCombo;
    QComboBox *m_subCombo;
    QCheckBox *m_incompleteBox;
    QCheckBox *m_nameBox;
    QPushButton *m_moreButton;
    QPushButton *m_learnButton;
    QLabel *m_wordLabel;
    QLabel *m_extraLabel;
    quint32 m_extraKey = 0;
    KeyMappingLineEdit *m_extraEdit;
    QLabel *m_translationLabels[4];
    QLineEdit *m_translationEdits[4];
    QStringList m_verbKinds;
};
