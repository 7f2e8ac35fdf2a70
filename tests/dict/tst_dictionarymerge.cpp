#include "../testfiles.h"

#include "files/backupfiles.h"
#include "formats/recordcodec.h"
#include "formats/tsvformat.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "merge/dictionarymerge.h"
#include "merge/dictionaryupdate.h"
#include "merge/installedupgrade.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// "id:word:forward:backward" entries, blank-separated ("_" a blank inside a
// word); counters default to -1, the meaning is the word's.
void fill(Dictionary &dict, const QString &entries)
{
    std::vector<Entry> list;
    for (const QString &item : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(u':');
        const QString word = QString(f[1]).replace(u'_', u' ');
        Entry e(word, f.value(4, word + QStringLiteral(" meaning")), f[0].toInt());
        e.setLearnCounters(qint8(f.value(2, "-1").toInt()), qint8(f.value(3, "-1").toInt()));
        list.push_back(e);
    }
    dict.insertEntries(list);
}

QString describe(const Dictionary &dict)
{
    QMultiMap<int, QString> byId;
    for (int i = 0; i < dict.count(); ++i) {
        const Entry e = dict.entryAt(i);
        QString word = e.word();
        QString item = QStringLiteral("%1:%2:%3:%4")
                           .arg(e.id())
                           .arg(word.replace(u' ', u'_'))
                           .arg(e.learnedForward())
                           .arg(e.learnedBackward());
        if (e.translation() != e.word() + QStringLiteral(" meaning"))
            item += u':' + e.translation();
        byId.insert(e.id(), item);
    }
    return QStringList(byId.values()).join(u' ');
}

// Some of the Russian sample the program came with before the bundled
// dictionary (unstressed, with the ids it had): words a learner of that
// version trained.
const char RussianSample[] = R"(id	word	type	flags	translation	de
1	дом	Noun	5	house	Haus
2	кошка	Noun	6	cat	Katze
7	молоко	Noun	4	milk	Milch
30	деньги	Noun	8	money	Geld
35	новый	Adj.	5	new	neu
37	идти	Verb	128	to go, to walk	gehen
38	читать	Verb	64	to read	lesen
46	спасибо	???	0	thank you	danke
48	да	Adv.	0	yes	ja
50	ёлка	Noun	6	fir tree, Christmas tree	Tanne, Weihnachtsbaum)";

QByteArray bytesOf(const QString &entries)
{
    Dictionary dict;
    fill(dict, entries);
    return DictionaryFile::toBytes(dict);
}

} // namespace

class TestDictionaryMerge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("verbalon.dict.warning=false"); }
    void merge_data();
    void merge();
    void headerStaysTheLearners();
    void deletionsNeedConfirmation_data();
    void deletionsNeedConfirmation();
    void unsoundIncomingIsRefused_data();
    void unsoundIncomingIsRefused();
    void idMovesOfAReport();
    void similar_data();
    void similar();
    void localFileStates_data();
    void localFileStates();
    void backupsKeepFiveGenerations();
    void backupOnAFullDiskLeavesEverything();
    void backupsMoveOnlyWhenTheFileChanges();
    void installedUpgrade_data();
    void installedUpgrade();
    void sampleUpgradesToTheBundledDictionary_data();
    void sampleUpgradesToTheBundledDictionary();
};

