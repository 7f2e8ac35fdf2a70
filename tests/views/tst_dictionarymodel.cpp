#include "views/dictionarymodel.h"
#include "views/lookupmodel.h"

#include "../guihelpers.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QTest>

class TestDictionaryModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void followsTheStore();
    void missingMeaningFallsBackInItalics();

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

// The models follow the store's own announcements; the testers check that
// every insertion, removal, move and reset is reported consistently.
void TestDictionaryModel::followsTheStore()
{
    DictionaryModel model(&m_dictionary);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    LookupModel lookup(&model);
    QAbstractItemModelTester lookupTester(&lookup, QAbstractItemModelTester::FailureReportingMode::QtTest);
    lookup.setPattern("oo");
    QCOMPARE(lookup.rowCount(), 2); // book, good

    const int id = m_dictionary.addOrReplace(makeEntry(0, QString::fromUtf8("אֹכֶל"), Entry::Noun, 5, "food")).value();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(lookup.rowCount(), 3);
    // a changed word moves the entry; a changed meaning leaves the filter
    QVERIFY(m_dictionary.addOrReplace(makeEntry(id, QString::fromUtf8("תַּפּוּחַ"), Entry::Noun, 5, "apple")));
    QCOMPARE(model.index(3, 0).data().toString(), QStringLiteral("apple"));
    QCOMPARE(lookup.rowCount(), 2);
    m_dictionary.deleteEntry(Entry(1));
    QCOMPARE(lookup.rowCount(), 1);
    // the words' side follows the language, and the language TYPE at once
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight));
    m_dictionary.setAttribute("TYPE", "ru_RU");
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft));
    m_dictionary.setUserLanguages({"en", "de"});
    model.setUserLanguages({0, 1});
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Deutsch"));
    // showing every row, the lookup's rows are the store's
    lookup.showAllRows();
    QVERIFY(m_dictionary.addOrReplace(makeEntry(0, QString::fromUtf8("אֹכֶל"), Entry::Noun, 5, "food")));
    m_dictionary.deleteEntry(Entry(3));
    QCOMPARE(lookup.rowCount(), model.rowCount());
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(lookup.index(row, 2).data(), model.index(row, 2).data());
    lookup.setPattern("food");
    QCOMPARE(lookup.rowCount(), 1);
    QCOMPARE(lookup.index(0, 0).data().toString(), QStringLiteral("food"));
    m_dictionary.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(lookup.rowCount(), 0);
}

void TestDictionaryModel::missingMeaningFallsBackInItalics()
{
    DictionaryModel model(&m_dictionary);
    model.setUserLanguages({1, 0});
    const int verbRow = m_dictionary.indexOfWord(QString::fromUtf8("כָּתַב"));
    const QModelIndex first = model.index(verbRow, 0);
    QCOMPARE(first.data().toString(), QStringLiteral("to write"));
    QVERIFY(first.data(Qt::FontRole).value<QFont>().italic());
    const int bookRow = m_dictionary.indexOfWord(QString::fromUtf8("סֵפֶר"));
    QCOMPARE(model.index(bookRow, 0).data().toString(), QStringLiteral("Buch"));
    QVERIFY(!model.index(bookRow, 0).data(Qt::FontRole).value<QFont>().italic());
}

QTEST_MAIN(TestDictionaryModel)
#include "tst_dictionarymodel.moc"
