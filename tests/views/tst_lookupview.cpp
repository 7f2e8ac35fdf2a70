#include "views/lookupview.h"
#include "views/dictionarymodel.h"
#include "input/style.h"

#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"

#include "../guihelpers.h"

#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

QColor textColor(QWidget *widget)
{
    return widget->palette().color(QPalette::Active, QPalette::Text);
}

} // namespace

class TestLookupView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hebrewPrefix();
    void userLanguageText_data();
    void userLanguageText();
    void hebrewAfterAFilterShowsAllRows();
    void returnOrDoubleClickOpensAnEntry();
    void keysScrollWhileTyping();
    void inflectedWordShowsItsReadings();
    void rowsTakeTheHeightOfTheLanguage();

private:
    void type(const QString &text);
    int topRowWord(QString *word = nullptr) const;

    Dictionary m_dictionary;
    std::unique_ptr<LookupView> m_view;
    KeyMappingLineEdit *m_input = nullptr;
    QTableView *m_table = nullptr;
};

void TestLookupView::initTestCase()
{
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
    QCOMPARE(DictionaryFile(QStringLiteral(VERBALON_TEST_DATA_DIR "/hebrew.dic")).load(m_dictionary),
        DictionaryFile::Status::Ok);
}

void TestLookupView::init()
{
    m_view = std::make_unique<LookupView>(QStringLiteral(":icons/"), &m_dictionary);
    m_view->resize(800, 600);
    m_view->show();
    QApplication::setActiveWindow(m_view.get());
    m_input = m_view->findChild<KeyMappingLineEdit *>(QStringLiteral("lookupEdit"));
    m_table = m_view->findChild<QTableView *>(QStringLiteral("lookupTable"));
    QVERIFY(m_input && m_table);
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestLookupView::cleanup()
{
    m_view.reset();
}

void TestLookupView::type(const QString &text)
{
    typeText(m_input, text);
}

int TestLookupView::topRowWord(QString *word) const
{
    const int row = m_table->rowAt(0);
    if (word)
        *word = m_table->model()->index(row, 2).data().toString();
    return row;
}

void TestLookupView::hebrewPrefix()
{
    type(QString::fromUtf8("כת"));
    QString word;
    topRowWord(&word);
    QCOMPARE(word, QString::fromUtf8("כָּתַב"));
    QCOMPARE(textColor(m_input), Style::textColor());
    type(QString::fromUtf8("ב"));
    QCOMPARE(textColor(m_input), Style::foundColor());
    const int top = topRowWord();
    // a letter that leads off every key: red, and the table stays
    type(QString::fromUtf8("ז"));
    QCOMPARE(textColor(m_input), Style::notFoundColor());
    QCOMPARE(topRowWord(), top);
    // a medial last letter still finds the word that ends in its final form
    m_input->setText(QString::fromUtf8("הלכ"));
    QCOMPARE(textColor(m_input), Style::foundColor());
    topRowWord(&word);
    QCOMPARE(word, QString::fromUtf8("הָלַךְ"));
}

void TestLookupView::userLanguageText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QColor>("color");
    QTest::newRow("one row") << "bicycle" << 1 << Style::foundColor();
    QTest::newRow("any case") << "BiCyClE" << 1 << Style::foundColor();
    QTest::newRow("several rows") << "to " << 20 << Style::textColor();
    QTest::newRow("nowhere") << "xyzzy" << 0 << Style::notFoundColor();
}

void TestLookupView::userLanguageText()
{
    QFETCH(QString, text);
    QFETCH(int, rows);
    QFETCH(QColor, color);
    m_input->setText(text);
    if (rows < 20)
        QCOMPARE(m_table->model()->rowCount(), rows);
    else
        QVERIFY(m_table->model()->rowCount() >= rows);
    QCOMPARE(textColor(m_input), color);
}

// A meaning's filter stays when the input is emptied, chosen entries stay
// until typing again; Hebrew typed after either shows every row again.
void TestLookupView::hebrewAfterAFilterShowsAllRows()
{
    m_input->setText("bicycle");
    m_input->clear();
    QCOMPARE(m_table->model()->rowCount(), 1);
    QCOMPARE(textColor(m_input), Style::foundColor());
    type(QString::fromUtf8("ס"));
    QCOMPARE(m_table->model()->rowCount(), m_dictionary.count());
    m_view->showEntries(m_dictionary.findExact(QString::fromUtf8("מורה")));
    QCOMPARE(m_table->model()->rowCount(), 2);
    type(QString::fromUtf8("א"));
    QCOMPARE(m_table->model()->rowCount(), m_dictionary.count());
}