// clang-format off
void TestDictionaryMerge::merge_data()
{
    QTest::addColumn<bool>("threeWay");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("result");
    // from a server: counters only ever come from the learner
    QTest::newRow("same word keeps the local counters") << false << "" << "7:apple:2:3" << "7:apple:9:9" << "7:apple:2:3";
    QTest::newRow("unlearned locally: counters from nowhere") << false << "" << "7:apple" << "7:apple:9:9" << "7:apple:-1:-1";
    QTest::newRow("corrected spelling restarts learning") << false << "" << "7:aple:4:0:fruit" << "7:apple:-1:-1:fruit" << "7:apple:0:0:fruit";
    QTest::newRow("other points on the same letters keep learning") << false << "" << "7:סֵפֶר:4:2" << "7:ספר" << "7:ספר:4:2";
    QTest::newRow("unrelated word: the local one comes back new") << false << "" << "7:pear:1:1" << "7:apple" << "7:apple:-1:-1 8:pear:1:1";
    QTest::newRow("deleted on the other side, added locally after") << false << "" << "1:a 2:b 3:c 4:d 5:e 6:f 7:g 8:h 9:i 10:j:3:3" << "1:a 2:b 3:c 4:d 6:f 7:g 8:h" << "1:a:-1:-1 2:b:-1:-1 3:c:-1:-1 4:d:-1:-1 6:f:-1:-1 7:g:-1:-1 8:h:-1:-1 9:i:-1:-1 10:j:3:3";
    QTest::newRow("added on both sides: one entry, the learner's counters") << false << "" << "1:a 9:kiwi:2:2" << "1:a 3:kiwi" << "1:a:-1:-1 3:kiwi:2:2";
    QTest::newRow("added on both sides, capitalised") << false << "" << "1:a 9:Kiwi:2:2" << "1:a 3:Kiwi" << "1:a:-1:-1 3:Kiwi:2:2";
    QTest::newRow("added on both sides, two words") << false << "" << "1:a 9:ice_cream:1:0" << "1:a 3:ice_cream" << "1:a:-1:-1 3:ice_cream:1:0";
    QTest::newRow("added on both sides, pointed") << false << "" << "1:a 9:סֵפֶר:1:0" << "1:a 3:סֵפֶר" << "1:a:-1:-1 3:סֵפֶר:1:0";
    QTest::newRow("a pointed word beside the server's unpointed one") << false << "" << "1:a 9:סַפָּר:4:2" << "1:a 3:ספר" << "1:a:-1:-1 3:ספר:-1:-1 4:סַפָּר:4:2";
    QTest::newRow("two local additions sharing a key") << false << "" << "1:a 8:ספר:1:1 9:סֵפֶר:2:2" << "1:a" << "1:a:-1:-1 2:ספר:1:1 3:סֵפֶר:2:2";
    QTest::newRow("a local duplicate id loses nothing") << false << "" << "1:a 5:b:3:3 5:c:1:1" << "1:a 5:b" << "1:a:-1:-1 5:b:3:3 6:c:1:1";
    QTest::newRow("a word the server gave another id") << false << "" << "1:a 7:pear:1:1" << "1:a 7:apple 12:pear" << "1:a:-1:-1 7:apple:-1:-1 12:pear:1:1";
    QTest::newRow("ids the other side never had") << false << "" << "" << "3:kiwi:5:5" << "3:kiwi:-1:-1";
    QTest::newRow("new ids follow the largest") << false << "" << "2:b 5:pear" << "2:b 40:fig" << "2:b:-1:-1 40:fig:-1:-1 41:pear:-1:-1";
    // from a phone: what changed since the last sync wins, per direction
    QTest::newRow("trained on the phone since") << true << "1:father:0:1" << "1:father:0:1" << "1:father:5:4" << "1:father:5:4";
    QTest::newRow("trained on the computer since") << true << "1:father:0:1" << "1:father:3:3" << "1:father:0:1" << "1:father:3:3";
    QTest::newRow("trained on both: the lower") << true << "1:father:0:1" << "1:father:3:6" << "1:father:5:4" << "1:father:3:4";
    QTest::newRow("no base: the trained side") << true << "" << "1:father" << "1:father:5:4" << "1:father:5:4";
    QTest::newRow("no base, both trained: the computer") << true << "" << "1:father:0:1" << "1:father:5:4" << "1:father:0:1";
    QTest::newRow("no base, each direction its own") << true << "" << "1:father:2:-1" << "1:father:-1:7" << "1:father:2:7";
    QTest::newRow("a base of another word is none") << true << "1:mother:5:5" << "1:father:0:1" << "1:father:5:4" << "1:father:0:1";
    QTest::newRow("added on the phone keeps its training") << true << "" << "1:a" << "1:a 2:b:3:3" << "1:a:-1:-1 2:b:3:3";
    // from a server, with the copy last received from it
    QTest::newRow("a respelling of an unrelated addition is no respelling") << false << "" << "2:cat:3:3:pet" << "2:car:-1:-1:vehicle" << "2:car:-1:-1:vehicle 3:cat:3:3:pet";
    QTest::newRow("the learner's addition beside the server's under its id") << false << "1:a" << "1:a 2:cat:3:3" << "1:a 2:car" << "1:a:-1:-1 2:car:-1:-1 3:cat:3:3";
    QTest::newRow("a homograph the learner added stays apart") << false << "1:a" << "1:a 2:bank:2:1:riverside" << "1:a 3:bank:-1:-1:money" << "1:a:-1:-1 2:bank:2:1:riverside 3:bank:-1:-1:money";
    QTest::newRow("an addition keeps its id") << false << "1:a" << "1:a 5:kiwi:1:1" << "1:a 2:fig" << "1:a:-1:-1 2:fig:-1:-1 5:kiwi:1:1";
    QTest::newRow("added on both sides, other ids") << false << "1:a" << "1:a 5:kiwi:1:1" << "1:a 2:kiwi" << "1:a:-1:-1 2:kiwi:1:1";
    QTest::newRow("the same entry respelled keeps its counters") << false << "1:cat:-1:-1:pet" << "1:cat:5:4:pet" << "1:catt:-1:-1:pet" << "1:catt:5:4:pet";
    QTest::newRow("the learner's edit the server left") << false << "1:bayit:-1:-1:house" << "1:bayit:2:2:home" << "1:bayit:-1:-1:house" << "1:bayit:2:2:home";
    QTest::newRow("the server's edit the learner left") << false << "1:bayit:-1:-1:house" << "1:bayit:2:2:house" << "1:bayit:-1:-1:dwelling" << "1:bayit:2:2:dwelling";
    QTest::newRow("both edited: the server's text") << false << "1:bayit:-1:-1:house" << "1:bayit:2:2:home" << "1:bayit:-1:-1:dwelling" << "1:bayit:2:2:dwelling";
    QTest::newRow("the learner respelled, the server changed the meaning") << false << "1:bait:-1:-1:house" << "1:bayit:2:2:house" << "1:bait:-1:-1:home" << "1:bayit:2:2:home";
    QTest::newRow("a word held twice, one deleted: the higher counters") << false << "18:boker 40:boker" << "18:boker:3:3 40:boker:40:8" << "18:boker" << "18:boker:40:8";
    QTest::newRow("each direction its higher counter") << false << "5:x 9:x" << "5:x:3:3 9:x:-1:27" << "5:x" << "5:x:3:27";
    QTest::newRow("deleted by the learner, left by the server") << false << "1:a 2:b" << "1:a" << "1:a 2:b" << "1:a:-1:-1";
    QTest::newRow("deleted by the learner, changed by the server") << false << "1:a 2:b" << "1:a" << "1:a 2:b:-1:-1:bee" << "1:a:-1:-1 2:b:-1:-1:bee";
    QTest::newRow("deleted by the server after the base") << false << "1:a 2:b" << "1:a 2:b:1:1" << "1:a" << "1:a:-1:-1";
    QTest::newRow("an id the server gave another word") << false << "1:a 7:pear" << "1:a 7:pear:1:1" << "1:a 7:apple" << "1:a:-1:-1 7:apple:-1:-1 8:pear:1:1";
}
// clang-format on

