#include "../testfiles.h"

#include "train/drill.h"
#include "train/reviewhistory.h"
#include "train/reviewtime.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// 2026-01-01T10:00:00Z and the days after it
constexpr qint64 Start = 1767261600;

qint64 dayTime(qint64 day)
{
    return Start + day * ReviewTime::SecondsPerDay;
}

// "3f 3b 1f": the cards of a queue
QString cards(const QList<CardKey> &keys)
{
    QStringList out;
    for (const CardKey &key : keys)
        out.append(QString::number(key.entryId) + (key.direction == Direction::Forward ? u'f' : u'b'));
    return out.join(u' ');
}

} // namespace

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
    void folding_data();
    void folding();
    void forgivingCheck_data();
    void forgivingCheck();
    void ratings_data();
    void ratings();
    void hints_data();
    void hints();
    void dueSession_data();
    void dueSession();
    void wrongAnswerComesBackUntilRight();
    void corrections_data();
    void corrections();

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
    addDrillWords(m_dictionary);
    auto add = [this](int id, const char *word, int type, const char *translation) {
        m_dictionary.insertEntry(makeEntry(id, QString::fromUtf8(word), type, 0, QString::fromUtf8(translation)));
    };
    add(20, "מְלַמֵּד", Entry::Noun, "tutor");
    add(21, "חוֹנֵךְ", Entry::Noun, "tutor");
    add(22, "שָׁמֵן", Entry::Adjective, "fat");
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

void TestDrill::folding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("case, blanks, punctuation") << " Hello, World! "
                                               << "helloworld";
    QTest::newRow("a verb's to") << "To go"
                                 << "go";
    QTest::newRow("points and final letters") << u8("שָׁלוֹם לָךְ") << u8("שלומלכ");
    QTest::newRow("Russian stress and yo") << u8("Ёлка́") << u8("елка");
    QTest::newRow("Arabic harakat, alef and kaf") << u8("إِسْلَام كتاب") << u8("اسلامکتاب");
}

void TestDrill::folding()
{
    QFETCH(QString, text);
    QTEST(AnswerCheck::folded(text), "folded");
}

// clang-format off
void TestDrill::forgivingCheck_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("pointsShown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<AnswerCheck::Verdict>("verdict");
    const auto Right = AnswerCheck::Verdict::Right;
    const auto Almost = AnswerCheck::Verdict::Almost;
    const auto Wrong = AnswerCheck::Verdict::Wrong;
    QTest::newRow("a verb's meaning without to") << 1 << true << false << "go" << Right;
    QTest::newRow("its second meaning, with To") << 1 << true << false << "To walk" << Right;
    QTest::newRow("case, blanks and a point") << 1 << true << false << " GO. " << Right;
    QTest::newRow("a homograph's meaning") << 3 << true << false << "barber" << Right;
    QTest::newRow("a homograph's meaning, the points shown") << 3 << true << true << "barber" << Wrong;
    QTest::newRow("the word unpointed") << 3 << false << false << u8("ספר") << Right;
    QTest::newRow("the word pointed") << 3 << false << false << u8("סֵפֶר") << Right;
    QTest::newRow("no shin dot typed") << 2 << false << false << u8("שמר") << Right;
    QTest::newRow("a final letter in its middle form") << 1 << false << false << u8("הלכ") << Right;
    QTest::newRow("a synonym") << 21 << false << false << u8("מלמד") << Right;
    QTest::newRow("one letter wrong") << 6 << false << false << u8("סיפד") << Almost;
    QTest::newRow("one letter missing") << 1 << true << false << "wak" << Almost;
    QTest::newRow("one letter more") << 3 << true << false << "bookk" << Almost;
    QTest::newRow("one letter off, but another word") << 2 << false << false << u8("שמן") << Wrong;
    QTest::newRow("two letters off") << 3 << false << false << u8("ספרים") << Wrong;
    QTest::newRow("one of two letters off") << 1 << true << false << "do" << Wrong;
    QTest::newRow("nothing") << 1 << true << false << " " << Wrong;
}
// clang-format on

void TestDrill::forgivingCheck()
{
    QFETCH(int, id);
    QFETCH(bool, forward);
    QFETCH(bool, pointsShown);
    QFETCH(QString, typed);
    const AnswerCheck check(m_dictionary, 0);
    QTEST(
        check.check(m_dictionary.entryById(id), forward ? Direction::Forward : Direction::Backward, typed, pointsShown),
        "verdict");
}

void TestDrill::ratings_data()
{
    QTest::addColumn<QStringList>("tries");
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("counter"); // the asked one, 0 before
    QTest::newRow("right") << QStringList{"book"} << int(Review::Good) << 1;
    QTest::newRow("almost, then right") << QStringList{"bok", "book"} << int(Review::Hard) << 1;
    QTest::newRow("almost twice") << QStringList{"bok", "boook"} << int(Review::Hard) << 1;
    QTest::newRow("almost, then wrong") << QStringList{"bok", "pen"} << int(Review::Again) << 0;
    QTest::newRow("wrong") << QStringList{"pen"} << int(Review::Again) << 0;
}

