#include "trainer.h"

#include "progressdialog.h"
#include "prompt.h"
#include "input/style.h"
#include "viewslog.h"

#include "model/dictionary.h"
#include "input/keyboardtogglebutton.h"
#include "input/keymappingbutton.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"
#include "lang/languageinfo.h"
#include "train/schedulequeries.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>

namespace {

const QString RetentionKey = QStringLiteral("trainer/retention");
const QString NewPerDayKey = QStringLiteral("trainer/newPerDay");

QString counterWords(qint8 counter, bool askedWay)
{
    if (counter < 0)
        return askedWay ? Trainer::tr("never asked this way") : Trainer::tr("never asked the other way");
    return askedWay ? Trainer::tr("right %n times this way", nullptr, counter)
                    : Trainer::tr("%n times the other way", nullptr, counter);
}

} // namespace

Trainer::Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_drill(dictionary, random, &m_history)
    , m_clock([] { return QDateTime::currentSecsSinceEpoch(); })
    , m_dueButton(new QPushButton(QIcon(iconPath + QStringLiteral("forward.svg")), tr("Due")))
    , m_resetButton(new QPushButton(QIcon(iconPath + QStringLiteral("player_start.svg")), tr("Reset")))
    , m_randomButton(new QPushButton(QIcon(iconPath + QStringLiteral("random.svg")), tr("Random")))
    , m_progressButton(new QPushButton(tr("Progress...")))
    , m_dueLabel(new QLabel)
    , m_countLabel(new QLabel)
    , m_questionLabel(new QLabel(tr("DictLang:")))
    , m_answerLabel(new QLabel(tr("UserLang:")))
    , m_questionEdit(new QLineEdit)
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, true))
    , m_answerEdit(new KeyMappingLineEdit(false, m_keyboard))
    , m_typedLabel(new QLabel)
    , m_feedbackLabel(new QLabel)
    , m_rightButton(new QPushButton(tr("I was &right")))
    , m_wrongButton(new QPushButton(tr("I was &wrong")))
    , m_easyButton(new QPushButton(tr("Eas&y")))
{
    setFont(Style::pageFont());
    m_dueButton->setObjectName(QStringLiteral("dueButton"));
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_randomButton->setObjectName(QStringLiteral("randomButton"));
    m_progressButton->setObjectName(QStringLiteral("progressButton"));
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_questionLabel->setObjectName(QStringLiteral("questionLabel"));
    m_answerLabel->setObjectName(QStringLiteral("answerLabel"));
    m_questionEdit->setObjectName(QStringLiteral("questionEdit"));
    m_answerEdit->setObjectName(QStringLiteral("answerEdit"));
    m_keyboard->setObjectName(QStringLiteral("trainerKeyboard"));
    m_typedLabel->setObjectName(QStringLiteral("typedLabel"));
    m_feedbackLabel->setObjectName(QStringLiteral("feedbackLabel"));
    m_rightButton->setObjectName(QStringLiteral("rightButton"));
    m_wrongButton->setObjectName(QStringLiteral("wrongButton"));
    m_easyButton->setObjectName(QStringLiteral("easyButton"));

    const QFont small = Style::smallFont();
    auto *top = new QHBoxLayout;
    m_dueButton->setToolTip(tr("The words due for review, then today's new words"));
    m_resetButton->setToolTip(tr("Every word to learn, the least known first"));
    m_randomButton->setToolTip(tr("Every word to learn, in any order"));
    for (QPushButton *button : {m_dueButton, m_resetButton, m_randomButton, m_progressButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(small);
        top->addWidget(button);
    }
    top->addStretch();
    m_dueLabel->setFont(small);
    top->addWidget(m_dueLabel);
    m_countLabel->setFont(small);
    m_countLabel->setToolTip(tr("How often this word was answered right, the way it is asked now and the other way "
                                "(a wrong answer takes some of it back)"));
    m_questionEdit->setReadOnly(true);
    m_questionEdit->setFixedHeight(48);
    m_answerEdit->setFixedHeight(48);
    m_typedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_feedbackLabel->setWordWrap(true);
    auto *grid = new QGridLayout;
    grid->addWidget(m_questionLabel, 0, 0);
    grid->addWidget(m_questionEdit, 0, 1);
    grid->addWidget(m_answerLabel, 1, 0);
    grid->addWidget(m_answerEdit, 1, 1);
    grid->addWidget(new KeyMappingButton(m_answerEdit), 1, 2);
    grid->addWidget(new KeyboardToggleButton(m_keyboard), 1, 3);
    grid->addWidget(m_typedLabel, 2, 1);
    auto *corrections = new QHBoxLayout;
    corrections->addWidget(m_feedbackLabel, 1);
    for (QPushButton *button : {m_rightButton, m_wrongButton, m_easyButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(small);
        corrections->addWidget(button);
    }
    m_rightButton->setToolTip(tr("The answer was right after all: it counts as known"));
    m_wrongButton->setToolTip(tr("The answer was not really known: the word comes back sooner"));
    m_easyButton->setToolTip(tr("The answer came at once: the word comes back later"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_countLabel);
    layout->addLayout(grid);
    layout->addLayout(corrections);
    layout->addStretch();
    layout->addWidget(m_keyboard);
    layout->addStretch();

    connect(m_dueButton, &QPushButton::clicked, this, &Trainer::startDue);
    connect(m_resetButton, &QPushButton::clicked, this, &Trainer::resetWordList);
    connect(m_randomButton, &QPushButton::clicked, this, &Trainer::setRandomMode);
    connect(m_progressButton, &QPushButton::clicked, this, &Trainer::showProgress);
    connect(m_answerEdit, &QLineEdit::returnPressed, this, &Trainer::inputFinished);
    connect(m_rightButton, &QPushButton::clicked, this, [this] { correctLast(Review::Good); });
    connect(m_wrongButton, &QPushButton::clicked, this, [this] { correctLast(Review::Again); });
    connect(m_easyButton, &QPushButton::clicked, this, [this] { correctLast(Review::Easy); });
    m_history.open(QString(), scheduleOptions());
    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::resetDone, this, &Trainer::storeReset);
        storeReset();
    }
}

ReviewSchedule::Options Trainer::scheduleOptions() const
{
    ReviewSchedule::Options options;
    options.desiredRetention = QSettings().value(RetentionKey, options.desiredRetention).toDouble();
    // the learner's days begin at local midnight
    options.utcOffset = QDateTime::fromSecsSinceEpoch(m_clock()).offsetFromUtc();
    return options;
}

void Trainer::setClock(std::function<qint64()> clock)
{
    m_clock = clock;
    m_drill.setClock(std::move(clock));
}

void Trainer::openHistory(const QString &dictionaryPath)
{
    m_drill.clear();
    m_answered = false;
    if (!m_history.open(dictionaryPath, scheduleOptions()))
        Prompt::warn(this, tr("Training History"),
            tr("The training history cannot be read, so answers are not kept this time: %1")
                .arg(m_history.errorString()));
    updateDueCounts();
    if (isVisible())
        start(Drill::Order::Due, true);
}

void Trainer::storeReset()
{
    setDirectionLabels(true);
    m_keyboard->setLanguage(m_dictionary->type(), true);
    m_questionEdit->clear();
    m_answerEdit->clear();
    m_typedLabel->clear();
    m_feedbackLabel->clear();
    m_drill.clear();
    m_answered = false;
    updateCorrectionButtons();
    updateDueCounts();
}

// Due is where the page begins: shown with nothing asked, it starts.
void Trainer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_drill.hasQuestion() && isEnabled())
        start(Drill::Order::Due, true);
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

