#include "../testfiles.h"

#include "dict/dictionary.h"
#include "exchange/dictionaryupdater.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// "id:word:forward:backward" entries, blank-separated; counters default to -1.
void fill(Dictionary &dict, const QString &entries)
{
    std::vector<Entry> list;
    for (const QString &item : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(u':');
        Entry e(f[1], f[1] + QStringLiteral(" meaning"), f[0].toInt());
        e.setLearnCounters(qint8(f.value(2, "-1").toInt()), qint8(f.value(3, "-1").toInt()));
        list.push_back(e);
    }
    dict.insertEntries(list);
}

QString describe(const Dictionary &dict)
{
    QMap<int, QString> byId;
    for (int i = 0; i < dict.count(); ++i) {
        const Entry &e = *dict.entryAt(i);
        byId.insert(e.id(),
            QStringLiteral("%1:%2:%3:%4").arg(e.id()).arg(e.word()).arg(e.learnedForward()).arg(e.learnedBackward()));
    }
    return QStringList(byId.values()).join(u' ');
}

} // namespace

class TestDictionaryUpdater : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void similar_data();
    void similar();
    void updateFromBytes();
};

// clang-format off
void TestDictionaryUpdater::merge_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("result");
    QTest::newRow("same word keeps the local counters") << "7:apple:2:3" << "7:apple:9:9" << "7:apple:2:3";
    QTest::newRow("unlearned locally: counters from nowhere") << "7:apple" << "7:apple:9:9" << "7:apple:-1:-1";
    QTest::newRow("corrected spelling restarts learning") << "7:aple:4:0" << "7:apple" << "7:apple:0:0";
    QTest::newRow("unrelated word: the local one comes back new") << "7:pear:1:1" << "7:apple" << "7:apple:-1:-1 8:pear:1:1";
    QTest::newRow("deleted on the other side, added locally after") << "1:a 2:b 3:c 4:d 5:e 6:f 7:g 8:h 9:i 10:j:3:3" << "1:a 2:b 3:c 4:d 6:f 7:g 8:h" << "1:a:-1:-1 2:b:-1:-1 3:c:-1:-1 4:d:-1:-1 6:f:-1:-1 7:g:-1:-1 8:h:-1:-1 9:i:-1:-1 10:j:3:3";
    QTest::newRow("added locally, but the word is there") << "1:a 9:kiwi:2:2" << "1:a 3:kiwi" << "1:a:-1:-1 3:kiwi:-1:-1";
    QTest::newRow("added locally twice: copied once") << "1:a 8:kiwi 9:kiwi" << "1:a" << "1:a:-1:-1 2:kiwi:-1:-1";
    QTest::newRow("ids the other side never had") << "" << "3:kiwi:5:5" << "3:kiwi:-1:-1";
    QTest::newRow("new ids follow the largest") << "2:b 5:pear" << "2:b 40:fig" << "2:b:-1:-1 40:fig:-1:-1 41:pear:-1:-1";
}
// clang-format on

void TestDictionaryUpdater::merge()
{
    QFETCH(QString, local);
    QFETCH(QString, remote);
    Dictionary localDict;
    Dictionary remoteDict;
    fill(localDict, local);
    fill(remoteDict, remote);
    QVERIFY(DictionaryUpdater::merge(localDict, remoteDict));
    QTEST(describe(remoteDict), "result");
}

// clang-format off
void TestDictionaryUpdater::similar_data()
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

void TestDictionaryUpdater::similar()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST(DictionaryUpdater::similar(a, b), "similar");
    QTEST(DictionaryUpdater::similar(b, a), "similar");
}

// What arrives must be a whole dictionary; without a local copy it is taken
// as it is, counters included; saving keeps the file it replaces.
void TestDictionaryUpdater::updateFromBytes()
{
    QTemporaryDir dir;
    Dictionary incoming;
    fill(incoming, "1:apple:4:4 2:pear");
    const QByteArray bytes = incoming.toBytes();
    DictionaryUpdater updater(dir.path());
    QVERIFY(!updater.update("x.dic", "not a dictionary"));
    QVERIFY(!updater.update("x.dic", bytes.left(bytes.size() - 3)));
    QVERIFY(!updater.errorString().isEmpty());

    std::unique_ptr<Dictionary> taken = updater.update("x.dic", bytes);
    QVERIFY(taken);
    QCOMPARE(describe(*taken), QStringLiteral("1:apple:4:4 2:pear:-1:-1"));
    QString error;
    writeFile(dir.filePath("x.dic"), "previous");
    QVERIFY(DictionaryUpdater::saveWithBackup(*taken, error));
    QCOMPARE(readAll(dir.filePath("x.dic.bak")), QByteArray("previous"));
    Dictionary saved;
    QCOMPARE(saved.load(dir.filePath("x.dic")), Dictionary::LoadStatus::Ok);
    QCOMPARE(describe(saved), describe(*taken));
}

QTEST_GUILESS_MAIN(TestDictionaryUpdater)
#include "tst_dictionaryupdater.moc"
