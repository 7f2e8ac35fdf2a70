#include "lang/hebrewtext.h"
#include "lang/languageinfo.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void ofDictionary_data();
    void ofDictionary();
    void containsLanguageChars_data();
    void containsLanguageChars();
    void finalAndMedialForms_data();
    void finalAndMedialForms();
    void stripPointsKeepsShinDot();
};

// Only the codes of dictionary languages are found, exactly as written.
void TestLanguage::ofDictionary_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    for (const char *code : {"he_IL", "ru_RU", "fa_IR", "ar_EG", "english"})
        QTest::newRow(code) << code << true;
    // user languages only: no dictionary is written in them
    for (const char *code : {"de_DE", "HE_IL", "iw", ""})
        QTest::newRow(code) << code << false;
}

void TestLanguage::ofDictionary()
{
    QFETCH(QString, code);
    QTEST(LanguageInfo::ofDictionary(code) != nullptr, "found");
}

// clang-format off
void TestLanguage::containsLanguageChars_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("contains");
    for (const char *code : {"he", "ar", "fa", "en", "ru"})
        QTest::newRow(qPrintable(QStringLiteral("%1 empty").arg(code))) << code << "" << false;
    QTest::newRow("he points only") << "he" << QString::fromUtf16(u"\u05B8\u05BC\u05B7") << false;
    QTest::newRow("he latin then letter") << "he" << QString::fromUtf16(u"abc\u05D0") << true;
    QTest::newRow("he tav is last letter") << "he" << QString::fromUtf16(u"\u05EB") << false;
    QTest::newRow("fa arabic-indic digit") << "fa" << QString::fromUtf16(u"\u06F1") << true;
    QTest::newRow("en digits") << "en" << "123" << false;
    QTest::newRow("en letter") << "en" << "1a" << true;
    QTest::newRow("ru yo") << "ru" << QString::fromUtf16(u"\u0451") << true;
    QTest::newRow("ru outside") << "ru" << QString::fromUtf16(u"\u0452") << false;
}
// clang-format on

void TestLanguage::containsLanguageChars()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    QTEST(LanguageInfo::ofDictionary(code)->containsLanguageChars(text), "contains");
}

// clang-format off
void TestLanguage::finalAndMedialForms_data()
{
    QTest::addColumn<QString>("medial");
    QTest::addColumn<QString>("final");
    QTest::newRow("mem") << QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DE") << QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD");
    QTest::newRow("kaf") << QString::fromUtf16(u"\u05D3\u05E8\u05DB") << QString::fromUtf16(u"\u05D3\u05E8\u05DA");
    QTest::newRow("nun") << QString::fromUtf16(u"\u05D6\u05DE\u05E0") << QString::fromUtf16(u"\u05D6\u05DE\u05DF");
    QTest::newRow("pe") << QString::fromUtf16(u"\u05E1\u05D5\u05E4") << QString::fromUtf16(u"\u05E1\u05D5\u05E3");
    QTest::newRow("tsadi") << QString::fromUtf16(u"\u05E2\u05E6") << QString::fromUtf16(u"\u05E2\u05E5");
    QTest::newRow("no final form") << QString::fromUtf16(u"\u05DB\u05EA\u05D1") << QString::fromUtf16(u"\u05DB\u05EA\u05D1");
    QTest::newRow("only the last letter") << QString::fromUtf16(u"\u05DD\u05DE") << QString::fromUtf16(u"\u05DD\u05DD");
    QTest::newRow("empty") << "" << "";
}
// clang-format on

void TestLanguage::finalAndMedialForms()
{
    QFETCH(QString, medial);
    QFETCH(QString, final);
    QCOMPARE(HebrewText::finalForm(medial), final);
    // a word whose last letter has no final form comes back as it was
    QCOMPARE(HebrewText::finalForm(HebrewText::medialForm(final)), final);
}

void TestLanguage::stripPointsKeepsShinDot()
{
    const QString pointed = QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DC\u05D5\u05B9\u05DD \u05D1\u05BC");
    QCOMPARE(HebrewText::withoutPoints(pointed), QString::fromUtf16(u"\u05E9\u05C1\u05DC\u05D5\u05DD \u05D1"));
    QCOMPARE(HebrewText::withoutMarks(pointed), QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD \u05D1"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
