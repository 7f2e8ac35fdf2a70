#include "../testfiles.h"

#include "dict/dictionary.h"
#include "lang/conjugation.h"
#include "lang/hebrewtext.h"
#include "lang/paradigm.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTest>

namespace {

// The forms of a verb entry, by grammar code.
QMultiMap<int, QString> formsOf(const QString &word, const QString &infinitive = QString())
{
    Entry verb(7);
    verb.setWord(word);
    verb.setWordType(Entry::Verb);
    if (!infinitive.isEmpty())
        verb.setText(Entry::TextInfinitive, infinitive);
    QMultiMap<int, QString> byCode;
    for (const Paradigm::Form &form : Conjugation::verbForms(verb))
        byCode.insert(form.code, form.text);
    return byCode;
}

// Lines of a tab-separated table in tests/lang, comments skipped.
QList<QStringList> table(const char *name)
{
    QFile file(QStringLiteral(VERBALON_SOURCE_DIR "/tests/lang/") + QLatin1String(name));
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows.append(QString::fromUtf8(line).split(u'\t'));
    }
    return rows;
}

} // namespace

class TestConjugation : public QObject
{
    Q_OBJECT

private slots:
    void detectBinyan_data();
    void detectBinyan();
    void sampleVerbsHaveTheirBinyanAndSlots();
    void forms_data();
    void forms();
    void infinitiveAndUnknownBinyan();
    void lamedHeKeepsHeWhereTheBinyanDoes_data();
    void lamedHeKeepsHeWhereTheBinyanDoes();
};

// clang-format off
void TestConjugation::detectBinyan_data()
{
    using namespace Conjugation;
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("binyan");
    QTest::newRow("dagesh before the vowel") << QString::fromUtf16(u"\u05DB\u05BC\u05B8\u05EA\u05B7\u05D1") << int(Paal);
    QTest::newRow("Piel without yod is not found") << u8("דִּבֵּר") << int(UnknownBinyan);
    QTest::newRow("Hifil of four letters") << u8("הֵבִין") << int(Hifil);
    QTest::newRow("unpointed Hifil") << u8("הזמין") << int(Hifil);
    QTest::newRow("unpointed Piel") << u8("דיבר") << int(Piel);
    QTest::newRow("unpointed other") << u8("כתב") << int(UnknownBinyan);
    QTest::newRow("empty") << QString() << int(UnknownBinyan);
    // the shin and sin dots hide no vowel, in either order
    QTest::newRow("shin dot first") << QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DE\u05B7\u05E8") << int(Paal);
    QTest::newRow("shin dot last") << QString::fromUtf16(u"\u05E9\u05B8\u05C1\u05DE\u05B7\u05E8") << int(Paal);
    QTest::newRow("sin dot, second letter") << QString::fromUtf16(u"\u05E2\u05B8\u05E9\u05C2\u05B8\u05D4") << int(Paal);
}
// clang-format on

void TestConjugation::detectBinyan()
{
    QFETCH(QString, word);
    QTEST(Conjugation::detectBinyan(word), "binyan");
}

// Every sample verb: its binyan, and every slot of its paradigm filled once
// with an unpointed form (infinitive, dictionary form, 7 past, 4 present,
// 8 future, and 3 imperative where the binyan has them).
void TestConjugation::sampleVerbsHaveTheirBinyanAndSlots()
{
    QHash<QString, QString> expected;
    for (const QStringList &row : table("sample_binyanim.txt"))
        expected.insert(row.value(0), row.value(1));
    Dictionary sample;
    QCOMPARE(sample.load(QStringLiteral(VERBALON_BIN_DIR "/hebrew.dic")), Dictionary::LoadStatus::Ok);
    QSet<int> binyanim;
    int verbs = 0;
    for (int i = 0; i < sample.count(); ++i) {
        const Entry &e = *sample.entryAt(i);
        if (e.wordType() != Entry::Verb)
            continue;
        ++verbs;
        const int binyan = Conjugation::detectBinyan(e.word());
        QVERIFY2(Conjugation::binyanName(binyan) == expected.value(e.word()), qPrintable(e.word()));
        binyanim.insert(binyan);
        const bool imperative = binyan != Conjugation::Hufal && binyan != Conjugation::Pual;
        const QMultiMap<int, QString> byCode = formsOf(e.word(), e.text(Entry::TextInfinitive));
        QVERIFY2(byCode.size() == (imperative ? 24 : 21), qPrintable(e.word()));
        QCOMPARE(byCode.uniqueKeys().size(), byCode.size());
        QCOMPARE(byCode.contains(0x80008), imperative);
        for (const QString &form : byCode)
            QCOMPARE(HebrewText::unpointed(form), form);
    }
    QCOMPARE(verbs, expected.size());
    QCOMPARE(binyanim.size(), 7);
}

void TestConjugation::forms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("form");
    for (const QStringList &row : table("conjugation_forms.txt"))
        QTest::newRow(qPrintable(row.value(3))) << row.value(0) << row.value(1).toInt(nullptr, 16) << row.value(2);
}

void TestConjugation::forms()
{
    QFETCH(QString, word);
    QFETCH(int, code);
    QFETCH(QString, form);
    const QStringList found = formsOf(word).values(code);
    QVERIFY2(found.contains(form), qPrintable(QStringLiteral("%1 has %2").arg(form, found.join(u','))));
}

void TestConjugation::infinitiveAndUnknownBinyan()
{
    QCOMPARE(formsOf(u8("כָּתַב")).values(0x20), QStringList{u8("לכתב")});
    QCOMPARE(formsOf(u8("כָּתַב"), u8("לִכְתּוֹב")).values(0x20), QStringList{u8("לכתוב")});
    QLoggingCategory::setFilterRules(QStringLiteral("verbalon.lang.debug=false"));
    const QMultiMap<int, QString> unknown = formsOf(u8("דִּבֵּר"));
    QCOMPARE(unknown.size(), 3);
    QCOMPARE(unknown.value(0x11005), u8("דבר"));
    QCOMPARE(unknown.value(0x11006), u8("דברה"));
    // a word already ending in he is not given a second one; a final letter turns medial
    QCOMPARE(formsOf(u8("קנה")).value(0x11006), u8("קנה"));
    QCOMPARE(formsOf(u8("זמן")).value(0x11006), u8("זמנה"));
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
}

QTEST_GUILESS_MAIN(TestConjugation)
#include "tst_conjugation.moc"
