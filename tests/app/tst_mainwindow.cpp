#include "app/mainwindow.h"
#include "app/translations.h"
#include "input/style.h"

#include "input/keyboardtogglebutton.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"
#include "views/translateview.h"

#include "../guihelpers.h"
#include "../testfiles.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QDialogButtonBox>
#include <QTranslator>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Book = QString::fromUtf8("סֵפֶר");
const QString Horse = QString::fromUtf8("סוּס");

void writeDictionary(
    const QString &path, const QString &name, const QString &type, const QString &user, const QList<Entry> &entries)
{
    Dictionary dict;
    dict.setAttribute("NAME", name);
    dict.setAttribute("TYPE", type);
    dict.setAttribute("USER", user);
    for (const Entry &e : entries)
        dict.insertEntry(e);
    QVERIFY(DictionaryFile(path).save(dict));
}

// A word or file name as status messages set it apart.
QString isolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

// Ctrl+Z as a keyboard sends it: the key and a control character, through
// the window's shortcuts.
void pressUndo(QWidget *widget)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Z, QString(QChar(0x1a)), Qt::ControlModifier);
}

// The translate page, whose "Lookup / Learn" hands a word to the window.
TranslateView *translatePage(MainWindow &window)
{
    return window.findChild<TranslateView *>();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noDictionaries_data();
    void noDictionaries();
    void unreadableDictionaryFile_data();
    void unreadableDictionaryFile();
    void selectingAnotherDictionary();
    void editFlowEndToEnd();
    void deleteWord_data();
    void deleteWord();
    void deleteNeedsAnEntry();
    void emptyFormHasNothingToStore();
    void keyboardsShownAndHidden();
    void firstStartShowsADozenRows_data();
    void firstStartShowsADozenRows();
    void unsavedChanges_data();
    void unsavedChanges();
    void unstoredEdit_data();
    void unstoredEdit();
    void learnWord();
    void fitsASmallScreen();
    void germanInterface();

private:
    std::unique_ptr<MainWindow> open();
    template <typename T> T *child(MainWindow &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<PromptScript> m_prompts;
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
}

void TestMainWindow::init()
{
    QVERIFY(m_dir.isValid());
    QSettings().clear();
    m_prompts = std::make_unique<PromptScript>();
    Entry book = makeEntry(1, Book, Entry::Noun, 5, "book");
    book.setText(Entry::TextUserBase + 1, "Buch");
    writeDictionary(path("small.dic"), "Hebrew", "he_IL", "en,de",
        {book, makeEntry(2, Horse, Entry::Noun, 5, "horse"),
            makeEntry(3, QString::fromUtf8("כָּתַב"), Entry::Verb, 64, "to write"),
            makeEntry(4, QString::fromUtf8("מוֹרֶה"), Entry::Noun, 5, "teacher"),
            makeEntry(5, QString::fromUtf8("מוֹרָה"), Entry::Noun, 6, "teacher"),
            makeEntry(6, QString::fromUtf8("חָדָשׁ"), Entry::Adjective, 5 | 256, "???")});
    writeDictionary(
        path("ru.dic"), "Russian", "ru_RU", "en", {makeEntry(1, QString::fromUtf8("дом"), Entry::Noun, 5, "house")});
    DictionaryList list;
    list.setFileName(path("dicts.dic"));
    list.addDictionary("Hebrew", "he_IL", "small.dic", "", "en,de");
    list.addDictionary("Russian", "ru_RU", "ru.dic", "", "en");
    QVERIFY(list.save());
}

void TestMainWindow::cleanup()
{
    m_prompts.reset();
}

std::unique_ptr<MainWindow> TestMainWindow::open()
{
    auto window = std::make_unique<MainWindow>(m_dir.path());
    window->resize(900, 800);
    window->show();
    QApplication::setActiveWindow(window.get());
    QCoreApplication::processEvents();
    return window;
}

void TestMainWindow::noDictionaries_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("header only") << QByteArray("# Dictionary META File: list of languages\n");
}

