#pragma once

#include <QWidget>

#include <memory>

class Dictionary;
class English;
class PhraseTranslator;
class QPushButton;
class QTextEdit;
class SoftKeyboard;

// The translate page: Hebrew text on the left, its word-by-word gloss on
// the right. The form index behind the gloss is built on the first
// translation and kept while the store is unchanged; any change the store
// announces (an entry stored, deleted or replaced, another dictionary)
// drops it, so a translation always sees the store as it is.
class TranslateView : public QWidget
{
    Q_OBJECT

public:
    TranslateView(const QString &iconPath, const English *english, Dictionary *dictionary, QWidget *parent = nullptr);
    ~TranslateView() override;

    void dictionaryChanged(const QString &type, const QString &name);
    // How often the form index was built, for tests.
    int indexBuilds() const { return m_indexBuilds; }
    // The entries an inflected or prefixed word belongs to, as the gloss
    // reads it.
    QList<int> entriesOfWord(const QString &word);

signals:
    void learnWord(const QString &word);

public slots:
    void translate();
    void clearInput();
    // Hands the selected text (input first, else output) on to learnWord.
    void learnWord();
    void toggleKeyboard();

private:
    const PhraseTranslator &translator();

    Dictionary *m_dictionary;
    const English *m_english;
    QTextEdit *m_input;
    QTextEdit *m_output;
    QPushButton *m_translateButton;
    QPushButton *m_clearButton;
    QPushButton *m_lookupButton;
    QPushButton *m_keyboardButton;
    SoftKeyboard *m_keyboard;
    std::unique_ptr<PhraseTranslator> m_translator;
    int m_indexBuilds = 0;
};
