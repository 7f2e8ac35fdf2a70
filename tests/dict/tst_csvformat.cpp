#include "formats/csvformat.h"

#include <QTest>

namespace {

// The records as "line: field|field", one a line, for comparing at a glance.
QStringList shown(const QList<CsvFormat::Record> &records)
{
    QStringList out;
    for (const CsvFormat::Record &record : records)
        out.append(QStringLiteral("%1: %2").arg(record.line).arg(record.fields.join(u'|')));
    return out;
}

} // namespace

class TestCsvFormat : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
};

// clang-format off
void TestCsvFormat::read_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("error");
    QTest::newRow("plain") << QByteArray("word,translation\nבית,house\n") << QStringList{"1: word|translation", "2: בית|house"} << "";
    QTest::newRow("byte order mark, CR LF") << QByteArray("\xEF\xBB\xBFword,translation\r\nдом,house\r\n") << QStringList{"1: word|translation", "2: дом|house"} << "";
    QTest::newRow("semicolons") << QByteArray("word;translation\nдом;house, home\n") << QStringList{"1: word|translation", "2: дом|house, home"} << "";
    QTest::newRow("a comma inside quotes") << QByteArray("word,translation\nдом,\"house, home\"\n") << QStringList{"1: word|translation", "2: дом|house, home"} << "";
    QTest::newRow("a quoted semicolon in the header") << QByteArray("\"a;b\",c,d\nx,y,z\n") << QStringList{"1: a;b|c|d", "2: x|y|z"} << "";
    QTest::newRow("doubled quotes") << QByteArray("w,t\nx,\"say \"\"hi\"\"\"\n") << QStringList{"1: w|t", "2: x|say \"hi\""} << "";
    QTest::newRow("a line break inside quotes") << QByteArray("w,t\nx,\"one\ntwo\"\ny,z\n") << QStringList{"1: w|t", "2: x|one\ntwo", "4: y|z"} << "";
    QTest::newRow("blank lines skipped, empty fields kept") << QByteArray("w,t\n\n  \nx,\n,\n") << QStringList{"1: w|t", "4: x|", "5: |"} << "";
    QTest::newRow("no line end at the end") << QByteArray("w,t\nx,y") << QStringList{"1: w|t", "2: x|y"} << "";
    QTest::newRow("old Mac line ends") << QByteArray("w,t\rx,y\r") << QStringList{"1: w|t", "2: x|y"} << "";
    QTest::newRow("a quote never closed") << QByteArray("w,t\nx,y\nz,\"open\nmore\n") << QStringList{"1: w|t", "2: x|y"} << "line 3: a quote opened here is never closed; the rest of the file cannot be read";
    QTest::newRow("empty") << QByteArray() << QStringList{} << "";
}
// clang-format on

void TestCsvFormat::read()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, records);
    QFETCH(QString, error);
    const CsvFormat::Table table = CsvFormat::read(data);
    QCOMPARE(shown(table.records), records);
    QCOMPARE(table.error, error);
}

QTEST_APPLESS_MAIN(TestCsvFormat)
#include "tst_csvformat.moc"
