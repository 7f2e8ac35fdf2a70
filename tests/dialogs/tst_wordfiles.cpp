#include "../guihelpers.h"
#include "../testfiles.h"

#include "app/mainwindow.h"
#include "app/translations.h"
#include "dialogs/importdialog.h"
#include "dialogs/wordexport.h"
#include "dialogs/wordimport.h"
#include "files/dictionaryfile.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T> T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QStringList words(const QList<Entry> &entries)
{
    QStringList out;
    for (const Entry &e : entries)
        out.append(e.word() + u'=' + e.translation());
    return out;
}

} // namespace

class TestWordFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void read_data();
    void read();
    void exportReadsBack_data();
    void exportReadsBack();
    void stoppedMidway();
    void importIntoTheOpenDictionary();
    void importAsANewDictionary();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestWordFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    installTranslations(qApp, QLocale(QLocale::English));
}

void TestWordFiles::init()
{
    QSettings().clear();
    Dictionary dict;
    dict.setAttribute("NAME", "Russian");
    dict.setAttribute("TYPE", "ru_RU");
    dict.setAttribute("USER", "en,de");
    Entry house = makeEntry(1, u8("дом"), Entry::Noun, 5, "house");
    house.setText(Entry::TextUserBase + 1, "Haus");
    house.setLearnCounters(3, 2);
    dict.insertEntry(house);
    dict.insertEntry(makeEntry(2, u8("кот"), Entry::Noun, 5, "cat, tomcat"));
    dict.insertEntry(makeEntry(3, u8("\"да\""), Entry::Adverb, 0, "yes\nindeed"));
    QVERIFY(DictionaryFile(path("ru.dic")).save(dict));
    DictionaryList list;
    list.setFileName(path("dicts.dic"));
    list.addDictionary("Russian", "ru_RU", "ru.dic", "", "en,de");
    QVERIFY(list.save());
}

// clang-format off
void TestWordFiles::read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("badRows");
    QTest::addColumn<QString>("error");
    QTest::newRow("TSV as the tool imports") << "a.tsv" << QByteArray("word\ttranslation\tde\nдом\thouse\tHaus\nлес\tforest\\nwood\t\n")
        << QStringList{u8("дом=house"), u8("лес=forest\nwood")} << QStringList{} << "";
    QTest::newRow("CSV, a spreadsheet's, semicolons") << "a.csv" << QByteArray("\xEF\xBB\xBFword;translation\r\n\"дом\";\"house; home\"\r\n")
        << QStringList{u8("дом=house; home")} << QStringList{} << "";
    QTest::newRow("CSV, a quoted line break") << "a.txt" << QByteArray("word,translation\nлес,\"forest\nwood\"\n")
        << QStringList{u8("лес=forest\nwood")} << QStringList{} << "";
    QTest::newRow("bad rows listed, the rest read") << "a.csv" << QByteArray("word,translation,flags\n,empty,\nдом,house,x\nкот,cat,5\n")
        << QStringList{u8("кот=cat")} << QStringList{"2: empty word", "3: bad flags 'x'"} << "";
    QTest::newRow("an open quote ends the reading") << "a.csv" << QByteArray("word,translation\nкот,cat\nдом,\"house\n")
        << QStringList{u8("кот=cat")} << QStringList{"0: line 3: a quote opened here is never closed; the rest of the file cannot be read"} << "";
    QTest::newRow("no header") << "a.csv" << QByteArray("\n\n") << QStringList{} << QStringList{} << "The file has no header line naming the columns.";
    QTest::newRow("a header without the word") << "a.tsv" << QByteArray("wort\ttranslation\nдом\thouse\n") << QStringList{} << QStringList{}
        << "The header line cannot be read: the header needs the columns 'word' and 'translation'";
}
// clang-format on

void TestWordFiles::read()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, data);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, badRows);
    QFETCH(QString, error);
    WordImport import;
    QCOMPARE(import.read(data, WordImport::formatOf(file, data)), error.isEmpty());
    QCOMPARE(import.error(), error);
    QCOMPARE(words(import.entries()), entries);
    QStringList bad;
    for (const WordImport::BadRow &row : import.badRows())
        bad.append(QStringLiteral("%1: %2").arg(row.line).arg(row.reason));
    QCOMPARE(bad, badRows);
}

void TestWordFiles::exportReadsBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("TSV") << "out.tsv";
    QTest::newRow("CSV") << "out.csv";
}

// What is exported is what an import reads: words, meanings with their
// commas and line breaks, the further language, the type and counters.
void TestWordFiles::exportReadsBack()
{
    QFETCH(QString, file);
    Dictionary source;
    QCOMPARE(DictionaryFile(path("ru.dic")).load(source), DictionaryFile::Status::Ok);
    QString error;
    QCOMPARE(WordExport::write(source, path(file), WordExport::formatOf(file), error), WordExport::Status::Ok);
    const QByteArray bytes = readAll(path(file));
    QCOMPARE(bytes.startsWith(QByteArray("\xEF\xBB\xBF")), file.endsWith(".csv"));
    WordImport import;
    QVERIFY(import.read(bytes, WordImport::formatOf(file, bytes)));
    QVERIFY(import.badRows().isEmpty());
    Dictionary target;
    target.setAttribute("USER", "en,de");
    QCOMPARE(import.addTo(target).added, 3);
    // the entries come under new ids
    const auto withoutIds = [](QStringList lines) {
        for (QString &line : lines)
            line = line.section(u' ', 1);
        lines.sort();
        return lines;
    };
    QCOMPARE(withoutIds(dump(target)), withoutIds(dump(source)));
}

