#include "input/style.h"
#include "views/trainer.h"

#include "input/keymappinglineedit.h"

#include "../guihelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

class TestTrainer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void counters_data();
    void counters();
    void direction_data();
    void direction();
    void returnBeforeAnyWordDoesNothing();
    void resetAsksTheWeakestFirstAndSkipsUnlearned();
    void randomTakesEveryMarkedWord();
    void answers_data();
    void answers();
    void hints_data();
    void hints();
    void lastWordThenNoMoreWords();

private:
    QString ask(int id, bool hebrewAsked);
    void answer(const QString &text);
    template <typename T> T *child(const char *name) const { return m_trainer->findChild<T *>(QLatin1String(name)); }

    Dictionary m_dictionary;
    QRandomGenerator m_random{4711};
    std::unique_ptr<Trainer> m_trainer;
};

void TestTrainer::init()
{
    m_dictionary.clear();
    m_dictionary.setAttribute("NAME", "Hebrew");
    m_dictionary.setAttribute("USER", "en,de");
    auto add = [this](int id, const char *word, int type, const char *translation, int f, int b) {
        Entry e = makeEntry(id, QString::fromUtf8(word), type, 0, QString::fromUtf8(translation));
        e.setLearnCounters(qint8(f), qint8(b));
        m_dictionary.insertEntry(e);
    };
    add(1, "הָלַךְ", Entry::Verb, "to go, to walk", 3, 3);
    add(2, "שָׁמַר", Entry::Verb, "to keep", 0, 0);
    add(3, "סֵפֶר", Entry::Noun, "book", 10, 12);
    add(4, "סַפָּר", Entry::Noun, "barber", -1, 5);
    add(5, "סְפַר", Entry::Noun, "border, book", -1, -1);
    add(6, "סִיפֵּר", Entry::Verb, "to tell", 1, 0);
    add(7, "מוֹרֶה", Entry::Noun, "teacher", 0, 1);
    add(8, "מוֹרָה", Entry::Noun, "teacher", 2, 2);
    add(9, "שָׁמַר", Entry::Noun, "to keep", 0, 0);
    m_trainer = std::make_unique<Trainer>(QStringLiteral(":icons/"), &m_dictionary, &m_random);
    m_trainer->show();
    QApplication::setActiveWindow(m_trainer.get());
}

void TestTrainer::cleanup()
{
    m_trainer.reset();
}

void TestTrainer::counters_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("after");
    QTest::newRow("100 stays") << 100 << true << 100;
    QTest::newRow("99 to 100") << 99 << true << 100;
    QTest::newRow("-1 to 0") << -1 << true << 0;
    QTest::newRow("16 to 13") << 16 << false << 13;
    QTest::newRow("40 to 34") << 40 << false << 34;
    QTest::newRow("100 to 88") << 100 << false << 88;
    QTest::newRow("15 stays") << 15 << false << 15;
    QTest::newRow("-1 stays") << -1 << false << -1;
}

void TestTrainer::counters()
{
    QFETCH(int, before);
    QFETCH(bool, correct);
    QFETCH(int, after);
    QCOMPARE(int(Trainer::counterAfter(qint8(before), correct)), after);
}

void TestTrainer::direction_data()
{
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("backward");
    QTest::addColumn<int>("foreignAsked"); // of draws 0, 511, 512, 1023
    QTest::newRow("even") << 3 << 3 << 2;
    QTest::newRow("8 and 2: never") << 8 << 2 << 0;
    QTest::newRow("difference 5: never") << 5 << 0 << 0;
    QTest::newRow("difference -5: all but the top draw") << 0 << 5 << 3;
    QTest::newRow("difference -6: always") << 0 << 6 << 4;
}

void TestTrainer::direction()
{
    QFETCH(int, forward);
    QFETCH(int, backward);
    QFETCH(int, foreignAsked);
    int count = 0;
    for (quint32 draw : {0u, 511u, 512u, 1023u})
        count += Trainer::asksForeignWord(draw, qint8(forward), qint8(backward)) ? 1 : 0;
    QCOMPARE(count, foreignAsked);
}

void TestTrainer::returnBeforeAnyWordDoesNothing()
{
    PromptScript script;
    QTest::keyClick(child<QLineEdit>("answerEdit"), Qt::Key_Return);
    QVERIFY(script.asked.isEmpty());
    QCOMPARE(m_trainer->currentId(), -1);
    QCOMPARE(m_dictionary.entryById(1).learnedForward(), qint8(3));
}

void TestTrainer::resetAsksTheWeakestFirstAndSkipsUnlearned()
{
    child<QPushButton>("resetButton")->click();
    // scores: 2 and 9 are 0, 6 and 7 are 1, 8 is 4, 1 is 6, 3 is 22; 4 and 5 have a negative counter
    QList<int> asked = {m_trainer->currentId()};
    asked += m_trainer->wordList().mid(1);
    QCOMPARE(asked.size(), 7);
    QCOMPARE(QSet<int>(asked.begin(), asked.begin() + 2), QSet<int>({2, 9}));
    QCOMPARE(QSet<int>(asked.begin() + 2, asked.begin() + 4), QSet<int>({6, 7}));
    QCOMPARE(asked.mid(4), QList<int>({8, 1, 3}));
    QCOMPARE(child<QLabel>("countLabel")->text().left(9), QStringLiteral("7 words, "));
}

