#include "../testfiles.h"

#include "train/reviewlog.h"
#include "train/reviewtime.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

namespace {

// on 2026-01-01T10:00:00Z and the days after it
Review review(
    qint64 day, int id, int rating, const QString &answer = QString(), Direction direction = Direction::Forward)
{
    return {1767261600 + day * ReviewTime::SecondsPerDay, {id, direction}, quint8(rating), answer};
}

bool same(const Review &a, const Review &b)
{
    return a.time == b.time && a.card == b.card && a.rating == b.rating && a.answer == b.answer;
}

} // namespace

class TestReviewLog : public QObject
{
    Q_OBJECT

private slots:
    // the log warns of the lines it skips
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules(QStringLiteral("verbalon.train.warning=false"));
    }

    void init() { QFile::remove(m_path); }

    // clang-format off
    void linesOfTheLog_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("kind");
        const QByteArray t = "2026-01-01T10:00:00Z\t";
        QTest::newRow("review") << t + "1\tf\t3\t" << "review";
        QTest::newRow("fields of a later version") << t + "1\tb\t2\tx\t99" << "review";
        QTest::newRow("time with an offset") << QByteArray("2026-01-01T12:00:00+02:00\t1\tf\t3\t") << "review";
        QTest::newRow("no answer field") << t + "1\tf\t3" << "unreadable";
        QTest::newRow("id 0") << t + "0\tf\t3\t" << "unreadable";
        QTest::newRow("direction") << t + "1\tx\t3\t" << "unreadable";
        QTest::newRow("rating 5") << t + "1\tf\t5\t" << "unreadable";
        QTest::newRow("renumbering") << t + "renumber\t1>2\t3>4\t2" << "renumbering";
        QTest::newRow("renumbering, no count") << t + "renumber\t1>2\t3>4" << "unreadable";
    }
    // clang-format on

    // a line is read or skipped on its own; the lines around it are read
    void linesOfTheLog()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, kind);
        writeFile(m_path, ReviewLog::line(review(-1, 9, 3)) + line + '\n' + ReviewLog::line(review(3, 9, 3)));
        ReviewLog::Contents contents;
        QCOMPARE(ReviewLog(m_path).read(contents), ReviewLog::Status::Ok);
        QCOMPARE(contents.reviews.size(), size_t(kind == "review" ? 3 : 2));
        QCOMPARE(contents.renumberings.size(), kind == "renumbering" ? 1 : 0);
        QCOMPARE(contents.unreadableLines, kind == "unreadable" ? 1 : 0);
    }

    void cutLastLine_data()
    {
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("review") << ReviewLog::line(review(2, 12345, 3, "long answer"));
        QTest::newRow("renumbering") << QByteArray("2026-01-05T10:00:00Z\trenumber\t12>345\t345>12\t2\n");
    }

    // a crash while the last line was written: what came before is read,
    // the cut line is skipped (or, cut in the answer, read with less of
    // it), and the next review is read whole
    void cutLastLine()
    {
        QFETCH(QByteArray, last);
        const QByteArray head = ReviewLog::line(review(0, 1, 3)) + ReviewLog::line(review(1, 2, 4));
        const Review full = review(2, 12345, 3, "long answer");
        for (qsizetype cut = 1; cut < last.size(); ++cut) {
            writeFile(m_path, head + last.left(cut));
            ReviewLog log(m_path);
            ReviewLog::Contents contents;
            QCOMPARE(log.read(contents), ReviewLog::Status::Ok);
            QVERIFY(contents.reviews.size() == 2 || contents.reviews.size() == 3);
            if (contents.reviews.size() == 3) {
                const Review &read = contents.reviews[2];
                QVERIFY(read.time == full.time && read.card == full.card && full.answer.startsWith(read.answer));
            }
            QCOMPARE(contents.renumberings.size(), cut == last.size() - 1 && last.contains("renumber") ? 1 : 0);
            QVERIFY(log.append(review(3, 7, 1, "next")));
            ReviewLog::Contents after;
            QCOMPARE(log.read(after), ReviewLog::Status::Ok);
            QCOMPARE(after.reviews.size(), contents.reviews.size() + 1);
            QVERIFY(same(after.reviews.back(), review(3, 7, 1, "next")));
        }
    }

    // answers of any text and renumberings are read back as written; a
    // compaction keeps the reviews of the dictionary's entries under their
    // ids and the lines it cannot read, the old log as its backup
    void writeReadAndCompact()
    {
        const QList<Review> reviews{review(0, 1, 3, "tab\there, line\nfeed, back\\slash, \\t, return\r"),
            review(0, 2, 1, QString(), Direction::Backward), review(0, 3, 2, u8("שָׁלוֹם")), review(3, 4, 1, "again")};
        ReviewLog log(m_path);
        QVERIFY(log.append(reviews[0]) && log.append(reviews[1]) && log.append(reviews[2]));
        QVERIFY(log.appendRenumbering({{3, 4}, {4, 2147483647}}, reviews[2].time));
        QVERIFY(log.append(reviews[3]));
        writeFile(m_path, readAll(m_path) + "not a review\n");
        QVERIFY(log.append(review(4, 5, 2)));
        ReviewLog::Contents contents;
        QCOMPARE(log.read(contents), ReviewLog::Status::Ok);
        QCOMPARE(contents.reviews.size(), size_t(5));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(same(contents.reviews[size_t(i)], reviews[i]), ReviewLog::line(reviews[i]).constData());
        QCOMPARE(contents.renumberings.size(), 1);
        QCOMPARE(contents.renumberings[0].reviewsBefore, 3);
        QCOMPARE(contents.renumberings[0].moves, (QList<QPair<int, int>>{{3, 4}, {4, 2147483647}}));

        const QByteArray before = readAll(m_path);
        Dictionary dictionary;
        for (int id : {1, 4, 9})
            dictionary.insertEntry(Entry(QString::number(id), "meaning", id));
        int dropped = 0;
        QVERIFY(log.compact(dictionary, &dropped));
        QCOMPARE(dropped, 2);
        QCOMPARE(readAll(m_path + ".bak"), before);
        ReviewLog::Contents compacted;
        QCOMPARE(log.read(compacted), ReviewLog::Status::Ok);
        QCOMPARE(compacted.renumberings.size(), 0);
        QCOMPARE(compacted.unreadableLines, 1);
        QCOMPARE(compacted.currentIds(), (std::vector<int>{1, 4, 4}));
        QVERIFY(same(compacted.reviews[2], reviews[3]));
    }

private:
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("words.dic.reviews");
};

QTEST_GUILESS_MAIN(TestReviewLog)
#include "tst_reviewlog.moc"