void TestLookupView::returnOrDoubleClickOpensAnEntry()
{
    QSignalSpy opened(m_view.get(), &LookupView::editEntry);
    QTest::keyClick(m_input, Qt::Key_Return);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.takeFirst().at(0).value<Entry>().id(), m_dictionary.entryAt(0).id());

    type(QString::fromUtf8("כת"));
    QTest::keyClick(m_input, Qt::Key_Return);
    QCOMPARE(opened.takeFirst().at(0).value<Entry>().word(), QString::fromUtf8("כָּתַב"));

    type(QString::fromUtf8("ז"));
    QTest::keyClick(m_input, Qt::Key_Return);
    QCOMPARE(opened.count(), 0);

    m_input->setText("bicycle");
    QTest::keyClick(m_input, Qt::Key_Return);
    QCOMPARE(opened.takeFirst().at(0).value<Entry>().word(), QString::fromUtf8("אוֹפַנַּיִם"));
    m_view->itemDoubleClicked(m_table->model()->index(0, 1));
    QCOMPARE(opened.takeFirst().at(0).value<Entry>().translation(), QStringLiteral("bicycle"));
}

void TestLookupView::keysScrollWhileTyping()
{
    QScrollBar *bar = m_table->verticalScrollBar();
    bar->setValue(50);
    pressKey(m_input, Qt::Key_Down);
    QCOMPARE(bar->value(), 51);
    pressKey(m_input, Qt::Key_Up);
    pressKey(m_input, Qt::Key_Up);
    QCOMPARE(bar->value(), 49);
    pressKey(m_input, Qt::Key_PageDown);
    QCOMPARE(bar->value(), 59);
    pressKey(m_input, Qt::Key_PageUp);
    QCOMPARE(bar->value(), 49);
    QVERIFY(m_input->hasFocus());

    type(QString::fromUtf8("כת"));
    pressKey(m_input, Qt::Key_Escape);
    QCOMPARE(m_input->text(), QString());

    // Control switches the mapping of the physical keyboard
    QVERIFY(m_input->keyboardMapping());
    pressKey(m_input, Qt::Key_Control);
    QVERIFY(!m_input->keyboardMapping());
    pressKey(m_input, Qt::Key_E, QStringLiteral("e"));
    QCOMPARE(m_input->text(), QStringLiteral("e"));
    pressKey(m_input, Qt::Key_Control);
    pressKey(m_input, Qt::Key_E, QStringLiteral("e"));
    QCOMPARE(m_input->text(), QString::fromUtf16(u"e\u05E7"));
}

// A word no entry begins with: red, and below the line how it reads as a
// form of an entry; Return opens that entry, a word typed after hides them.
void TestLookupView::inflectedWordShowsItsReadings()
{
    QSignalSpy opened(m_view.get(), &LookupView::editEntry);
    auto *readings = m_view->findChild<QListWidget *>(QStringLiteral("readingList"));
    type(QString::fromUtf8("בבית"));
    QCOMPARE(textColor(m_input), Style::notFoundColor());
    QVERIFY(readings->isVisible());
    QCOMPARE(readings->item(0)->text(), QString::fromUtf8("בבית → ב (in) + בַּיִת"));
    QTest::keyClick(m_input, Qt::Key_Return);
    QCOMPARE(opened.takeFirst().at(0).value<Entry>().word(), QString::fromUtf8("בַּיִת"));
    m_input->clear();
    type(QString::fromUtf8("ב"));
    QVERIFY(!readings->isVisible());
}

QTEST_MAIN(TestLookupView)
// Each language's rows as high as its script needs, every row of them,
// switched either way.
void TestLookupView::rowsTakeTheHeightOfTheLanguage()
{
    const auto *model = m_view->findChild<DictionaryModel *>();
    QVERIFY(model);
    const QString type = m_dictionary.type();
    for (const QString &next : {QStringLiteral("en_US"), type}) {
        m_dictionary.setAttribute(QStringLiteral("TYPE"), next);
        const int rows = m_table->model()->rowCount();
        QCOMPARE(m_table->rowHeight(rows - 1), model->rowHeight());
        QCOMPARE(m_table->verticalHeader()->length(), rows * model->rowHeight());
    }
}

#include "tst_lookupview.moc"
