#include "../testfiles.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/conjugation.h"
#include "lang/hebrewtext.h"
#include "lang/paradigm.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTest>

namespace {

Entry verbEntry(const QString &word, const QString &infinitive = QString())
{
    Entry verb(7);
    verb.setWord(word);
    verb.setWordType(Entry::Verb);
    if (!infinitive.isEmpty())
        verb.setText(Entry::TextInfinitive, infinitive);
    return verb;
}

// The forms of a verb entry, by grammar code.
QMultiMap<int, QString> formsOf(const QString &word, const QString &infinitive = QString())
{
    QMultiMap<int, QString> byCode;
    for (const Paradigm::Form &form : Conjugation::verbForms(verbEntry(word, infinitive)))
        byCode.insert(form.code, form.text);
    return byCode;
}

// Lines of a tab-separated table in tests/lang, comments and blank lines skipped.
QList<QStringList> table(const char *name)
{
    QFile file(QStringLiteral(VERBALON_SOURCE_DIR "/") + QLatin1String(name));
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows.append(QString::fromUtf8(line).split(u'\t'));
    }
    return rows;
}

// The slots of paradigms.txt, in its order.
constexpr int Slots[]
    = {0x20, 0x10404, 0x10804, 0x11005, 0x11006, 0x10408, 0x10809, 0x1080A, 0x11008, 0x20005, 0x20006, 0x20009, 0x2000A,
        0x40404, 0x40805, 0x40806, 0x41005, 0x41006, 0x40408, 0x40808, 0x41008, 0x80005, 0x80006, 0x80008};

} // namespace

class TestConjugation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("verbalon.lang.debug=false")); }
    void paradigms_data();
    void paradigms();
    void readVerb_data();
    void readVerb();
    void verbsHaveTheirBinyanAndSlots_data();
    void verbsHaveTheirBinyanAndSlots();
    void storedInfinitiveAndUnknownBinyan();
    void pointedForms_data();
    void pointedForms();
    void pointingKeepsTheLetters_data();
    void pointingKeepsTheLetters();
};

// One table per root class (tests/lang/paradigms.txt): every cell of each
// verb's paradigm, as hspell reads it.
void TestConjugation::paradigms_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList &row : table("tests/lang/paradigms.txt")) {
        if (row.size() == 1 && row.first().startsWith(QLatin1String("##")))
            continue;
        QTest::newRow(qPrintable(row.value(0) + u' ' + row.value(2))) << row;
    }
}

void TestConjugation::paradigms()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 3 + int(std::size(Slots)));
    const QString infinitive = row[1] == QLatin1String("-") ? QString() : row[1];
    QCOMPARE(Conjugation::binyanName(Conjugation::readVerb(row[0], infinitive).binyan), row[2]);
    const QMultiMap<int, QString> forms = formsOf(row[0], infinitive);
    for (size_t i = 0; i < std::size(Slots); ++i) {
        const QStringList found = forms.values(Slots[i]);
        const QString expected = row[3 + int(i)];
        QVERIFY2(found == (expected == QLatin1String("-") ? QStringList() : QStringList{expected}),
            qPrintable(QStringLiteral("slot 0x%1: %2 instead of %3")
                           .arg(Slots[i], 5, 16, QLatin1Char('0'))
                           .arg(found.join(u','), expected)));
    }
}

