#include "views/translateview.h"

#include "input/softkeyboard.h"
#include "lang/english.h"

#include "../guihelpers.h"
#include "../testfiles.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTextTable>

class TestTranslateView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void indexIsBuiltOncePerChangeOfTheStore();
    void interlinear_data();
    void interlinear();
    void pronunciationUnderTheGloss_data();
    void pronunciationUnderTheGloss();
    void longLinesWrapInReadingOrder();
    void lookupOrLearnTakesTheSelection();
    void wordToLearn_data();
    void wordToLearn();

private:
    QStringList translate(const QString &text);
    QList<QTextTable *> glossTables() const;
    static QString cellText(QTextTable *table, int row, int column);
    QTextEdit *input() const { return m_view->findChild<QTextEdit *>(QStringLiteral("translateInput")); }
    QTextEdit *output() const { return m_view->findChild<QTextEdit *>(QStringLiteral("translateOutput")); }

    English m_english;
    Dictionary m_dictionary;
    std::unique_ptr<TranslateView> m_view;
};

void TestTranslateView::initTestCase()
{
    QVERIFY(m_english.loadVerbs(QStringLiteral(VERBALON_BIN_DIR "/verbs_en.dat")));
}

void TestTranslateView::init()
{
    m_dictionary.clear();
    QCOMPARE(DictionaryFile(QStringLiteral(VERBALON_TEST_DATA_DIR "/hebrew.dic")).load(m_dictionary),
        DictionaryFile::Status::Ok);
    m_view = std::make_unique<TranslateView>(QStringLiteral(":icons/"), &m_english, &m_dictionary);
    m_view->show();
}

void TestTranslateView::cleanup()
{
    m_view.reset();
}

// The gloss's columns in reading order (right to left, row after row):
// "word=gloss=other readings".
QStringList TestTranslateView::translate(const QString &text)
{
    input()->setPlainText(text);
    m_view->findChild<QPushButton *>(QStringLiteral("translateButton"))->click();
    QStringList columns;
    for (QTextTable *table : glossTables()) {
        for (int c = table->columns() - 1; c >= 0; --c) {
            const int others = table->rows() - 1;
            columns.append(
                QStringList{cellText(table, 0, c), cellText(table, 1, c), cellText(table, others, c)}.join(u'='));
        }
    }
    return columns;
}

QList<QTextTable *> TestTranslateView::glossTables() const
{
    QList<QTextTable *> tables;
    for (QTextFrame *frame : output()->document()->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables.append(table);
    }
    return tables;
}

QString TestTranslateView::cellText(QTextTable *table, int row, int column)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void TestTranslateView::indexIsBuiltOncePerChangeOfTheStore()
{
    const QString text = QString::fromUtf8("חָתוּל");
    QCOMPARE(translate(text), QStringList{text + QStringLiteral("=cat=")});
    translate(text);
    QCOMPARE(m_view->indexBuilds(), 1);

    Entry cat = m_dictionary.findExact(text).first();
    cat.setTranslation(QStringLiteral("tomcat"));
    QVERIFY(m_dictionary.deleteEntry(cat));
    QVERIFY(m_dictionary.addOrReplace(cat));
    QCOMPARE(translate(text), QStringList{text + QStringLiteral("=tomcat=")});
    QCOMPARE(m_view->indexBuilds(), 2);

    // another dictionary in the same store
    m_dictionary.clear();
    QVERIFY(m_dictionary.addOrReplace(makeEntry(0, text, Entry::Noun, 5, "kitten")));
    QCOMPARE(translate(text), QStringList{text + QStringLiteral("=kitten=")});
    QCOMPARE(m_view->indexBuilds(), 3);
    m_view->findChild<QPushButton *>(QStringLiteral("clearButton"))->click();
    QVERIFY(input()->toPlainText().isEmpty() && output()->toPlainText().isEmpty());
}

// Each word over its gloss and other readings, a phrase's gloss under all
// its words, punctuation with the word before it, a line a table of its own.
void TestTranslateView::interlinear_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("word, gloss, other readings") << u8("מורה") << QStringList{u8("מורה=teacher=teacher (female)")};
    QTest::newRow("prefixes glossed, punctuation kept") << u8("בַּסֵּפֶר.") << QStringList{u8("בַּסֵּפֶר.=in book=")};
    QTest::newRow("phrase under both words")
        << u8("בּוֹקֶר טוֹב") << QStringList{u8("בּוֹקֶר=good morning=morning"), u8("טוֹב=good morning=morning")};
    QTest::newRow("unknown word, no gloss") << u8("אבגד") << QStringList{u8("אבגד==")};
    QTest::newRow("a number stands for itself") << u8("3 ספרים") << QStringList{u8("3=3="), u8("ספרים=books=")};
}

void TestTranslateView::interlinear()
{
    QFETCH(QString, text);
    QTEST(translate(text), "columns");
}

