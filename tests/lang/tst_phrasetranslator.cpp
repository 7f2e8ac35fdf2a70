#include "../testfiles.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
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
    void glossLines_data();
    void glossLines();

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

namespace {

Entry counted(
    int id, const char *word, int type, quint32 flags, const char *translation, int frequency, const char *plural = "")
{
    Entry e = makeEntry(id, u8(word), type, flags, u8(translation));
    e.setText(Entry::TextFrequency, QString::number(frequency));
    if (*plural)
        e.setText(Entry::TextPlural, u8(plural));
    return e;
}

// The dictionary of the glossLines table: homographs with their
// frequencies, a phrase, the words of the context rules.
void fillGlossDictionary(Dictionary &d)
{
    const Entry entries[] = {
        counted(1, "ספר", Entry::Noun, 5, "book", 800, "ספרים"),
        counted(2, "ספר", Entry::Verb, 64, "to count", 100),
        counted(3, "בית", Entry::Noun, 5, "house", 900, "בתים"),
        counted(4, "בית ספר", Entry::Noun, 5, "school", 1),
        counted(5, "את", Entry::Preposition, 0, "(object marker)", 2000),
        counted(6, "את", Entry::Pronoun, 0, "you (f.)", 1000),
        counted(7, "כתב", Entry::Verb, 64, "to write", 300),
        counted(8, "אל", Entry::Preposition, 0, "to", 200),
        counted(9, "אל", Entry::Adverb, 0, "don't", 100),
        counted(10, "כי", Entry::Conjunction, 0, "because, that", 200),
        counted(11, "אמר", Entry::Verb, 64, "to say", 500),
        counted(12, "כלב", Entry::Noun, 5, "dog", 50, "כלבים"),
        counted(13, "חום", Entry::Noun, 5, "heat", 60),
        counted(14, "חום", Entry::Adjective, 5, "brown", 40, "חומים"),
        counted(15, "לפי", Entry::Preposition, 0, "according to", 5),
        counted(16, "פה", Entry::Noun, 5, "mouth", 300),
        counted(17, "דעה", Entry::Noun, 6, "opinion", 100, "דעות"),
        counted(18, "עיר", Entry::Noun, 6, "city", 300, "ערים"),
        counted(19, "העיר", Entry::Verb, 64, "to remark", 30),
        counted(20, "תושב", Entry::Noun, 5, "resident", 50, "תושבים"),
        counted(21, "היה", Entry::Verb, 128, "to be", 5000),
        counted(22, "מיוחד", Entry::Adjective, 5, "special", 100, "מיוחדים"),
        counted(23, "שעה", Entry::Noun, 6, "hour", 300, "שעות"),
        counted(24, "פרטי", Entry::Adjective, 5, "private", 50, "פרטיים"),
        counted(25, "קשר", Entry::Noun, 5, "connection", 100, "קשרים"),
        counted(26, "פרטי קשר", Entry::Noun, 9, "contact details", 1),
        counted(27, "בחירה", Entry::Noun, 6, "choice", 100, "בחירות"),
        counted(28, "בחירות", Entry::Noun, 10, "elections", 5),
        counted(29, "שמן", Entry::Adjective, 5, "fat", 1000, "שמנים"),
        counted(30, "שמנת", Entry::Noun, 6, "cream", 3),
    };
    for (const Entry &e : entries)
        d.insertEntry(e);
}

// Each word's first reading as "token=gloss=lemma", prefixes joined by "+".
QString firstReadings(const QList<GlossedWord> &line)
{
    QStringList words;
    for (const GlossedWord &word : line) {
        const GlossReading first = word.readings.value(0);
        const QString lemma = first.prefixes.isEmpty() ? first.lemma : first.prefixes.join(u'+') + u'+' + first.lemma;
        words.append(word.token + u'=' + first.text() + u'=' + lemma);
    }
    return words.join(u' ');
}

} // namespace

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
    QTest::newRow("geresh at the very end") << u8("א'") << Sentences{{u8("א'")}};
    QTest::newRow("Hebrew geresh and gershayim") << u8("צ׳יפס צה״ל") << Sentences{{u8("צ׳יפס"), u8("צה״ל")}};
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
    QTest::newRow("single readings share a line, tense and plural") << u8("כתבתי ספרים.") << "I wrote books ." + Rule;
    QTest::newRow("plural-only noun is not pluralised again") << u8("מים") << "Water" + Rule;
    QTest::newRow("phrase replaces its words") << u8("בוקר טוב") << "Good morning" + Rule;
    QTest::newRow("phrase inside a longer run") << u8("ובספר בוקר טוב") << "And in book good morning" + Rule;
    QTest::newRow("two readings on a line of their own") << u8("מורה טוב") << "Teacher (female) / teacher\ngood" + Rule;
    QTest::newRow("prefix letter missing from the dictionary glossed") << u8("שספר") << "That book" + Rule;
    QTest::newRow("meaning in parentheses only is shown whole") << u8("את הספר") << "(Object marker) the book" + Rule;
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
    QTest::newRow("article, past, construct, prefixed noun") << u8("הַיֶּלֶד כָּתַב מִכְתָּב לַמּוֹרָה.") << "The child wrote letter\nto teacher / to teacher (female)\n." + Rule;
    QTest::newRow("phrase and prefixed noun") << u8("בּוֹקֶר טוֹב! אֲנִי שׁוֹתֶה קָפֶה בַּבַּיִת.") << "Good morning !" + Rule + "I drinking coffee in house ." + Rule;
    QTest::newRow("plural noun, passive past, future") << u8("הַסְּפָרִים הוּדְפְּסוּ. נִיפָּגֵשׁ מָחָר") << "The books were printed ." + Rule + "We will meet tomorrow" + Rule;
    QTest::newRow("when as a prefix, a weak verb") << u8("בבית וכשהלכנו נתתי") << "In house and when we went I gave" + Rule;
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

