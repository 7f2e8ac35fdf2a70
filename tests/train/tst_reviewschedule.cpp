#include "../testfiles.h"

#include "train/reviewlog.h"
#include "train/reviewschedule.h"
#include "train/reviewtime.h"
#include "train/schedulequeries.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <numeric>

namespace {

// The histories of tools/fsrs/make_reference.js: after each review, what the
// reference scheduler gave.
struct ReferenceStep
{
    qint64 time = 0;
    int rating = 0;
    double stability = 0;
    double difficulty = 0;
    int interval = 0;
    QByteArray due;
};
using ReferenceHistory = QList<ReferenceStep>;

QList<QPair<QByteArray, ReferenceHistory>> readReference()
{
    QFile file(QStringLiteral(VERBALON_SOURCE_DIR "/tests/train/fsrs-reference.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the reference table is missing");
    QList<QPair<QByteArray, ReferenceHistory>> histories;
    file.readLine();
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split('\t');
        ReferenceStep step{
            0, f.value(3).toInt(), f.value(4).toDouble(), f.value(5).toDouble(), f.value(6).toInt(), f.value(7)};
        if (f.size() != 8 || !ReviewTime::parse(f[2], step.time))
            qFatal("a line of the reference table cannot be read");
        if (histories.isEmpty() || histories.last().first != f[0])
            histories.append({f[0], {}});
        histories.last().second.append(step);
    }
    return histories;
}

// Agreement to 1e-4 of the reference's value; values printed to four
// decimals may be half a unit of their last place further off.
bool closeTo(double value, double reference, double printedTo = 0)
{
    return qAbs(value - reference) <= 1e-4 * qAbs(reference) + printedTo;
}

qint64 at(const QString &iso)
{
    qint64 time = 0;
    if (!ReviewTime::parse(iso.toLatin1(), time))
        qFatal("bad time in a test");
    return time;
}

Review review(const QString &iso, int id, int rating = Review::Good, Direction direction = Direction::Forward)
{
    return {at(iso), {id, direction}, quint8(rating), {}};
}

int total(const QList<ScheduleQueries::DayCount> &days)
{
    return std::accumulate(days.begin(), days.end(), 0, [](int n, const auto &day) { return n + day.count; });
}

// A review the tool is given, of card n: entry n / 2 + 1, forward when n is
// even.
struct Planned
{
    int card = 0;
    const ReferenceStep *step = nullptr;
    qint64 time = 0;
    int rating = 0;
};

QStringList cardArguments(int card)
{
    return {QString::number(card / 2 + 1), card % 2 == 0 ? "f" : "b"};
}

// A line of the tool: id, direction, due, stability and difficulty to four
// decimals.
void checkLine(const QString &line, const Planned &review)
{
    const QStringList fields = line.split(u'\t');
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields.mid(0, 2), cardArguments(review.card));
    QCOMPARE(fields[2].toLatin1(), review.step->due);
    QVERIFY2(closeTo(fields[3].toDouble(), review.step->stability, 5e-5), qPrintable(line));
    QVERIFY2(closeTo(fields[4].toDouble(), review.step->difficulty, 5e-5), qPrintable(line));
}

} // namespace

