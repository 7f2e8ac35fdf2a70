#include "../testfiles.h"

#include "dict/dictionary.h"
#include "dict/dictionaryfile.h"
#include "lang/english.h"
#include "lang/phrasetranslator.h"

#include <QTest>

namespace {

const QString Rule = QStringLiteral("\n-------------------\n");

} // namespace

using Sentences = QList<QStringList>;

class TestPhraseTranslator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tokenize_data();
    void tokenize();
    void translate_data();
    void translate();
    void glossOfSampleSentences_data();
    void glossOfSampleSentences();

private:
    Dictionary m_dictionary;
    English m_english;
};

void TestPhraseTranslator::initTestCase()
{
    m_dictionary.insertEntry(makeEntry(2, u8("ב"), Entry::Preposition, 0, u8("in")));
    m_dictionary.insertEntry(makeEntry(3, u8("ו"), Entry::Conjunction, 0, u8("and")));
    m_dictionary.insertEntry(makeEntry(10, u8("כָּתַב"), Entry::Verb, 64, u8("to write")));
    Entry book = makeEntry(11, u8("סֵפֶר"), Entry::Noun, 5, u8("book, volume"));
    book.setText(Entry::TextPlural, u8("סְפָרִים"));
    m_dictionary.insertEntry(book);
    m_dictionary.insertEntry(makeEntry(12, u8("מַיִם"), Entry::Noun, 9, u8("water")));
    m_dictionary.insertEntry(makeEntry(13, u8("טוֹב"), Entry::Adjective, 5, u8("good")));
    m_dictionary.insertEntry(makeEntry(14, u8("בּוֹקֶר"), Entry::Noun, 5, u8("morning")));
    m_dictionary.insertEntry(makeEntry(15, u8("בּוֹקֶר טוֹב"), Entry::TypeUnset, 0, u8("good morning")));
    m_dictionary.insertEntry(makeEntry(16, u8("מוֹרֶה"), Entry::Noun, 5, u8("teacher")));
    m_dictionary.insertEntry(makeEntry(17, u8("מוֹרָה"), Entry::Noun, 6, u8("teacher (female)")));
    m_dictionary.insertEntry(makeEntry(18, u8("שָׁלוֹם"), Entry::Noun, 5, u8("peace, hello")));
    m_dictionary.insertEntry(makeEntry(19, u8("אֶת"), Entry::Preposition, 0, u8("(object marker)")));
    QVERIFY(m_english.loadVerbs(QStringLiteral(VERBALON_BIN_DIR "/verbs_en.dat")));
}

// clang-format off
void TestPhraseTranslator::tokenize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Sentences>("sentences");
    QTest::newRow("decimal number") << "3.5 kg" << Sentences{{"3.5", "kg"}};
    QTest::newRow("clock time") << "at 12:30" << Sentences{{"at", "12:30"}};
    QTest::newRow("sentence end") << "One. Two" << Sentences{{"One", "."}, {"Two"}};
    QTest::newRow("gershayim inside a word") << u8("צה\"ל נסע") << Sentences{{u8("צה\"ל"), u8("נסע")}};
    QTest::newRow("geresh at the end of a word") << u8("ג' רחוב") << Sentences{{u8("ג'"), u8("רחוב")}};
    QTest::newRow("apostrophe at the very end") << "end'" << Sentences{{"end", "'"}};
    QTest::newRow("digits between letters") << "ab12cd" << Sentences{{"ab", "12", "cd"}};
    QTest::newRow("line feed") << "a\nb" << Sentences{{"a"}, {}, {"b"}};
    QTest::newRow("pointed words stay whole") << u8("שָׁלוֹם עוֹלָם") << Sentences{{u8("שָׁלוֹם"), u8("עוֹלָם")}};
    QTest::newRow("cantillation stays in the word") << QString::fromUtf16(u"\u05D1\u05B0\u05BC\u05E8\u05B5\u0591\u05D0\u05E9\u05C1\u05B4\u05D9\u05EA") << Sentences{{QString::fromUtf16(u"\u05D1\u05B0\u05BC\u05E8\u05B5\u0591\u05D0\u05E9\u05C1\u05B4\u05D9\u05EA")}};
}
// clang-format on

