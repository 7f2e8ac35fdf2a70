#include "input/style.h"
#include "views/barchart.h"
#include "views/trainer.h"

#include "input/keymappinglineedit.h"
#include "train/schedulequeries.h"

#include "../guihelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {
// 2026-01-01T10:00:00Z
constexpr qint64 Now = 1767261600;
} // namespace

class TestTrainer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void theDueSessionStartsWhenShown();
    void returnWithNothingMarkedDoesNothing();
    void answerShownGreenOrRed_data();
    void answerShownGreenOrRed();
    void almostThenRightAtTheSecondTry();
    void correctionButtons();
    void progressShowsTheSchedule();
    void lastWordThenNoMoreWords();

private:
    QString ask(int id, bool foreignShown);
    void answer(const QString &text);
    template <typename T> T *child(const char *name) const { return ::child<T>(m_trainer.get(), name); }

    Dictionary m_dictionary;
    QRandomGenerator m_random{4711};
    std::unique_ptr<Trainer> m_trainer;
};

void TestTrainer::initTestCase()
{
    // the settings of the schedule are the defaults
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

void TestTrainer::init()
{
    m_dictionary.clear();
    m_dictionary.setAttribute("NAME", "Hebrew");
    m_dictionary.setAttribute("USER", "en,de");
    addDrillWords(m_dictionary);
    m_trainer = std::make_unique<Trainer>(QStringLiteral(":icons/"), &m_dictionary, &m_random);
    m_trainer->setClock([] { return Now; });
    m_trainer->show();
    QApplication::setActiveWindow(m_trainer.get());
}

void TestTrainer::cleanup()
{
    m_trainer.reset();
}

// Every marked word is new: the page opens asking the first of them.
void TestTrainer::theDueSessionStartsWhenShown()
{
    QVERIFY(m_trainer->drill().hasQuestion());
    QCOMPARE(m_trainer->drill().order(), Drill::Order::Due);
    QCOMPARE(child<QLabel>("dueLabel")->text(), "Due now: 0, today: 0, tomorrow: 0");
    answer("no idea");
    // wrong the first time: due again tomorrow
    QCOMPARE(child<QLabel>("dueLabel")->text(), "Due now: 0, today: 0, tomorrow: 1");
    QVERIFY(child<QLabel>("feedbackLabel")->text().contains("Next review in 1 day"));
}

void TestTrainer::returnWithNothingMarkedDoesNothing()
{
    m_trainer.reset();
    for (int i = 0; i < m_dictionary.count(); ++i)
        m_dictionary.setLearnCounters(m_dictionary.idAt(i), -1, -1);
    m_trainer = std::make_unique<Trainer>(QStringLiteral(":icons/"), &m_dictionary, &m_random);
    m_trainer->show();
    PromptScript script;
    QTest::keyClick(child<QLineEdit>("answerEdit"), Qt::Key_Return);
    QVERIFY(script.asked.isEmpty());
    QVERIFY(!m_trainer->drill().hasQuestion());
    QVERIFY(!child<QLabel>("feedbackLabel")->text().isEmpty());
}

QString TestTrainer::ask(int id, bool foreignShown)
{
    // ask exactly this word in this direction: the only one in the list,
    // with counters 0 for the asked direction and 10 for the other
    for (int i = 0; i < m_dictionary.count(); ++i) {
        if (m_dictionary.idAt(i) != id)
            m_dictionary.setLearnCounters(m_dictionary.idAt(i), -1, -1);
    }
    m_dictionary.setLearnCounters(id, foreignShown ? 0 : 10, foreignShown ? 10 : 0);
    child<QPushButton>("resetButton")->click();
    const Drill::Question &question = m_trainer->drill().question();
    if (question.entry.id() != id || (question.direction == Direction::Forward) != foreignShown)
        return QStringLiteral("(the trainer asked something else)");
    return child<QLineEdit>("questionEdit")->text();
}

void TestTrainer::answer(const QString &text)
{
    auto *edit = child<QLineEdit>("answerEdit");
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestTrainer::answerShownGreenOrRed_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("foreignShown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("asked"); // the grammar line with the question
    QTest::addColumn<QString>("answered"); // and once answered
    QTest::newRow("a meaning, right") << 1 << true << "go" << true << 128 << "verb, intr."
                                      << "verb, intr.";
    // the word's grammar would give the word away
    QTest::newRow("a word, wrong") << 3 << false << QString::fromUtf8("ספרים") << false << 5 << ""
                                   << "noun, m.";
}

// The answer line shows what the entry has, green or red, the question
// line the pointed word, and the line under it the word's grammar.
void TestTrainer::answerShownGreenOrRed()
{
    QFETCH(int, id);
    QFETCH(bool, foreignShown);
    QFETCH(bool, correct);
    QFETCH(QString, typed);
    QFETCH(int, flags);
    Entry before = m_dictionary.entryById(id);
    before.setFlags(quint32(flags));
    QVERIFY(m_dictionary.addOrReplace(before));
    QVERIFY(!ask(id, foreignShown).startsWith("(the trainer"));
    QTEST(child<QLabel>("grammarLabel")->text(), "asked");
    answer(typed);
    QTEST(child<QLabel>("grammarLabel")->text(), "answered");
    auto *edit = child<QLineEdit>("answerEdit");
    QCOMPARE(edit->palette().color(QPalette::Text), correct ? Style::foundColor() : Style::notFoundColor());
    QCOMPARE(edit->text(), foreignShown ? before.translation() : before.word());
    QCOMPARE(child<QLabel>("typedLabel")->text(), "You typed: " + typed);
    if (foreignShown)
        QCOMPARE(child<QLineEdit>("questionEdit")->text(), before.word());
}

// One letter off: the typed answer stays to be put right, and the second
// try counts as hard.
void TestTrainer::almostThenRightAtTheSecondTry()
{
    QVERIFY(!ask(3, true).startsWith("(the trainer"));
    answer("bok");
    QCOMPARE(child<QLineEdit>("answerEdit")->text(), "bok");
    QVERIFY(child<QLabel>("feedbackLabel")->text().startsWith("Almost"));
    QCOMPARE(m_dictionary.entryById(3).learnedForward(), qint8(0));
    answer("book");
    QCOMPARE(int(m_trainer->drill().lastResult().rating), int(Review::Hard));
    QCOMPARE(m_dictionary.entryById(3).learnedForward(), qint8(1));
    QCOMPARE(m_trainer->history().schedule().events().size(), size_t(1));
}

// "I was right" after a wrong answer, then "Easy": the colour, the counter
// and the recorded rating follow; a button for the rating there is off.
void TestTrainer::correctionButtons()
{
    QVERIFY(!ask(3, true).startsWith("(the trainer"));
    QVERIFY(!child<QPushButton>("rightButton")->isEnabled());
    answer("pen");
    QVERIFY(!child<QPushButton>("wrongButton")->isEnabled());
    child<QPushButton>("rightButton")->click();
    QCOMPARE(child<QLineEdit>("answerEdit")->palette().color(QPalette::Text), Style::foundColor());
    QCOMPARE(m_dictionary.entryById(3).learnedForward(), qint8(1));
    QVERIFY(!child<QPushButton>("rightButton")->isEnabled());
    child<QPushButton>("easyButton")->click();
    const CardSchedule *card = m_trainer->history().schedule().card({3, Direction::Forward});
    QVERIFY(card);
    QCOMPARE(card->interval, 8); // a first Easy
    QVERIFY(!child<QPushButton>("easyButton")->isEnabled());
}

// The dialog's charts and lines show what the schedule's queries give.
void TestTrainer::progressShowsTheSchedule()
{
    answer("no idea");
    QTest::keyClick(child<QLineEdit>("answerEdit"), Qt::Key_Return);
    const Drill::Question second = m_trainer->drill().question();
    answer(second.direction == Direction::Forward ? second.entry.translation() : second.entry.word());
    bool shown = false;
    Prompt::setDialogHandler([&](QDialog *dialog) {
        const ReviewSchedule &schedule = m_trainer->history().schedule();
        shown = dialog->findChild<BarChart *>("pastChart")->total() == 2
            && dialog->findChild<BarChart *>("futureChart")->days().size() == 30
            && dialog->findChild<BarChart *>("futureChart")->total() == 2
            && dialog->findChild<QLabel *>("stagesLabel")
                   ->text()
                   .contains(QStringLiteral("%1 new, 2 learning, 0 known").arg(m_dictionary.learnedIds().size() - 2))
            && dialog->findChild<QLabel *>("streakLabel")->text().contains("1")
            && ScheduleQueries::reviewsPerDay(schedule, Now).last().count == 2;
        return int(QDialog::Rejected);
    });
    child<QPushButton>("progressButton")->click();
    Prompt::setDialogHandler({});
    QVERIFY(shown);
}

void TestTrainer::lastWordThenNoMoreWords()
{
    PromptScript script;
    QCOMPARE(ask(3, true), QString::fromUtf8("סֵפֶר"));
    answer(" book "); // blanks around a right answer do not make it wrong
    QCOMPARE(child<QLineEdit>("answerEdit")->palette().color(QPalette::Text), Style::foundColor());
    QVERIFY(script.asked.isEmpty());
    QTest::keyClick(child<QLineEdit>("answerEdit"), Qt::Key_Return);
    QCOMPARE(script.titles(), QStringList{"No more words"});
    QVERIFY(script.asked.first().text.endsWith("1 asked, 1 right"));
}

QTEST_MAIN(TestTrainer)
#include "tst_trainer.moc"
