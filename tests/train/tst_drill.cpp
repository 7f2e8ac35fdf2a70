#include "../testfiles.h"

#include "train/drill.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

// The drill's rules without the page: the order of the words, the
// direction of a question, its hint, the check of an answer and the
// counters it moves.
class TestDrill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void counters_data();
    void counters();
    void direction_data();
    void direction();
    void weakestFirstSkipsUnlearned();
    void randomTakesEveryMarkedWord();
    void answers_data();
    void answers();
    void hints_data();
    void hints();

private:
    // Asks exactly this entry this way: the only one in the list, with
    // counters 0 for the way asked and 10 for the other.
    bool ask(int id, Direction direction);

    Dictionary m_dictionary;
    QRandomGenerator m_random{4711};
    std::unique_ptr<Drill> m_drill;
};

void TestDrill::init()
{
    m_dictionary.clear();
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
    m_drill = std::make_unique<Drill>(&m_dictionary, &m_random);
}

bool TestDrill::ask(int id, Direction direction)
{
    for (int i = 0; i < m_dictionary.count(); ++i) {
        if (m_dictionary.idAt(i) != id)
            m_dictionary.setLearnCounters(m_dictionary.idAt(i), -1, -1);
    }
    const bool forward = direction == Direction::Forward;
    m_dictionary.setLearnCounters(id, forward ? 0 : 10, forward ? 10 : 0);
    return m_drill->start(Drill::Order::WeakestFirst) && m_drill->next() && m_drill->question().entry.id() == id
        && m_drill->question().direction == direction;
}

void TestDrill::counters_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("after");
    QTest::newRow("100 stays") << 100 << true << 100;
    QTest::newRow("-1 to 0") << -1 << true << 0;
    QTest::newRow("16 to 13") << 16 << false << 13;
    QTest::newRow("100 to 88") << 100 << false << 88;
    QTest::newRow("15 stays") << 15 << false << 15;
}

void TestDrill::counters()
{
    QFETCH(int, before);
    QFETCH(bool, correct);
    QTEST(int(Drill::counterAfter(qint8(before), correct)), "after");
}

void TestDrill::direction_data()
{
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("backward");
    QTest::addColumn<int>("foreignShown"); // of draws 0, 511, 512, 1023
    QTest::newRow("even") << 3 << 3 << 2;
    QTest::newRow("difference 5: never") << 5 << 0 << 0;
    QTest::newRow("difference -5: all but the top draw") << 0 << 5 << 3;
    QTest::newRow("difference -6: always") << 0 << 6 << 4;
}

void TestDrill::direction()
{
    QFETCH(int, forward);
    QFETCH(int, backward);
    int count = 0;
    for (quint32 draw : {0u, 511u, 512u, 1023u})
        count += Drill::asksForeignWord(draw, qint8(forward), qint8(backward)) ? 1 : 0;
    QTEST(count, "foreignShown");
}

void TestDrill::weakestFirstSkipsUnlearned()
{
    QVERIFY(m_drill->start(Drill::Order::WeakestFirst));
    // scores: 2 and 9 are 0, 6 and 7 are 1, 8 is 4, 1 is 6, 3 is 22; 4 and 5 have a negative counter
    const QList<int> asked = m_drill->wordList();
    QCOMPARE(asked.size(), 7);
    QCOMPARE(QSet<int>(asked.begin(), asked.begin() + 2), QSet<int>({2, 9}));
    QCOMPARE(QSet<int>(asked.begin() + 2, asked.begin() + 4), QSet<int>({6, 7}));
    QCOMPARE(asked.mid(4), QList<int>({8, 1, 3}));
}

void TestDrill::randomTakesEveryMarkedWord()
{
    QVERIFY(m_drill->start(Drill::Order::Random) && m_drill->next());
    QList<int> ids = m_drill->wordList();
    std::sort(ids.begin(), ids.end());
    QCOMPARE(ids, QList<int>({1, 2, 3, 4, 6, 7, 8, 9})); // 4 has one counter of 0 or more
    QVERIFY(ids.contains(m_drill->question().entry.id()));
}

void TestDrill::answers_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    QTest::newRow("verb meaning without to") << 1 << true << "go" << true;
    QTest::newRow("second meaning of a verb, with to") << 1 << true << "to walk" << true;
    QTest::newRow("capital letter") << 1 << true << "Go" << false;
    QTest::newRow("wrong meaning") << 1 << true << "run" << false;
    QTest::newRow("blanks around a noun") << 3 << true << " book " << true;
    QTest::newRow("foreign word unpointed") << 3 << false << QString::fromUtf8("ספר") << true;
    QTest::newRow("word with a shin dot, typed without") << 2 << false << QString::fromUtf8("שמר") << true;
    QTest::newRow("wrong word") << 3 << false << QString::fromUtf8("ספרים") << false;
}

void TestDrill::answers()
{
    QFETCH(int, id);
    QFETCH(bool, forward);
    QFETCH(bool, correct);
    QFETCH(QString, answer);
    const Entry before = m_dictionary.entryById(id);
    QVERIFY(ask(id, forward ? Direction::Forward : Direction::Backward));
    const Drill::Result result = m_drill->answer(answer);
    QCOMPARE(result.correct, correct);
    QCOMPARE(result.expected, forward ? before.translation() : before.word());
    const Entry after = m_dictionary.entryById(id);
    QCOMPARE(int(forward ? after.learnedForward() : after.learnedBackward()), correct ? 1 : 0);
    QCOMPARE(int(forward ? after.learnedBackward() : after.learnedForward()), 10);
    QVERIFY(m_drill->wordList().isEmpty() && !m_drill->next());
}

void TestDrill::hints_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("forward");
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

void TestDrill::hints()
{
    QFETCH(int, id);
    QFETCH(bool, forward);
    if (id == 3 && !forward) // "book" is also a meaning of entry 5, now of five letters
        m_dictionary.replaceEntry(makeEntry(5, QString::fromUtf8("סְפָרִים"), Entry::Noun, 0, "border, book"));
    if (id == 7)
        m_dictionary.insertEntry(makeEntry(10, QString::fromUtf8("מוֹרֶה"), Entry::Noun, 0, "instructor"));
    QVERIFY(ask(id, forward ? Direction::Forward : Direction::Backward));
    QTEST(m_drill->question().text, "question");
}

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_drill.moc"
