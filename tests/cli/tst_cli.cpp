#include "../testfiles.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outputFormats_data();
    void outputFormats();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void importNamesColumnsByHeader();
    void errors_data();
    void errors();
    void idsTheStoreAcceptsSurviveExport();
    void damagedFileIsReported();
    void index();

private:
    QString fixture();
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestCli::init()
{
    QVERIFY(m_dir.isValid());
}

QString TestCli::fixture()
{
    Dictionary dict;
    dict.setAttribute("NAME", "Hebrew");
    dict.setAttribute("TYPE", "he_IL");
    dict.setAttribute("USER", "en,de,fr");
    Entry book(QString::fromUtf8("סֵפֶר"), "book\tvolume\\x\nline\r", 7);
    book.setWordType(Entry::Noun);
    book.setFlags(5);
    book.appendText(Entry::TextPlural, QString::fromUtf8("סְפָרִים"));
    book.appendText(Entry::TextUserBase + 1, "Buch");
    book.setLearnCounters(3, -1);
    dict.insertEntry(book);
    Entry barber(QString::fromUtf8("סַפָּר"), "barber, book", 2);
    barber.appendText(Entry::TextLegacy, "old");
    barber.appendText(Entry::TextUserBase + 2, "coiffeur");
    dict.insertEntry(barber);
    dict.insertEntry(Entry("zebra", "", 40));
    if (!DictionaryFile(path("fixture.dic")).save(dict))
        return QString();
    return path("fixture.dic");
}

// clang-format off
void TestCli::outputFormats_data()
{
    QTest::addColumn<QStringList>("args"); // @ is the fixture, @dir the folder, @sample the sample
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("out");
    QTest::newRow("info") << QStringList{"info", "@"} << QByteArray() << "version: DICT V3.3\nNAME: Hebrew\nTYPE: he_IL\nUSER: en,de,fr\nentries: 3\nmaxId: 40\n";
    QTest::newRow("dump escapes text fields") << QStringList{"dump", "@"} << QByteArray() << QString::fromUtf8(
        "40\t0\t256\t-1\t-1\tzebra\tzebra\t???\n"
        "7\t1\t5\t3\t-1\tסֵפֶר\tספר\tbook\\tvolume\\\\x\\nline\\r\t3=סְפָרִים\t17=Buch\n"
        "2\t0\t0\t-1\t-1\tסַפָּר\tספר\tbarber, book\t1=old\t18=coiffeur\n");
    QTest::newRow("lookup, a prefix") << QStringList{"lookup", "@", QString::fromUtf8("ספ")} << QByteArray() << "prefix\t1\t3\n";
    QTest::newRow("lookup, exact") << QStringList{"lookup", "@", QString::fromUtf8("סֵפֶר")} << QByteArray() << QString::fromUtf8("prefix\t1\t3\nexact\t7\tסֵפֶר\nexact\t2\tסַפָּר\n");
    QTest::newRow("lookup, a meaning") << QStringList{"lookup", "@", "book"} << QByteArray() << QString::fromUtf8("prefix\t-1\t0\nmeaning\t2\tסַפָּר\n");
    QTest::newRow("list, parsed") << QStringList{"list", "@dir/dicts.dic"} << QByteArray() << "# Dictionary META File: list of languages\n\nFILE: b.dic\nNAME: B\n\nNAME : A\nUSER: en\n";
    // the Hebrew engine's commands on the sample; a line feed after a sentence end leaves one empty line
    QTest::newRow("conjugate") << QStringList{"conjugate", "--infinitive", QString::fromUtf8("לִקְרוֹת"), QString::fromUtf8("ק")} << QByteArray() << QString::fromUtf8("Pattern: unknown\n0x00020\tלקרות\n0x11005\tק\n0x11006\tקה\n");
    QTest::newRow("lookup, a medial last letter as the window finds it") << QStringList{"lookup", "@sample", QString::fromUtf8("הלכ")} << QByteArray() << QString::fromUtf8("prefix\t90\t3\nexact\t225\tהָלַךְ\n");
    QTest::newRow("lookup, an inflected word") << QStringList{"lookup", "@sample", QString::fromUtf8("הלכתי")} << QByteArray() << QString::fromUtf8("prefix\t-1\t3\nreading\t225\tהלכתי → הָלַךְ, past, I\n");
    // a line's own stress, the rules' where it gives none, a phrase stressed on its last word
    QTest::newRow("transliterate, batch") << QStringList{"transliterate", "--batch"} << QString::fromUtf8("סֵפֶר\nבַּיִת\t1\nרוּחַ\t1\nבֵּית סֵפֶר\t2\n").toUtf8() << QString::fromUtf8("séfer\nbayít\nrúach\nbeit séfer\n");
    QTest::newRow("analyse") << QStringList{"analyse", "@sample", QString::fromUtf8("וכתבתי")} << QByteArray() << "7:0x00000:3 + 2:0x10404:223\n";
    QTest::newRow("translate") << QStringList{"translate", "@sample"} << QString::fromUtf8("בּוֹקֶר טוֹב!\nכָּתַבְתִּי").toUtf8() << "Good morning !\n-------------------\n\nI wrote\n-------------------\n";
}
// clang-format on

