#include "dict/entry.h"

#include <QTest>

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void searchKey_data();
    void searchKey();
    void splitMeanings_data();
    void splitMeanings();
    void userTranslationFallsBack();
};

// clang-format off
void TestEntry::searchKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("latin") << "Hello, World!" << "helloworld";
    QTest::newRow("digits only") << "123" << "";
    QTest::newRow("pointed hebrew") << QString::fromUtf8("שָׁלוֹם") << QString::fromUtf8("שלום");
    QTest::newRow("cyrillic") << QString::fromUtf8("Москва") << QString::fromUtf8("москва");
    QTest::newRow("hebrew phrase") << QString::fromUtf8("בּוֹקֶר טוֹב") << QString::fromUtf8("בוקרטוב");
}
// clang-format on

void TestEntry::searchKey()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(makeSearchKey(text), key);
}

// clang-format off
void TestEntry::splitMeanings_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QStringList>("meanings");
    QTest::newRow("commas, semicolon, parentheses") << "to go (on foot), to walk; leave" << QStringList{"to go", "to walk", "leave"};
    QTest::newRow("piece trimming to empty") << "a, (x), b" << QStringList{"a", "", "b"};
    QTest::newRow("all in parentheses") << "(only a note)" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("separators only") << ",;," << QStringList{};
    QTest::newRow("unclosed parenthesis drops the rest") << "house (big, old" << QStringList{"house"};
    QTest::newRow("single") << " word " << QStringList{"word"};
}
// clang-format on

void TestEntry::splitMeanings()
{
    QFETCH(QString, translation);
    QFETCH(QStringList, meanings);
    QCOMPARE(::splitMeanings(translation), meanings);
}

// Where a user language has no text: the main translation only when asked
// for, and the caller learns it through k.
void TestEntry::userTranslationFallsBack()
{
    Entry e(QStringLiteral("x"), QStringLiteral("house"), 1);
    e.setText(Entry::TextUserBase + 1, QStringLiteral("Haus"));
    QCOMPARE(e.userTranslation(2, true), QStringLiteral("house"));
    QCOMPARE(e.userTranslation(2, false), QString());
    for (int k : {1, 3}) {
        const QString text = e.userTranslation(k);
        QCOMPARE(text + QString::number(k), k == 1 ? QStringLiteral("Haus1") : QStringLiteral("house0"));
    }
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
