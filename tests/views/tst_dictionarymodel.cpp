#include "views/dictionarymodel.h"
#include "views/lookupmodel.h"

#include "../guihelpers.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QTest>

class TestDictionaryModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void passesTheModelTester();
    void headers();
    void missingMeaningIsGreyItalic();
    void infoText_data();
    void infoText();
    void wordAlignment_data();
    void wordAlignment();
    void filterModes();

private:
    Dictionary m_dictionary;
};

void TestDictionaryModel::init()
{
    m_dictionary.clear();
    m_dictionary.setAttribute("NAME", "Hebrew");
    m_dictionary.setAttribute("TYPE", "he_IL");
    m_dictionary.setAttribute("USER", "en,de");
    Entry book = makeEntry(1, QString::fromUtf8("סֵפֶר"), Entry::Noun, 5, "book");
    book.setText(Entry::TextUserBase + 1, "Buch");
    m_dictionary.insertEntry(book);
    m_dictionary.insertEntry(makeEntry(2, QString::fromUtf8("כָּתַב"), Entry::Verb, 64, "to write"));
    m_dictionary.insertEntry(makeEntry(3, QString::fromUtf8("טוֹב"), Entry::Adjective, 5, "good"));
}

void TestDictionaryModel::passesTheModelTester()
{
    DictionaryModel model(&m_dictionary);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setUserLanguages({0, 1});
    model.refresh();
    LookupModel lookup(&model);
    QAbstractItemModelTester lookupTester(&lookup, QAbstractItemModelTester::FailureReportingMode::QtTest);
    lookup.setPattern("o");
    lookup.setMode(LookupModel::AllRows);
    lookup.setChosenEntries({2});
}

void TestDictionaryModel::headers()
{
    DictionaryModel model(&m_dictionary);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("English"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Info"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Hebrew"));
    QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    model.setUserLanguages({1});
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Deutsch"));
}

void TestDictionaryModel::missingMeaningIsGreyItalic()
{
    DictionaryModel model(&m_dictionary);
    model.setUserLanguages({1});
    const int verbRow = m_dictionary.indexOfWord(QString::fromUtf8("כָּתַב"));
    const QModelIndex first = model.index(verbRow, 0);
    QCOMPARE(first.data().toString(), QStringLiteral("to write"));
    QCOMPARE(first.data(Qt::ForegroundRole).value<QColor>(), QColor(160, 160, 160));
    QVERIFY(first.data(Qt::FontRole).value<QFont>().italic());

    model.setUserLanguages({0, 1});
    const QModelIndex second = model.index(verbRow, 1);
    QCOMPARE(second.data().toString(), QString());
    QVERIFY(second.data(Qt::FontRole).value<QFont>().italic());
    const int bookRow = m_dictionary.indexOfWord(QString::fromUtf8("סֵפֶר"));
    QCOMPARE(model.index(bookRow, 1).data().toString(), QStringLiteral("Buch"));
    QCOMPARE(model.index(bookRow, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
    QVERIFY(!model.index(bookRow, 0).data(Qt::FontRole).value<QFont>().italic());
}

void TestDictionaryModel::infoText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("info");
    QTest::newRow("feminine noun") << 1 << 6 << "Noun (f)";
    QTest::newRow("masculine noun") << 1 << 5 << "Noun (m)";
    QTest::newRow("transitive verb") << 2 << 64 << "Verb (tr.)";
    QTest::newRow("intransitive verb") << 2 << 128 << "Verb (intr.)";
    QTest::newRow("adjective with gender") << 3 << 6 << "Adj.";
    QTest::newRow("unknown type") << 42 << 0 << "";
}

void TestDictionaryModel::infoText()
{
    QFETCH(int, type);
    QFETCH(int, flags);
    QFETCH(QString, info);
    DictionaryModel model(&m_dictionary);
    QCOMPARE(model.infoText(makeEntry(9, "x", type, quint32(flags), "y")), info);
}

void TestDictionaryModel::wordAlignment_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("alignment");
    QTest::newRow("Hebrew") << "he_IL" << int(Qt::AlignRight);
    QTest::newRow("English") << "en_US" << int(Qt::AlignLeft);
    QTest::newRow("Russian") << "ru_RU" << int(Qt::AlignLeft);
}

void TestDictionaryModel::wordAlignment()
{
    QFETCH(QString, type);
    QFETCH(int, alignment);
    Dictionary source;
    source.setAttribute("TYPE", type);
    source.insertEntry(makeEntry(1, "w", 0, 0, "m"));
    Dictionary dict;
    QVERIFY(dict.readFrom(source.toBytes()));
    DictionaryModel model(&dict);
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), alignment);
    QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter));
}

void TestDictionaryModel::filterModes()
{
    DictionaryModel model(&m_dictionary);
    LookupModel lookup(&model);
    lookup.setPattern("OO");
    QCOMPARE(lookup.rowCount(), 2); // book, good
    QCOMPARE(lookup.mode(), int(LookupModel::Pattern));
    lookup.setMode(LookupModel::AllRows);
    QCOMPARE(lookup.rowCount(), 3);
    lookup.setChosenEntries({2});
    QCOMPARE(lookup.rowCount(), 1);
    QCOMPARE(lookup.index(0, 0).data().toString(), QStringLiteral("to write"));
    lookup.setPattern("good");
    QCOMPARE(lookup.rowCount(), 1);
}

QTEST_MAIN(TestDictionaryModel)
#include "tst_dictionarymodel.moc"
