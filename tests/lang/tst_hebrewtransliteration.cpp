#include "lang/hebrewtransliteration.h"

#include <QTest>

// One row a rule of the transliteration: letters, vowels, shva, matres,
// gutturals, the furtive patach and the default stress.
class TestHebrewTransliteration : public QObject
{
    Q_OBJECT

private slots:
    void transliterate_data();
    void transliterate();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
};

// clang-format off
void TestHebrewTransliteration::transliterate_data()
{
    QTest::addColumn<QString>("pointed");
    QTest::addColumn<int>("stress");
    QTest::addColumn<QString>("latin");
    auto row = [](const char *name, const char *pointed, int stress, const char *latin) {
        QTest::newRow(name) << QString::fromUtf8(pointed) << stress << QString::fromUtf8(latin);
    };
    row("given stress; ch, v, k", "כָּתַבְתִּי", 2, "katávti");
    row("default: the last syllable", "כָּתַבְתִּי", 0, "katavtí");
    row("segolate", "סֵפֶר", 0, "séfer");
    row("segolate -et", "כּוֹתֶבֶת", 0, "kotévet");
    row("pronoun ending is no segolate", "לָכֶם", 0, "lachém");
    row("guttural segolate, ayin between vowels", "נַעַר", 0, "ná'ar");
    row("guttural closing a segolate", "זֶרַע", 0, "zéra");
    row("-ayi-", "בַּיִת", 0, "báyit");
    row("-ayim", "שָׁמַיִם", 0, "shamáyim");
    row("furtive patach", "רוּחַ", 0, "rúach");
    row("furtive patach after tsere", "שׁוֹמֵעַ", 0, "shoméa");
    row("shva under lamed", "לְדַבֵּר", 0, "ledabér");
    row("silent initial shva", "כְּתַבְתֶּם", 0, "ktavtém");
    row("shva between letters said alike", "תְּדַבֵּר", 0, "tedabér");
    row("second of two shvas", "יִכְתְּבוּ", 0, "yichtevú");
    row("shva before the same letter", "הִתְפַּלְּלוּ", 0, "hitpalelú");
    row("shva after a long vowel is silent", "כָּתְבָה", 0, "katvá");
    row("ayin after a shva", "בְּעָיָה", 0, "be'ayá");
    row("alef closing a cluster", "יִשְׁאַל", 0, "yish'ál");
    row("alef before a vowel vav", "לִשְׁאוֹל", 0, "lish'ól");
    row("quiet alef, tz", "מָצָאתִי", 2, "matzáti");
    row("qamats qatan before dagesh", "קָרְבָּן", 0, "korbán");
    row("qamats before chataf qamats", "צָהֳרַיִם", 0, "tzohoráyim");
    row("kol", "כָּל", 0, "kol");
    row("tsere yod", "בֵּית", 0, "beit");
    row("full spelling's yod before resh", "סֵירֵב", 0, "serév");
    row("yod before shuruk", "הָיוּ", 0, "hayú");
    row("-av", "יָדָיו", 0, "yadáv");
    row("-ai", "חַי", 0, "chai");
    row("doubled vav, silent final he", "מְקַוֶּוה", 0, "mekavé");
    row("doubled yod", "הִתְיַישֵּׁב", 0, "hityashév");
    row("sin", "שָׂמַח", 0, "samách");
    row("shin", "שָׁמַר", 0, "shamár");
    row("geresh", "ג׳ִירָפָה", 0, "jirafá");
    row("f and final kaf", "סוֹף לֵךְ", 0, "sof lech");
    row("words: the stress is the last's", "בֵּית סֵפֶר", 1, "beit sefér");
    row("maqaf", "כָּל־יוֹם", 0, "kol-yom");
}
// clang-format on

void TestHebrewTransliteration::transliterate()
{
    QFETCH(QString, pointed);
    QFETCH(int, stress);
    const HebrewTransliteration::Result result = HebrewTransliteration::transliterate(pointed, stress);
    QCOMPARE(result.status, HebrewTransliteration::Status::Ok);
    QTEST(result.text, "latin");
}

void TestHebrewTransliteration::refusesWhatItCannotRead_data()
{
    using Status = HebrewTransliteration::Status;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stress");
    QTest::addColumn<Status>("status");
    QTest::newRow("no points") << QString::fromUtf8("כתב") << 0 << Status::NoPoints;
    QTest::newRow("no Hebrew") << QStringLiteral("abc") << 0 << Status::NoHebrew;
    QTest::newRow("empty") << QString() << 0 << Status::NoHebrew;
    QTest::newRow("stress beyond the word") << QString::fromUtf8("כָּתַב") << 3 << Status::StressOutOfRange;
    QTest::newRow("stray marks only") << QString::fromUtf8("\u05B8\u05BC") << 0 << Status::NoHebrew;
}

void TestHebrewTransliteration::refusesWhatItCannotRead()
{
    QFETCH(QString, text);
    QFETCH(int, stress);
    const HebrewTransliteration::Result result = HebrewTransliteration::transliterate(text, stress);
    QTEST(result.status, "status");
    QVERIFY(result.text.isEmpty());
    QVERIFY(!result.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestHebrewTransliteration)
#include "tst_hebrewtransliteration.moc"