void TestDictionaryMerge::merge()
{
    QFETCH(bool, threeWay);
    QFETCH(QString, base);
    QFETCH(QString, local);
    QFETCH(QString, remote);
    Dictionary baseDict, localDict, remoteDict;
    fill(baseDict, base);
    fill(localDict, local);
    fill(remoteDict, remote);
    const auto counters = threeWay ? DictionaryMerge::Counters::ThreeWay : DictionaryMerge::Counters::FromLocal;
    const Dictionary *baseCopy = base.isEmpty() ? nullptr : &baseDict;
    DictionaryMerge merge;
    QVERIFY(merge.merge(localDict, remoteDict, counters, baseCopy));
    QTEST(describe(remoteDict), "result");
    // the same copy from the same place again changes nothing
    Dictionary again;
    fill(again, remote);
    QVERIFY(merge.merge(remoteDict, again, counters, baseCopy));
    QTEST(describe(again), "result");
}

void TestDictionaryMerge::headerStaysTheLearners()
{
    Dictionary local, remote;
    local.setAttribute("TYPE", "he_IL");
    local.setAttribute("USER", "en,de");
    remote.setAttribute("TYPE", "ru_RU");
    remote.setAttribute("NAME", "Renamed");
    QVERIFY(DictionaryMerge().merge(local, remote, DictionaryMerge::Counters::FromLocal));
    QCOMPARE(remote.type(), QStringLiteral("he_IL"));
    QCOMPARE(remote.attribute("USER"), QStringLiteral("en,de"));
    QCOMPARE(remote.name(), QStringLiteral("Renamed"));
}

