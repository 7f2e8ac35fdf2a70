#include "lang/arabic.h"
#include "lang/english.h"
#include "lang/farsi.h"
#include "lang/hebrew.h"
#include "lang/russian.h"

#include <QTest>

#include <type_traits>

// the store deletes its language through a Language pointer
static_assert(std::has_virtual_destructor_v<Language>);

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void fromCode_data();
    void fromCode();
    void containsLanguageChars_data();
    void containsLanguageChars();
    void finalAndMedialForms_data();
    void finalAndMedialForms();
    void stripPointsKeepsShinDot();
};

void TestLanguage::fromCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<bool>("neuter");
    QTest::newRow("he_IL") << "he_IL"
                           << "Hebrew" << true << false;
    QTest::newRow("ru") << "ru_RU"
                        << "Russian" << false << true;
    QTest::newRow("english") << "english"
                             << "English" << false << true;
    QTest::newRow("upper case") << "HE_IL"
                                << "" << false << false;
    QTest::newRow("iw") << "iw"
                        << "" << false << false;
    QTest::newRow("empty") << ""
                           << "" << false << false;
}

void TestLanguage::fromCode()
{
    QFETCH(QString, code);
    QFETCH(QString, kind);
    QFETCH(bool, rightToLeft);
    QFETCH(bool, neuter);
    const std::unique_ptr<Language> language = Language::fromCode(code);
    if (kind.isEmpty()) {
        QVERIFY(!language);
        return;
    }
    QVERIFY(language);
    const Language *l = language.get();
    const QString actual = dynamic_cast<const Hebrew *>(l) ? "Hebrew"
        : dynamic_cast<const Arabic *>(l)                  ? "Arabic"
        : dynamic_cast<const Farsi *>(l)                   ? "Farsi"
        : dynamic_cast<const Russian *>(l)                 ? "Russian"
        : dynamic_cast<const English *>(l)                 ? "English"
                                                           : "?";
    QCOMPARE(actual, kind);
    QCOMPARE(l->isRightToLeft(), rightToLeft);
    QCOMPARE(l->hasNeuterGender(), neuter);
}

void TestLanguage::containsLanguageChars_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("contains");
    for (const char *code : {"he", "ar", "fa", "en", "ru"})
        QTest::newRow(qPrintable(QStringLiteral("%1 empty").arg(code))) << code << "" << false;
    QTest::newRow("he points only") << "he" << QString::fromUtf16(u"\u05B8\u05BC\u05B7") << false;
    QTest::newRow("he latin only") << "he"
                                   << "shalom" << false;
    QTest::newRow("he latin then letter") << "he" << QString::fromUtf16(u"abc\u05D0") << true;
    QTest::newRow("he final letter") << "he" << QString::fromUtf16(u"\u05DA") << true;
    QTest::newRow("he tav is last letter") << "he" << QString::fromUtf16(u"\u05EB") << false;
    QTest::newRow("fa arabic-indic digit") << "fa" << QString::fromUtf16(u"\u06F1") << true;
    QTest::newRow("ar arabic-indic digit") << "ar" << QString::fromUtf16(u"\u0661") << true;
    QTest::newRow("en digits") << "en"
                               << "123" << false;
    QTest::newRow("en letter") << "en"
                               << "1a" << true;
    QTest::newRow("ru yo") << "ru" << QString::fromUtf16(u"\u0451") << true;
    QTest::newRow("ru outside") << "ru" << QString::fromUtf16(u"\u0452") << false;
}

void TestLanguage::containsLanguageChars()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(bool, contains);
    QCOMPARE(Language::fromCode(code)->containsLanguageChars(text), contains);
}

void TestLanguage::finalAndMedialForms_data()
{
    QTest::addColumn<QString>("medial");
    QTest::addColumn<QString>("final");
    QTest::newRow("mem") << QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DE")
                         << QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD");
    QTest::newRow("kaf") << QString::fromUtf16(u"\u05D3\u05E8\u05DB") << QString::fromUtf16(u"\u05D3\u05E8\u05DA");
    QTest::newRow("nun") << QString::fromUtf16(u"\u05D6\u05DE\u05E0") << QString::fromUtf16(u"\u05D6\u05DE\u05DF");
    QTest::newRow("pe") << QString::fromUtf16(u"\u05E1\u05D5\u05E4") << QString::fromUtf16(u"\u05E1\u05D5\u05E3");
    QTest::newRow("tsadi") << QString::fromUtf16(u"\u05E2\u05E6") << QString::fromUtf16(u"\u05E2\u05E5");
    QTest::newRow("no final form") << QString::fromUtf16(u"\u05DB\u05EA\u05D1")
                                   << QString::fromUtf16(u"\u05DB\u05EA\u05D1");
    QTest::newRow("only the last letter") << QString::fromUtf16(u"\u05DD\u05DE") << QString::fromUtf16(u"\u05DD\u05DD");
    QTest::newRow("empty") << ""
                           << "";
}

void TestLanguage::finalAndMedialForms()
{
    QFETCH(QString, medial);
    QFETCH(QString, final);
    QCOMPARE(Hebrew::finalForm(medial), final);
    QString s = final;
    Hebrew::makeMedial(s);
    // a word whose last letter has no final form comes back as it was
    QCOMPARE(s, Hebrew::medialForm(final));
    QCOMPARE(Hebrew::finalForm(s), final);
}

void TestLanguage::stripPointsKeepsShinDot()
{
    const QString pointed = QString::fromUtf16(u"\u05E9\u05C1\u05B8\u05DC\u05D5\u05B9\u05DD \u05D1\u05BC");
    QCOMPARE(Hebrew::withoutPoints(pointed), QString::fromUtf16(u"\u05E9\u05C1\u05DC\u05D5\u05DD \u05D1"));
    QString inPlace = pointed;
    Hebrew::stripPoints(inPlace);
    QCOMPARE(inPlace, Hebrew::withoutPoints(pointed));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