void TestMainWindow::noDictionaries()
{
    QFETCH(QByteArray, list);
    QFile::remove(path("dicts.dic"));
    if (!list.isNull()) {
        QFile file(path("dicts.dic"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(list);
    }
    auto window = open();
    QCOMPARE(child<QComboBox>(*window, "dictionarySelector")->count(), 0);
    QCOMPARE(child<QComboBox>(*window, "userLanguageSelector")->count(), 0);
    QCOMPARE(window->statusBar()->currentMessage(), QString());
    QTRY_COMPARE(m_prompts->titles(), QStringList{"No Dictionaries"});
    window->hide();
    window->show();
    QCoreApplication::processEvents();
    QCOMPARE(m_prompts->asked.size(), 1);
    // nothing to edit, train or save; quitting has nothing to ask
    for (const char *action : {"saveAction", "newWordAction", "deleteWordAction"})
        QVERIFY2(!child<QAction>(*window, action)->isEnabled(), action);
    QVERIFY(!child<QWidget>(*window, "wordEdit")->isEnabled());
    QVERIFY(!child<QWidget>(*window, "answerEdit")->isEnabled());
    QVERIFY(window->close());
    QCOMPARE(m_prompts->asked.size(), 1);
}

// clang-format off
void TestMainWindow::unreadableDictionaryFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QString>("keptAs");
    const QByteArray good = readAll(path("small.dic"));
    QTest::newRow("missing") << QByteArray() << 0 << "does not exist" << "";
    QTest::newRow("damaged") << good.left(good.size() - 30) << 5 << "only 5 entries" << "small.dic.damaged";
    QTest::newRow("not a dictionary") << QByteArray("DICT?") << 0 << "cannot be read" << "small.dic.damaged";
}
// clang-format on

// The user is told once, with the file and what could be read; saving
// never destroys the file that could not be read.
void TestMainWindow::unreadableDictionaryFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, loaded);
    QFETCH(QString, mentions);
    QFETCH(QString, keptAs);
    QFile::remove(path("small.dic"));
    QFile::remove(path("small.dic.damaged"));
    if (!bytes.isEmpty())
        writeFile(path("small.dic"), bytes);
    auto window = open();
    QCOMPARE(window->dictionary()->count(), loaded);
    QCOMPARE(m_prompts->titles(), QStringList{"Dictionary File"});
    QVERIFY(m_prompts->asked.first().text.contains(mentions));
    QVERIFY(m_prompts->asked.first().text.contains("small.dic"));
    QVERIFY(window->statusBar()->currentMessage().contains(mentions));
    auto *selector = child<QComboBox>(*window, "dictionarySelector");
    selector->setCurrentIndex(1);
    selector->setCurrentIndex(0);
    QCOMPARE(m_prompts->asked.size(), 1);

    window->dictionary()->addOrReplace(makeEntry(0, Book, Entry::Noun, 5, "volume"));
    window->saveDictionary();
    QCOMPARE(m_prompts->asked.size(), 1);
    QCOMPARE(readAll(path(keptAs.isEmpty() ? "small.dic.damaged" : keptAs)), bytes);
    Dictionary onDisk;
    QCOMPARE(DictionaryFile(path("small.dic")).load(onDisk), DictionaryFile::Status::Ok);
    QCOMPARE(onDisk.count(), loaded + 1);
}