// clang-format off
void TestDictionaryMerge::deletionsNeedConfirmation_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("one of four, unlearned") << "" << "1:a 2:b 3:c 4:d" << "1:a 3:c 4:d" << false;
    QTest::newRow("a learned one") << "" << "1:a 2:b:0:0 3:c 4:d" << "1:a 3:c 4:d" << true;
    QTest::newRow("more than half") << "" << "1:a 2:b 3:c 4:d 5:e" << "5:e" << true;
    QTest::newRow("none") << "" << "1:a 2:b" << "1:a 2:b 3:c" << false;
    QTest::newRow("a trained word respelled") << "" << "1:cat:2:2:pet 2:b" << "1:catt:-1:-1:pet 2:b" << true;
    QTest::newRow("an untrained word respelled") << "" << "1:cat:-1:-1:pet 2:b" << "1:catt:-1:-1:pet 2:b" << false;
    QTest::newRow("one the learner edited") << "1:a 2:b 3:c" << "1:a 2:b:-1:-1:mine 3:c" << "1:a 3:c" << true;
    QTest::newRow("one the learner left") << "1:a 2:b 3:c" << "1:a 2:b 3:c" << "1:a 3:c" << false;
}
// clang-format on

void TestDictionaryMerge::deletionsNeedConfirmation()
{
    QFETCH(QString, base);
    QFETCH(QString, local);
    QFETCH(QString, remote);
    Dictionary baseDict, localDict, remoteDict;
    fill(baseDict, base);
    fill(localDict, local);
    fill(remoteDict, remote);
    DictionaryMerge merge;
    QVERIFY(
        merge.merge(localDict, remoteDict, DictionaryMerge::Counters::FromLocal, base.isEmpty() ? nullptr : &baseDict));
    QTEST(merge.report().needsConfirmation(), "confirm");
}

void TestDictionaryMerge::unsoundIncomingIsRefused_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("refused");
    QTest::newRow("sound") << "1:a 2:b" << false;
    QTest::newRow("an id twice") << "1:a 1:b" << true;
    QTest::newRow("id 0") << "0:a" << true;
    QTest::newRow("the last id there is") << QStringLiteral("%1:a").arg(INT_MAX) << true;
}

void TestDictionaryMerge::unsoundIncomingIsRefused()
{
    QFETCH(QString, entries);
    Dictionary dict;
    fill(dict, entries);
    QTEST(!DictionaryMerge::checkIncoming(dict), "refused");
}

// clang-format off
// what a merge renumbered, as pairs for what keeps notes by id
void TestDictionaryMerge::idMovesOfAReport()
{
    MergeReport report;
    const auto change = [](MergeChange::Kind kind, int id, int newId) {
        return MergeChange{kind, Entry(QStringLiteral("w"), QString(), id), false, newId};
    };
    report.changes = {change(MergeChange::Kind::Renumbered, 2, 3), change(MergeChange::Kind::Joined, 4, 4),
        change(MergeChange::Kind::Joined, 5, 1), change(MergeChange::Kind::Replaced, 6, 0)};
    QCOMPARE(report.idMoves(), (QList<QPair<int, int>>{{2, 3}, {5, 1}}));
}

void TestDictionaryMerge::similar_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("similar");
    QTest::newRow("equal") << "apple" << "apple" << true;
    QTest::newRow("one letter changed") << "apple" << "apble" << true;
    QTest::newRow("two letters changed") << "apple" << "abble" << false;
    QTest::newRow("one letter more, inside") << "aple" << "apple" << true;
    QTest::newRow("one letter more, at the end") << "apples" << "apple" << true;
    QTest::newRow("two letters more") << "app" << "apple" << false;
    QTest::newRow("one more but otherwise different") << "xpple" << "appl" << false;
}
// clang-format on

void TestDictionaryMerge::similar()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST(DictionaryMerge::similar(a, b), "similar");
    QTEST(DictionaryMerge::similar(b, a), "similar");
}