void Trainer::startDue()
{
    qCDebug(lcViews) << "drill, due first";
    start(Drill::Order::Due, false);
}

void Trainer::resetWordList()
{
    qCDebug(lcViews) << "drill, weakest first";
    start(Drill::Order::WeakestFirst, false);
}

void Trainer::setRandomMode()
{
    qCDebug(lcViews) << "drill, random order";
    start(Drill::Order::Random, false);
}

// quiet: started by the page itself, which says in its lines when there
// is nothing to ask rather than in a message box
void Trainer::start(Drill::Order order, bool quiet)
{
    m_drill.setNewPerDay(QSettings().value(NewPerDayKey, Drill::DefaultNewPerDay).toInt());
    const bool any = m_drill.start(order);
    m_typedLabel->clear();
    m_feedbackLabel->clear();
    m_answered = false;
    updateCorrectionButtons();
    updateDueCounts();
    if (any && m_drill.next()) {
        showQuestion();
        return;
    }
    m_questionEdit->clear();
    m_answerEdit->clear();
    m_countLabel->clear();
    const bool marked = m_dictionary && !m_dictionary->learnedIds().isEmpty();
    if (order == Drill::Order::Due && marked)
        m_feedbackLabel->setText(tr("Nothing is due now. \"Reset\" or \"Random\" asks every word to learn."));
    else if (quiet)
        m_feedbackLabel->setText(tr("No word is marked for learning yet."));
    else
        tellHowToMark();
}

void Trainer::tellHowToMark()
{
    Prompt::inform(this, tr("No Words to Learn"),
        tr("No word of this dictionary is marked for learning yet. Open a word on the Edit page and press "
           "\"Learn...\" to mark it."));
}