// The dictionary chosen opens again on the next start; counts read as English.
void TestMainWindow::selectingAnotherDictionary()
{
    installTranslations(qApp, QLocale(QLocale::English));
    auto window = open();
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Loaded 6 words."));
    QCOMPARE(child<QComboBox>(*window, "userLanguageSelector")->itemText(1), QStringLiteral("Deutsch"));
    child<QComboBox>(*window, "dictionarySelector")->setCurrentIndex(1);
    QCOMPARE(window->dictionary()->name(), QStringLiteral("Russian"));
    QVERIFY(window->windowTitle().contains("Russian"));
    // a word typed with a capital finds its entry: keys are lower case
    auto *lookup = child<KeyMappingLineEdit>(*window, "lookupEdit");
    lookup->setText(QString::fromUtf8("Дом"));
    QCOMPARE(lookup->palette().color(QPalette::Text), Style::foundColor());
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Loaded 1 word."));
    QCOMPARE(child<QComboBox>(*window, "userLanguageSelector")->count(), 1);
    auto *table = child<QTableView>(*window, "lookupTable");
    QCOMPARE(table->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Russian"));
    QCOMPARE(table->model()->rowCount(), 1);
    QVERIFY(m_prompts->asked.isEmpty());
    window->saveDictionary();
    QCOMPARE(window->statusBar()->currentMessage(),
        QStringLiteral("Saved 1 word to %1.").arg(isolated(QDir::toNativeSeparators(path("ru.dic")))));
    window.reset();
    QCOMPARE(open()->dictionary()->name(), QStringLiteral("Russian"));
}

void TestMainWindow::editFlowEndToEnd()
{
    auto window = open();
    auto *lookup = child<KeyMappingLineEdit>(*window, "lookupEdit");
    auto *tabs = child<QTabWidget>(*window, "tabs");
    lookup->setFocus();
    // typed on the physical keyboard: x c -> ס ב ... "xu" gives ס ו
    pressKey(lookup, Qt::Key_X, "x");
    pressKey(lookup, Qt::Key_U, "u");
    QCOMPARE(lookup->text(), QString::fromUtf8("סו"));
    QTest::keyClick(lookup, Qt::Key_Return);
    QCOMPARE(tabs->currentIndex(), 1);
    auto *word = child<QLineEdit>(*window, "wordEdit");
    QCOMPARE(word->text(), Horse);

    // a new word that sorts last, a new meaning; Return through the fields
    word->setText(QString::fromUtf8("תַּיִשׁ"));
    child<QLineEdit>(*window, "translationEdit0")->setText("billy goat");
    QTest::keyClick(word, Qt::Key_Return);
    QTest::keyClick(child<QLineEdit>(*window, "extraEdit"), Qt::Key_Return);
    QTest::keyClick(child<QLineEdit>(*window, "translationEdit0"), Qt::Key_Return);
    QTest::keyClick(child<QLineEdit>(*window, "translationEdit1"), Qt::Key_Return);

    Dictionary *dict = window->dictionary();
    QCOMPARE(dict->count(), 6);
    const Entry stored = dict->entryById(2);
    QCOMPARE(stored.word(), QString::fromUtf8("תַּיִשׁ"));
    QCOMPARE(stored.translation(), QStringLiteral("billy goat"));
    QCOMPARE(dict->entryAt(dict->count() - 1).id(), 2);
    QCOMPARE(window->statusBar()->currentMessage(),
        QStringLiteral("Stored \"%1\"; now 6 words.").arg(isolated(QString::fromUtf8("תַּיִשׁ"))));
    // the entry stays in view as stored, not an empty form
    QCOMPARE(word->text(), QString::fromUtf8("תַּיִשׁ"));
    QCOMPARE(child<QComboBox>(*window, "typeCombo")->currentIndex(), int(Entry::Noun));
    auto *table = child<QTableView>(*window, "lookupTable");
    QCOMPARE(table->model()->index(5, 2).data().toString(), QString::fromUtf8("תַּיִשׁ"));
    QVERIFY(m_prompts->asked.isEmpty());
    QVERIFY(dict->isModified());
}

// A word is deleted from the lookup table's current row or from the editor,
// once confirmed, and comes back whole (under its id, with its counters) by
// Undo Delete: the action, or Ctrl+Z in a line that has nothing of its own
// to undo. The editor never goes on showing it.
void TestMainWindow::deleteWord_data()
{
    QTest::addColumn<QString>("from"); // "lookup" or "editor"
    QTest::addColumn<Prompt::Choice>("answer");
    QTest::addColumn<QString>("undoBy"); // the action, or the line Ctrl+Z goes to
    QTest::addColumn<QString>("typed"); // into that line before: undone first
    QTest::newRow("lookup, the action") << "lookup" << Prompt::Choice::Yes << "action"
                                        << "";
    QTest::newRow("lookup, Ctrl+Z") << "lookup" << Prompt::Choice::Yes << "lookupEdit"
                                    << "";
    QTest::newRow("lookup, typing undone first") << "lookup" << Prompt::Choice::Yes << "lookupEdit"
                                                 << "d";
    QTest::newRow("lookup, cancelled") << "lookup" << Prompt::Choice::Cancel << ""
                                       << "";
    QTest::newRow("editor, Ctrl+Z in the word") << "editor" << Prompt::Choice::Yes << "wordEdit"
                                                << "";
    QTest::newRow("editor, Ctrl+Z in a meaning") << "editor" << Prompt::Choice::Yes << "translationEdit0"
                                                 << "";
    QTest::newRow("editor, box closed") << "editor" << Prompt::Choice::None << ""
                                        << "";
}

void TestMainWindow::deleteWord()
{
    QFETCH(QString, from);
    QFETCH(Prompt::Choice, answer);
    QFETCH(QString, undoBy);
    QFETCH(QString, typed);
    auto window = open();
    Dictionary *dict = window->dictionary();
    auto *tabs = child<QTabWidget>(*window, "tabs");
    auto *table = child<QTableView>(*window, "lookupTable");
    auto *undo = child<QAction>(*window, "undoDeleteAction");
    auto *word = child<QLineEdit>(*window, "wordEdit");
    dict->setLearnCounters(2, 4, 9);
    if (from == "lookup")
        table->setCurrentIndex(table->model()->index(dict->indexOfWord(Horse), 0));
    else
        window->editEntry(dict->entryById(2));
    m_prompts->answers = {answer};
    child<QAction>(*window, "deleteWordAction")->trigger();
    QCOMPARE(m_prompts->asked.size(), 1);
    QCOMPARE(m_prompts->asked.first().text, QStringLiteral("Delete \"%1\"?").arg(isolated(Horse)));
    if (answer != Prompt::Choice::Yes) {
        QCOMPARE(dict->count(), 6);
        QVERIFY(!undo->isEnabled());
        return;
    }
    QCOMPARE(dict->count(), 5);
    QCOMPARE(dict->entryById(2).id(), 0);
    QVERIFY(window->isWindowModified());
    QVERIFY(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("Deleted \"%1\"; 5 words left.").arg(isolated(Horse))));
    QCOMPARE(word->text(), QString());
    QCOMPARE(table->model()->rowCount(), 5);
    QVERIFY(undo->isEnabled());
    if (undoBy == "action") {
        undo->trigger();
    } else {
        auto *line = child<QLineEdit>(*window, qPrintable(undoBy));
        tabs->setCurrentWidget(line->parentWidget());
        line->setFocus();
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text().size(), typed.size());
        pressUndo(line);
        QCOMPARE(line->text(), QString());
        if (!typed.isEmpty()) {
            QCOMPARE(dict->count(), 5);
            pressUndo(line);
        }
    }
    QCOMPARE(dict->count(), 6);
    const Entry back = dict->entryById(2);
    QCOMPARE(back.word(), Horse);
    QCOMPARE(back.learnedForward(), qint8(4));
    QCOMPARE(back.learnedBackward(), qint8(9));
    QVERIFY(!undo->isEnabled());
}

