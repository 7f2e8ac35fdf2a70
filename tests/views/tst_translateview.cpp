#include "views/translateview.h"

#include "input/softkeyboard.h"
#include "lang/english.h"

#include "../guihelpers.h"
#include "../testfiles.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

class TestTranslateView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void indexIsBuiltOncePerChangeOfTheStore();
    void lookupOrLearnTakesTheSelection();
    void wordToLearn_data();
    void wordToLearn();

private:
    QString translate(const QString &text);
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

QString TestTranslateView::translate(const QString &text)
{
    input()->setPlainText(text);
    m_view->findChild<QPushButton *>(QStringLiteral("translateButton"))->click();
    return output()->toPlainText();
}

void TestTranslateView::indexIsBuiltOncePerChangeOfTheStore()
{
    const QString text = QString::fromUtf8("חָתוּל");
    QCOMPARE(translate(text), QStringLiteral("Cat\n-------------------\n"));
    translate(text);
    QCOMPARE(m_view->indexBuilds(), 1);

    Entry cat = m_dictionary.findExact(text).first();
    cat.setTranslation(QStringLiteral("tomcat"));
    QVERIFY(m_dictionary.deleteEntry(cat));
    m_dictionary.addOrReplace(cat);
    QCOMPARE(translate(text), QStringLiteral("Tomcat\n-------------------\n"));
    QCOMPARE(m_view->indexBuilds(), 2);

    // another dictionary in the same store
    m_dictionary.clear();
    m_dictionary.addOrReplace(makeEntry(0, text, Entry::Noun, 5, "kitten"));
    QCOMPARE(translate(text), QStringLiteral("Kitten\n-------------------\n"));
    QCOMPARE(m_view->indexBuilds(), 3);
    m_view->findChild<QPushButton *>(QStringLiteral("clearButton"))->click();
    QVERIFY(input()->toPlainText().isEmpty() && output()->toPlainText().isEmpty());
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
    QTextCursor outputCursor = output()->textCursor();
    outputCursor.setPosition(0);
    outputCursor.setPosition(4, QTextCursor::KeepAnchor);
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