void TestTrainer::randomTakesEveryMarkedWord()
{
    child<QPushButton>("randomButton")->click();
    QList<int> ids = m_trainer->wordList();
    std::sort(ids.begin(), ids.end());
    QCOMPARE(ids, QList<int>({1, 2, 3, 4, 6, 7, 8, 9})); // 4 has one counter of 0 or more
    QVERIFY(ids.contains(m_trainer->currentId()));
}

QString TestTrainer::ask(int id, bool hebrewAsked)
{
    // ask exactly this word in this direction: the only one in the list,
    // with counters 0 for the asked direction and 10 for the other
    for (int i = 0; i < m_dictionary.count(); ++i) {
        if (m_dictionary.idAt(i) != id)
            m_dictionary.setLearnCounters(m_dictionary.idAt(i), -1, -1);
    }
    m_dictionary.setLearnCounters(id, hebrewAsked ? 0 : 10, hebrewAsked ? 10 : 0);
    child<QPushButton>("resetButton")->click();
    if (m_trainer->currentId() != id || m_trainer->isHebrewAsked() != hebrewAsked)
        return QStringLiteral("(the trainer asked something else)");
    return child<QLineEdit>("questionEdit")->text();
}

void TestTrainer::answer(const QString &text)
{
    auto *edit = child<QLineEdit>("answerEdit");
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestTrainer::answers_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("hebrewAsked");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    QTest::newRow("verb meaning without to") << 1 << true << "go" << true;
    QTest::newRow("verb meaning with to") << 1 << true << "to go" << true;
    QTest::newRow("second meaning of a verb") << 1 << true << "walk" << true;
    QTest::newRow("capital letter") << 1 << true << "Go" << false;
    QTest::newRow("wrong meaning") << 1 << true << "run" << false;
    QTest::newRow("noun meaning") << 3 << true << "book" << true;
    QTest::newRow("foreign word unpointed") << 3 << false << QString::fromUtf8("ספר") << true;
    QTest::newRow("foreign word pointed") << 3 << false << QString::fromUtf8("סֵפֶר") << true;
    QTest::newRow("word with a shin dot, typed without") << 2 << false << QString::fromUtf8("שמר") << true;
    QTest::newRow("wrong word") << 3 << false << QString::fromUtf8("ספרים") << false;
}

void TestTrainer::answers()
{
    QFETCH(int, id);
    QFETCH(bool, hebrewAsked);
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    const Entry before = m_dictionary.entryById(id);
    QVERIFY(!ask(id, hebrewAsked).startsWith("(the trainer"));
    this->answer(answer);
    auto *edit = child<QLineEdit>("answerEdit");
    QCOMPARE(edit->palette().color(QPalette::Text), correct ? Style::foundColor() : Style::notFoundColor());
    QCOMPARE(edit->text(), hebrewAsked ? before.translation() : before.word());
    const Entry after = m_dictionary.entryById(id);
    QCOMPARE(int(hebrewAsked ? after.learnedForward() : after.learnedBackward()), correct ? 1 : 0);
    QCOMPARE(int(hebrewAsked ? after.learnedBackward() : after.learnedForward()), 10);
    QVERIFY(m_trainer->wordList().isEmpty());
}

void TestTrainer::hints_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("hebrewAsked");
    QTest::addColumn<QString>("question");
    QTest::newRow("no homograph") << 6 << true << QString::fromUtf8("סיפר");
    QTest::newRow("homographs of other types") << 2 << true << QString::fromUtf8("שׁמר (Verb)");
    QTest::newRow("same type, told apart by points") << 3 << true << QString::fromUtf8("סֵפֶר");
    QTest::newRow("same word and type") << 7 << true << QString::fromUtf8("מורה (3 choices)");
    QTest::newRow("shared meaning, other type") << 9 << false << QStringLiteral("to keep (Noun)");
    QTest::newRow("shared meaning, same type, letters") << 3 << false << QStringLiteral("book (3 letters)");
    QTest::newRow("shared meaning, same type and length") << 7 << false << QStringLiteral("teacher (2 choices)");
    QTest::newRow("several meanings: no hint") << 1 << false << QStringLiteral("to go, to walk");
}

void TestTrainer::hints()
{
    QFETCH(int, id);
    QFETCH(bool, hebrewAsked);
    QFETCH(QString, question);
    if (id == 3 && !hebrewAsked) // "book" is also a meaning of entry 5, now of five letters
        m_dictionary.replaceEntry(makeEntry(5, QString::fromUtf8("סְפָרִים"), Entry::Noun, 0, "border, book"));
    if (id == 7)
        m_dictionary.insertEntry(makeEntry(10, QString::fromUtf8("מוֹרֶה"), Entry::Noun, 0, "instructor"));
    QCOMPARE(ask(id, hebrewAsked), question);
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