// Without an entry to delete the action is disabled and says why.
void TestMainWindow::deleteNeedsAnEntry()
{
    auto window = open();
    auto *tabs = child<QTabWidget>(*window, "tabs");
    auto *action = child<QAction>(*window, "deleteWordAction");
    auto *table = child<QTableView>(*window, "lookupTable");
    const struct
    {
        int page;
        bool rowChosen;
        bool enabled;
    } steps[] = {{0, false, false}, {0, true, true}, {1, true, false}, {2, true, false}, {0, true, true}};
    for (const auto &step : steps) {
        if (step.rowChosen && !table->currentIndex().isValid())
            table->setCurrentIndex(table->model()->index(3, 0));
        tabs->setCurrentIndex(step.page);
        QCOMPARE(action->isEnabled(), step.enabled);
        QCOMPARE(action->toolTip().startsWith("Delete Word: "), !step.enabled);
    }
    // the word looked up is the one to delete; a filter that leaves every
    // row out leaves nothing
    auto *lookup = child<KeyMappingLineEdit>(*window, "lookupEdit");
    lookup->setText(Horse);
    QVERIFY(action->isEnabled());
    QVERIFY(action->toolTip().contains(Horse));
    lookup->setText("zzz");
    QVERIFY(!action->isEnabled());
}

