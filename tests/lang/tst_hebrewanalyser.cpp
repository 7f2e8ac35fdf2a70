#include "../testfiles.h"

#include "model/dictionary.h"
#include "lang/hebrewanalyser.h"

#include <QTest>

namespace {

// A noun with its plural written out.
Entry noun(int id, const char *word, quint32 flags, const char *plural)
{
    Entry e = makeEntry(id, u8(word), Entry::Noun, flags);
    e.setText(Entry::TextPlural, u8(plural));
    return e;
}

// "type:code:id" per match (and ":word" for one the dictionary lacks),
// " + " between matches, one string per reading
QStringList describe(const QList<Reading> &readings)
{
    QStringList out;
    for (const Reading &reading : readings) {
        QStringList parts;
        for (const WordMatch &m : reading) {
            QString part = QStringLiteral("%1:%2:%3").arg(m.wordType).arg(m.grammar, 0, 16).arg(m.entryId);
            if (m.wordType == WordMatch::Unknown)
                part += u':' + m.text;
            parts.append(part);
        }
        out.append(parts.join(QStringLiteral(" + ")));
    }
    return out;
}

// "form:code" for every value of the index, sorted
QStringList indexOf(const HebrewAnalyser &hebrew)
{
    QStringList out;
    hebrew.forms().forEach([&out](QStringView form, const WordMatch &m) {
        out.append(QStringLiteral("%1:%2").arg(form).arg(m.grammar, 0, 16));
    });
    out.sort();
    return out;
}

// A small dictionary: the seven prefix letters (ids 1-7), a verb, nouns (two
// of one spelling), adjectives.
void fillSample(Dictionary &dict)
{
    const char *prefixes[] = {"ה", "ב", "ו", "כ", "ל", "מ", "ש"};
    const int types[] = {8, 8, 7, 7, 8, 8, 8};
    for (int i = 0; i < 7; ++i)
        dict.insertEntry(makeEntry(i + 1, u8(prefixes[i]), types[i], 0));
    dict.insertEntry(makeEntry(10, u8("כָּתַב"), Entry::Verb, Entry::FlagTransitive));
    dict.insertEntry(noun(11, "סֵפֶר", 5, "סְפָרִים"));
    dict.insertEntry(makeEntry(12, u8("אֲרוּחָה"), Entry::Noun, 6));
    dict.insertEntry(makeEntry(13, u8("טוֹב"), Entry::Adjective, 5));
    dict.insertEntry(makeEntry(14, u8("עִבְרִי"), Entry::Adjective, 5));
    dict.insertEntry(makeEntry(15, u8("תַּלְמִיד"), Entry::Noun, 5));
    dict.insertEntry(makeEntry(16, u8("מוֹרֶה"), Entry::Noun, 5));
    dict.insertEntry(makeEntry(17, u8("מוֹרָה"), Entry::Noun, 6));
}

} // namespace

class TestHebrewAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void nominalIndexing_data();
    void nominalIndexing();
    void analyse_data();
    void analyse();
    void phrases_data();
    void phrases();
    void cutVerbWithEmptyWordIsSafe();
};

// clang-format off
void TestHebrewAnalyser::nominalIndexing_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QStringList>("index");
    QTest::newRow("masculine noun, final letter made medial") << makeEntry(1, u8("שָׁלוֹם"), Entry::Noun, 5) << QStringList{u8("שלום:5"), u8("שלומים:8")};
    QTest::newRow("feminine noun in he") << makeEntry(1, u8("מוֹרָה"), Entry::Noun, 6) << QStringList{u8("מורה:6"), u8("מורות:8")};
    QTest::newRow("feminine noun without he") << makeEntry(1, u8("דֶּלֶת"), Entry::Noun, 6) << QStringList{u8("דלת:6"), u8("דלתות:8")};
    QTest::newRow("plural noun gets no plural") << makeEntry(1, u8("מַיִם"), Entry::Noun, 9) << QStringList{u8("מים:9")};
    QTest::newRow("explicit plural wins") << noun(1, "אִישָּׁה", 10, "נָשִׁים") << QStringList{u8("אישה:a"), u8("נשים:8")};
    QTest::newRow("adjective") << makeEntry(1, u8("טוֹב"), Entry::Adjective, 5) << QStringList{u8("טוב:5"), u8("טובה:6"), u8("טובות:a"), u8("טובים:9")};
    QTest::newRow("adjective in yod") << makeEntry(1, u8("עִבְרִי"), Entry::Adjective, 5) << QStringList{u8("עברי:5"), u8("עברית:6"), u8("עבריות:a"), u8("עבריים:9")};
    QTest::newRow("other word with its flags") << makeEntry(1, u8("מְאוֹד"), Entry::Adverb, 0) << QStringList{u8("מאוד:0")};
    QTest::newRow("one letter is not indexed") << makeEntry(1, u8("ו"), Entry::Conjunction, 0) << QStringList{};
    QTest::newRow("shin dot is stripped") << makeEntry(1, u8("שֶׁמֶשׁ"), Entry::Noun, 6) << QStringList{u8("שמש:6"), u8("שמשות:8")};
}
// clang-format on