void TestTranslateView::pronunciationUnderTheGloss_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // the entry's own pronunciation, if any
    QTest::addColumn<QStringList>("lines"); // under each word in reading order, "" for none
    QTest::newRow("read from the entry's points") << u8("חָתוּל") << "" << QStringList{u8("chatúl")};
    QTest::newRow("unpointed, the entry's") << u8("חתול") << "" << QStringList{u8("chatúl")};
    QTest::newRow("stored") << u8("חתול") << "xatúl" << QStringList{"xatúl"};
    QTest::newRow("inflected or prefixed: not the entry's")
        << u8("ספרים בַּסֵּפֶר חתול") << "" << QStringList{"", "", u8("chatúl")};
    QTest::newRow("phrase") << u8("בּוֹקֶר טוֹב") << "" << QStringList{u8("bóker tov"), u8("bóker tov")};
    QTest::newRow("nothing known: no line") << u8("אבגד") << "" << QStringList{};
}

// How a word is said, under its gloss, where the text writes the form its
// entry says it in.
void TestTranslateView::pronunciationUnderTheGloss()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QStringList, lines);
    if (!stored.isEmpty()) {
        Entry cat = m_dictionary.findExact(u8("חתול")).first();
        cat.setText(Entry::TextPronunciation, stored);
        QVERIFY(m_dictionary.addOrReplace(cat));
    }
    translate(text);
    QStringList shown;
    for (QTextTable *table : glossTables()) {
        for (int c = table->columns() - 1; c >= 0 && table->rows() == 4; --c)
            shown.append(cellText(table, 2, c));
    }
    QCOMPARE(shown, lines);
}

void TestTranslateView::longLinesWrapInReadingOrder()
{
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words.append(QString::fromUtf8(i % 2 ? "סֵפֶר" : "חָתוּל"));
    const QStringList columns = translate(words.join(u' ') + u'\n' + words.mid(0, 2).join(u' '));
    QVERIFY(glossTables().size() > 2);
    QCOMPARE(columns.size(), 42);
    for (int i = 0; i < columns.size(); ++i)
        QVERIFY2(columns[i].startsWith(words[i % 40] + u'='), qPrintable(columns[i]));
}

void TestTranslateView::lookupOrLearnTakesTheSelection()
{
    QSignalSpy show(m_view.get(), &TranslateView::showEntries);
    QSignalSpy edit(m_view.get(), &TranslateView::editEntry);
    auto *lookup = m_view->findChild<QPushButton *>(QStringLiteral("lookupButton"));
    translate(QString::fromUtf8("בּוֹקֶר טוֹב"));
    lookup->click();
    QCOMPARE(show.count() + edit.count(), 0);

    // a word of the gloss is a meaning
    QTextTable *table = glossTables().first();
    QTextCursor outputCursor = table->cellAt(1, 1).firstCursorPosition();
    outputCursor.setPosition(outputCursor.position() + 4, QTextCursor::KeepAnchor);
    output()->setTextCursor(outputCursor);
    lookup->click();
    QCOMPARE(show.count(), 1);

    QTextCursor inputCursor = input()->textCursor();
    inputCursor.setPosition(0);
    inputCursor.setPosition(7, QTextCursor::KeepAnchor);
    input()->setTextCursor(inputCursor);
    lookup->click();
    QCOMPARE(edit.takeFirst().at(0).value<Entry>().word(), QString::fromUtf8("בּוֹקֶר"));
}

// A word to learn names one entry (for the editor, a new one when none),
// or several (for the lookup page): by meaning, exactly, or as the gloss
// reads its prefixes and endings.
void TestTranslateView::wordToLearn_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("learnt"); // "edit WORD ID" or "show COUNT"
    QTest::newRow("exact") << u8("ספר") << u8("edit סֵפֶר 8");
    QTest::newRow("exact, two") << u8("מורה") << "show 2";
    QTest::newRow("unknown: a new entry") << u8("עַכְבָּר") << u8("edit עַכְבָּר 0");
    QTest::newRow("by meaning") << "teacher"
                                << "show 2";
    QTest::newRow("prefixed") << u8("בַּסֵּפֶר") << u8("edit סֵפֶר 8");
    QTest::newRow("inflected verb") << u8("כתבתי") << u8("edit כָּתַב 223");
    QTest::newRow("definite, two") << u8("המורה") << "show 2";
}

void TestTranslateView::wordToLearn()
{
    QFETCH(QString, word);
    QString learnt;
    connect(m_view.get(), &TranslateView::editEntry, this,
        [&learnt](const Entry &e) { learnt = QStringLiteral("edit %1 %2").arg(e.word()).arg(e.id()); });
    connect(m_view.get(), &TranslateView::showEntries, this,
        [&learnt](const QList<Entry> &entries) { learnt = QStringLiteral("show %1").arg(entries.size()); });
    m_view->learnWord(word);
    QTEST(learnt, "learnt");
}

QTEST_MAIN(TestTranslateView)
#include "tst_translateview.moc"
