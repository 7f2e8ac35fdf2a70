#include "views/dictionarymodel.h"
#include "views/lookupmodel.h"

#include "../guihelpers.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QTest>
#include <QTranslator>

class TestDictionaryModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void followsTheStore();
    void missingMeaningFallsBackInItalics();
    void grammarAndPronunciation_data();
    void grammarAndPronunciation();
    void languagesNamedInTheUsersLanguage();

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
    // and the pronunciation column comes and goes with it
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(lookup.columnCount(), 4);
    m_dictionary.setAttribute("TYPE", "ru_RU");
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(lookup.columnCount(), 3);
    m_dictionary.setUserLanguages({"en", "de"});
    model.setUserLanguages({0, 1});
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("German"));
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

// clang-format off
void TestDictionaryModel::grammarAndPronunciation_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("wordType");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("texts"); // "key=text"
    QTest::addColumn<QString>("info"); // [ ] for the isolates around a foreign text
    QTest::addColumn<QString>("pronunciation"); // "-" without the column
    QTest::newRow("hebrew, stored") << "he_IL" << u8("מִילָּה") << 1 << 6 << QStringList{"4=milá"} << "noun, f." << "milá";
    QTest::newRow("hebrew, read from the points") << "he_IL" << u8("כָּתַב") << 2 << 64 << QStringList{} << "verb, tr." << "katáv";
    QTest::newRow("hebrew plural noun") << "he_IL" << u8("מַיִם") << 1 << 9 << QStringList{} << "noun, m. pl." << "máyim";
    QTest::newRow("hebrew unpointed: none") << "he_IL" << u8("ספר") << 1 << 5 << QStringList{} << "noun, m." << "";
    QTest::newRow("russian noun") << "ru_RU" << u8("ко́шка") << 1 << 6 << QStringList{u8("5=ко́шки"), u8("3=ко́шки"), "11=45"} << u8("noun, f., gen. [ко́шки], pl. [ко́шки]") << "-";
    QTest::newRow("russian neuter") << "ru_RU" << u8("молоко́") << 1 << 4 << QStringList{} << "noun, n." << "-";
    QTest::newRow("russian plural only") << "ru_RU" << u8("де́ньги") << 1 << 8 << QStringList{} << "noun, pl." << "-";
    QTest::newRow("russian imperfective") << "ru_RU" << u8("чита́ть") << 2 << 2112 << QStringList{u8("6=прочита́ть")} << u8("verb, impf., tr., pf. [прочита́ть]") << "-";
    QTest::newRow("russian of both aspects") << "ru_RU" << u8("жени́ться") << 2 << 3200 << QStringList{u8("6=x")} << u8("verb, impf. and pf., intr., pair [x]") << "-";
    QTest::newRow("russian adjective") << "ru_RU" << u8("но́вый") << 3 << 5 << QStringList{} << "adj." << "-";
    QTest::newRow("arabic noun") << "ar_EG" << u8("كِتَاب") << 1 << 5 << QStringList{"4=kitāb", u8("7=ك ت ب"), u8("3=كُتُب")} << u8("noun, m., root [ك ت ب], pl. [كُتُب]") << "kitāb";
    QTest::newRow("arabic verb") << "ar_EG" << u8("كَتَبَ") << 2 << 64 << QStringList{u8("7=ك ت ب"), u8("8=يَكْتُبُ"), u8("9=كِتَابَة")} << u8("verb, tr., root [ك ت ب], pres. [يَكْتُبُ]") << "";
    QTest::newRow("persian verb") << "fa_IR" << u8("رفتن") << 2 << 0 << QStringList{"4=raftan", u8("10=رفت"), u8("8=رو")} << u8("verb, past [رفت], pres. [رو]") << "raftan";
    QTest::newRow("persian noun: no gender, plural not shown") << "fa_IR" << u8("کتاب") << 1 << 0 << QStringList{u8("3=کتاب‌ها")} << "noun" << "";
    QTest::newRow("no type") << "ru_RU" << u8("да") << 0 << 0 << QStringList{} << "" << "-";
}
// clang-format on

// What the table tells of an entry's grammar, and how it is said, by the
// language of the dictionary.
void TestDictionaryModel::grammarAndPronunciation()
{
    QFETCH(QString, type);
    QFETCH(QString, word);
    QFETCH(int, wordType);
    QFETCH(int, flags);
    QFETCH(QStringList, texts);
    QFETCH(QString, info);
    QFETCH(QString, pronunciation);
    Entry e = makeEntry(1, word, wordType, quint32(flags), "x");
    for (const QString &text : texts)
        e.appendText(text.section(u'=', 0, 0).toUInt(), text.section(u'=', 1));
    EntryArena entries;
    entries.add(e);
    m_dictionary.clear();
    m_dictionary.fill({{"NAME", "X"}, {"TYPE", type}, {"USER", "en"}}, std::move(entries));
    DictionaryModel model(&m_dictionary);
    QCOMPARE(model.index(0, model.infoColumn()).data().toString(),
        info.replace(u'[', QChar(0x2068)).replace(u']', QChar(0x2069)));
    QCOMPARE(model.index(0, model.wordColumn()).data().toString(), word);
    if (pronunciation == "-")
        QCOMPARE(model.pronunciationColumn(), -1);
    else
        QCOMPARE(model.index(0, model.pronunciationColumn()).data().toString(), pronunciation);
}

// In German the columns and the dictionary name the languages in German
// (a bundled dictionary is named with its language's English name).
void TestDictionaryModel::languagesNamedInTheUsersLanguage()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/verbalon_de.qm")));
    QCoreApplication::installTranslator(&german);
    DictionaryModel model(&m_dictionary);
    model.setUserLanguages({0, 1});
    QStringList headers;
    for (int section = 0; section < model.columnCount(); ++section)
        headers.append(model.headerData(section, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"Englisch", "Deutsch", "Info", u8("Hebräisch"), "Aussprache"}));
    m_dictionary.setAttribute("NAME", "My Hebrew");
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("My Hebrew"));
}

QTEST_MAIN(TestDictionaryModel)
#include "tst_dictionarymodel.moc"