// The first "almost" asks once more and records nothing; the answer that
// ends the question is rated, recorded and moves the asked counter.
void TestDrill::ratings()
{
    QFETCH(QStringList, tries);
    QVERIFY(ask(3, Direction::Forward));
    Drill::Result result;
    for (qsizetype i = 0; i < tries.size(); ++i) {
        result = m_drill->answer(tries[i]);
        QCOMPARE(result.tryAgain, i + 1 < tries.size());
    }
    QTEST(int(result.rating), "rating");
    QCOMPARE(result.expected, QStringLiteral("book"));
    QCOMPARE(result.typed, tries.last());
    QTEST(int(m_dictionary.entryById(3).learnedForward()), "counter");
    QCOMPARE(m_dictionary.entryById(3).learnedBackward(), qint8(10));
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

// clang-format off
void TestDrill::dueSession_data()
{
    QTest::addColumn<int>("newPerDay");
    QTest::addColumn<bool>("oneIntroducedToday");
    QTest::addColumn<QString>("session");
    QTest::newRow("due, then three new words") << 3 << false << "3f 3b 1f 2f 9f 6f 2b 9b 6b";
    QTest::newRow("one new word met today already") << 3 << true << "3f 3b 1f 2f 9f 2b 9b";
    QTest::newRow("no new words") << 0 << false << "3f 3b 1f";
}
// clang-format on

// The cards due, most overdue first, then the weakest new words, all their
// forward questions before the backward ones; an entry not marked for
// learning has nothing due.
void TestDrill::dueSession()
{
    QFETCH(int, newPerDay);
    QFETCH(bool, oneIntroducedToday);
    // sums of the counters 0 to 6, one entry each
    const QList<QPair<int, QPair<int, int>>> counters{
        {2, {0, 0}}, {9, {1, 0}}, {6, {1, 1}}, {7, {2, 1}}, {8, {2, 2}}, {4, {-1, 5}}, {1, {3, 3}}};
    for (const auto &[id, pair] : counters)
        m_dictionary.setLearnCounters(id, qint8(pair.first), qint8(pair.second));
    ReviewHistory history;
    QVERIFY(history.open(QString()));
    // a first Good is due three days later
    for (const Review &review : {Review{dayTime(0), {3, Direction::Forward}, Review::Good, {}},
             Review{dayTime(0), {3, Direction::Backward}, Review::Good, {}},
             Review{dayTime(1), {1, Direction::Forward}, Review::Good, {}},
             Review{dayTime(0), {5, Direction::Forward}, Review::Again, {}}})
        QVERIFY(history.record(review));
    if (oneIntroducedToday)
        QVERIFY(history.record({dayTime(6), {8, Direction::Forward}, Review::Good, {}}));
    Drill drill(&m_dictionary, &m_random, &history);
    drill.setClock([] { return dayTime(6) + 3600; });
    drill.setNewPerDay(newPerDay);
    QVERIFY(drill.start(Drill::Order::Due));
    QTEST(cards(drill.dueQueue()), "session");
}

void TestDrill::wrongAnswerComesBackUntilRight()
{
    ReviewHistory history;
    QVERIFY(history.open(QString()));
    for (const CardKey &card : {CardKey{3, Direction::Forward}, CardKey{3, Direction::Backward},
             CardKey{1, Direction::Forward}, CardKey{6, Direction::Forward}})
        QVERIFY(history.record({dayTime(0), card, Review::Good, {}}));
    Drill drill(&m_dictionary, &m_random, &history);
    drill.setClock([] { return dayTime(5); });
    drill.setNewPerDay(0);
    QVERIFY(drill.start(Drill::Order::Due));
    QCOMPARE(cards(drill.dueQueue()), "1f 3f 3b 6f");
    const QStringList answers{"run", "book", u8("ספר"), "tell", "go"};
    QStringList asked;
    QList<bool> counted;
    for (const QString &answer : answers) {
        QVERIFY(drill.next());
        asked.append(cards({{drill.question().entry.id(), drill.question().direction}}));
        counted.append(drill.answer(answer).counted);
    }
    QVERIFY(!drill.next());
    QCOMPARE(asked.join(u' '), "1f 3f 3b 6f 1f");
    // the second answer of the day is practice
    QCOMPARE(counted, (QList<bool>{true, true, true, true, false}));
    QCOMPARE(drill.asked(), 5);
    QCOMPARE(drill.right(), 4);
}

void TestDrill::corrections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("correction");
    QTest::addColumn<int>("counter"); // the asked one, 20 before
    QTest::addColumn<int>("interval");
    QTest::newRow("wrong, then I was right") << "pen" << int(Review::Good) << 21 << 3;
    QTest::newRow("right, then I was wrong") << "book" << int(Review::Again) << 16 << 1;
    QTest::newRow("right, then easy") << "book" << int(Review::Easy) << 21 << 8;
}

// A correction moves the counter as if the answer had been given so, the
// schedule follows, and the log read afresh gives the same schedule.
void TestDrill::corrections()
{
    QFETCH(QString, typed);
    QFETCH(int, correction);
    QTemporaryDir dir;
    const QString path = dir.filePath("words.dic");
    ReviewHistory history;
    QVERIFY(history.open(path));
    Drill drill(&m_dictionary, &m_random, &history);
    drill.setClock([] { return dayTime(0); });
    QVERIFY(ask(3, Direction::Forward));
    // forward asked: its counter well below the other
    m_dictionary.setLearnCounters(3, 20, 30);
    QVERIFY(drill.start(Drill::Order::WeakestFirst) && drill.next());
    const Drill::Result answered = drill.answer(typed);
    QVERIFY(answered.counted);
    QVERIFY(drill.correct(quint8(correction)));
    QVERIFY(!drill.correct(quint8(correction)));
    QTEST(int(m_dictionary.entryById(3).learnedForward()), "counter");
    QTEST(drill.lastResult().interval, "interval");
    QCOMPARE(drill.right(), correction >= Review::Hard ? 1 : 0);

    ReviewHistory again;
    QVERIFY(again.open(path));
    const CardSchedule *card = again.schedule().card({3, Direction::Forward});
    QVERIFY(card);
    QTEST(card->interval, "interval");
    QCOMPARE(card->due, history.schedule().card({3, Direction::Forward})->due);
}

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_drill.moc"