// A new entry's form typed into and emptied again holds nothing to store.
void TestMainWindow::emptyFormHasNothingToStore()
{
    auto window = open();
    window->addWord();
    auto *meaning = child<QLineEdit>(*window, "translationEdit0");
    for (const char *typed : {"", "a"}) {
        QTest::keyClicks(meaning, "x");
        QTest::keyClick(meaning, Qt::Key_Backspace);
        QTest::keyClicks(meaning, typed);
        m_prompts->answers = {Prompt::Choice::Cancel};
        window->listIncompleteWords();
    }
    QCOMPARE(m_prompts->titles(), QStringList{"Unstored Changes"});
}

// "Show Keyboard" and the lookup page's own button show and hide the
// keyboards of every page together, and the next start remembers.
void TestMainWindow::keyboardsShownAndHidden()
{
    auto window = open();
    auto *action = child<QAction>(*window, "showKeyboardAction");
    auto *button = child<KeyboardToggleButton>(*window, "lookupKeyboardButton");
    QVERIFY(child<QWidget>(*window, "lookupMappingButton")->isVisible());
    const auto shown = [this, &window](const char *name) { return !child<SoftKeyboard>(*window, name)->isHidden(); };
    QVERIFY(action->isChecked() && shown("lookupKeyboard") && shown("wordKeyboard"));
    action->trigger();
    for (const char *name : {"lookupKeyboard", "wordKeyboard", "trainerKeyboard", "translateKeyboard"})
        QVERIFY2(!shown(name), name);
    QVERIFY(!button->isChecked());
    QVERIFY(!SoftKeyboard::visibleBySetting());
    button->click();
    QVERIFY(action->isChecked() && shown("lookupKeyboard") && shown("wordKeyboard") && shown("trainerKeyboard"));
    action->trigger();
    window.reset();
    window = open();
    QVERIFY(!child<QAction>(*window, "showKeyboardAction")->isChecked());
    QVERIFY(!shown("lookupKeyboard") && !shown("wordKeyboard"));
}

void TestMainWindow::firstStartShowsADozenRows_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("dozen");
    QTest::newRow("1366x768 with a panel") << QSize(1366, 728) << true;
    QTest::newRow("1920x1080") << QSize(1920, 1040) << true;
    QTest::newRow("a small laptop") << QSize(1024, 600) << false;
}

