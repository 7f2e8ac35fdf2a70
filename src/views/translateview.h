#pragma once

#include "model/entry.h"
#include "lang/phrasetranslator.h"

#include <QList>
#include <QWidget>

#include <memory>

class Dictionary;
class English;
class KeyboardToggleButton;
class QPushButton;
class QTextEdit;
class SoftKeyboard;

// The translate page: Hebrew text on the left, its word-by-word gloss on
// the right, interlinear: each word with its gloss under it, how the entry
// is said where the word is written in the entry's own form, and its other
// readings under that, in the text's right-to-left order, a phrase's gloss
// under all its words; the rows wrap at the width of the page. The form index behind the gloss is built on the first
// translation and kept while the store is unchanged; any change the store
// announces (an entry stored, deleted or replaced, another dictionary)
// drops it, so a translation always sees the store as it is.
class TranslateView : public QWidget
{
    Q_OBJECT

public:
    TranslateView(const QString &iconPath, const English *english, Dictionary *dictionary, QWidget *parent = nullptr);
    ~TranslateView() override;

    // How often the form index was built, for tests.
    int indexBuilds() const { return m_indexBuilds; }

signals:
    // A word to learn names this entry (a new one, with id 0, when it
    // names none): for the editor.
    void editEntry(const Entry &entry);
    // It may name several: for the lookup page.
    void showEntries(const QList<Entry> &entries);

public slots:
    void translate();
    void clearInput();
    // Learns the selected text (of the input first, else of the gloss).
    void learnSelection();
    // A word without Hebrew letters is looked up by meaning; a Hebrew word
    // names the entries of exactly that word, else those the gloss reads
    // it as (prefixed and inflected forms).
    void learnWord(const QString &word);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const PhraseTranslator &translator();
    // Lays the last gloss out for the output's width.
    void showGloss();
    int glossWidth() const;
    // Another dictionary, or none: its keyboard, an empty page.
    void storeReset();

    Dictionary *m_dictionary;
    const English *m_english;
    QTextEdit *m_input;
    QTextEdit *m_output;
    QPushButton *m_translateButton;
    QPushButton *m_clearButton;
    QPushButton *m_lookupButton;
    SoftKeyboard *m_keyboard;
    KeyboardToggleButton *m_keyboardButton;
    std::unique_ptr<PhraseTranslator> m_translator;
    QList<QList<GlossedWord>> m_gloss;
    int m_glossWidth = 0;
    int m_indexBuilds = 0;
};
