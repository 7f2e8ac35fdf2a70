#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/lookup.h"

#include <QTest>

// What the lookup answers, as the page and the tool show it: the word the
// table jumps to ("=" for a whole word, "…" for a start), the meanings'
// entries and the readings of an inflected word.
class TestLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(DictionaryFile(VERBALON_TEST_DATA_DIR "/hebrew.dic").load(m_hebrew), DictionaryFile::Status::Ok);
        m_english.setAttribute("TYPE", "en_US");
        m_english.setAttribute("USER", "de");
        m_english.insertEntries({Entry("apple", "Apfel", 1), Entry("pear", "Birne, fruit", 2)});
    }
    void find_data();
    void find();

private:
    Dictionary m_hebrew;
    Dictionary m_english;
};

// clang-format off
void TestLookup::find_data()
{
    QTest::addColumn<bool>("hebrew");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::newRow("a whole word") << true << QString::fromUtf8("בית") << QString::fromUtf8("=בַּיִת");
    QTest::newRow("a pointed word pasted") << true << QString::fromUtf8("בַּיִת") << QString::fromUtf8("=בַּיִת");
    QTest::newRow("a medial last letter") << true << QString::fromUtf8("הלכ") << QString::fromUtf8("=הָלַךְ");
    QTest::newRow("a past form") << true << QString::fromUtf8("הלכתי") << QString::fromUtf8("reading הלכתי → הָלַךְ, past, I");
    QTest::newRow("a prefix") << true << QString::fromUtf8("בבית") << QString::fromUtf8("reading בבית → ב (in) + בַּיִת");
    QTest::newRow("two prefixes and a verb") << true << QString::fromUtf8("וכשהלכנו") << QString::fromUtf8("reading וכשהלכנו → ו (and) + כש (when) + הָלַךְ, past, we");
    QTest::newRow("a meaning") << true << "house" << QString::fromUtf8("meaning בַּיִת");
    QTest::newRow("words and meanings of one script") << false << "fruit" << "meaning pear";
    QTest::newRow("a word of a Latin dictionary") << false << "App" << QString::fromUtf8("…apple");
}
// clang-format on

void TestLookup::find()
{
    QFETCH(bool, hebrew);
    QFETCH(QString, text);
    const Dictionary &dictionary = hebrew ? m_hebrew : m_english;
    std::unique_ptr<Lookup::Source> source = Lookup::storeSource(&dictionary);
    Lookup lookup(*source);
    Lookup::Answer answer;
    QVERIFY(lookup.find(text, answer));
    QStringList said;
    if (answer.beginsWord())
        said.append(
            (answer.isWholeWord() ? u'=' : QChar(0x2026)) + dictionary.entryAt(answer.found.prefixPosition).word());
    for (const Entry &e : answer.found.meaning)
        said.append("meaning " + e.word());
    for (const Lookup::Reading &reading : answer.readings)
        said.append("reading " + reading.text);
    QTEST(said.value(0), "answer");
}

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
