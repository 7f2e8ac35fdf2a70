#include "dict/dictionary.h"
#include "lang/conjugation.h"
#include "lang/hebrewtext.h"
#include "lang/paradigm.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTest>

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

Entry verb(const QString &word, const QString &infinitive = QString())
{
    Entry e(7);
    e.setWord(word);
    e.setWordType(Entry::Verb);
    if (!infinitive.isEmpty())
        e.setText(Entry::TextInfinitive, infinitive);
    return e;
}

// The forms of a verb entry, by grammar code.
QMultiMap<int, QString> formsOf(const Entry &e)
{
    QMultiMap<int, QString> byCode;
    for (const Paradigm::Form &form : Conjugation::verbForms(e))
        byCode.insert(form.code, form.text);
    return byCode;
}

} // namespace

class TestConjugation : public QObject
{
    Q_OBJECT

private slots:
    void pointAfterLetter_data();
    void pointAfterLetter();
    void detectBinyan_data();
    void detectBinyan();
    void sampleVerbsHaveTheirBinyan();
    void forms_data();
    void forms();
    void everyBinyanFillsItsSlots_data();
    void everyBinyanFillsItsSlots();
    void infinitive();
    void unknownBinyanGivesFallbackForms();
    void lamedHeKeepsHeWhereTheBinyanDoes_data();
    void lamedHeKeepsHeWhereTheBinyanDoes();
};

void TestConjugation::pointAfterLetter_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("point");
    QTest::newRow("vowel then dagesh") << QString::fromUtf16(u"\u05DB\u05B8\u05BC\u05EA\u05B7\u05D1") << 1 << 0x05B8;
    QTest::newRow("dagesh then vowel") << QString::fromUtf16(u"\u05DB\u05BC\u05B8\u05EA\u05B7\u05D1") << 1 << 0x05B8;
    QTest::newRow("last letter has none") << u8("כָּתַב") << 3 << 0;
    QTest::newRow("fewer letters") << u8("כָּתַב") << 5 << 0;
    QTest::newRow("shuruk") << u8("דּוּבַּר") << 2 << 0x05BC;
    QTest::newRow("holam male") << u8("שָׁלוֹם") << 3 << 0x05B9;
    QTest::newRow("holam on shin looks further") << QString::fromUtf16(u"\u05E9\u05B9\u05B5\u05DD") << 1 << 0x05B5;
    QTest::newRow("holam on shin alone") << QString::fromUtf16(u"\u05E9\u05B9\u05DE\u05B7") << 1 << 0;
    QTest::newRow("shin dot before the vowel")
        << QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DE\u05B7\u05E8") << 1 << 0x05B8;
    QTest::newRow("shin dot after the vowel")
        << QString::fromUtf16(u"\u05E9\u05B8\u05C1\u05DE\u05B7\u05E8") << 1 << 0x05B8;
}

void TestConjugation::pointAfterLetter()
{
    QFETCH(QString, word);
    QFETCH(int, n);
    QFETCH(int, point);
    QCOMPARE(int(Conjugation::pointAfterLetter(word, n)), point);
}

void TestConjugation::detectBinyan_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("binyan");
    QTest::newRow("Paal") << u8("כָּתַב") << int(Conjugation::Paal);
    QTest::newRow("Paal lamed-he") << u8("בָּנָה") << int(Conjugation::Paal);
    QTest::newRow("Paal of two letters") << u8("קָם") << int(Conjugation::Paal);
    QTest::newRow("Paal starting with he") << u8("הָלַךְ") << int(Conjugation::Paal);
    QTest::newRow("Piel with yod") << u8("דִּיבֵּר") << int(Conjugation::Piel);
    QTest::newRow("Piel without yod is not found") << u8("דִּבֵּר") << int(Conjugation::UnknownBinyan);
    QTest::newRow("Piel lamed-he by its yod") << u8("שִׁינָּה") << int(Conjugation::Piel);
    QTest::newRow("Hifil") << u8("הִפְעִיל") << int(Conjugation::Hifil);
    QTest::newRow("Hifil of four letters") << u8("הֵבִין") << int(Conjugation::Hifil);
    QTest::newRow("Hitpael") << u8("הִתְלַבֵּשׁ") << int(Conjugation::Hitpael);
    QTest::newRow("Hufal") << u8("הוּזְמַן") << int(Conjugation::Hufal);
    QTest::newRow("Pual") << u8("דּוּבַּר") << int(Conjugation::Pual);
    QTest::newRow("Nifal") << u8("נִכְנַס") << int(Conjugation::Nifal);
    QTest::newRow("unpointed Hifil of five") << u8("הזמין") << int(Conjugation::Hifil);
    QTest::newRow("unpointed Hifil of four") << u8("הבין") << int(Conjugation::Hifil);
    QTest::newRow("unpointed Piel") << u8("דיבר") << int(Conjugation::Piel);
    QTest::newRow("unpointed other") << u8("כתב") << int(Conjugation::UnknownBinyan);
    QTest::newRow("empty") << QString() << int(Conjugation::UnknownBinyan);
    // the shin dot is no letter and hides no vowel, in either order
    QTest::newRow("shin dot first") << QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DE\u05B7\u05E8")
                                    << int(Conjugation::Paal);
    QTest::newRow("shin dot last") << QString::fromUtf16(u"\u05E9\u05B8\u05C1\u05DE\u05B7\u05E8")
                                   << int(Conjugation::Paal);
    QTest::newRow("two-letter with shin dot")
        << QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05E8") << int(Conjugation::Paal);
    QTest::newRow("sin dot on the second letter")
        << QString::fromUtf16(u"\u05E2\u05B8\u05E9\u05C2\u05B8\u05D4") << int(Conjugation::Paal);
}

