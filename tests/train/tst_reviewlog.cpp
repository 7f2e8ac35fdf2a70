#include "../testfiles.h"

#include "files/dictionaryfile.h"
#include "merge/installedupgrade.h"
#include "train/reviewlog.h"
#include "train/reviewlogupkeep.h"
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

// A dictionary file of entries "id:word", the learn counters 1 when trained.
QByteArray dictionaryBytes(const QStringList &entries, bool trained = false)
{
    Dictionary dictionary;
    for (const QString &entry : entries) {
        Entry e(entry.section(u':', 1), QStringLiteral("meaning"), entry.section(u':', 0, 0).toInt());
        if (trained)
            e.setLearnCounters(1, 1);
        dictionary.insertEntry(e);
    }
    return DictionaryFile::toBytes(dictionary);
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
        QTest::newRow("correction") << t + "correct\t2025-12-31T10:00:00Z\t9\tf\t1" << "correction";
        QTest::newRow("correction of no review") << t + "correct\t2025-12-31T10:00:00Z\t8\tf\t1" << "none";
        QTest::newRow("correction, no rating") << t + "correct\t2025-12-31T10:00:00Z\t9\tf" << "unreadable";
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
        QCOMPARE(contents.corrections, kind == "correction" ? 1 : 0);
        QCOMPARE(int(contents.reviews[0].rating), kind == "correction" ? 1 : 3);
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

    // a correction gives the review it names its rating, through a
    // renumbering too; a compaction writes the corrected ratings and no
    // corrections
    void correctionsAndCompaction()
    {
        ReviewLog log(m_path);
        const Review first = review(0, 1, 3, "book");
        QVERIFY(log.append(first) && log.append(review(0, 2, 1)));
        QVERIFY(log.appendCorrection(first, 1, first.time + 5));
        QVERIFY(log.appendRenumbering({{1, 5}}, first.time + 6));
        QVERIFY(log.appendCorrection(first, 4, first.time + 7));
        QVERIFY(log.appendCorrection(review(0, 2, 3), 2, first.time + 8));
        ReviewLog::Contents contents;
        QCOMPARE(log.read(contents), ReviewLog::Status::Ok);
        QCOMPARE(contents.corrections, 3);
        QCOMPARE(int(contents.reviews[0].rating), 4);
        QCOMPARE(int(contents.reviews[1].rating), 2);
        Dictionary dictionary;
        for (int id : {2, 5})
            dictionary.insertEntry(Entry(QString::number(id), "meaning", id));
        QVERIFY(log.compact(dictionary));
        QCOMPARE(readAll(m_path), "2026-01-01T10:00:00Z\t5\tf\t4\tbook\n2026-01-01T10:00:00Z\t2\tf\t2\t\n");
    }

    // an upgrade at start renumbers a word the learner added: its history
    // follows it once the window takes the renumbering in, and the log's
    // backup goes with the file's; an upgrade that changes nothing leaves
    // nothing to take in
    void upgradeRenumberingsReachTheLog()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath("data/hebrew.dic");
        const QString installed = dir.filePath("share/hebrew.dic");
        writeFile(copy, dictionaryBytes({"1:a", "2:kiwi"}, true));
        writeFile(InstalledUpgrade::recordPath(copy), dictionaryBytes({"1:a"}));
        writeFile(installed, dictionaryBytes({"1:a", "2:fig"}));
        ReviewLog log(ReviewLog::pathFor(copy));
        QVERIFY(log.append(review(0, 2, 3, "kiwi")));
        const QByteArray before = readAll(log.path());

        QCOMPARE(InstalledUpgrade::upgradeAll(dir.filePath("share"), dir.filePath("data")).size(), 1);
        QCOMPARE(readAll(InstalledUpgrade::renumberingsPath(copy)), QByteArray("2>3\n"));
        QVERIFY(ReviewLogUpkeep::followInstalledUpgrades(dir.filePath("data"), review(1, 1, 3).time).isEmpty());
        QVERIFY(!QFile::exists(InstalledUpgrade::renumberingsPath(copy)));
        QCOMPARE(readAll(log.path() + ".bak"), before);
        ReviewLog::Contents contents;
        QCOMPARE(log.read(contents), ReviewLog::Status::Ok);
        QCOMPARE(contents.currentIds(), std::vector<int>{3});

        // a trained word the new version drops stays: the copy does not change
        writeFile(InstalledUpgrade::recordPath(copy), dictionaryBytes({"1:a", "2:b"}));
        writeFile(copy, dictionaryBytes({"1:a", "2:b"}, true));
        writeFile(installed, dictionaryBytes({"1:a"}));
        QCOMPARE(InstalledUpgrade::upgradeAll(dir.filePath("share"), dir.filePath("data")), QStringList());
        QCOMPARE(readAll(InstalledUpgrade::recordPath(copy)), readAll(installed));
        QVERIFY(!QFile::exists(InstalledUpgrade::renumberingsPath(copy)));
    }

    // a deleted dictionary's history is kept with its backup, out of the
    // way of a new one under the name
    void deletedDictionaryKeepsItsLog()
    {
        const QString dictionary = m_dir.filePath("gone.dic");
        ReviewLog log(ReviewLog::pathFor(dictionary));
        QVERIFY(log.append(review(0, 1, 3)));
        const QByteArray before = readAll(log.path());
        QString error;
        QVERIFY(ReviewLogUpkeep::followDeletedFile(dictionary, &error));
        QVERIFY(!QFile::exists(log.path()));
        QCOMPARE(readAll(log.path() + ".bak"), before);
    }

private:
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("words.dic.reviews");
};

QTEST_GUILESS_MAIN(TestReviewLog)
#include "tst_reviewlog.moc"