QString Trainer::counterText() const
{
    const Drill::Question &question = m_drill.question();
    const bool forward = question.direction == Direction::Forward;
    const qint8 asked = forward ? question.entry.learnedForward() : question.entry.learnedBackward();
    const qint8 other = forward ? question.entry.learnedBackward() : question.entry.learnedForward();
    return tr("%n questions to go", nullptr, m_drill.remaining()) + QStringLiteral(" · ") + counterWords(asked, true)
        + QStringLiteral(", ") + counterWords(other, false);
}

void Trainer::showQuestion()
{
    const Drill::Question &question = m_drill.question();
    m_questionEdit->setText(question.text);
    setDirectionLabels(question.direction == Direction::Forward);
    Style::setTextColor(m_answerEdit, Style::textColor());
    m_answerEdit->clear();
    m_answerEdit->setReadOnly(false);
    m_answerEdit->setFocus(Qt::OtherFocusReason);
    m_typedLabel->clear();
    m_feedbackLabel->clear();
    m_answered = false;
    updateCorrectionButtons();
    m_countLabel->setText(counterText());
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
    if (result.tryAgain) {
        // what was typed stays, to be put right
        m_feedbackLabel->setText(tr("Almost: one letter is off. Try once more."));
        m_answerEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (question.direction == Direction::Forward)
        m_questionEdit->setText(question.entry.word());
    m_answerEdit->setText(result.expected);
    m_answerEdit->setReadOnly(true);
    m_typedLabel->setText(
        tr("You typed: %1").arg(result.typed.trimmed().isEmpty() ? tr("(nothing)") : result.typed.trimmed()));
    m_answered = true;
    showRated(result);
}

// The verdict, the colour and what the schedule made of it, after an
// answer or its correction.
void Trainer::showRated(const Drill::Result &result)
{
    Style::setTextColor(m_answerEdit, result.correct ? Style::foundColor() : Style::notFoundColor());
    QString text;
    if (result.rating == Review::Easy)
        text = tr("Right, and easy.");
    else if (result.rating == Review::Good)
        text = tr("Right.");
    else if (result.rating == Review::Hard)
        text = result.verdict == Drill::Verdict::Right ? tr("Right at the second try.")
                                                       : tr("Almost right: one letter is off.");
    else
        text = tr("Wrong.");
    if (!result.counted)
        text += u' ' + tr("Practice: this word was reviewed this way today already.");
    else if (result.interval > 0)
        text += u' ' + tr("Next review in %n days.", nullptr, result.interval);
    if (!result.logError.isEmpty())
        text += u' ' + tr("The answer could not be written to the training history: %1").arg(result.logError);
    m_feedbackLabel->setText(text);
    m_countLabel->setText(counterText());
    updateCorrectionButtons();
    updateDueCounts();
}

void Trainer::correctLast(quint8 rating)
{
    if (!m_answered || !m_drill.correct(rating))
        return;
    qCDebug(lcViews) << "the last answer corrected to" << rating;
    showRated(m_drill.lastResult());
}

void Trainer::updateCorrectionButtons()
{
    const bool can = m_answered && m_drill.canCorrect();
    const quint8 rating = m_drill.lastResult().rating;
    m_rightButton->setEnabled(can && rating < Review::Good);
    m_wrongButton->setEnabled(can && rating != Review::Again);
    m_easyButton->setEnabled(can && rating != Review::Easy);
}

void Trainer::updateDueCounts()
{
    if (!m_dictionary) {
        m_dueLabel->clear();
        return;
    }
    const QList<int> marked = m_dictionary->learnedIds();
    const QSet<int> markedSet(marked.cbegin(), marked.cend());
    const ScheduleQueries::DueCounts counts = ScheduleQueries::dueCounts(
        m_history.schedule(), m_clock(), [&markedSet](const CardKey &key) { return markedSet.contains(key.entryId); });
    m_dueLabel->setText(
        tr("Due now: %1, today: %2, tomorrow: %3").arg(counts.now).arg(counts.today).arg(counts.tomorrow));
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

void Trainer::showProgress()
{
    const int newPerDay = QSettings().value(NewPerDayKey, Drill::DefaultNewPerDay).toInt();
    ProgressDialog dialog(
        m_history.schedule(), m_dictionary ? m_dictionary->learnedIds() : QList<int>(), m_clock(), newPerDay, this);
    if (Prompt::runDialog(&dialog) != QDialog::Accepted)
        return;
    QSettings settings;
    settings.setValue(NewPerDayKey, dialog.newPerDay());
    m_drill.setNewPerDay(dialog.newPerDay());
    if (qAbs(dialog.desiredRetention() - m_history.schedule().options().desiredRetention) < 0.001)
        return;
    settings.setValue(RetentionKey, dialog.desiredRetention());
    // another retention gives every interval anew
    if (!m_history.open(m_history.dictionaryPath(), scheduleOptions()))
        Prompt::warn(this, tr("Training History"), m_history.errorString());
    updateDueCounts();
}
