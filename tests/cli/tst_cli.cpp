#include "../testfiles.h"

#include "dict/dictionary.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(VERBALON_BIN_DIR "/verbalon-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return Run{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

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
    void badImportWritesNoFile_data();
    void badImportWritesNoFile();
    void errors_data();
    void errors();
    void idsTheStoreAcceptsSurviveExport();
    void damagedFileIsReported();
    void hebrewCommands();

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
    Dictionary dict(path("fixture.dic"));
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
    if (!dict.save())
        return QString();
    return path("fixture.dic");
}

// clang-format off
void TestCli::outputFormats_data()
{
    QTest::addColumn<QStringList>("args"); // @ is the fixture, @dir the folder
    QTest::addColumn<QString>("out");
    QTest::newRow("info") << QStringList{"info", "@"} << "version: DICT V3.3\nNAME: Hebrew\nTYPE: he_IL\nUSER: en,de,fr\nentries: 3\nmaxId: 40\n";
    QTest::newRow("dump escapes text fields") << QStringList{"dump", "@"} << QString::fromUtf8(
        "40\t0\t256\t-1\t-1\tzebra\tzebra\t???\n"
        "7\t1\t5\t3\t-1\tסֵפֶר\tספר\tbook\\tvolume\\\\x\\nline\\r\t3=סְפָרִים\t17=Buch\n"
        "2\t0\t0\t-1\t-1\tסַפָּר\tספר\tbarber, book\t1=old\t18=coiffeur\n");
    QTest::newRow("lookup, a prefix") << QStringList{"lookup", "@", QString::fromUtf8("ספ")} << "prefix\t1\t3\n";
    QTest::newRow("lookup, exact") << QStringList{"lookup", "@", QString::fromUtf8("סֵפֶר")} << QString::fromUtf8("prefix\t-1\t3\nexact\t7\tסֵפֶר\nexact\t2\tסַפָּר\n");
    QTest::newRow("lookup, a meaning") << QStringList{"lookup", "@", "book"} << QString::fromUtf8("prefix\t-1\t0\nmeaning\t2\tסַפָּר\n");
    QTest::newRow("list, parsed") << QStringList{"list", "@dir/dicts.dic"} << "# Dictionary META File: list of languages\n\nFILE: b.dic\nNAME: B\n\nNAME : A\nUSER: en\n";
}
// clang-format on

void TestCli::outputFormats()
{
    QFETCH(QStringList, args);
    writeFile(path("dicts.dic"), "NAME: B\r\nFILE: b.dic\r\n# c\r\n\r\n\r\nUSER: en\nNAME : A\n");
    const QString dictionary = fixture();
    for (QString &arg : args)
        arg = arg == "@" ? dictionary : arg.replace("@dir", m_dir.path());
    const Run run = runCli(args);
    QCOMPARE(run.exitCode, 0);
    QTEST(QString::fromUtf8(run.out), "out");
}

void TestCli::exportImportRoundTrip_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("user");
    QTest::newRow("fixture") << QString() << "en,de,fr";
    QTest::newRow("sample") << QStringLiteral(VERBALON_BIN_DIR "/hebrew.dic") << "en,de";
}

void TestCli::exportImportRoundTrip()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, user);
    if (dictionary.isEmpty())
        dictionary = fixture();
    QCOMPARE(runCli({"export", dictionary, path("out.tsv")}).exitCode, 0);
    const Run imported
        = runCli({"import", "--name", "Hebrew", "--type", "he_IL", "--user", user, path("out.tsv"), path("back.dic")});
    QCOMPARE(imported.err, QByteArray());
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(runCli({"dump", path("back.dic")}).out, runCli({"dump", dictionary}).out);
    QCOMPARE(runCli({"info", path("back.dic")}).out, runCli({"info", dictionary}).out);
}

