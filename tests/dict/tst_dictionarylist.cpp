#include "files/dictionarylist.h"
#include "files/filenames.h"

#include <QTest>

using Record = DictionaryList::Record;
Q_DECLARE_METATYPE(QList<Record>)

class TestDictionaryList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void updateRecord();
    void remoteRecordsKeepOnlyWhatShowsPlainly();
};

// clang-format off
void TestDictionaryList::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<Record>>("records");
    QTest::newRow("header only") << QByteArray("# Dictionary META File: list of languages\n") << QList<Record>{};
    QTest::newRow("no header") << QByteArray("\nFILE: a.dic\nNAME: A\n") << QList<Record>{{{"FILE", "a.dic"}, {"NAME", "A"}}};
    QTest::newRow("no empty line between records merges them") << QByteArray("NAME: A\nFILE: a.dic\nNAME: B\n") << QList<Record>{{{"FILE", "a.dic"}, {"NAME", "B"}}};
    QTest::newRow("colon inside the value") << QByteArray("DESC: a: b\n") << QList<Record>{{{"DESC", "a: b"}}};
    QTest::newRow("carriage returns") << QByteArray("# x\r\n\r\nNAME: A\r\n\r\nNAME: B\r\n") << QList<Record>{{{"NAME", "A"}}, {{"NAME", "B"}}};
    QTest::newRow("comment inside a record, blanks before the colon stay") << QByteArray("NAME : A\n# note\n   TYPE:he_IL  \n") << QList<Record>{{{"NAME ", "A"}, {"TYPE", "he_IL"}}};
    QTest::newRow("line without colon, several empty lines") << QByteArray("\n\n\nODD\n\n\n") << QList<Record>{{{"ODD", ""}}};
    QTest::newRow("utf-8 values") << QByteArray("NAME: \xd7\xa2\xd7\x91\xd7\xa8\xd7\x99\xd7\xaa\n") << QList<Record>{{{"NAME", QString::fromUtf8("עברית")}}};
}
// clang-format on

void TestDictionaryList::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<Record>, records);
    DictionaryList list;
    QVERIFY(list.parse(text));
    QCOMPARE(list.count(), records.size());
    for (int i = 0; i < records.size(); ++i)
        QCOMPARE(list.record(i), records[i]);
}

void TestDictionaryList::updateRecord()
{
    DictionaryList list;
    list.addDictionary("A", "he_IL", "a.dic", "", "en");
    const Record same = list.record(0);
    QVERIFY(!list.updateRecord(same));
    Record changed = same;
    changed.insert("DESC", "new");
    QVERIFY(list.updateRecord(changed));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.record(0).value("DESC"), QStringLiteral("new"));
    Record other;
    other.insert("FILE", "b.dic");
    QVERIFY(list.updateRecord(other));
    QCOMPARE(list.count(), 2);
}

// A server's list: only the keys a list has, names and descriptions without
// direction marks or line separators; a file name as it came, to be refused.
void TestDictionaryList::remoteRecordsKeepOnlyWhatShowsPlainly()
{
    DictionaryList list;
    QVERIFY(
        list.parseRemote(
                QString::fromUtf8("FILE: a\u202e.dic\nNAME: Heb\u202erew\u2028x\nDESC: d\u2066i\nEXEC: rm\n").toUtf8())
            .ok());
    QCOMPARE(list.record(0), Record({{"FILE", QString::fromUtf8("a\u202e.dic")}, {"NAME", "Hebrewx"}, {"DESC", "di"}}));
    QCOMPARE(FileNames::printable(QString::fromUtf8("a\u2028b")), QStringLiteral("a\\x2028b"));
}

QTEST_GUILESS_MAIN(TestDictionaryList)
#include "tst_dictionarylist.moc"