void TestHebrewAnalyser::nominalIndexing()
{
    QFETCH(Entry, entry);
    QFETCH(QStringList, index);
    Dictionary dict;
    dict.insertEntry(entry);
    index.sort();
    QCOMPARE(indexOf(HebrewAnalyser(&dict)), index);
}

void TestHebrewAnalyser::analyse_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("readings");
    QTest::newRow("direct") << u8("כתבתי") << 0 << QStringList{"2:10404:10"};
    QTest::newRow("vav and a verb form") << u8("וכתבתי") << 0 << QStringList{"7:0:3 + 2:10404:10"};
    QTest::newRow("bet takes no verb") << u8("בכתב") << 0 << QStringList{u8("100:0:0:בכתב")};
    QTest::newRow("bet takes no adjective") << u8("בטוב") << 0 << QStringList{u8("100:0:0:בטוב")};
    QTest::newRow("bet and a noun") << u8("בספר") << 0 << QStringList{"8:0:2 + 1:5:11"};
    QTest::newRow("vav and bet") << u8("ובספר") << 0 << QStringList{"7:0:3 + 8:0:2 + 1:5:11"};
    QTest::newRow("lamed and kaf") << u8("לכספר") << 0 << QStringList{"8:0:5 + 7:0:4 + 1:5:11"};
    QTest::newRow("no second bet") << u8("בבספר") << 0 << QStringList{u8("100:0:0:בבספר")};
    QTest::newRow("no second vav") << u8("וובספר") << 0 << QStringList{u8("100:0:0:וובספר")};
    QTest::newRow("no vav after shin") << u8("שוספר") << 0 << QStringList{u8("100:0:0:שוספר")};
    QTest::newRow("no vav after kaf") << u8("כוספר") << 0 << QStringList{u8("100:0:0:כוספר")};
    // the conjunctions written as prefixes take a verb
    QTest::newRow("when and a verb") << u8("כשכתבתי") << 0 << QStringList{"7:0:0 + 2:10404:10"};
    QTest::newRow("and when and a verb") << u8("וכשכתבתי") << 0 << QStringList{"7:0:3 + 7:0:0 + 2:10404:10"};
    QTest::newRow("since and a verb") << u8("משכתבתי") << 0 << QStringList{"7:0:0 + 2:10404:10"};
    QTest::newRow("when (later) and a verb") << u8("לכשיכתוב") << 0 << QStringList{"7:0:0 + 2:41005:10"};
    QTest::newRow("when and the article") << u8("כשהספר") << 0 << QStringList{"7:0:0 + 8:0:1 + 1:5:11"};
    QTest::newRow("no when after when") << u8("כשכשכתבתי") << 0 << QStringList{u8("100:0:0:כשכשכתבתי")};
    QTest::newRow("article on a noun") << u8("הספר") << 0 << QStringList{"8:0:1 + 1:5:11"};
    QTest::newRow("article on an adjective plural") << u8("הטובים") << 0 << QStringList{"8:0:1 + 3:9:13"};
    QTest::newRow("no article on a verb") << u8("הכתב") << 0 << QStringList{u8("100:0:0:הכתב")};
    QTest::newRow("article only directly") << u8("הבספר") << 0 << QStringList{u8("100:0:0:הבספר")};
    QTest::newRow("article blocked") << u8("הספר") << 0x1 << QStringList{};
    QTest::newRow("construct in tav") << u8("ארוחת") << 0 << QStringList{"1:6:12"};
    QTest::newRow("construct plural in yod") << u8("ספרי") << 0 << QStringList{"1:8:11"};
    QTest::newRow("endings blocked") << u8("ארוחת") << 0x80 << QStringList{};
    QTest::newRow("plural spelled with one yod") << u8("עברים") << 0 << QStringList{"3:9:14"};
    QTest::newRow("plural spelled with two yods") << u8("תלמידיים") << 0 << QStringList{"1:8:15"};
    // equal keys: the entry stored after its equal comes first
    QTest::newRow("two entries of one spelling") << u8("מורה") << 0 << QStringList{"1:6:17", "1:5:16"};
    QTest::newRow("unknown word at the top") << u8("אבגד") << 0 << QStringList{u8("100:0:0:אבגד")};
    // points only order: the reading pointed as the word is comes first
    QTest::newRow("points put their reading first") << u8("מוֹרֶה") << 0 << QStringList{"1:5:16", "1:6:17"};
    QTest::newRow("points after a prefix") << u8("וּמוֹרֶה") << 0 << QStringList{"7:0:3 + 1:5:16", "7:0:3 + 1:6:17"};
    QTest::newRow("a generated form's points") << u8("כָּתַבְתְּ") << 0 << QStringList{"2:10804:10", "2:11006:10"};
    QTest::newRow("points that fit no reading keep the order") << u8("מוּרָה") << 0 << QStringList{"1:6:17", "1:5:16"};
    QTest::newRow("unknown word in a phrase") << u8("אבגד") << 0x100 << QStringList{};
}