// clang-format off
void TestDictionaryMerge::localFileStates_data()
{
    QTest::addColumn<QByteArray>("localBytes"); // empty: no file; "dir": a folder
    QTest::addColumn<bool>("merges");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("damagedKept");
    const QByteArray whole = bytesOf("1:a:2:2 9:mine:1:1");
    QTest::newRow("no local copy: the incoming one whole") << QByteArray() << true << "1:a:3:3 2:b:-1:-1" << false;
    QTest::newRow("a whole local copy") << whole << true << "1:a:2:2 2:b:-1:-1 3:mine:1:1" << false;
    QTest::newRow("a damaged local copy: kept, then merged") << whole.left(whole.size() - 3) << true << "1:a:2:2 2:b:-1:-1 3:mine:-1:-1" << true;
    QTest::newRow("an unknown version: never replaced") << QByteArray("\0\0\0\x0a" "DICT V3.4\0", 14) << false << "" << false;
    QTest::newRow("a folder: never replaced") << QByteArray("dir") << false << "" << false;
}
// clang-format on

void TestDictionaryMerge::localFileStates()
{
    QFETCH(QByteArray, localBytes);
    QFETCH(bool, merges);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.dic");
    if (localBytes == "dir")
        QVERIFY(QDir().mkpath(path));
    else if (!localBytes.isEmpty())
        writeFile(path, localBytes);
    DictionaryUpdate update(path);
    const DictionaryUpdate::Status status = update.merge(bytesOf("1:a:3:3 2:b"));
    QCOMPARE(status == DictionaryUpdate::Status::Ok, merges);
    QTEST(QFile::exists(path + ".damaged"), "damagedKept");
    if (!merges) {
        QCOMPARE(status, DictionaryUpdate::Status::LocalUnreadable);
        QVERIFY(!update.errorString().isEmpty());
        return;
    }
    QCOMPARE(update.save(), DictionaryUpdate::Status::Ok);
    Dictionary saved;
    QCOMPARE(DictionaryFile(path).load(saved), DictionaryFile::Status::Ok);
    QTEST(describe(saved), "result");
}

// The newest backup is the file as it was before; five are kept.
void TestDictionaryMerge::backupsKeepFiveGenerations()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.dic");
    for (int version = 1; version <= 7; ++version) {
        writeFile(path, QByteArray::number(version));
        QVERIFY(BackupFiles::keep(path).ok());
    }
    for (int generation = 0; generation < BackupFiles::Generations; ++generation)
        QCOMPARE(readAll(BackupFiles::backupName(path, generation)), QByteArray::number(7 - generation));
    QVERIFY(!QFile::exists(BackupFiles::backupName(path, BackupFiles::Generations)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1 + BackupFiles::Generations);
}

// A disk that fills up while the copy is written: the file and the older
// backups stay as they were, and no half copy is left.
void TestDictionaryMerge::backupOnAFullDiskLeavesEverything()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.dic");
    writeFile(path, "old");
    QVERIFY(BackupFiles::keep(path).ok());
    writeFile(path, QByteArray(5000, 'x'));
    QString error;
    QVERIFY(!onAFullDisk(2000, [&] {
        const Result<> kept = BackupFiles::keep(path);
        error = kept.errorString();
        return kept.ok();
    }));
    // the system's reason, not "Unknown error"
    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    QCOMPARE(readAll(path).size(), 5000);
    QCOMPARE(readAll(path + ".bak"), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"x.dic", "x.dic.bak"}));
}

// An update that brings nothing new writes nothing and moves no backup;
// one that cannot be written (a full disk) leaves every backup as it was.
void TestDictionaryMerge::backupsMoveOnlyWhenTheFileChanges()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.dic");
    writeFile(path, bytesOf("1:a:2:2 2:mine:1:1"));
    writeFile(path + ".bak", "older");
    const QByteArray incoming = bytesOf("1:a 3:b");
    for (int update = 0; update < 3; ++update) {
        DictionaryUpdate again(path);
        QCOMPARE(again.merge(incoming), DictionaryUpdate::Status::Ok);
        QCOMPARE(again.save(), DictionaryUpdate::Status::Ok);
    }
    QCOMPARE(readAll(path + ".bak"), bytesOf("1:a:2:2 2:mine:1:1"));
    QCOMPARE(readAll(path + ".bak.1"), QByteArray("older"));
    QVERIFY(!QFile::exists(path + ".bak.2"));
    const QByteArray merged = readAll(path);
    DictionaryUpdate full(path);
    QCOMPARE(full.merge(bytesOf("1:a 3:b 4:c")), DictionaryUpdate::Status::Ok);
    QVERIFY(!onAFullDisk(merged.size() + 10, [&] { return full.save() == DictionaryUpdate::Status::Ok; }));
    QCOMPARE(readAll(path), merged);
    QCOMPARE(readAll(path + ".bak.1"), QByteArray("older"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"x.dic", "x.dic.bak", "x.dic.bak.1"}));
}

