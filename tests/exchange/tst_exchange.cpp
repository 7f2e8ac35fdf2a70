#include "servers.h"

#include "../testfiles.h"

#include "dict/dictionary.h"
#include "dict/dictionarylist.h"
#include "exchange/networkupdate.h"

#include <QDate>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString Bin = QStringLiteral(VERBALON_BIN_DIR);
const QString Here = QStringLiteral(VERBALON_SOURCE_DIR "/tests/exchange");

} // namespace

// The exchange commands against a real HTTP server, FTP server and proxy on
// loopback, and a stand-in for adb.
class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void update_data();
    void update();
    void noLocalCopyIsTakenWholeAndListed();
    void exportMasters();
    void deviceSync_data();
    void deviceSync();
    void merge();
    void cancelStopsASlowReply();

private:
    CliRun cli(QStringList args, QStringList environment = {}) const;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString local(const QString &name) const { return path(QStringLiteral("local/") + name); }
    QString expand(QString text) const;

    QTemporaryDir m_dir;
    TestServer m_http;
    TestServer m_ftp;
    TestServer m_proxy;
};

void TestExchange::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(path("server")) && QDir().mkpath(path("ftp")));
    QVERIFY(m_http.startScript(Here + QStringLiteral("/httpserver.py"), {path("server")}));
    QVERIFY(m_ftp.startScript(Here + QStringLiteral("/ftpserver.py"), {path("ftp")}));
    QVERIFY(m_proxy.startProxy(m_dir.path(), "BasicAuth puser psecret\n"));
    writeFile(path("password"), "secret\n");
    writeFile(path("wrong-password"), "guess\n");
}

void TestExchange::init()
{
    QDir(path("local")).removeRecursively();
    fillFolder(path("local"), {"hebrew.dic", "russian.dic", "farsi.dic", "arabic.dic"});
    for (const char *folder : {"server", "server/private", "ftp/a/b"})
        fillFolder(path(folder), {"hebrew.dic", "arabic.dic", "farsi.dic"});
    writeFile(path("server/junk.dic"), "not a dictionary");
    writeFile(path("ftp/empty/dicts.dic"), "");
}

QString TestExchange::expand(QString text) const
{
    return text.replace("{http}", QStringLiteral("http://127.0.0.1:%1").arg(m_http.port()))
        .replace("{ftp}", QStringLiteral("ftp://127.0.0.1:%1").arg(m_ftp.port()))
        .replace("{proxy}", QStringLiteral("127.0.0.1:%1").arg(m_proxy.port()))
        .replace("{dir}", m_dir.path());
}

CliRun TestExchange::cli(QStringList args, QStringList environment) const
{
    for (QStringList *list : {&args, &environment}) {
        for (QString &text : *list)
            text = expand(text);
    }
    return runCli(args, QByteArray(), environment);
}

// clang-format off
void TestExchange::update_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("results"); // "updated FILE" or "failed FILE"
    QTest::addColumn<QString>("mentions");
    const QStringList login = {"--user", "user", "--password-file", "{dir}/password"};
    QTest::newRow("the files both lists hold") << QStringList{"{http}"} << QStringList() << QStringList{"updated hebrew.dic", "updated arabic.dic", "updated farsi.dic"} << "";
    QTest::newRow("three files, the second missing") << QStringList{"{http}", "hebrew.dic", "russian.dic", "arabic.dic"} << QStringList() << QStringList{"updated hebrew.dic", "failed russian.dic", "updated arabic.dic"} << "Not found";
    QTest::newRow("an unreadable download") << QStringList{"{http}", "junk.dic"} << QStringList() << QStringList{"failed junk.dic"} << "not a dictionary";
    QTest::newRow("a name that is not plain") << QStringList{"{http}", "../local/hebrew.dic", ".hidden.dic"} << QStringList() << QStringList{"failed ../local/hebrew.dic", "failed .hidden.dic"} << "";
    QTest::newRow("a list too large") << QStringList{"{http}/huge"} << QStringList() << QStringList() << "64 MiB";
    QTest::newRow("a server error") << QStringList{"{http}/error/500"} << QStringList() << QStringList() << "/error/500/dicts.dic";
    QTest::newRow("a login asked for, none given") << QStringList{"{http}/private"} << QStringList() << QStringList() << "204";
    QTest::newRow("a login given") << QStringList{"{http}/private", "hebrew.dic"} + login << QStringList() << QStringList{"updated hebrew.dic"} << "";
    QTest::newRow("a proxy that wants its password") << QStringList{"{http}", "hebrew.dic"} << QStringList{"http_proxy=http://{proxy}"} << QStringList() << "Proxy related error";
    QTest::newRow("through the proxy") << QStringList{"{http}", "hebrew.dic"} << QStringList{"http_proxy=http://puser:psecret@{proxy}"} << QStringList{"updated hebrew.dic"} << "";
    QTest::newRow("FTP, two folders deep") << QStringList{"{ftp}/a/b", "hebrew.dic", "arabic.dic"} + login << QStringList() << QStringList{"updated hebrew.dic", "updated arabic.dic"} << "";
    QTest::newRow("FTP, an empty list") << QStringList{"{ftp}/empty"} + login << QStringList() << QStringList() << "";
    QTest::newRow("FTP, no such folder") << QStringList{"{ftp}/nowhere"} + login << QStringList() << QStringList() << "550";
    QTest::newRow("FTP, login refused") << QStringList{"{ftp}/a/b", "--user", "user", "--password-file", "{dir}/wrong-password"} << QStringList() << QStringList() << "530";
    QTest::newRow("FTP, login declined") << QStringList{"{ftp}/a/b"} << QStringList() << QStringList() << "declined";
}
// clang-format on