// The first start, with no saved place: at least twelve rows of the table
// beside the keyboard where the screen has the room, never beyond it.
void TestMainWindow::firstStartShowsADozenRows()
{
    QFETCH(QSize, screen);
    QFETCH(bool, dozen);
    MainWindow window(m_dir.path());
    const QSize size = window.startSize(QRect(QPoint(0, 0), screen));
    QVERIFY(size.width() <= screen.width() && size.height() <= screen.height());
    window.resize(size);
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(window.size(), size);
    auto *table = child<QTableView>(window, "lookupTable");
    QVERIFY(child<SoftKeyboard>(window, "lookupKeyboard")->isVisible());
    const int rows = table->viewport()->height() / table->verticalHeader()->defaultSectionSize();
    if (dozen)
        QVERIFY2(rows >= 12, qPrintable(QString::number(rows)));
}

void TestMainWindow::unsavedChanges_data()
{
    QTest::addColumn<bool>("closing"); // else switching to another dictionary
    QTest::addColumn<Prompt::Choice>("answer");
    QTest::addColumn<bool>("goesAhead");
    QTest::addColumn<bool>("saved");
    for (bool closing : {true, false}) {
        const char *what = closing ? "close" : "switch";
        QTest::addRow("%s, save", what) << closing << Prompt::Choice::Save << true << true;
        QTest::addRow("%s, discard", what) << closing << Prompt::Choice::Discard << true << false;
        QTest::addRow("%s, cancel", what) << closing << Prompt::Choice::Cancel << false << false;
        QTest::addRow("%s, box closed", what) << closing << Prompt::Choice::None << false << false;
    }
}

void TestMainWindow::unsavedChanges()
{
    QFETCH(bool, closing);
    QFETCH(Prompt::Choice, answer);
    QFETCH(bool, goesAhead);
    QFETCH(bool, saved);
    auto window = open();
    window->close(); // nothing changed: nothing asked
    QVERIFY(m_prompts->asked.isEmpty());
    window->show();
    window->dictionary()->setLearnCounters(1, 7, 7);
    m_prompts->answers = {answer};
    auto *selector = child<QComboBox>(*window, "dictionarySelector");
    if (closing)
        window->close();
    else
        selector->setCurrentIndex(1);
    QCOMPARE(m_prompts->titles(), QStringList{"Unsaved Changes"});
    QCOMPARE(closing ? !window->isVisible() : selector->currentIndex() == 1, goesAhead);
    if (!goesAhead)
        QCOMPARE(window->dictionary()->entryById(1).learnedForward(), qint8(7));
    Dictionary onDisk;
    QCOMPARE(DictionaryFile(path("small.dic")).load(onDisk), DictionaryFile::Status::Ok);
    QCOMPARE(onDisk.entryById(1).learnedForward(), qint8(saved ? 7 : -1));
}

void TestMainWindow::unstoredEdit_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Prompt::Choice>("answer");
    for (const char *action : {"lookup", "new word", "learn", "list incomplete", "other dictionary", "quit"}) {
        QTest::addRow("%s, store", action) << action << Prompt::Choice::Store;
        QTest::addRow("%s, discard", action) << action << Prompt::Choice::Discard;
        QTest::addRow("%s, cancel", action) << action << Prompt::Choice::Cancel;
    }
}