class TestReviewSchedule : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithReference_data()
    {
        QTest::addColumn<ReferenceHistory>("history");
        for (const auto &[name, history] : readReference())
            QTest::newRow(name.constData()) << history;
    }

    // review by review as the trainer adds them, then replayed from a log
    // written the other way round
    void agreesWithReference()
    {
        QFETCH(ReferenceHistory, history);
        const CardKey key{7, Direction::Backward};
        ReviewSchedule schedule;
        ReviewLog::Contents reversed;
        for (const ReferenceStep &step : std::as_const(history)) {
            const Review added{step.time, key, quint8(step.rating), {}};
            schedule.add(added);
            reversed.reviews.insert(reversed.reviews.begin(), added);
            const CardSchedule *card = schedule.card(key);
            QVERIFY(closeTo(card->memory.stability, step.stability));
            QVERIFY(closeTo(card->memory.difficulty, step.difficulty));
            QCOMPARE(card->interval, step.interval);
            QCOMPARE(ReviewTime::format(card->due), step.due);
        }
        ReviewSchedule replayed;
        replayed.replay(reversed);
        QCOMPARE(replayed.card(key)->due, schedule.card(key)->due);
        QCOMPARE(replayed.card(key)->memory.stability, schedule.card(key)->memory.stability);
    }

    // Ten histories on ten cards, the cards' reviews mixed in a random order
    // (each card's own in the order of time) with practice reviews later the
    // same day: each review prints the card as the reference has it then,
    // and due prints the cards as they stood halfway.
    void theToolAgreesWithReference()
    {
        QTemporaryDir dir;
        const QString dictionaryPath = dir.filePath("words.dic");
        Dictionary dictionary;
        for (int id = 1; id <= 5; ++id)
            dictionary.insertEntry(Entry(QString::number(id), "meaning", id));
        QVERIFY(DictionaryFile(dictionaryPath).save(dictionary));
        const auto histories = readReference();
        QRandomGenerator random(2026);
        QList<QList<Planned>> queues(10);
        for (int card = 0; card < 10; ++card) {
            for (const ReferenceStep &step : histories[random.bounded(int(histories.size()))].second) {
                queues[card].append({card, &step, step.time, step.rating});
                if (random.bounded(4) == 0) // a minute later, unless the day ends sooner
                    queues[card].append(
                        {card, &step, qMin(step.time + 60, (step.time / 86400 + 1) * 86400 - 1), random.bounded(1, 5)});
            }
        }
        QList<Planned> done;
        while (std::any_of(queues.begin(), queues.end(), [](const auto &q) { return !q.isEmpty(); })) {
            QList<Planned> &queue = queues[random.bounded(10)];
            if (queue.isEmpty())
                continue;
            const Planned review = queue.takeFirst();
            const CliRun run = runCli(QStringList{"review", dictionaryPath} + cardArguments(review.card)
                + QStringList{QString::number(review.rating), "--at", ReviewTime::format(review.time)});
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(run.lines().size(), 1);
            checkLine(run.lines()[0], review);
            done.append(review);
        }
        std::sort(done.begin(), done.end(), [](const Planned &a, const Planned &b) { return a.time < b.time; });
        const qint64 halfway = done[done.size() / 2].time;
        QMap<int, Planned> last;
        for (const Planned &review : std::as_const(done)) {
            if (review.time <= halfway)
                last.insert(review.card, review);
        }
        QList<Planned> expected = last.values();
        std::stable_sort(expected.begin(), expected.end(),
            [](const Planned &a, const Planned &b) { return a.step->due < b.step->due; });
        const CliRun run = runCli({"due", dictionaryPath, "--at", ReviewTime::format(halfway)});
        QCOMPARE(run.lines().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            checkLine(run.lines()[i], expected[i]);
    }

    // clang-format off
    void firstReviewOfTheDayCounts_data()
    {
        QTest::addColumn<int>("utcOffset");
        QTest::addColumn<QStringList>("times"); // of one card, in the order added
        QTest::addColumn<QString>("counted"); // per review in the order of time
        QTest::newRow("same UTC day") << 0 << QStringList{"2026-01-01T00:10:00Z", "2026-01-01T23:50:00Z"} << "10";
        QTest::newRow("either side of midnight") << 0 << QStringList{"2026-01-01T23:50:00Z", "2026-01-02T00:10:00Z"} << "11";
        QTest::newRow("two hours east") << 7200 << QStringList{"2026-01-01T21:30:00Z", "2026-01-01T22:30:00Z", "2026-01-02T00:10:00Z"} << "110";
        QTest::newRow("added out of order") << 0 << QStringList{"2026-01-02T09:00:00Z", "2026-01-01T11:00:00Z", "2026-01-01T10:00:00Z"} << "101";
    }
    // clang-format on

    // added one by one or replayed, the same reviews count
    void firstReviewOfTheDayCounts()
    {
        QFETCH(int, utcOffset);
        QFETCH(QStringList, times);
        ReviewSchedule added({0.9, utcOffset});
        ReviewLog::Contents contents;
        for (const QString &time : std::as_const(times)) {
            added.add(review(time, 1));
            contents.reviews.push_back(review(time, 1));
        }
        ReviewSchedule replayed({0.9, utcOffset});
        replayed.replay(contents);
        for (const ReviewSchedule *schedule : {&added, &replayed}) {
            QString flags;
            for (const ReviewEvent &event : schedule->events())
                flags += event.counted ? u'1' : u'0';
            QTEST(flags, "counted");
        }
        QCOMPARE(added.card({1})->due, replayed.card({1})->due);
    }

    // clang-format off
    void renumberingsFollowEntries_data()
    {
        QTest::addColumn<QString>("log"); // "r5" a review of entry 5, "m5>6,6>5" ids changed at once
        QTest::addColumn<QList<int>>("ids"); // of each review now
        QTest::newRow("swap") << "r5 r6 m5>6,6>5 r5" << QList<int>{6, 5, 5};
        QTest::newRow("chain") << "r1 r2 m2>3,1>2" << QList<int>{2, 3};
        QTest::newRow("cycle of three") << "r1 r2 r3 m1>2,2>3,3>1" << QList<int>{2, 3, 1};
        QTest::newRow("two join") << "r1 r2 m1>3,2>3" << QList<int>{3, 3};
        QTest::newRow("joins one with reviews") << "r1 r3 m1>3 r3" << QList<int>{3, 3, 3};
        QTest::newRow("old id used again") << "r1 m1>9 r1" << QList<int>{9, 1};
        QTest::newRow("twice") << "r1 m1>2 r2 m2>3" << QList<int>{3, 3};
        QTest::newRow("never reviewed") << "r1 m7>8" << QList<int>{1};
    }
    // clang-format on

    void renumberingsFollowEntries()
    {
        QFETCH(QString, log);
        ReviewLog::Contents contents;
        for (const QString &word : log.split(u' ')) {
            if (word.startsWith(u'r')) {
                contents.reviews.push_back({0, {word.mid(1).toInt()}, Review::Good, {}});
                continue;
            }
            contents.renumberings.append({0, qsizetype(contents.reviews.size()), {}});
            for (const QString &move : word.mid(1).split(u','))
                contents.renumberings.last().moves.append(
                    {move.section(u'>', 0, 0).toInt(), move.section(u'>', 1).toInt()});
        }
        const std::vector<int> ids = contents.currentIds();
        QTEST(QList<int>(ids.begin(), ids.end()), "ids");
    }

    // the learner is an hour east of UTC
    void queries()
    {
        ReviewSchedule schedule({0.9, 3600});
        // 1 forward: due Jan 4, lapsed then (due Jan 5 10:00), practised later that day
        schedule.add(review("2026-01-01T10:00:00Z", 1));
        schedule.add(review("2026-01-04T10:00:00Z", 1, Review::Again));
        schedule.add(review("2026-01-04T12:00:00Z", 1, Review::Easy));
        // 2 both ways at 00:30 on Jan 4 here: due in 2 and 8 days, just after midnight
        schedule.add(review("2026-01-03T23:30:00Z", 2, Review::Hard));
        schedule.add(review("2026-01-03T23:30:00Z", 2, Review::Easy, Direction::Backward));
        // 3 due in December; 4 known, due in February
        schedule.add(review("2025-12-01T10:00:00Z", 3, Review::Again));
        schedule.add(review("2025-12-09T10:00:00Z", 3, Review::Good));
        schedule.add(review("2025-12-01T10:00:00Z", 4, Review::Easy));
        schedule.add(review("2025-12-09T10:00:00Z", 4, Review::Easy));

        const qint64 now = at("2026-01-05T11:00:00Z");
        const QList<CardSchedule> due = ScheduleQueries::dueNow(schedule, now);
        QCOMPARE(due.size(), 2);
        QCOMPARE(due[0].card, CardKey{3});
        QCOMPARE(due[1].card, CardKey{1});
        const ScheduleQueries::DueCounts counts = ScheduleQueries::dueCounts(schedule, now);
        QCOMPARE(QList<int>({counts.now, counts.today, counts.tomorrow}), QList<int>({2, 2, 1}));

        const QList<ScheduleQueries::DayCount> done = ScheduleQueries::reviewsPerDay(schedule, now);
        QCOMPARE(done.last().date, QDate(2026, 1, 5));
        QCOMPARE(done[28].count, 4); // Jan 4, practice included
        QCOMPARE(done[2].count, 2); // Dec 9
        QCOMPARE(total(done), 7);
        const QList<ScheduleQueries::DayCount> coming = ScheduleQueries::duePerDay(schedule, now);
        QCOMPARE(coming.first().date, QDate(2026, 1, 5));
        QCOMPARE(QList<int>({coming[0].count, coming[1].count, coming[7].count, total(coming)}),
            QList<int>({2, 1, 1, 4})); // today with the overdue ones; 4 beyond the 30 days

        // the second reviews of 1, 3 and 4
        const auto retention = ScheduleQueries::measuredRetention(schedule, at("2025-01-01T00:00:00Z"), now);
        QCOMPARE(QList<int>({retention.reviews, retention.recalled}), QList<int>({3, 2}));
        const auto stages = ScheduleQueries::stages(schedule, {{1}, {1, Direction::Backward}, {3}, {4}});
        QCOMPARE(QList<int>({stages.unseen, stages.learning, stages.known}), QList<int>({1, 2, 1}));
        // today has no review yet; Jan 4 had, Jan 3 here had none
        QCOMPARE(ScheduleQueries::daysInARow(schedule, now), 1);
        QCOMPARE(ScheduleQueries::daysInARow(schedule, at("2026-01-06T11:00:00Z")), 0);
    }
};

QTEST_GUILESS_MAIN(TestReviewSchedule)
#include "tst_reviewschedule.moc"