void TestExchange::update()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, environment);
    QFETCH(QStringList, results);
    QFETCH(QString, mentions);
    const QByteArray russian = readAll(local("russian.dic"));
    const CliRun run = cli(QStringList{"update", "--data", "{dir}/local"} + args, environment);
    QStringList got;
    for (const QString &line : run.lines())
        got.append(line.section(u'\t', 0, 1).replace(u'\t', u' '));
    QCOMPARE(got, results);
    const bool allUpdated = !results.isEmpty() && !results.join(u' ').contains("failed");
    QCOMPARE(run.exitCode, allUpdated || (results.isEmpty() && mentions.isEmpty()) ? 0 : 1);
    QVERIFY2(QString::fromUtf8(run.err + run.out).contains(mentions), run.err.constData());
    QVERIFY(!run.err.contains("secret"));
    // nothing outside the data folder is touched, nothing failed is replaced
    QCOMPARE(readAll(local("russian.dic")), russian);
    QVERIFY(!QFile::exists(path("local/.hidden.dic")));
    for (const QString &line : run.lines()) {
        const QString file = line.section(u'\t', 1, 1);
        if (line.startsWith("updated"))
            QCOMPARE(Dictionary().load(local(file)), Dictionary::LoadStatus::Ok);
    }
}

void TestExchange::noLocalCopyIsTakenWholeAndListed()
{
    fillFolder(path("local"), {"hebrew.dic"});
    QFile::remove(local("farsi.dic"));
    const CliRun run = cli({"update", "--data", "{dir}/local", "{http}", "farsi.dic"});
    QCOMPARE(run.lines(), QStringList{"updated\tfarsi.dic\t47"});
    QCOMPARE(dumpFile(local("farsi.dic")), dumpFile(path("server/farsi.dic")));
    DictionaryList list;
    DictionaryList server;
    QVERIFY(list.load(local("dicts.dic")) && server.load(Bin + "/dicts.dic"));
    QCOMPARE(list.record(list.indexOfFile("farsi.dic")), server.record(server.indexOfFile("farsi.dic")));
}

// Masters go up with every counter cleared, the local files keep theirs; the
// list goes last, with new size and date only for what arrived.
void TestExchange::exportMasters()
{
    Dictionary mine;
    QCOMPARE(mine.load(local("hebrew.dic")), Dictionary::LoadStatus::Ok);
    mine.setLearnCounters(mine.entryAt(0)->id(), 5, 5);
    QVERIFY(mine.save());
    DictionaryList server;
    QVERIFY(server.load(path("ftp/a/b/dicts.dic")));
    server.setValue(server.indexOfFile("farsi.dic"), "DATE", "2001-01-01");
    QVERIFY(server.save());
    // a folder where the file should go: its upload fails
    QFile::remove(path("ftp/a/b/farsi.dic"));
    QVERIFY(QDir().mkpath(path("ftp/a/b/farsi.dic")));

    const CliRun run = cli({"export-masters", "--data", "{dir}/local", "--user", "user", "--password-file",
        "{dir}/password", "{ftp}/a/b", "hebrew.dic", "farsi.dic"});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.lines();
    QCOMPARE(lines.size(), 3);
    const qsizetype sent = lines[0].section(u'\t', 2).toLongLong();
    QCOMPARE(lines[0], QStringLiteral("sent\thebrew.dic\t%1").arg(sent));
    QVERIFY(lines[1].startsWith("failed\tfarsi.dic\t"));
    QVERIFY(lines[2].startsWith("sent\tdicts.dic\t"));

    Dictionary master;
    QCOMPARE(master.load(path("ftp/a/b/hebrew.dic")), Dictionary::LoadStatus::Ok);
    QCOMPARE(master.learnedIds(), QList<int>());
    QCOMPARE(readAll(path("ftp/a/b/hebrew.dic")).size(), sent);
    Dictionary localAfter;
    QCOMPARE(localAfter.load(local("hebrew.dic")), Dictionary::LoadStatus::Ok);
    QCOMPARE(localAfter.learnedIds().size(), 1);
    DictionaryList list;
    QVERIFY(list.load(path("ftp/a/b/dicts.dic")));
    const QMap<QString, QString> hebrew = list.record(list.indexOfFile("hebrew.dic"));
    QCOMPARE(hebrew.value("SIZE"), QStringLiteral("%1 KB").arg(sent / 1024));
    QCOMPARE(hebrew.value("DATE"), QDate::currentDate().toString("yyyy-MM-dd"));
    QCOMPARE(list.record(list.indexOfFile("farsi.dic")).value("DATE"), QStringLiteral("2001-01-01"));
}

