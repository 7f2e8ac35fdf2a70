#include "views/conjugationdialog.h"
#include "views/conjugationview.h"

#include "model/entry.h"
#include "lang/hebrewtext.h"

#include <QGridLayout>
#include <QLabel>
#include <QTest>

namespace {

Entry verb(const char *word)
{
    Entry e(QString::fromUtf8(word), QStringLiteral("to do"), 1);
    e.setWordType(Entry::Verb);
    return e;
}

using Cells = QList<ConjugationView::Cell>;

QStringList letters(const Cells &cells)
{
    QStringList out;
    for (const ConjugationView::Cell &cell : cells)
        out.append(cell.letters);
    return out;
}

QStringList u8(std::initializer_list<const char *> words)
{
    QStringList out;
    for (const char *w : words)
        out.append(QString::fromUtf8(w));
    return out;
}

} // namespace

class TestConjugationView : public QObject
{
    Q_OBJECT

private slots:
    void paalFillsEveryCell();
    void cellsFollowTheBinyan_data();
    void cellsFollowTheBinyan();
};

// Every cell filled with its letters, pointed, with its transliteration;
// the past 2sg, one string of letters, reads apart by gender.
void TestConjugationView::paalFillsEveryCell()
{
    ConjugationView view;
    view.setEntry(verb("כָּתַב"));
    QCOMPARE(view.binyan(), QStringLiteral("Paal"));
    QCOMPARE(view.root(), QString::fromUtf8("כ־ת־ב"));
    QCOMPARE(view.infinitive().pointed, QString::fromUtf8("לִכְתּוֹב"));
    QCOMPARE(letters(view.past()), u8({"כתבתי", "כתבת", "כתבת", "כתב", "כתבה", "כתבנו", "כתבתם", "כתבתן", "כתבו"}));
    QCOMPARE(
        letters(view.future()), u8({"אכתוב", "תכתוב", "תכתבי", "יכתוב", "תכתוב", "נכתוב", "תכתבו", "תכתבו", "יכתבו"}));
    QCOMPARE(letters(view.present()), u8({"כותב", "כותבת", "כותבים", "כותבות"}));
    QCOMPARE(letters(view.imperative()), u8({"כתוב", "כתבי", "כתבו"}));
    QCOMPARE(view.past()[1].pointed, QString::fromUtf8("כָּתַבְתָּ"));
    QCOMPARE(view.past()[2].pointed, QString::fromUtf8("כָּתַבְתְּ"));
    QCOMPARE(view.past()[2].latin, QString::fromUtf8("katávt"));
    for (const Cells &cells : {view.past(), view.future(), view.present(), view.imperative()}) {
        for (const ConjugationView::Cell &cell : cells) {
            QVERIFY2(HebrewText::withoutMarks(cell.pointed) == cell.letters, qPrintable(cell.pointed));
            QVERIFY(!cell.latin.isEmpty());
        }
    }
    // each pointed form is shown with its transliteration, beside its person
    auto *grid = qobject_cast<QGridLayout *>(view.layout());
    QStringList persons;
    QString besideYouFeminine;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const auto labelAt = [grid, row](int column) {
            QLayoutItem *item = grid->itemAtPosition(row, column);
            return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
        };
        const QLabel *person = labelAt(0);
        const QLabel *past = labelAt(1);
        if (!person || !past || past->objectName() != QStringLiteral("formLabel"))
            continue;
        persons.append(person->text());
        if (person->text() == QString::fromUtf8("את"))
            besideYouFeminine = past->text();
    }
    QCOMPARE(persons, u8({"אני", "אתה", "את", "הוא", "היא", "אנחנו", "אתם", "אתן", "הם / הן"}));
    QVERIFY(besideYouFeminine.contains(QString::fromUtf8("כָּתַבְתְּ")) && besideYouFeminine.contains("katávt"));
}

// clang-format off
void TestConjugationView::cellsFollowTheBinyan_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("binyan");
    QTest::addColumn<QString>("filled"); // x for a filled cell: past, future, present, imperative
    QTest::newRow("Hufal: no imperative") << QString::fromUtf8("הוּזְמַן") << "Hufal" << "xxxxxxxxx xxxxxxxxx xxxx ---";
    QTest::newRow("Pual: no imperative") << QString::fromUtf8("דּוּבַּר") << "Pual" << "xxxxxxxxx xxxxxxxxx xxxx ---";
    QTest::newRow("ambiguous letters say so") << QString::fromUtf8("ניגש") << "Nifal or Piel" << "xxxxxxxxx xxxxxxxxx xxxx xxx";
    QTest::newRow("unknown: the third persons of the past") << QString::fromUtf8("ק") << "unknown" << "---xx---- --------- ---- ---";
}
// clang-format on

void TestConjugationView::cellsFollowTheBinyan()
{
    QFETCH(QString, word);
    QFETCH(QString, binyan);
    ConjugationView view;
    Entry e = verb("x");
    e.setWord(word);
    view.setEntry(e);
    QCOMPARE(view.binyan(), binyan);
    QStringList filled;
    for (const Cells &cells : {view.past(), view.future(), view.present(), view.imperative()}) {
        QString marks;
        for (const QString &text : letters(cells))
            marks += text.isEmpty() ? u'-' : u'x';
        filled.append(marks);
    }
    QTEST(filled.join(u' '), "filled");
}

QTEST_MAIN(TestConjugationView)
#include "tst_conjugationview.moc"