void TestCli::importNamesColumnsByHeader()
{
    writeFile(path("in.tsv"),
        QString::fromUtf8("translation\tde\tword\ttype\n"
                          "to write\tschreiben\tכָּתַב\tVerb\n"
                          "\n"
                          "\t\tחָדָשׁ\t3\r\n")
            .toUtf8());
    QCOMPARE(runCli({"import", path("in.tsv"), path("out.dic")}).exitCode, 0);
    const Run info = runCli({"info", path("out.dic")});
    QCOMPARE(info.out, QByteArray("version: DICT V3.3\nUSER: en,de\nentries: 2\nmaxId: 2\n"));
    const Run dump = runCli({"dump", path("out.dic")});
    QCOMPARE(QString::fromUtf8(dump.out),
        QString::fromUtf8("2\t3\t256\t-1\t-1\tחָדָשׁ\tחדש\t???\n"
                          "1\t2\t0\t-1\t-1\tכָּתַב\tכתב\tto write\t17=schreiben\n"));
}

// clang-format off
void TestCli::badImportWritesNoFile_data()
{
    QTest::addColumn<QByteArray>("tsv");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no translation column") << QByteArray("word\tde\nx\ty\n") << "'word' and 'translation'";
    QTest::newRow("empty file") << QByteArray("") << "no header";
    QTest::newRow("unknown type") << QByteArray("word\ttranslation\ttype\nx\ty\tThing\n") << "line 2: unknown word type";
    QTest::newRow("one text in two columns") << QByteArray("word\ttranslation\tplural\ttext:3\na\tb\tc\td\n") << "'plural' and 'text:3'";
    QTest::newRow("column not a language code") << QByteArray("word\ttranslation\t, x\na\tb\tc\n") << "', x'";
    QTest::newRow("counter out of range") << QByteArray("word\ttranslation\tlearnedForward\na\tb\t200\n") << "bad learnedForward";
    QTest::newRow("language not in --user") << QByteArray("word\ttranslation\tit\na\tb\tc\n") << "'it' is not one";
    QTest::newRow("stray field") << QByteArray("word\ttranslation\na\tb\tc\n") << "more fields";
}
// clang-format on

void TestCli::badImportWritesNoFile()
{
    QFETCH(QByteArray, tsv);
    QFETCH(QString, reason);
    writeFile(path("bad.tsv"), tsv);
    QFile::remove(path("bad.dic"));
    const Run run = runCli({"import", "--user", "en,de", path("bad.tsv"), path("bad.dic")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QVERIFY(run.err.contains(path("bad.tsv").toUtf8()));
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(!QFile::exists(path("bad.dic")));
}

// clang-format off
void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("no command") << QStringList() << 2 << "no command";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "frobnicate";
    QTest::newRow("missing argument") << QStringList{"info"} << 2 << "usage";
    QTest::newRow("unknown option") << QStringList{"dump", "--fast", "x.dic"} << 2 << "--fast";
    QTest::newRow("missing file") << QStringList{"info", "@/missing.dic"} << 1 << "@/missing.dic: no such file";
    QTest::newRow("not a dictionary") << QStringList{"dump", "@/junk.dic"} << 1 << "@/junk.dic: not a dictionary";
    QTest::newRow("missing list") << QStringList{"list", "@/none"} << 1 << "@/none";
    QTest::newRow("export to a directory") << QStringList{"export", "@/fixture.dic", "@"} << 1 << "cannot write: ";
    QTest::newRow("import into a missing folder") << QStringList{"import", "@/in.tsv", "@/no/such/out.dic"} << 1 << "cannot write: ";
    QTest::newRow("not a regular file") << QStringList{"info", "/dev/zero"} << 1 << "not a regular file";
    QTest::newRow("bad --user code") << QStringList{"import", "--user", "en,, x", "@/in.tsv", "@/out.dic"} << 1 << "'' is not a language code";
    QTest::newRow("import over its input") << QStringList{"import", "@/in.tsv", "@/./in.tsv"} << 1 << "is the input";
    QTest::newRow("export over its input") << QStringList{"export", "@/fixture.dic", "@/fixture.dic"} << 1 << "is the input";
    QTest::newRow("export over a hard link of its input") << QStringList{"export", "@/fixture.dic", "@/link.dic"} << 1 << "is the input";
}
// clang-format on

void TestCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, mentions);
    fixture();
    writeFile(path("junk.dic"), "this is not a dictionary");
    writeFile(path("in.tsv"), "word\ttranslation\na\tb\n");
    QFile::remove(path("link.dic"));
    QVERIFY(::link(QFile::encodeName(path("fixture.dic")).constData(), QFile::encodeName(path("link.dic")).constData())
        == 0);
    const QByteArray before = readAll(path("fixture.dic"));
    for (QString &arg : args)
        arg.replace('@', m_dir.path());
    mentions.replace('@', m_dir.path());

    const Run run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains(mentions.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    // the tool never destroys its input
    QCOMPARE(readAll(path("fixture.dic")), before);
    QCOMPARE(readAll(path("in.tsv")), QByteArray("word\ttranslation\na\tb\n"));
}