void TestConjugation::detectBinyan()
{
    QFETCH(QString, word);
    QFETCH(int, binyan);
    QCOMPARE(Conjugation::detectBinyan(word), binyan);
}

void TestConjugation::sampleVerbsHaveTheirBinyan()
{
    QFile expectations(QStringLiteral(VERBALON_SOURCE_DIR "/tests/lang/sample_binyanim.txt"));
    QVERIFY(expectations.open(QIODevice::ReadOnly));
    QHash<QString, QString> expected;
    for (const QByteArray &line : expectations.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        expected.insert(QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]));
    }

    Dictionary sample;
    QCOMPARE(sample.load(QStringLiteral(VERBALON_BIN_DIR "/hebrew.dic")), Dictionary::LoadStatus::Ok);
    QSet<int> binyanim;
    int verbs = 0;
    for (int i = 0; i < sample.count(); ++i) {
        const Entry &e = *sample.entryAt(i);
        if (e.wordType() != Entry::Verb)
            continue;
        ++verbs;
        QVERIFY2(expected.contains(e.word()), qPrintable(e.word()));
        const int binyan = Conjugation::detectBinyan(e.word());
        QVERIFY2(Conjugation::binyanName(binyan) == expected.value(e.word()), qPrintable(e.word()));
        binyanim.insert(binyan);
    }
    QCOMPARE(verbs, expected.size());
    QVERIFY(verbs >= 40);
    QCOMPARE(binyanim.size(), 7);
}