// A change typed into the editor is never dropped without asking: Store
// stores it as Return would, Cancel keeps it and stays.
void TestMainWindow::unstoredEdit()
{
    QFETCH(QString, action);
    QFETCH(Prompt::Choice, answer);
    auto window = open();
    Dictionary *dict = window->dictionary();
    window->editEntry(dict->entryById(3));
    auto *meaning = child<QLineEdit>(*window, "translationEdit0");
    meaning->selectAll();
    QTest::keyClicks(meaning, "to jot");
    m_prompts->answers = {answer, Prompt::Choice::Discard};
    if (action == "lookup") {
        auto *lookup = child<KeyMappingLineEdit>(*window, "lookupEdit");
        lookup->setText(QString::fromUtf8("סוס"));
        QTest::keyClick(lookup, Qt::Key_Return);
    } else if (action == "new word") {
        window->addWord();
    } else if (action == "learn") {
        translatePage(*window)->learnWord(QString::fromUtf8("סוס"));
    } else if (action == "list incomplete") {
        window->listIncompleteWords();
    } else if (action == "other dictionary") {
        child<QComboBox>(*window, "dictionarySelector")->setCurrentIndex(1);
    } else {
        window->close();
    }
    QCOMPARE(m_prompts->titles().value(0), QStringLiteral("Unstored Changes"));
    const bool stored = answer == Prompt::Choice::Store;
    const bool stayed = answer == Prompt::Choice::Cancel;
    if (action != "other dictionary" && action != "quit")
        QCOMPARE(dict->entryById(3).translation(), stored ? QStringLiteral("to jot") : QStringLiteral("to write"));
    else if (stored)
        QCOMPARE(m_prompts->titles().value(1), QStringLiteral("Unsaved Changes"));
    // what is shown after storing is the entry as stored
    const bool storedShown = stored && (action == "list incomplete" || action == "quit");
    QCOMPARE(meaning->text() == QStringLiteral("to jot"), stayed || storedShown);
}

void TestMainWindow::learnWord()
{
    auto window = open();
    auto *tabs = child<QTabWidget>(*window, "tabs");
    auto *word = child<QLineEdit>(*window, "wordEdit");
    auto *table = child<QTableView>(*window, "lookupTable");

    // a word of the translate page goes to the editor, or its entries to the lookup page
    translatePage(*window)->learnWord(QString::fromUtf8("בַּסֵּפֶר"));
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(word->text(), Book);
    translatePage(*window)->learnWord(QString::fromUtf8("המורה"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(table->model()->rowCount(), 2);

    // the one stored incomplete entry, gathered the same way
    tabs->setCurrentIndex(1);
    window->listIncompleteWords();
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(table->model()->rowCount(), 1);
    QCOMPARE(table->model()->index(0, 2).data().toString(), QString::fromUtf8("חָדָשׁ"));

    // a new entry of a word the store has: asked whether to add it anyway
    window->addWord();
    word->setText(Book);
    m_prompts->answers = {Prompt::Choice::No, Prompt::Choice::Yes};
    for (int count : {6, 7}) {
        QTest::keyClick(child<QLineEdit>(*window, "translationEdit1"), Qt::Key_Return);
        QCOMPARE(m_prompts->titles().last(), QStringLiteral("Word Exists"));
        QCOMPARE(window->dictionary()->count(), count);
        QCOMPARE(word->text(), Book);
    }
}

// A small laptop's screen: every page lays out without clipping (the soft
// keyboard shrinks with its keys inside it, as its own test shows).
void TestMainWindow::fitsASmallScreen()
{
    auto window = open();
    window->resize(1024, 600);
    QCoreApplication::processEvents();
    QCOMPARE(window->size(), QSize(1024, 600));
    auto *tabs = child<QTabWidget>(*window, "tabs");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QWidget *page = tabs->widget(i);
        QVERIFY2(page->minimumSizeHint().height() <= page->height(), qPrintable(tabs->tabText(i)));
    }
}

// Under a German locale the window, its messages and Qt's own buttons
// speak German.
void TestMainWindow::germanInterface()
{
    installTranslations(qApp, QLocale(QLocale::German, QLocale::Germany));
    auto window = open();
    const QList<QTranslator *> translators = qApp->findChildren<QTranslator *>();
    const QString tab = child<QTabWidget>(*window, "tabs")->tabText(0);
    const QString menu = window->menuBar()->actions().value(2)->text();
    window->helpNoDicts();
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text();
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCOMPARE(tab, QStringLiteral("&Nachschlagen"));
    QCOMPARE(menu, QStringLiteral("&Wörterbücher"));
    QCOMPARE(m_prompts->titles(), QStringList{"Keine Wörterbücher"});
    QCOMPARE(cancel, QStringLiteral("Abbrechen"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
