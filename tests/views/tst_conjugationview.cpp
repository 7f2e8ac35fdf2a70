#include "views/conjugationdialog.h"
#include "views/conjugationview.h"

#include "dict/entry.h"

#include <QLineEdit>
#include <QTest>

namespace {

Entry verb(const char *word)
{
    Entry e(QString::fromUtf8(word), QStringLiteral("to do"), 1);
    e.setWordType(Entry::Verb);
    return e;
}

QStringList texts(const QList<QLineEdit *> &cells)
{
    QStringList out;
    for (QLineEdit *cell : cells)
        out.append(cell->text());
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

void TestConjugationView::paalFillsEveryCell()
{
    ConjugationView view;
    view.setEntry(verb("כָּתַב"));
    QCOMPARE(view.binyan(), QStringLiteral("Paal"));
    QCOMPARE(texts(view.pastCells()), u8({"כתבתי", "כתבת", "כתבת", "כתב", "כתבה", "כתבנו", "כתבתם", "כתבתן", "כתבו"}));
    QCOMPARE(texts(view.futureCells()),
        u8({"אכתוב", "תכתוב", "תכתבי", "יכתוב", "תכתוב", "נכתוב", "תכתבו", "תכתבו", "יכתבו"}));
    QCOMPARE(texts(view.presentCells()), u8({"כותב", "כותבת", "כותבים", "כותבות"}));
    QCOMPARE(texts(view.imperativeCells()), u8({"כתוב", "כתבי", "כתבו"}));
    const QList<QLineEdit *> all = view.findChildren<QLineEdit *>();
    QCOMPARE(all.size(), 25);
    for (QLineEdit *cell : all) {
        QVERIFY(cell->isReadOnly());
        QVERIFY(cell->text() != QString::fromUtf8("לכתב")); // the infinitive has no cell
    }
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
    for (const QList<QLineEdit *> &cells :
        {view.pastCells(), view.futureCells(), view.presentCells(), view.imperativeCells()}) {
        QString marks;
        for (const QString &text : texts(cells))
            marks += text.isEmpty() ? u'-' : u'x';
        filled.append(marks);
    }
    QTEST(filled.join(u' '), "filled");
}

QTEST_MAIN(TestConjugationView)
#include "tst_conjugationview.moc"