void TestConjugation::forms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("form");
    const QString katav = u8("כָּתַב");
    QTest::newRow("Paal past 1sg") << katav << 0x10404 << u8("כתבתי");
    QTest::newRow("Paal past 1pl") << katav << 0x10408 << u8("כתבנו");
    QTest::newRow("Paal past 3pl") << katav << 0x11008 << u8("כתבו");
    QTest::newRow("Paal present m.sg") << katav << 0x20005 << u8("כותב");
    QTest::newRow("Paal future 1sg") << katav << 0x40404 << u8("אכתוב");
    QTest::newRow("Paal future 2sg f") << katav << 0x40806 << u8("תכתבי");
    QTest::newRow("Paal future 3pl") << katav << 0x41008 << u8("יכתבו");
    QTest::newRow("Paal imperative sg m") << katav << 0x80005 << u8("כתוב");
    QTest::newRow("Paal nun: 1pl without a second nun") << u8("נָתַן") << 0x10408 << u8("נתנו");
    QTest::newRow("Paal nun: final form in future") << u8("נָתַן") << 0x41005 << u8("ינתון");
    QTest::newRow("Paal alef: 1sg with vav") << u8("אָכַל") << 0x40404 << u8("אוכל");
    QTest::newRow("Paal ayin: no vav in future") << u8("שָׁמַע") << 0x41005 << u8("ישמע");
    const QString bana = u8("בָּנָה");
    QTest::newRow("lamed-he Paal past 1sg") << bana << 0x10404 << u8("בניתי");
    QTest::newRow("lamed-he Paal past 3pl") << bana << 0x11008 << u8("בנו");
    QTest::newRow("lamed-he Paal present m.sg") << bana << 0x20005 << u8("בונה");
    QTest::newRow("lamed-he Paal present f.sg") << bana << 0x20006 << u8("בונה");
    QTest::newRow("lamed-he Paal future 1sg") << bana << 0x40404 << u8("אבנה");
    QTest::newRow("two-letter Paal present m.sg") << u8("קָם") << 0x20005 << u8("קם");
    QTest::newRow("two-letter Paal present f.sg") << u8("קָם") << 0x20006 << u8("קמה");
    QTest::newRow("two-letter Paal future 2sg f") << u8("קָם") << 0x40806 << u8("תקומי");
    const QString diber = u8("דִּיבֵּר");
    QTest::newRow("Piel past 1sg keeps the yod") << diber << 0x10404 << u8("דיברתי");
    QTest::newRow("Piel present") << diber << 0x20005 << u8("מדבר");
    QTest::newRow("Piel future 1sg") << diber << 0x40404 << u8("אדבר");
    QTest::newRow("Piel imperative") << diber << 0x80005 << u8("דבר");
    const QString shina = u8("שִׁינָּה");
    QTest::newRow("lamed-he Piel present m.sg") << shina << 0x20005 << u8("משנה");
    QTest::newRow("lamed-he Piel present m.pl") << shina << 0x20009 << u8("משנים");
    QTest::newRow("lamed-he Piel future 2sg f") << shina << 0x40806 << u8("תשני");
    QTest::newRow("lamed-he Piel past 1sg") << shina << 0x10404 << u8("שיניתי");
    const QString hifil = u8("הִפְעִיל");
    QTest::newRow("Hifil past 1sg without yod") << hifil << 0x10404 << u8("הפעלתי");
    QTest::newRow("Hifil past 3sg f") << hifil << 0x11006 << u8("הפעילה");
    QTest::newRow("Hifil present") << hifil << 0x20005 << u8("מפעיל");
    QTest::newRow("Hifil future 3sg m") << hifil << 0x41005 << u8("יפעיל");
    QTest::newRow("Hifil imperative sg m") << hifil << 0x80005 << u8("הפעל");
    const QString hitlabesh = u8("הִתְלַבֵּשׁ");
    QTest::newRow("Hitpael present") << hitlabesh << 0x20005 << u8("מתלבש");
    QTest::newRow("Hitpael future 1sg") << hitlabesh << 0x40404 << u8("אתלבש");
    QTest::newRow("Hitpael imperative sg f") << hitlabesh << 0x80006 << u8("התלבשי");
    const QString hitgala = u8("הִתְגַּלָּה");
    QTest::newRow("lamed-he Hitpael present f.sg") << hitgala << 0x20006 << u8("מתגלה");
    QTest::newRow("lamed-he Hitpael future 2sg f drops he") << hitgala << 0x40806 << u8("תתגלי");
    QTest::newRow("lamed-he Hitpael past 3sg f") << hitgala << 0x11006 << u8("התגלתה");
    QTest::newRow("Hufal ending in nun: 1pl") << u8("הוּזְמַן") << 0x10408 << u8("הוזמנו");
    QTest::newRow("Hufal 1pl") << u8("הוּדְפַּס") << 0x10408 << u8("הודפסנו");
    QTest::newRow("Hufal 3pl differs from 1pl") << u8("הוּדְפַּס") << 0x11008 << u8("הודפסו");
    QTest::newRow("Hufal future 2sg f") << u8("הוּזְמַן") << 0x40806 << u8("תוזמני");
    QTest::newRow("Pual present") << u8("דּוּבַּר") << 0x20005 << u8("מדובר");
    QTest::newRow("lamed-he Pual present m.sg") << u8("כּוּסָּה") << 0x20005 << u8("מכוסה");
    QTest::newRow("lamed-he Pual past 1sg") << u8("כּוּסָּה") << 0x10404 << u8("כוסיתי");
    QTest::newRow("Nifal future 1sg") << u8("נִכְנַס") << 0x40404 << u8("איכנס");
    QTest::newRow("Nifal imperative") << u8("נִכְנַס") << 0x80005 << u8("היכנס");
    QTest::newRow("lamed-he Nifal present m.sg") << u8("נִבְנָה") << 0x20005 << u8("נבנה");
    QTest::newRow("lamed-he Nifal future drops he") << u8("נִבְנָה") << 0x41005 << u8("ייבן");
    QTest::newRow("lamed-he Nifal past 3sg f") << u8("נִבְנָה") << 0x11006 << u8("נבנתה");
}

