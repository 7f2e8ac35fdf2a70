#include "trainer.h"

#include "prompt.h"
#include "input/style.h"
#include "viewslog.h"

#include "model/dictionary.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"
#include "lang/languageinfo.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

Trainer::Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_drill(dictionary, random)
    , m_resetButton(new QPushButton(QIcon(iconPath + QStringLiteral("player_start.svg")), tr("Reset")))
    , m_randomButton(new QPushButton(QIcon(iconPath + QStringLiteral("random.svg")), tr("Random")))
    , m_countLabel(new QLabel)
    , m_questionLabel(new QLabel(tr("DictLang:")))
    , m_answerLabel(new QLabel(tr("UserLang:")))
    , m_questionEdit(new QLineEdit)
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, true))
    , m_answerEdit(new KeyMappingLineEdit(false, m_keyboard))
{
    setFont(Style::pageFont());
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_randomButton->setObjectName(QStringLiteral("randomButton"));
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_questionLabel->setObjectName(QStringLiteral("questionLabel"));
    m_answerLabel->setObjectName(QStringLiteral("answerLabel"));
    m_questionEdit->setObjectName(QStringLiteral("questionEdit"));
    m_answerEdit->setObjectName(QStringLiteral("answerEdit"));
    m_keyboard->setObjectName(QStringLiteral("trainerKeyboard"));

    const QFont small = Style::smallFont();
    auto *top = new QHBoxLayout;
    for (QPushButton *button : {m_resetButton, m_randomButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(small);
        top->addWidget(button);
    }
    top->addStretch();
    m_countLabel->setFont(small);
    m_countLabel->setToolTip(tr("How well this word is known: H->E when the foreign word is asked, E->H when its "
                                "meaning is asked (right answers raise it, -1: never asked)"));
    top->addWidget(m_countLabel);
    m_questionEdit->setReadOnly(true);
    m_questionEdit->setFixedHeight(48);
    m_answerEdit->setFixedHeight(48);
    auto *grid = new QGridLayout;
    grid->addWidget(m_questionLabel, 0, 0);
    grid->addWidget(m_questionEdit, 0, 1);
    grid->addWidget(m_answerLabel, 1, 0);
    grid->addWidget(m_answerEdit, 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_keyboard);
    layout->addStretch();

    connect(m_resetButton, &QPushButton::clicked, this, &Trainer::resetWordList);
    connect(m_randomButton, &QPushButton::clicked, this, &Trainer::setRandomMode);
    connect(m_answerEdit, &QLineEdit::returnPressed, this, &Trainer::inputFinished);
    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::resetDone, this, &Trainer::storeReset);
        storeReset();
    }
}

void Trainer::storeReset()
{
    setDirectionLabels(true);
    m_keyboard->setLanguage(m_dictionary->type(), true);
    m_questionEdit->clear();
    m_answerEdit->clear();
    m_drill.clear();
}

void Trainer::setUserLanguage(int index)
{
    m_drill.setUserLanguage(index);
    if (m_drill.hasQuestion()) {
        m_drill.rephrase();
        showQuestion();
    } else {
        setDirectionLabels(true);
    }
}

void Trainer::resetWordList()
{
    qCDebug(lcViews) << "drill, weakest first";
    start(Drill::Order::WeakestFirst);
}

void Trainer::setRandomMode()
{
    qCDebug(lcViews) << "drill, random order";
    start(Drill::Order::Random);
}

void Trainer::start(Drill::Order order)
{
    const bool any = m_drill.start(order);
    m_countLabel->setText(tr("%1 words.").arg(m_drill.wordList().size()));
    if (!any || !m_drill.next()) {
        tellHowToMark();
        return;
    }
    showQuestion();
}

void Trainer::tellHowToMark()
{
    Prompt::inform(this, tr("No Words to Learn"),
        tr("No word of this dictionary is marked for learning yet. Open a word on the Edit page and press "
           "\"Learn...\" to mark it."));
}

void Trainer::showQuestion()
{
    const Drill::Question &question = m_drill.question();
    m_questionEdit->setText(question.text);
    setDirectionLabels(question.direction == Direction::Forward);
    Style::setTextColor(m_answerEdit, Style::textColor());
    m_answerEdit->clear();
    m_answerEdit->setFocus(Qt::OtherFocusReason);
    m_answered = false;
    m_countLabel->setText(tr("%1 words, H->E: %2, E->H: %3")
                              .arg(m_drill.wordList().size())
                              .arg(question.entry.learnedForward())
                              .arg(question.entry.learnedBackward()));
}

void Trainer::setDirectionLabels(bool foreignShown)
{
    const QString foreign = (m_dictionary ? m_dictionary->name() : QString()) + u':';
    const QString user = (m_dictionary ? LanguageInfo::userLanguageName(
                              m_dictionary->userLanguageCodes().value(m_drill.userLanguage()))
                                       : QString())
        + u':';
    m_questionLabel->setText(foreignShown ? foreign : user);
    m_answerLabel->setText(foreignShown ? user : foreign);
    m_answerEdit->setKeyboardMapping(!foreignShown);
    m_keyboard->setKeyHintsVisible(!foreignShown);
}

void Trainer::showAnswer()
{
    const Drill::Question question = m_drill.question();
    const Drill::Result result = m_drill.answer(m_answerEdit->text());
    if (question.direction == Direction::Forward)
        m_questionEdit->setText(question.entry.word());
    m_answerEdit->setText(result.expected);
    Style::setTextColor(m_answerEdit, result.correct ? Style::foundColor() : Style::notFoundColor());
    m_answered = true;
}

void Trainer::inputFinished()
{
    if (!m_drill.hasQuestion())
        return; // nothing asked yet
    if (!m_answered) {
        showAnswer();
        return;
    }
    if (m_drill.next()) {
        showQuestion();
        return;
    }
    Prompt::inform(this, tr("No more words"),
        tr("No more words in the list.") + u'\n' + tr("%1 asked, %2 right").arg(m_drill.asked()).arg(m_drill.right()));
}