void TestCli::outputFormats()
{
    QFETCH(QStringList, args);
    writeFile(path("dicts.dic"), "NAME: B\r\nFILE: b.dic\r\n# c\r\n\r\n\r\nUSER: en\nNAME : A\n");
    const QString dictionary = fixture();
    for (QString &arg : args) {
        arg = arg == "@" ? dictionary : arg.replace("@dir", m_dir.path());
        arg.replace("@sample", VERBALON_TEST_DATA_DIR "/hebrew.dic");
    }
    QFETCH(QByteArray, input);
    const CliRun run = runCli(args, input);
    QCOMPARE(run.exitCode, 0);
    QTEST(QString::fromUtf8(run.out), "out");
}

void TestCli::exportImportRoundTrip_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("user");
    QTest::newRow("fixture") << QString() << "en,de,fr";
    QTest::newRow("sample") << QStringLiteral(VERBALON_TEST_DATA_DIR "/hebrew.dic") << "en,de";
}

void TestCli::exportImportRoundTrip()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, user);
    if (dictionary.isEmpty())
        dictionary = fixture();
    QCOMPARE(runCli({"export", dictionary, path("out.tsv")}).exitCode, 0);
    const CliRun imported
        = runCli({"import", "--name", "Hebrew", "--type", "he_IL", "--user", user, path("out.tsv"), path("back.dic")});
    QCOMPARE(imported.err, QByteArray());
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(runCli({"dump", path("back.dic")}).out, runCli({"dump", dictionary}).out);
    QCOMPARE(runCli({"info", path("back.dic")}).out, runCli({"info", dictionary}).out);
}

void TestCli::importNamesColumnsByHeader()
{
    writeFile(path("in.tsv"),
        QString::fromUtf8("translation\tde\tword\ttype\tpronunciation\n"
                          "to write\tschreiben\tכָּתַב\tVerb\tkatáv\n"
                          "\n"
                          "\t\tחָדָשׁ\t3\r\n")
            .toUtf8());
    QCOMPARE(runCli({"import", path("in.tsv"), path("out.dic")}).exitCode, 0);
    const CliRun info = runCli({"info", path("out.dic")});
    QCOMPARE(info.out, QByteArray("version: DICT V3.3\nUSER: en,de\nentries: 2\nmaxId: 2\n"));
    const CliRun dump = runCli({"dump", path("out.dic")});
    QCOMPARE(QString::fromUtf8(dump.out),
        QString::fromUtf8("2\t3\t256\t-1\t-1\tחָדָשׁ\tחדש\t???\n"
                          "1\t2\t0\t-1\t-1\tכָּתַב\tכתב\tto write\t4=katáv\t17=schreiben\n"));
}

