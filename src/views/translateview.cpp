#include "translateview.h"

#include "input/style.h"

#include "dict/dictionary.h"
#include "input/softkeyboard.h"
#include "lang/hebrewtext.h"
#include "lang/phrasetranslator.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

TranslateView::TranslateView(const QString &iconPath, const English *english, Dictionary *dictionary, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_english(english)
    , m_input(new QTextEdit)
    , m_output(new QTextEdit)
    , m_translateButton(new QPushButton(QIcon(iconPath + QStringLiteral("forward.svg")), tr("Translate")))
    , m_clearButton(new QPushButton(QIcon(iconPath + QStringLiteral("editclear.svg")), tr("Clear")))
    , m_lookupButton(new QPushButton(QIcon(iconPath + QStringLiteral("find.svg")), tr("Lookup / Learn")))
    , m_keyboardButton(new QPushButton(QIcon(iconPath + QStringLiteral("keyboard.svg")), tr("Keyboard")))
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, false))
{
    setFont(Style::pageFont());
    m_input->setObjectName(QStringLiteral("translateInput"));
    m_output->setObjectName(QStringLiteral("translateOutput"));
    m_translateButton->setObjectName(QStringLiteral("translateButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_lookupButton->setObjectName(QStringLiteral("lookupButton"));
    m_keyboardButton->setObjectName(QStringLiteral("keyboardButton"));
    m_keyboard->setObjectName(QStringLiteral("translateKeyboard"));

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_input);
    splitter->addWidget(m_output);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_clearButton, m_translateButton, m_lookupButton, m_keyboardButton})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 99);
    layout->addLayout(buttons);
    layout->addWidget(m_keyboard);
    m_keyboard->hide();

    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::contentsChanged, this, [this] { m_translator.reset(); });
        connect(m_dictionary, &Dictionary::resetDone, this, &TranslateView::storeReset);
        storeReset();
    }
    connect(m_clearButton, &QPushButton::clicked, this, &TranslateView::clearInput);
    connect(m_translateButton, &QPushButton::clicked, this, &TranslateView::translate);
    connect(m_lookupButton, &QPushButton::clicked, this, &TranslateView::learnSelection);
    connect(m_keyboardButton, &QPushButton::clicked, this, &TranslateView::toggleKeyboard);
}

TranslateView::~TranslateView() = default;

void TranslateView::storeReset()
{
    m_keyboard->setLanguage(m_dictionary->type(), false);
    m_input->clear();
    m_output->clear();
}

const PhraseTranslator &TranslateView::translator()
{
    if (!m_translator) {
        m_translator = std::make_unique<PhraseTranslator>(m_dictionary, m_english);
        ++m_indexBuilds;
    }
    return *m_translator;
}

void TranslateView::translate()
{
    const int scroll = m_output->verticalScrollBar()->value();
    m_output->setPlainText(translator().translateText(m_input->toPlainText()));
    m_output->verticalScrollBar()->setValue(scroll);
}

void TranslateView::clearInput()
{
    m_input->clear();
    m_output->clear();
    m_input->setFocus(Qt::OtherFocusReason);
}

void TranslateView::learnSelection()
{
    QString word = m_input->textCursor().selectedText();
    if (word.isEmpty())
        word = m_output->textCursor().selectedText();
    if (!word.isEmpty())
        learnWord(word);
}

void TranslateView::learnWord(const QString &word)
{
    if (!m_dictionary)
        return;
    if (!anyHebrewChar(word)) {
        emit showEntries(m_dictionary->findByMeaning(word, 20));
        return;
    }
    QList<Entry> entries = m_dictionary->findExact(word, 20);
    if (entries.isEmpty()) {
        for (int id : translator().entriesOfWord(word))
            entries.append(m_dictionary->entryById(id));
    }
    if (entries.size() > 1)
        emit showEntries(entries);
    else
        emit editEntry(entries.isEmpty() ? Entry(word, QString(), 0) : entries.first());
}

void TranslateView::toggleKeyboard()
{
    m_keyboard->setVisible(m_keyboard->isHidden());
}
