#include "translateview.h"

#include "style.h"

#include "dict/dictionary.h"
#include "input/softkeyboard.h"
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

    if (m_dictionary)
        connect(m_dictionary, &Dictionary::contentsChanged, this, [this] { m_translator.reset(); });
    connect(m_clearButton, &QPushButton::clicked, this, &TranslateView::clearInput);
    connect(m_translateButton, &QPushButton::clicked, this, &TranslateView::translate);
    connect(m_lookupButton, &QPushButton::clicked, this, qOverload<>(&TranslateView::learnWord));
    connect(m_keyboardButton, &QPushButton::clicked, this, &TranslateView::toggleKeyboard);
}

TranslateView::~TranslateView() = default;

void TranslateView::dictionaryChanged(const QString &type, const QString &name)
{
    Q_UNUSED(name);
    m_keyboard->setLanguage(type, false);
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

QList<int> TranslateView::entriesOfWord(const QString &word)
{
    return translator().entriesOfWord(word);
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

void TranslateView::learnWord()
{
    QString word = m_input->textCursor().selectedText();
    if (word.isEmpty())
        word = m_output->textCursor().selectedText();
    if (!word.isEmpty())
        emit learnWord(word);
}

void TranslateView::toggleKeyboard()
{
    m_keyboard->setVisible(m_keyboard->isHidden());
}