// clang-format off
void TestConjugation::readVerb_data()
{
    using namespace Conjugation;
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<int>("binyan");
    QTest::addColumn<bool>("ambiguous");
    // points: every binyan, spelt in full or not, the dagesh before the vowel or after
    QTest::newRow("Paal, dagesh first") << QString::fromUtf16(u"\u05DB\u05BC\u05B8\u05EA\u05B7\u05D1") << "" << int(Paal) << false;
    QTest::newRow("Piel without its yod") << u8("דִּבֵּר") << "" << int(Piel) << false;
    QTest::newRow("Piel, guttural") << u8("בֵּרַךְ") << "" << int(Piel) << false;
    QTest::newRow("Pual without its vav") << u8("סֻפַּר") << "" << int(Pual) << false;
    QTest::newRow("Hifil of four letters") << u8("הֵבִין") << "" << int(Hifil) << false;
    QTest::newRow("Hifil, yod first") << u8("הוֹשִׁיב") << "" << int(Hifil) << false;
    QTest::newRow("Hufal") << u8("הוּכְתַּב") << "" << int(Hufal) << false;
    QTest::newRow("Hufal without its vav") << u8("הֻכְתַּב") << "" << int(Hufal) << false;
    QTest::newRow("Hitpael") << u8("הִתְלַבֵּשׁ") << "" << int(Hitpael) << false;
    QTest::newRow("Nifal") << u8("נִכְתַּב") << "" << int(Nifal) << false;
    QTest::newRow("Nifal, nun first") << u8("נִגַּשׁ") << "" << int(Nifal) << false;
    QTest::newRow("Piel, nun first") << u8("נִשֵּׁק") << "" << int(Piel) << false;
    QTest::newRow("Piel, III-he") << u8("נִסָּה") << "" << int(Piel) << false;
    QTest::newRow("Paal, he first") << u8("הָלַךְ") << "" << int(Paal) << false;
    // the shin and sin dots hide no vowel, in either order
    QTest::newRow("shin dot first") << QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DE\u05B7\u05E8") << "" << int(Paal) << false;
    QTest::newRow("sin dot, second letter") << QString::fromUtf16(u"\u05E2\u05B8\u05E9\u05C2\u05B8\u05D4") << "" << int(Paal) << false;
    // letters with the infinitive the entry stores
    QTest::newRow("Paal against Piel") << u8("כתב") << u8("לכתוב") << int(Paal) << false;
    QTest::newRow("Piel by its yod") << u8("דיבר") << u8("לדבר") << int(Piel) << false;
    QTest::newRow("Hitpael") << u8("התלבש") << u8("להתלבש") << int(Hitpael) << false;
    QTest::newRow("Hifil, not Hitpael") << u8("התחיל") << u8("להתחיל") << int(Hifil) << false;
    QTest::newRow("Nifal") << u8("נכתב") << u8("להיכתב") << int(Nifal) << false;
    QTest::newRow("Nifal, yod first") << u8("נולד") << u8("להיוולד") << int(Nifal) << false;
    QTest::newRow("Hifil of I-nun III-he") << u8("הכה") << u8("להכות") << int(Hifil) << false;
    QTest::newRow("Paal of yeshev") << u8("ישב") << u8("לשבת") << int(Paal) << false;
    QTest::newRow("Paal, infinitive of its own") << u8("שכב") << u8("לשכב") << int(Paal) << false;
    // letters alone
    QTest::newRow("Hufal") << u8("הוכתב") << "" << int(Hufal) << false;
    QTest::newRow("Pual") << u8("דובר") << "" << int(Pual) << false;
    QTest::newRow("Paal") << u8("כתב") << "" << int(Paal) << false;
    QTest::newRow("Pual or Nifal") << u8("נוסה") << "" << int(Pual) << true;
    QTest::newRow("Nifal or Piel") << u8("ניגש") << "" << int(Nifal) << true;
    QTest::newRow("one letter") << u8("ק") << "" << int(UnknownBinyan) << false;
    QTest::newRow("empty") << QString() << "" << int(UnknownBinyan) << false;
}
// clang-format on

void TestConjugation::readVerb()
{
    QFETCH(QString, word);
    QFETCH(QString, infinitive);
    const Conjugation::Verb verb = Conjugation::readVerb(word, infinitive);
    QTEST(verb.binyan, "binyan");
    QTEST(verb.ambiguous, "ambiguous");
    if (infinitive.isEmpty())
        QCOMPARE(Conjugation::detectBinyan(word), verb.binyan);
}

// Every verb of the sample and of the bundled dictionary: the binyan its
// table gives, and every slot of its paradigm filled once with an
// unpointed form.
void TestConjugation::verbsHaveTheirBinyanAndSlots_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("binyanim");
    QTest::addColumn<int>("binyanCount");
    QTest::newRow("sample") << VERBALON_TEST_DATA_DIR "/hebrew.dic"
                            << "tests/lang/sample_binyanim.txt" << 7;
    QTest::newRow("bundled") << VERBALON_BIN_DIR "/hebrew.dic"
                             << "data/hebrew-binyanim.tsv" << 5;
}