// clang-format off
void TestPhraseTranslator::glossLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::newRow("the commoner entry first") << u8("ספר") << u8("ספר=book=ספר");
    QTest::newRow("prefixes glossed, verb in its person") << u8("וכשכתבתי") << u8("וכשכתבתי=and when I wrote=ו+כש+כתב");
    QTest::newRow("a word listed whole is not split") << u8("לפי") << u8("לפי=according to=לפי");
    QTest::newRow("phrase after prefixes") << u8("ובבית ספר") << u8("ובבית=and in school=ו+ב+בית ספר ספר=school=בית ספר");
    QTest::newRow("phrase with a noun in another form") << u8("בתי הספר") << u8("בתי=school=בית ספר הספר=school=בית ספר");
    QTest::newRow("phrase not across punctuation") << u8("בית, ספר") << u8("בית=house=בית ,== ספר=book=ספר");
    QTest::newRow("object marker before a definite noun") << u8("את הספר") << u8("את=(object marker)=את הספר=the book=ה+ספר");
    QTest::newRow("you before a verb") << u8("את כותבת") << u8("את=you (f.)=את כותבת=writing=כתב");
    QTest::newRow("don't before the future's second person") << u8("אל תכתוב") << u8("אל=don't=אל תכתוב=you will write=כתב");
    QTest::newRow("to before anything else") << u8("אל הבית") << u8("אל=to=אל הבית=the house=ה+בית");
    QTest::newRow("that after a verb of saying") << u8("אמר לו כי") << u8("אמר=said=אמר לו=to him=ל כי=that=כי");
    QTest::newRow("because elsewhere") << u8("כי") << u8("כי=because=כי");
    QTest::newRow("adjective agreeing with the noun before it") << u8("כלב חום") << u8("כלב=dog=כלב חום=brown=חום");
    QTest::newRow("pronoun ending on a noun") << u8("דעתך") << u8("דעתך=your opinion=דעה");
    QTest::newRow("pronoun ending on a plural noun") << u8("ספריו") << u8("ספריו=his books=ספר");
    QTest::newRow("pronoun ending on a one-letter preposition") << u8("בכם") << u8("בכם=in you=ב");
    QTest::newRow("a letter with a geresh is its number") << u8("ה'") << u8("ה'=5=ה'");
    QTest::newRow("the article before a verb's past") << u8("העיר") << u8("העיר=the city=ה+עיר");
    QTest::newRow("object marker before a construct chain") << u8("את תושבי העיר") << u8("את=(object marker)=את תושבי=residents=תושב העיר=the city=ה+עיר");
    QTest::newRow("a consonant yod written once") << u8("היתה") << u8("היתה=was=היה");
    QTest::newRow("an adjective's feminine in tav") << u8("מיוחדת") << u8("מיוחדת=special=מיוחד");
    QTest::newRow("the dual") << u8("לשעתיים") << u8("לשעתיים=to two hours=ל+שעה");
    QTest::newRow("phrase after prefixes its first word alone cannot take") << u8("ובפרטי קשר") << u8("ובפרטי=and in contact details=ו+ב+פרטי קשר קשר=contact details=פרטי קשר");
    QTest::newRow("a phrase stays first after a noun its first word agrees with") << u8("ספר פרטי קשר") << u8("ספר=book=ספר פרטי=contact details=פרטי קשר קשר=contact details=פרטי קשר");
    QTest::newRow("a noun listed in the plural before another noun's plural") << u8("הבחירות") << u8("הבחירות=the elections=ה+בחירות");
    QTest::newRow("a listed word before a reading through the ending") << u8("שמנת") << u8("שמנת=cream=שמנת");
    QTest::newRow("unknown word") << u8("אבגד") << u8("אבגד==");
}
// clang-format on

void TestPhraseTranslator::glossLines()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    Dictionary dictionary;
    fillGlossDictionary(dictionary);
    const PhraseTranslator translator(&dictionary, &m_english);
    const QList<QList<GlossedWord>> lines = translator.glossLines(text);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(firstReadings(lines.first()), first);
}

QTEST_GUILESS_MAIN(TestPhraseTranslator)
#include "tst_phrasetranslator.moc"