// clang-format off
void TestDictionaryMerge::installedUpgrade_data()
{
    QTest::addColumn<QString>("record"); // the installed version the copy last took in, "" for none
    QTest::addColumn<QString>("local"); // "!" for a file that is no dictionary
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<InstalledUpgrade::Status>("status");
    const auto Upgraded = InstalledUpgrade::Status::Upgraded;
    const auto Unchanged = InstalledUpgrade::Status::Unchanged;
    QTest::newRow("new version of a trained copy") << "1:a 2:b" << "1:a:3:3 2:b" << "1:a 2:b:-1:-1:bee 3:c" << "1:a:3:3 2:b:-1:-1:bee 3:c:-1:-1" << Upgraded;
    QTest::newRow("the learner's change stays") << "1:a 2:b" << "1:a 2:b:-1:-1:mine" << "1:a 2:b:-1:-1:bee" << "1:a:-1:-1 2:b:-1:-1:mine" << Unchanged;
    QTest::newRow("the learner's addition stays") << "1:a" << "1:a 2:kiwi:1:1" << "1:a 2:fig" << "1:a:-1:-1 2:fig:-1:-1 3:kiwi:1:1" << Upgraded;
    QTest::newRow("dropped: untouched goes, trained stays") << "1:a 2:b 3:c 4:d" << "1:a 2:b 3:c:2:2 4:d" << "1:a 4:d 5:e" << "1:a:-1:-1 3:c:2:2 4:d:-1:-1 5:e:-1:-1" << Upgraded;
    QTest::newRow("no record: nothing dropped") << "" << "1:a 2:b 3:c" << "1:a 3:c 4:d" << "1:a:-1:-1 2:b:-1:-1 3:c:-1:-1 4:d:-1:-1" << Upgraded;
    QTest::newRow("no record: new meanings, the learner's counters") << "" << "1:a 2:b:4:4" << "1:a 2:b:-1:-1:bee" << "1:a:-1:-1 2:b:4:4:bee" << Upgraded;
    QTest::newRow("pointed copy, unpointed version") << "" << "1:סֵפֶר:2:1" << "1:ספר" << "1:ספר:2:1" << Upgraded;
    QTest::newRow("the version taken in already") << "1:a 2:b" << "1:a 2:b:-1:-1:mine" << "1:a 2:b" << "1:a:-1:-1 2:b:-1:-1:mine" << Unchanged;
    QTest::newRow("an untouched copy without record") << "" << "1:a" << "1:a" << "1:a:-1:-1" << Unchanged;
    QTest::newRow("an unreadable copy stays") << "1:a" << "!" << "1:a 2:b" << "" << InstalledUpgrade::Status::Failed;
}
// clang-format on

// A package brings a newer installed dictionary: it is merged into the
// learner's copy once, the previous file kept, the version recorded.
void TestDictionaryMerge::installedUpgrade()
{
    QFETCH(QString, record);
    QFETCH(QString, local);
    QFETCH(QString, installed);
    QFETCH(InstalledUpgrade::Status, status);
    QTemporaryDir dir;
    const QString copy = dir.filePath("hebrew.dic");
    const QByteArray before = local == "!" ? QByteArray("DICT V9\n") : bytesOf(local);
    writeFile(copy, before);
    if (!record.isEmpty())
        writeFile(InstalledUpgrade::recordPath(copy), bytesOf(record));
    writeFile(dir.filePath("share/hebrew.dic"), bytesOf(installed));
    InstalledUpgrade upgrade;
    QCOMPARE(upgrade.upgrade(dir.filePath("share/hebrew.dic"), copy), status);
    QCOMPARE(upgrade.message().isEmpty(), status == InstalledUpgrade::Status::Unchanged);
    if (status == InstalledUpgrade::Status::Failed) {
        QCOMPARE(readAll(copy), before);
        return;
    }
    Dictionary result;
    QCOMPARE(DictionaryFile(copy).load(result), DictionaryFile::Status::Ok);
    QTEST(describe(result), "result");
    QCOMPARE(readAll(InstalledUpgrade::recordPath(copy)), bytesOf(installed));
    QCOMPARE(QFile::exists(copy + ".bak"), status == InstalledUpgrade::Status::Upgraded);
    if (status == InstalledUpgrade::Status::Upgraded)
        QCOMPARE(readAll(copy + ".bak"), before);
    const QByteArray merged = readAll(copy);
    QCOMPARE(upgrade.upgrade(dir.filePath("share/hebrew.dic"), copy), InstalledUpgrade::Status::Unchanged);
    QCOMPARE(readAll(copy), merged);
}