// A stopped export leaves the file that was there and nothing beside it.
void TestWordFiles::stoppedMidway()
{
    Dictionary big;
    for (int i = 1; i <= 2000; ++i)
        big.insertEntry(makeEntry(i, QStringLiteral("w%1").arg(i), Entry::Noun, 5, "m"));
    QDir folder(path("out"));
    QVERIFY(folder.mkpath("."));
    writeFile(folder.filePath("words.csv"), "before");
    int calls = 0;
    const auto stopAtTheThird = [&calls](qint64, qint64) { return ++calls < 3; };
    QString error;
    QCOMPARE(WordExport::write(big, folder.filePath("words.csv"), WordExport::Format::Csv, error, stopAtTheThird),
        WordExport::Status::Stopped);
    QCOMPARE(readAll(folder.filePath("words.csv")), QByteArray("before"));
    QCOMPARE(folder.entryList(QDir::Files), QStringList{"words.csv"});
}

// Merged as new entries: the learner's entries and counters stay as they
// are, a word and meaning the dictionary has is not added twice, a language
// it lacks is left out and said so.
void TestWordFiles::importIntoTheOpenDictionary()
{
    writeFile(
        path("in.csv"), "word,translation,de,fr\n\"дом\",house,Heim,maison\nлес,forest,Wald,forêt\n,x,,\nкит,whale\n");
    auto window = std::make_unique<MainWindow>(m_dir.path());
    window->editEntry(window->dictionary()->entryById(2));
    PromptScript prompts;
    QStringList preview;
    Prompt::setDialogHandler([&preview](QDialog *dialog) {
        auto *table = child<QTableWidget>(dialog, "previewTable");
        preview = {table->item(0, 0)->text(), table->horizontalHeaderItem(3)->text(),
            child<QListWidget>(dialog, "badRowList")->item(0)->text()};
        return int(
            child<QRadioButton>(dialog, "openDictionaryButton")->isChecked() ? QDialog::Accepted : QDialog::Rejected);
    });
    window->importWords(path("in.csv"));
    Prompt::setDialogHandler({});
    QCOMPARE(preview, QStringList({u8("дом"), "fr", "Line 4: empty word"}));
    Dictionary *dict = window->dictionary();
    QCOMPARE(dict->count(), 5);
    QCOMPARE(dict->entryById(1).learnedForward(), qint8(3));
    QCOMPARE(dict->entryById(1).text(Entry::TextUserBase + 1), QStringLiteral("Haus"));
    const Entry forest = dict->entryAt(dict->indexOfWord(u8("лес")));
    QVERIFY(forest.id() > 3);
    QCOMPARE(forest.text(Entry::TextUserBase + 1), QStringLiteral("Wald"));
    QVERIFY(dict->isModified());
    // the editor's form was emptied: nothing there to delete
    QVERIFY(!child<QAction>(window.get(), "deleteWordAction")->isEnabled());
    const QString message = window->statusBar()->currentMessage();
    QVERIFY2(message.startsWith("Imported 2 words from") && message.contains("1 was there already")
            && message.endsWith("left out: fr."),
        qPrintable(message));
    QVERIFY(prompts.asked.isEmpty());
}

// A new dictionary made by the wizard takes the words, joins the list and
// is saved at once.
void TestWordFiles::importAsANewDictionary()
{
    writeFile(path("in.tsv"), "word\ttranslation\nдом\thouse\n");
    auto window = std::make_unique<MainWindow>(m_dir.path());
    PromptScript prompts;
    Prompt::setDialogHandler([](QDialog *dialog) {
        if (auto *import = qobject_cast<ImportDialog *>(dialog)) {
            child<QRadioButton>(import, "newDictionaryButton")->setChecked(true);
            return int(QDialog::Accepted);
        }
        QTest::keyClicks(child<QLineEdit>(dialog, "nameEdit"), "Imported");
        child<QComboBox>(dialog, "codeBox")->setCurrentText("ru_RU");
        child<QPushButton>(dialog, "createButton")->click();
        return dialog->result();
    });
    window->importWords(path("in.tsv"));
    Prompt::setDialogHandler({});
    QVERIFY(prompts.asked.isEmpty());
    QCOMPARE(window->dictionary()->name(), QStringLiteral("Imported"));
    QCOMPARE(window->dictionaryList()->count(), 2);
    Dictionary onDisk;
    QCOMPARE(DictionaryFile(path("imported.dic")).load(onDisk), DictionaryFile::Status::Ok);
    QCOMPARE(words({onDisk.entryAt(0)}), QStringList{u8("дом=house")});
    QCOMPARE(onDisk.count(), 1);
    DictionaryList list;
    QVERIFY(list.load(path("dicts.dic")) && list.containsFile("imported.dic"));
}

QTEST_MAIN(TestWordFiles)
#include "tst_wordfiles.moc"