// clang-format off
void TestExchange::deviceSync_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("synced both ways") << "local" << true << QStringList{"synced hebrew.dic", "synced farsi.dic"};
    QTest::newRow("a data folder with blanks") << "my data" << true << QStringList{"synced hebrew.dic", "synced farsi.dic"};
    QTest::newRow("the device lacks a file") << "local" << true << QStringList{"failed russian.dic"};
    QTest::newRow("no device") << "local" << false << QStringList();
}
// clang-format on

// The device's file is the base, the local counters are kept, and both
// sides end up with the merged file.
void TestExchange::deviceSync()
{
    QFETCH(QString, data);
    QFETCH(bool, connected);
    QFETCH(QStringList, results);
    const QString folder = path(data);
    fillFolder(folder, {"hebrew.dic", "farsi.dic", "russian.dic"});
    Dictionary mine;
    QCOMPARE(mine.load(QDir(folder).filePath("hebrew.dic")), Dictionary::LoadStatus::Ok);
    const int id = mine.entryAt(3)->id();
    mine.setLearnCounters(id, 9, 9);
    QVERIFY(mine.save());
    QDir(path("device")).removeRecursively();
    fillFolder(path("device"), {"hebrew.dic", "farsi.dic"});
    const QStringList files = results.size() == 1 ? QStringList{"russian.dic"} : QStringList();

    const CliRun run = cli(QStringList{"device-sync", "--data", folder} + files,
        {"VERBALON_ADB=" + Here + "/fake-adb.sh", connected ? "FAKE_ADB_DEVICE={dir}/device" : "FAKE_ADB_DEVICE="});
    QStringList got;
    for (const QString &line : run.lines())
        got.append(line.section(u'\t', 0, 1).replace(u'\t', u' '));
    QCOMPARE(got, results);
    QCOMPARE(run.exitCode, results.join(u' ').contains("synced") ? 0 : 1);
    if (!connected)
        QVERIFY(run.err.contains("no devices"));
    if (results.isEmpty() || results.first().startsWith("failed"))
        return;
    QCOMPARE(readAll(path("device/hebrew.dic")), readAll(QDir(folder).filePath("hebrew.dic")));
    Dictionary merged;
    QCOMPARE(merged.load(path("device/hebrew.dic")), Dictionary::LoadStatus::Ok);
    QCOMPARE(merged.entryById(id).learnedForward(), qint8(9));
}

// The command merges two files into a third (the merge itself has its own
// test); an unreadable incoming file writes nothing, a missing local one
// means no merge.
void TestExchange::merge()
{
    QCOMPARE(cli({"merge", local("hebrew.dic"), path("server/junk.dic"), path("out.dic")}).exitCode, 1);
    QVERIFY(!QFile::exists(path("out.dic")));
    QCOMPARE(cli({"merge", local("hebrew.dic"), path("server/hebrew.dic"), path("out.dic")}).exitCode, 0);
    QCOMPARE(Dictionary().load(path("out.dic")), Dictionary::LoadStatus::Ok);
    // no local copy: the incoming file unchanged
    QCOMPARE(cli({"merge", local("none.dic"), path("server/hebrew.dic"), path("out.dic")}).exitCode, 0);
    QCOMPARE(dumpFile(path("out.dic")), dumpFile(path("server/hebrew.dic")));
}

// A transfer under way stops at once when cancelled.
void TestExchange::cancelStopsASlowReply()
{
    DictionaryList list;
    NetworkUpdate update(&list, path("local"), nullptr);
    QSignalSpy failed(&update, &ExchangeRun::listFailed);
    update.fetchList(expand("{http}/slow"));
    QTest::qWait(200);
    update.cancel();
    // the server answers after 30 s
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("cancelled"));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
