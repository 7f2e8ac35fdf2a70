#include "app/mainwindow.h"
#include "train/reviewlog.h"
#include "views/trainer.h"

#include "../guihelpers.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The window killed (SIGKILL) after ten trainer answers and a new word:
// the answers are in the review log, the answers' counters and the word in
// the journal, and the next start offers them back.
class TestCrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }
    void killedAfterTenAnswersAndAnEdit_data();
    void killedAfterTenAnswersAndAnEdit();
};

void TestCrashRecovery::killedAfterTenAnswersAndAnEdit_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("fileChanged"); // by another program before the next start
    QTest::newRow("restored") << true << false;
    QTest::newRow("discarded") << false << false;
    QTest::newRow("the file changed since: set aside") << true << true;
}

void TestCrashRecovery::killedAfterTenAnswersAndAnEdit()
{
    QFETCH(bool, restore);
    QFETCH(bool, fileChanged);
    QTemporaryDir dir;
    const QString file = dir.filePath("small.dic");
    {
        Dictionary dictionary;
        dictionary.setAttribute("NAME", "Hebrew");
        dictionary.setAttribute("TYPE", "he_IL");
        dictionary.setAttribute("USER", "en");
        const QList<QPair<const char *, const char *>> words{
            {"סֵפֶר", "book"}, {"סוּס", "horse"}, {"כָּתַב", "to write"}, {"בַּיִת", "house"}, {"יָם", "sea"}, {"עֵץ", "tree"}};
        for (qsizetype i = 0; i < words.size(); ++i) {
            Entry e(u8(words[i].first), QString::fromUtf8(words[i].second), int(i) + 1);
            // five marked for learning, so ten questions are new ones
            if (i < 5)
                e.setLearnCounters(0, 0);
            dictionary.insertEntry(e);
        }
        QVERIFY(DictionaryFile(file).save(dictionary));
        DictionaryList list;
        list.setFileName(dir.filePath("dicts.dic"));
        list.addDictionary("Hebrew", "he_IL", "small.dic", "", "en");
        QVERIFY(list.save());
    }
    const QByteArray saved = readAll(file);

    QProcess child;
    child.start(QStringLiteral(CRASH_CHILD), {dir.path()});
    QVERIFY(child.waitForStarted());
    QDeadlineTimer deadline(60000);
    while (!child.canReadLine() && child.state() == QProcess::Running && !deadline.hasExpired())
        child.waitForReadyRead(1000);
    QCOMPARE(child.readLine(), QByteArray("ready\n"));
    child.kill();
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    QCOMPARE(readAll(file), saved);
    ReviewLog::Contents contents;
    QCOMPARE(ReviewLog(ReviewLog::pathFor(file)).read(contents), ReviewLog::Status::Ok);
    QCOMPARE(contents.reviews.size(), size_t(10));
    for (const Review &review : contents.reviews)
        QCOMPARE(int(review.rating), int(Review::Good));

    if (fileChanged)
        addEntry(file);
    const QByteArray journal = readAll(file + ".journal");
    PromptScript prompts;
    prompts.answers = {restore ? Prompt::Choice::Yes : Prompt::Choice::Discard};
    MainWindow window(dir.path());
    QCOMPARE(prompts.titles(), QStringList{"Unsaved Changes Found"});
    Dictionary *store = window.dictionary();
    if (fileChanged) {
        QVERIFY(!store->isModified());
        QVERIFY(!QFile::exists(file + ".journal"));
        QCOMPARE(readAll(file + ".journal.stale"), journal);
        return;
    }
    QVERIFY(prompts.asked.first().text.contains("11 changes"));
    QCOMPARE(store->isModified(), restore);
    QCOMPARE(store->findExact(u8("גן")).size(), restore ? 1 : 0);
    for (int id = 1; id <= 5; ++id) {
        const Entry e = store->entryById(id);
        QCOMPARE(int(e.learnedForward()), restore ? 1 : 0);
        QCOMPARE(int(e.learnedBackward()), restore ? 1 : 0);
    }
    QCOMPARE(window.findChild<Trainer *>()->history().schedule().events().size(), size_t(10));
    QCOMPARE(QFile::exists(file + ".journal"), restore);
}

QTEST_MAIN(TestCrashRecovery)
#include "tst_crashrecovery.moc"