void TestConjugation::verbsHaveTheirBinyanAndSlots()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, binyanim);
    // a verb by word, or by word and infinitive where the table gives one
    QHash<QString, QString> expected;
    for (const QStringList &row : table(qPrintable(binyanim)))
        expected.insert(row.value(0) + u'\t' + row.value(1), row.value(2));
    Dictionary verbs;
    QCOMPARE(DictionaryFile(dictionary).load(verbs), DictionaryFile::Status::Ok);
    QSet<int> found;
    int count = 0;
    for (int i = 0; i < verbs.count(); ++i) {
        const Entry e = verbs.entryAt(i);
        if (e.wordType() != Entry::Verb)
            continue;
        ++count;
        const QString infinitive = e.text(Entry::TextInfinitive);
        const QString key
            = expected.contains(e.word() + u'\t' + infinitive) ? e.word() + u'\t' + infinitive : e.word() + u'\t';
        const int binyan = Conjugation::readVerb(e).binyan;
        QVERIFY2(Conjugation::binyanName(binyan) == expected.value(key), qPrintable(e.word() + u' ' + infinitive));
        found.insert(binyan);
        const QMultiMap<int, QString> byCode = formsOf(e.word(), infinitive);
        QCOMPARE(byCode.uniqueKeys().size(), byCode.size());
        for (const QString &form : byCode)
            QCOMPARE(HebrewText::withoutMarks(form), form);
    }
    QCOMPARE(count, expected.size());
    QTEST(int(found.size()), "binyanCount");
}

// A stored infinitive is shown as stored; a verb whose binyan nothing tells
// gets its dictionary form and a guessed past 3sg f.
void TestConjugation::storedInfinitiveAndUnknownBinyan()
{
    QCOMPARE(formsOf(u8("כָּתַב")).values(0x20), QStringList{u8("לכתוב")});
    QCOMPARE(formsOf(u8("כָּתַב"), u8("לִכְתֹּב")).values(0x20), QStringList{u8("לכתב")});
    const QMultiMap<int, QString> unknown = formsOf(u8("ק"));
    QCOMPARE(unknown.size(), 2);
    QCOMPARE(unknown.value(0x11006), u8("קה"));
}

// clang-format off
// One form a row, from every binyan and root class: its points and its stress.
void TestConjugation::pointedForms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("pointed");
    QTest::addColumn<int>("stress");
    auto row = [](const char *name, const char *word, const char *infinitive, int code, const char *pointed, int stress) {
        QTest::newRow(name) << u8(word) << u8(infinitive) << code << u8(pointed) << stress;
    };
    row("strong past 1sg", "כתב", "לכתוב", 0x10404, "כָּתַבְתִּי", 2);
    row("past 2sg m", "כתב", "לכתוב", 0x10805, "כָּתַבְתָּ", 2);
    row("past 2sg f", "כתב", "לכתוב", 0x10806, "כָּתַבְתְּ", 1);
    row("present f.sg", "כתב", "לכתוב", 0x20006, "כּוֹתֶבֶת", 2);
    row("future 2sg f", "כתב", "לכתוב", 0x40806, "תִּכְתְּבִי", 1);
    row("imperative", "כתב", "לכתוב", 0x80005, "כְּתוֹב", 1);
    row("infinitive", "כתב", "לכתוב", 0x20, "לִכְתּוֹב", 1);
    row("I-guttural future pl", "עבד", "לעבוד", 0x41008, "יַעַבְדוּ", 1);
    row("quiet alef", "אכל", "לאכול", 0x40404, "אוֹכַל", 1);
    row("III-guttural past 2sg f", "שמע", "לשמוע", 0x10806, "שָׁמַעַתְּ", 2);
    row("furtive patach", "שמע", "לשמוע", 0x20005, "שׁוֹמֵעַ", 1);
    row("III-aleph", "מצא", "למצוא", 0x10404, "מָצָאתִי", 2);
    row("III-he past 3sg f", "עשה", "לעשות", 0x11006, "עָשְׂתָה", 1);
    row("III-he future", "עשה", "לעשות", 0x40805, "תַּעֲשֶׂה", 1);
    row("hollow past 3sg f", "קם", "לקום", 0x11006, "קָמָה", 2);
    row("hollow present f.sg", "קם", "לקום", 0x20006, "קָמָה", 1);
    row("hollow future 2sg f", "קם", "לקום", 0x40806, "תָּקוּמִי", 2);
    row("yeshev infinitive", "ישב", "לשבת", 0x20, "לָשֶׁבֶת", 2);
    row("yeshev future", "ישב", "לשבת", 0x40805, "תֵּשֵׁב", 1);
    row("I-nun future", "נפל", "לנפול", 0x40805, "תִּיפּוֹל", 1);
    row("nun into tav", "נתן", "לתת", 0x10404, "נָתַתִּי", 2);
    row("Piel", "דיבר", "לדבר", 0x10404, "דִּיבַּרְתִּי", 2);
    row("Piel before resh", "סירב", "לסרב", 0x20005, "מְסָרֵב", 1);
    row("Piel III-he", "ניסה", "לנסות", 0x11006, "נִיסְּתָה", 1);
    row("Piel, four letters", "תרגם", "לתרגם", 0x11006, "תִּרְגְּמָה", 1);
    row("Pual", "סוּפַּר", "", 0x20005, "מְסוּפָּר", 1);
    row("Hifil", "הזמין", "להזמין", 0x11006, "הִזְמִינָה", 2);
    row("Hifil hollow", "הבין", "להבין", 0x20006, "מְבִינָה", 1);
    row("Hifil I-nun", "הכיר", "להכיר", 0x10404, "הִכַּרְתִּי", 2);
    row("Hifil I-yod", "הושיב", "להושיב", 0x80005, "הוֹשֵׁב", 1);
    row("Hufal", "הוּזְמַן", "", 0x40805, "תּוּזְמַן", 1);
    row("Hitpael", "התלבש", "להתלבש", 0x20006, "מִתְלַבֶּשֶׁת", 2);
    row("Hitpael, sibilant first", "הסתכל", "להסתכל", 0x10404, "הִסְתַּכַּלְתִּי", 2);
    row("Nifal future", "נכתב", "להיכתב", 0x40805, "תִּיכָּתֵב", 1);
    row("Nifal I-yod", "נולד", "להיוולד", 0x40404, "אִיוָּולֵד", 1);
    row("stored points kept", "שָׂכַר", "", 0x11005, "שָׂכַר", 1);
    row("stored sin dot", "שָׂכַר", "", 0x10404, "שָׂכַרְתִּי", 2);
}
// clang-format on