// clang-format off
void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QByteArray>("tsv"); // written to @/in.tsv when given
    QTest::newRow("no command") << QStringList() << 2 << "no command" << QByteArray();
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "frobnicate" << QByteArray();
    QTest::newRow("missing argument") << QStringList{"info"} << 2 << "usage" << QByteArray();
    QTest::newRow("unknown option") << QStringList{"dump", "--fast", "x.dic"} << 2 << "--fast" << QByteArray();
    QTest::newRow("missing file") << QStringList{"info", "@/missing.dic"} << 1 << "@/missing.dic: no such file" << QByteArray();
    QTest::newRow("not a dictionary") << QStringList{"dump", "@/junk.dic"} << 1 << "@/junk.dic: not a dictionary" << QByteArray();
    QTest::newRow("missing list") << QStringList{"list", "@/none"} << 1 << "@/none" << QByteArray();
    QTest::newRow("export to a directory") << QStringList{"export", "@/fixture.dic", "@"} << 1 << "cannot write: " << QByteArray();
    QTest::newRow("import into a missing folder") << QStringList{"import", "@/in.tsv", "@/no/such/out.dic"} << 1 << "cannot write: " << QByteArray();
    QTest::newRow("not a regular file") << QStringList{"info", "/dev/zero"} << 1 << "not a regular file" << QByteArray();
    QTest::newRow("bad --user code") << QStringList{"import", "--user", "en,, x", "@/in.tsv", "@/out.dic"} << 1 << "'' is not a language code" << QByteArray();
    QTest::newRow("import over its input") << QStringList{"import", "@/in.tsv", "@/./in.tsv"} << 1 << "is the input" << QByteArray();
    QTest::newRow("export over its input") << QStringList{"export", "@/fixture.dic", "@/fixture.dic"} << 1 << "is the input" << QByteArray();
    QTest::newRow("export over a hard link of its input") << QStringList{"export", "@/fixture.dic", "@/link.dic"} << 1 << "is the input" << QByteArray();
    QTest::newRow("analyse, bad flags") << QStringList{"analyse", "@/fixture.dic", "x", "--flags", "many"} << 2 << "not 'many'" << QByteArray();
    QTest::newRow("translate, no verb table") << QStringList{"translate", "@/fixture.dic", "--verbs", "@/none.dat"} << 1 << "@/none.dat: cannot read" << QByteArray();
    QTest::newRow("review, no such entry") << QStringList{"review", "@/fixture.dic", "6", "f", "3"} << 1 << "no entry with the id '6'" << QByteArray();
    QTest::newRow("review, direction") << QStringList{"review", "@/fixture.dic", "7", "forward", "3"} << 1 << "not 'forward'" << QByteArray();
    QTest::newRow("review, rating") << QStringList{"review", "@/fixture.dic", "7", "f", "5"} << 1 << "not '5'" << QByteArray();
    QTest::newRow("review, time") << QStringList{"review", "@/fixture.dic", "7", "f", "3", "--at", "yesterday"} << 1 << "not a time in ISO 8601" << QByteArray();
    QTest::newRow("due, time") << QStringList{"due", "@/fixture.dic", "--at", "2026-02-30T10:00:00Z"} << 1 << "not a time in ISO 8601" << QByteArray();
    QTest::newRow("transliterate, batch and stress") << QStringList{"transliterate", "--batch", "--stress", "2"} << 2 << "each line's stress" << QByteArray();
    const QStringList import = {"import", "--user", "en,de", "@/in.tsv", "@/out.dic"};
    QTest::newRow("no translation column") << import << 1 << "'word' and 'translation'" << QByteArray("word\tde\nx\ty\n");
    QTest::newRow("empty file") << import << 1 << "no header" << QByteArray("");
    QTest::newRow("unknown type") << import << 1 << "line 2: unknown word type" << QByteArray("word\ttranslation\ttype\nx\ty\tThing\n");
    QTest::newRow("one text in two columns") << import << 1 << "'plural' and 'text:3'" << QByteArray("word\ttranslation\tplural\ttext:3\na\tb\tc\td\n");
    QTest::newRow("column not a language code") << import << 1 << "', x'" << QByteArray("word\ttranslation\t, x\na\tb\tc\n");
    QTest::newRow("counter out of range") << import << 1 << "line 2: bad learnedForward" << QByteArray("word\ttranslation\tlearnedForward\na\tb\t200\n");
    QTest::newRow("language not in --user") << import << 1 << "'it' is not one" << QByteArray("word\ttranslation\tit\na\tb\tc\n");
    QTest::newRow("stray field") << import << 1 << "@/in.tsv: line 2: more fields" << QByteArray("word\ttranslation\na\tb\tc\n");
}
// clang-format on

void TestCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, mentions);
    QFETCH(QByteArray, tsv);
    fixture();
    writeFile(path("junk.dic"), "this is not a dictionary");
    if (tsv.isNull())
        tsv = "word\ttranslation\na\tb\n";
    writeFile(path("in.tsv"), tsv);
    QFile::remove(path("link.dic"));
    QFile::remove(path("out.dic"));
    QVERIFY(::link(QFile::encodeName(path("fixture.dic")).constData(), QFile::encodeName(path("link.dic")).constData())
        == 0);
    const QByteArray before = readAll(path("fixture.dic"));
    for (QString &arg : args)
        arg.replace('@', m_dir.path());
    mentions.replace('@', m_dir.path());

    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains(mentions.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    // the tool never destroys its input, and writes nothing when it fails
    QCOMPARE(readAll(path("fixture.dic")), before);
    QCOMPARE(readAll(path("in.tsv")), tsv);
    QVERIFY(!QFile::exists(path("out.dic")));
    QVERIFY(!QFile::exists(path("fixture.dic.reviews")));
}

// A file the program loaded always survives export and import: negative
// ids are kept, a repeated id gets a fresh one with a warning.
void TestCli::idsTheStoreAcceptsSurviveExport()
{
    Dictionary dict;
    dict.insertEntry(Entry("minus", "m", -5));
    dict.insertEntry(Entry("first", "a", 3));
    dict.insertEntry(Entry("second", "b", 3));
    QVERIFY(DictionaryFile(path("ids.dic")).save(dict));
    QCOMPARE(runCli({"export", path("ids.dic"), path("ids.tsv")}).exitCode, 0);
    const CliRun imported = runCli({"import", path("ids.tsv"), path("back.dic")});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.err.contains("id 3 is used twice"), imported.err.constData());
    Dictionary back;
    QCOMPARE(DictionaryFile(path("back.dic")).load(back), DictionaryFile::Status::Ok);
    QCOMPARE(back.count(), 3);
    QCOMPARE(back.entryById(-5).word(), QStringLiteral("minus"));
    QCOMPARE(back.entryById(4).id(), 4);
}

// A damaged file: check says where reading stopped, info and dump go on
// with what was read and warn on standard error.
void TestCli::damagedFileIsReported()
{
    const QByteArray good = readAll(fixture());
    writeFile(path("cut.dic"), good.left(good.size() - 3));
    CliRun run = runCli({"check", path("fixture.dic")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("ok\n"));
    run = runCli({"check", path("cut.dic")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.startsWith("damaged\t3\t"), run.out.constData());
    const int offset = run.out.split('\t').value(2).trimmed().toInt();
    QVERIFY(offset > 0 && offset < good.size() - 3);
    for (const char *command : {"info", "dump"}) {
        run = runCli({command, path("cut.dic")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!run.out.isEmpty());
        QVERIFY2(run.err.contains("warning") && run.err.contains("damaged"), run.err.constData());
    }
}

// The index lists every form with its reading, and the recorded phrases.
void TestCli::index()
{
    const CliRun run = runCli({"index", VERBALON_TEST_DATA_DIR "/hebrew.dic"});
    QVERIFY(run.out.contains(QString::fromUtf8("\nכותבים\t2:0x20009:223\n").toUtf8()));
    QVERIFY(run.out.contains("\nphrase\t"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