// A file the program loaded always survives export and import: negative
// ids are kept, a repeated id gets a fresh one with a warning.
void TestCli::idsTheStoreAcceptsSurviveExport()
{
    Dictionary dict(path("ids.dic"));
    dict.insertEntry(Entry("minus", "m", -5));
    dict.insertEntry(Entry("first", "a", 3));
    dict.insertEntry(Entry("second", "b", 3));
    QVERIFY(dict.save());
    QCOMPARE(runCli({"export", path("ids.dic"), path("ids.tsv")}).exitCode, 0);
    const Run imported = runCli({"import", path("ids.tsv"), path("back.dic")});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.err.contains("id 3 is used twice"), imported.err.constData());
    Dictionary back;
    QCOMPARE(back.load(path("back.dic")), Dictionary::LoadStatus::Ok);
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
    Run run = runCli({"check", path("fixture.dic")});
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

// The Hebrew engine's commands: their output formats, one example each.
void TestCli::hebrewCommands()
{
    const QString sample = QStringLiteral(VERBALON_BIN_DIR "/hebrew.dic");
    Run run = runCli({"conjugate", "--infinitive", QString::fromUtf8("לִכְתּוֹב"), QString::fromUtf8("כתב")});
    QCOMPARE(QString::fromUtf8(run.out),
        QString::fromUtf8("Pattern: unknown\n0x00020\tלכתוב\n0x11005\tכתב\n0x11006\tכתבה\n"));
    Dictionary dict;
    QCOMPARE(dict.load(sample), Dictionary::LoadStatus::Ok);
    const int vav = dict.findExact(QString::fromUtf8("ו")).first().id();
    const int write = dict.findExact(QString::fromUtf8("כתב")).first().id();
    run = runCli({"analyse", sample, QString::fromUtf8("וכתבתי")});
    QCOMPARE(run.out, QStringLiteral("7:0x00000:%1 + 2:0x10404:%2\n").arg(vav).arg(write).toUtf8());
    QCOMPARE(runCli({"analyse", sample, QString::fromUtf8("אבגד"), "--flags", "many"}).exitCode, 2);
    run = runCli({"index", sample});
    QVERIFY(
        run.out.contains(QStringLiteral("\n%1\t2:0x20009:%2\n").arg(QString::fromUtf8("כותבים")).arg(write).toUtf8()));
    QVERIFY(run.out.contains("\nphrase\t"));
    // the line feed after a sentence end leaves one empty line
    run = runCli({"translate", sample}, QString::fromUtf8("בּוֹקֶר טוֹב!\nכָּתַבְתִּי").toUtf8());
    QCOMPARE(run.out, QByteArray("Good morning !\n-------------------\n\nWrote\n-------------------\n"));
    run = runCli({"translate", sample, "--verbs", path("none.dat")}, "x");
    QCOMPARE(run.exitCode, 1);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