void TestConjugation::pointedForms()
{
    QFETCH(QString, word);
    QFETCH(QString, infinitive);
    QFETCH(int, code);
    QStringList found;
    for (const Paradigm::Form &form : Conjugation::pointedVerbForms(verbEntry(word, infinitive))) {
        if (form.code == code) {
            QTEST(form.pointed, "pointed");
            QTEST(form.stress, "stress");
            found.append(form.pointed);
        }
    }
    QCOMPARE(found.size(), 1);
}

// Every verb of the sample and of the bundled dictionary: a pointed form
// has exactly its form's letters, the past 2sg comes once a gender, and
// nearly every form is pointed.
void TestConjugation::pointingKeepsTheLetters_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::newRow("sample") << VERBALON_TEST_DATA_DIR "/hebrew.dic";
    QTest::newRow("bundled") << VERBALON_BIN_DIR "/hebrew.dic";
}

void TestConjugation::pointingKeepsTheLetters()
{
    QFETCH(QString, dictionary);
    Dictionary verbs;
    QCOMPARE(DictionaryFile(dictionary).load(verbs), DictionaryFile::Status::Ok);
    int forms = 0;
    int pointed = 0;
    for (int i = 0; i < verbs.count(); ++i) {
        const Entry e = verbs.entryAt(i);
        if (e.wordType() != Entry::Verb || Conjugation::readVerb(e).binyan == Conjugation::UnknownBinyan)
            continue;
        for (const Paradigm::Form &form : Conjugation::pointedVerbForms(e)) {
            QVERIFY(form.code != 0x10804);
            ++forms;
            if (form.pointed.isEmpty())
                continue;
            ++pointed;
            QVERIFY2(HebrewText::withoutMarks(form.pointed) == form.text, qPrintable(form.pointed + u' ' + form.text));
            QVERIFY(form.stress >= 1);
        }
    }
    QVERIFY2(pointed >= forms * 99 / 100, qPrintable(QStringLiteral("%1 of %2 pointed").arg(pointed).arg(forms)));
}

QTEST_GUILESS_MAIN(TestConjugation)
#include "tst_conjugation.moc"