void TestConjugation::forms()
{
    QFETCH(QString, word);
    QFETCH(int, code);
    QFETCH(QString, form);
    const QMultiMap<int, QString> byCode = formsOf(verb(word));
    QVERIFY2(byCode.values(code).contains(form),
        qPrintable(QStringLiteral("%1 has %2").arg(form, byCode.values(code).join(u','))));
}

void TestConjugation::everyBinyanFillsItsSlots_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("imperative");
    // infinitive, dictionary form, 7 past, 4 present, 8 future (+3 imperative)
    QTest::newRow("Paal") << u8("כָּתַב") << 24 << true;
    QTest::newRow("Piel") << u8("דִּיבֵּר") << 24 << true;
    QTest::newRow("Hifil") << u8("הִפְעִיל") << 24 << true;
    QTest::newRow("Hitpael") << u8("הִתְלַבֵּשׁ") << 24 << true;
    QTest::newRow("Hufal") << u8("הוּזְמַן") << 21 << false;
    QTest::newRow("Pual") << u8("דּוּבַּר") << 21 << false;
    QTest::newRow("Nifal") << u8("נִכְנַס") << 24 << true;
}

void TestConjugation::everyBinyanFillsItsSlots()
{
    QFETCH(QString, word);
    QFETCH(int, count);
    QFETCH(bool, imperative);
    const QMultiMap<int, QString> byCode = formsOf(verb(word));
    QCOMPARE(byCode.size(), count);
    QCOMPARE(byCode.contains(0x80008), imperative);
    for (int code : {0x20, 0x10404, 0x10804, 0x11005, 0x11006, 0x10408, 0x10809, 0x1080A, 0x11008, 0x20005, 0x20006,
             0x20009, 0x2000A, 0x40404, 0x40805, 0x40806, 0x41005, 0x41006, 0x40408, 0x40808, 0x41008})
        QVERIFY2(byCode.contains(code), qPrintable(QString::number(code, 16)));
    // forms are consonantal
    for (const QString &form : byCode)
        QCOMPARE(HebrewText::unpointed(form), form);
}

void TestConjugation::infinitive()
{
    QCOMPARE(formsOf(verb(u8("כָּתַב"))).values(0x20), QStringList{u8("לכתב")});
    QCOMPARE(formsOf(verb(u8("כָּתַב"), u8("לִכְתּוֹב"))).values(0x20), QStringList{u8("לכתוב")});
}

void TestConjugation::unknownBinyanGivesFallbackForms()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CANNOT CONJUGATE"));
    QLoggingCategory::setFilterRules(QStringLiteral("verbalon.lang.debug=true"));
    const QMultiMap<int, QString> byCode = formsOf(verb(u8("דִּבֵּר")));
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(byCode.size(), 3);
    QCOMPARE(byCode.value(0x11005), u8("דבר"));
    QCOMPARE(byCode.value(0x11006), u8("דברה"));
    // a word already ending in he is not given a second one; a final letter turns medial
    QCOMPARE(formsOf(verb(u8("קנה"))).value(0x11006), u8("קנה"));
    QCOMPARE(formsOf(verb(u8("זמן"))).value(0x11006), u8("זמנה"));
}

void TestConjugation::lamedHeKeepsHeWhereTheBinyanDoes_data()
{
    QTest::addColumn<int>("binyan");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("form");
    // Hifil, Hufal and Pual leave a final he in place before the endings
    QTest::newRow("Hifil") << int(Conjugation::Hifil) << u8("הפנה") << 0x40806 << u8("תפנהי");
    QTest::newRow("Hufal") << int(Conjugation::Hufal) << u8("הופנה") << 0x10404 << u8("הופנהתי");
    QTest::newRow("Pual") << int(Conjugation::Pual) << u8("כוסה") << 0x40806 << u8("תכוסהי");
    QTest::newRow("Paal drops it") << int(Conjugation::Paal) << u8("קנה") << 0x41008 << u8("יקונו");
}

void TestConjugation::lamedHeKeepsHeWhereTheBinyanDoes()
{
    QFETCH(int, binyan);
    QFETCH(QString, word);
    QFETCH(int, code);
    QFETCH(QString, form);
    bool found = false;
    for (const Paradigm::Form &f : Paradigm::generate(word, binyan))
        found = found || (f.code == code && f.text == form);
    QVERIFY(found);
    QVERIFY(Paradigm::generate(word, Conjugation::UnknownBinyan).isEmpty());
}

QTEST_GUILESS_MAIN(TestConjugation)
#include "tst_conjugation.moc"