void TestHebrewAnalyser::analyse()
{
    QFETCH(QString, word);
    QFETCH(int, flags);
    QFETCH(QStringList, readings);
    Dictionary dict;
    fillSample(dict);
    const HebrewAnalyser hebrew(&dict);
    QCOMPARE(describe(hebrew.analyse(word, HebrewAnalyser::AnalyseFlags::fromInt(flags))), readings);
}

void TestHebrewAnalyser::phrases_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("recorded");
    QTest::newRow("two words with one reading each") << u8("בּוֹקֶר טוֹב") << "1:5:20 + 3:5:13";
    QTest::newRow("with a prefixed word") << u8("כָּל הַבּוֹקֶר") << "5:0:21 + 8:0:1 + 1:5:20";
    QTest::newRow("a word with two readings") << u8("מוֹרֶה טוֹב") << "";
    QTest::newRow("two readings first, then one and one") << u8("מוֹרֶה בּוֹקֶר טוֹב") << "";
    QTest::newRow("a word with none") << u8("בּוֹקֶר אבגד") << "";
    QTest::newRow("one part") << u8("בּוֹקֶר ") << "1:5:20";
}

void TestHebrewAnalyser::phrases()
{
    QFETCH(QString, phrase);
    QFETCH(QString, recorded);
    Dictionary dict;
    fillSample(dict);
    dict.insertEntry(makeEntry(20, u8("בּוֹקֶר"), Entry::Noun, 5));
    dict.insertEntry(makeEntry(21, u8("כָּל"), Entry::Numeral, 0));
    dict.insertEntry(makeEntry(30, phrase, Entry::TypeUnset, 0));
    const HebrewAnalyser hebrew(&dict);
    if (recorded.isEmpty()) {
        QVERIFY(hebrew.phrases().isEmpty());
        return;
    }
    QCOMPARE(hebrew.phrases().size(), 1);
    const PhraseMatch &match = hebrew.phrases().first();
    QCOMPARE(describe({match.words}).first(), recorded);
    QCOMPARE(match.phrase.entryId, 30);
    QCOMPARE(match.phrase.wordType, 100);
}

// Found by fuzzing: a 20-byte V3.2 file holding one cut verb, whose empty
// word made the index compare an empty key through a null pointer.
void TestHebrewAnalyser::cutVerbWithEmptyWordIsSafe()
{
    Dictionary dict;
    (void)DictionaryFile().read(QByteArray::fromHex("0000000A 44494354205633 2E32 00 00000001 0002 00000000"), dict);
    QCOMPARE(dict.count(), 0);
    dict.insertEntry(makeEntry(1, u8(""), Entry::Verb, 0));
    const HebrewAnalyser hebrew(&dict);
    QCOMPARE(describe(hebrew.analyse(QString())), QStringList{"2:11005:1"});
}

QTEST_GUILESS_MAIN(TestHebrewAnalyser)
#include "tst_hebrewanalyser.moc"