void TestDictionaryMerge::sampleUpgradesToTheBundledDictionary_data()
{
    QTest::addColumn<bool>("recorded"); // the copy knows the sample as the version it took in
    QTest::newRow("recorded sample") << true;
    QTest::newRow("copy from before the record") << false;
}

// A learner's copy of the old Russian sample, trained, with a word of their
// own and saved in the order of the keys of its time (ё after я), takes in
// the bundled dictionary: every counter stays on its word, stressed now,
// the learner's word stays, and ёлка is found as елка.
void TestDictionaryMerge::sampleUpgradesToTheBundledDictionary()
{
    QFETCH(bool, recorded);
    const TsvFormat::ImportOptions options{"Russian", "ru_RU", "en,de"};
    QStringList warnings;
    Dictionary sample;
    QVERIFY(TsvFormat::read(RussianSample, options, sample, warnings));
    const Result<QByteArray> imported
        = TsvFormat::toDictionaryFile(readAll(VERBALON_SOURCE_DIR "/data/russian.tsv"), options, warnings);
    QVERIFY2(imported, qPrintable(imported.errorString()));
    const QByteArray bundled = imported.value();

    const QMap<QString, QPair<int, int>> trained
        = {{u8("кошка"), {3, 2}}, {u8("ёлка"), {4, 1}}, {u8("идти"), {2, 2}}, {u8("спасибо"), {5, 0}}};
    QList<Entry> copy;
    for (int i = 0; i < sample.count(); ++i) {
        Entry e = sample.entryAt(i);
        const QPair<int, int> counters = trained.value(e.word(), {-1, -1});
        e.setLearnCounters(qint8(counters.first), qint8(counters.second));
        copy.append(e);
    }
    Entry own(u8("ёжик"), QStringLiteral("hedgehog"), 51);
    own.setWordType(Entry::Noun);
    own.setLearnCounters(1, 0);
    copy.append(own);
    // as the copy was saved then: by the letters as they are, ё after я
    std::sort(copy.begin(), copy.end(),
        [](const Entry &a, const Entry &b) { return a.word().toLower() < b.word().toLower(); });
    Dictionary header;
    header.fill(sample.attributes(), EntryArena());
    QByteArray local = DictionaryFile::toBytes(header);
    RecordWriter writer(local);
    for (const Entry &e : std::as_const(copy))
        RecordCodec::write(writer, e);

    QTemporaryDir dir;
    const QString path = dir.filePath("russian.dic");
    writeFile(path, local);
    Dictionary before;
    QCOMPARE(DictionaryFile(path).load(before), DictionaryFile::Status::Ok);
    QCOMPARE(before.findExact(u8("елка")).size(), 1);
    if (recorded)
        writeFile(InstalledUpgrade::recordPath(path), DictionaryFile::toBytes(sample));
    writeFile(dir.filePath("share/russian.dic"), bundled);
    InstalledUpgrade upgrade;
    QCOMPARE(upgrade.upgrade(dir.filePath("share/russian.dic"), path), InstalledUpgrade::Status::Upgraded);

    Dictionary result;
    QCOMPARE(DictionaryFile(path).load(result), DictionaryFile::Status::Ok);
    Dictionary installed;
    QCOMPARE(DictionaryFile().read(bundled, installed), DictionaryFile::Status::Ok);
    QCOMPARE(result.count(), installed.count() + 1);
    for (const Entry &e : std::as_const(copy)) {
        const QList<Entry> found = result.findExact(e.word());
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().learnedForward(), e.learnedForward());
        QCOMPARE(found.first().learnedBackward(), e.learnedBackward());
        if (e.id() != own.id())
            QCOMPARE(found.first().word(), installed.findExact(e.word()).value(0).word());
    }
    QCOMPARE(result.findExact(u8("елка")).value(0).word(), u8("ёлка"));
}

QTEST_GUILESS_MAIN(TestDictionaryMerge)
#include "tst_dictionarymerge.moc"