void TestPhraseTranslator::tokenize()
{
    QFETCH(QString, text);
    QFETCH(Sentences, sentences);
    QCOMPARE(PhraseTranslator::tokenize(text), sentences);
}

// clang-format off
void TestPhraseTranslator::translate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gloss");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no Hebrew passes through") << "hello 42" << "Hello 42" + Rule;
    QTest::newRow("single readings share a line, tense and plural") << u8("כתבתי ספרים.") << "Wrote books ." + Rule;
    QTest::newRow("plural-only noun is not pluralised again") << u8("מים") << "Water" + Rule;
    QTest::newRow("phrase replaces its words") << u8("בוקר טוב") << "Good morning" + Rule;
    QTest::newRow("phrase inside a longer run") << u8("ובספר בוקר טוב") << "And in book good morning" + Rule;
    QTest::newRow("two readings on a line of their own") << u8("מורה טוב") << "Teacher / teacher\ngood" + Rule;
    QTest::newRow("missing prefix letter leaves no gap") << u8("שספר") << "Book" + Rule;
    QTest::newRow("meaning in parentheses only gives nothing") << u8("את הספר") << "Book" + Rule;
    QTest::newRow("pointed text") << u8("שָׁלוֹם!") << "Peace !" + Rule;
    QTest::newRow("unknown word keeps its points") << u8("אֲבַגְּדָ") << u8("אֲבַגְּדָ") + Rule;
    QTest::newRow("two lines") << u8("ספר\nמים") << "Book" + Rule + "Water" + Rule;
    QTest::newRow("full stop before the first letter") << ". ." << "." + Rule + "." + Rule;
    QTest::newRow("three line feeds leave empty lines") << u8("ספר\n\n\nמים") << "Book" + Rule + "\n\nWater" + Rule;
}
// clang-format on

void TestPhraseTranslator::translate()
{
    QFETCH(QString, text);
    QFETCH(QString, gloss);
    const PhraseTranslator translator(&m_dictionary, &m_english);
    QCOMPARE(translator.translateText(text), gloss);
}

// clang-format off
void TestPhraseTranslator::glossOfSampleSentences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gloss");
    QTest::newRow("article, past, construct, prefixed noun") << u8("הַיֶּלֶד כָּתַב מִכְתָּב לַמּוֹרָה.") << "The child wrote letter\nto teacher / to teacher\n." + Rule;
    // the present of a lamed-he verb is one form for both genders: two readings
    QTest::newRow("phrase and prefixed noun") << u8("בּוֹקֶר טוֹב! אֲנִי שׁוֹתֶה קָפֶה בַּבַּיִת.") << "Good morning !" + Rule + "I\ndrink / drink\ncoffee in house ." + Rule;
    QTest::newRow("plural noun, passive past, future") << u8("הַסְּפָרִים הוּדְפְּסוּ. נִיפָּגֵשׁ מָחָר") << "The books was printed ." + Rule + "Will meet tomorrow" + Rule;
    QTest::newRow("when as a prefix, a weak verb") << u8("בבית וכשהלכנו נתתי") << "In house and went gave" + Rule;
}
// clang-format on

void TestPhraseTranslator::glossOfSampleSentences()
{
    QFETCH(QString, text);
    QFETCH(QString, gloss);
    Dictionary sample;
    QCOMPARE(
        DictionaryFile(QStringLiteral(VERBALON_TEST_DATA_DIR "/hebrew.dic")).load(sample), DictionaryFile::Status::Ok);
    const PhraseTranslator translator(&sample, &m_english);
    QCOMPARE(translator.translateText(text), gloss);
}

QTEST_GUILESS_MAIN(TestPhraseTranslator)
#include "tst_phrasetranslator.moc"
