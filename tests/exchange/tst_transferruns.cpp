#include "servers.h"

#include "../testfiles.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "exchange/devicesyncrun.h"
#include "files/filenames.h"
#include "exchange/masterexportrun.h"
#include "exchange/updaterun.h"

#include <QEventLoop>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString Here = QStringLiteral(VERBALON_SOURCE_DIR "/tests/exchange");

// Answers a server's logins with a user and password, `answers` times;
// deletions as set.
class ScriptedPrompts : public TransferPrompts
{
public:
    bool askLogin(const LoginRequest &request, QString &user, QString &password) override
    {
        asked.append(request);
        if (request.kind != LoginRequest::Kind::Server || asked.size() > answers || this->user.isEmpty())
            return false;
        user = this->user;
        // typed anew each time, as a learner would
        password = this->password + (request.attempt > 1 ? QString::number(request.attempt) : QString());
        return true;
    }
    bool confirmDeletions(const QString &, const MergeReport &) override { return allowDeletions; }

    QString user;
    QString password;
    int answers = 1;
    bool allowDeletions = false;
    QList<LoginRequest> asked;
};

// How a run ended: the list's failure, or the outcome of every file.
struct RunEnd
{
    QString listError;
    QStringList results; // "FILE ok" or "FILE: reason"
    QList<FileOutcome> outcomes;
    QString result(int i) const { return results.value(i); }
};

// The run from its list to its end; files empty: every file of the list.
RunEnd runToEnd(TransferRun &run, const QString &source, const QStringList &files = {})
{
    RunEnd end;
    QEventLoop loop;
    QObject::connect(&run, &TransferRun::listFailed, &loop, [&](const QString &reason) {
        end.listError = reason;
        loop.quit();
    });
    QObject::connect(&run, &TransferRun::listReady, &loop, [&] {
        QStringList chosen = files;
        for (int i = 0; files.isEmpty() && i < run.remoteList().count(); ++i)
            chosen.append(run.remoteList().file(i));
        run.transfer(chosen);
    });
    QObject::connect(&run, &TransferRun::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    run.readList(source);
    loop.exec();
    end.outcomes = run.outcomes();
    for (const FileOutcome &o : run.outcomes())
        end.results.append(o.ok ? o.file + QStringLiteral(" ok") : o.file + QStringLiteral(": ") + o.detail);
    return end;
}

QString listOf(const QStringList &files)
{
    QString text = QStringLiteral("# Dictionary META File: list of languages\n");
    for (const QString &file : files)
        text += QStringLiteral("\nFILE: %1\nNAME: %1\nTYPE: he_IL\n").arg(file);
    return text;
}

} // namespace

// The exchange runs against real servers on loopback, hostile ones among
// them, and a stand-in for adb.
class TestTransferRuns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void plainNames_data();
    void plainNames();
    void hostileNamesNeverLeaveTheirPlace();
    void loginGoesOnlyToTheNamedHost_data();
    void loginGoesOnlyToTheNamedHost();
    void failures_data();
    void failures();
    void proxyWithItsLogin();
    void progressFollowsTheBytes();
    void ftpServerTextIsEscaped();
    void ftpUploadsUnderATemporaryName();
    void ftpServerThatDropsItsConnections();
    void exportAddsTheRecordTheListLacks();
    void oneRunPerDataFolder();
    void leftLocksAreTakenOver_data();
    void leftLocksAreTakenOver();
    void fileNamedTwiceIsTakenOnce();
    void deletionsWaitForConfirmation();
    void learnersEditSurvivesTheNextUpdate();
    void deviceSync_data();
    void deviceSync();
    void phoneTrainingSurvivesTheSync();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString local() const { return path("local"); }
    QString http() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_http.port()); }
    QString ftp() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(m_ftp.port()); }
    TransferSettings settings(int stallSeconds = 30);
    QStringList requests() const;

    QTemporaryDir m_dir;
    TestServer m_http;
    TestServer m_ftp;
    TestServer m_proxy;
    DictionaryList m_list;
    ScriptedPrompts m_prompts;
};

void TestTransferRuns::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(path("server")) && QDir().mkpath(path("ftp")));
    QVERIFY(QDir().mkpath(path("log")));
    QVERIFY(m_http.startScript(Here + "/httpserver.py", {path("server"), path("log/requests.log")}));
    QVERIFY(m_ftp.startScript(Here + "/ftpserver.py", {path("ftp")}));
    QVERIFY(m_proxy.startProxy(m_dir.path(), "BasicAuth puser psecret\n"));
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestTransferRuns::init()
{
    QDir(local()).removeRecursively();
    fillFolder(local(), {"hebrew.dic", "russian.dic", "farsi.dic", "arabic.dic"});
    for (const char *folder : {"server", "server/private", "ftp/a/b"})
        fillFolder(path(folder), {"hebrew.dic", "arabic.dic", "farsi.dic"});
    QVERIFY(m_list.load(local() + "/dicts.dic"));
    QFile::remove(path("log/requests.log"));
    QFile::remove(path("adb.log"));
    m_prompts = ScriptedPrompts();
}

TransferSettings TestTransferRuns::settings(int stallSeconds)
{
    return TransferSettings{local(), &m_list, &m_prompts, stallSeconds, ProxyConfig(), {}};
}

QStringList TestTransferRuns::requests() const
{
    return QString::fromUtf8(readAll(path("log/requests.log"))).split(u'\n', Qt::SkipEmptyParts);
}

// clang-format off
void TestTransferRuns::plainNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");
    QTest::newRow("plain") << "hebrew.dic" << true;
    QTest::newRow("with blanks inside") << "my words.dic" << true;
    QTest::newRow("a resource path") << ":x.dic" << false;
    QTest::newRow("encoded separators") << "%2e%2e%2fx.dic" << false;
    QTest::newRow("a query") << "q?x=1.dic" << false;
    QTest::newRow("a fragment") << "frag#x.dic" << false;
    QTest::newRow("the list itself") << "dicts.dic" << false;
    QTest::newRow("a separator") << "../x.dic" << false;
    QTest::newRow("a backslash") << "a\\x.dic" << false;
    QTest::newRow("hidden") << ".x.dic" << false;
    QTest::newRow("a terminal escape") << "a\x1b[31m.dic" << false;
    QTest::newRow("a direction mark") << QString::fromUtf8("a\u202ecid.exe.dic") << false;
    QTest::newRow("not a dictionary") << "x.txt" << false;
    QTest::newRow("only the ending") << ".dic" << false;
    QTest::newRow("a leading blank") << " x.dic" << false;
}
// clang-format on

// A plain name stays inside the data folder and is fetched under exactly its name.
void TestTransferRuns::plainNames()
{
    QFETCH(QString, name);
    QTEST(FileNames::isPlainDictionaryName(name), "plain");
    QCOMPARE(FileNames::checkPlainName(name).errorString().isEmpty(), FileNames::isPlainDictionaryName(name));
    const QString joined = FileNames::pathInFolder(local(), name);
    QCOMPARE(joined.isEmpty(), !FileNames::isPlainDictionaryName(name));
    if (joined.isEmpty())
        return;
    QCOMPARE(QFileInfo(joined).absolutePath(), QDir(local()).absolutePath());
    const QUrl url = FileNames::fileUrl(QUrl("http://u:p@host/base?x#y"), name);
    QCOMPARE(url.fileName(), name);
    QCOMPARE(url.adjusted(QUrl::RemoveFilename).path(), QStringLiteral("/base/"));
    QVERIFY(url.userInfo().isEmpty() && !url.hasQuery() && !url.hasFragment());
}

// A server's list full of tricks: each odd name fails with its reason, the
// plain one named twice is fetched once, and nothing is written anywhere else.
void TestTransferRuns::hostileNamesNeverLeaveTheirPlace()
{
    const QStringList names = {":x.dic", "%2e%2e%2fx.dic", "q?x=1.dic", "frag#x.dic", "dicts.dic", "hebrew.dic"};
    writeFile(path("server/tricks/dicts.dic"), listOf(names + QStringList{"hebrew.dic"}).toUtf8());
    QFile::copy(path("server/hebrew.dic"), path("server/tricks/hebrew.dic"));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    UpdateRun run(settings());
    const RunEnd end = runToEnd(run, http() + "/tricks", names);
    QCOMPARE(end.results.size(), names.size());
    for (int i = 0; i < names.size() - 1; ++i)
        QVERIFY2(end.result(i).startsWith(names[i] + ": ") && !end.outcomes[i].ok, qPrintable(end.result(i)));
    QCOMPARE(end.results.last(), QStringLiteral("hebrew.dic ok"));
    QCOMPARE(requests().size(), 2);
    QVERIFY(requests()[1].contains(" /tricks/hebrew.dic "));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(QDir(local()).entryList({"*x*"}), QStringList());
}

// clang-format off
void TestTransferRuns::loginGoesOnlyToTheNamedHost_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("listError");
    QTest::addColumn<int>("asked");
    QTest::newRow("the named host") << "/private" << "secret" << 1 << "" << 1;
    QTest::newRow("a redirect to another host gets none") << "/redirect/{port}/private" << "secret" << 1 << "the server asks for a user name and password" << 0;
    QTest::newRow("a wrong password is asked for three times") << "/private" << "guess" << 9 << "the server asks for a user name and password" << 3;
    QTest::newRow("declined") << "/private" << "" << 0 << "the server asks for a user name and password" << 1;
}
// clang-format on

void TestTransferRuns::loginGoesOnlyToTheNamedHost()
{
    QFETCH(QString, path);
    QFETCH(QString, password);
    m_prompts.user = password.isEmpty() ? QString() : QStringLiteral("user");
    m_prompts.password = password;
    m_prompts.answers = QTest::currentDataTag() == QLatin1String("declined") ? 0 : 9;
    UpdateRun run(settings());
    const RunEnd end
        = runToEnd(run, http() + QString(path).replace("{port}", QString::number(m_http.port())), {"hebrew.dic"});
    QTEST(end.listError, "listError");
    QTEST(int(m_prompts.asked.size()), "asked");
    for (int i = 0; i < m_prompts.asked.size(); ++i)
        QCOMPARE(m_prompts.asked[i].attempt, i + 1);
    for (const QString &request : requests())
        QVERIFY2(request.startsWith("127.0.0.1") || request.endsWith(" None"), qPrintable(request));
}

// clang-format off
void TestTransferRuns::failures_data()
{
    QTest::addColumn<QString>("source"); // {http}, {ftp}, {proxy}; "device" for the adb stand-in
    QTest::addColumn<QString>("mode"); // the stand-in's, or a proxy's login
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a silent server") << "{http}/silent" << "" << "" << "no data came for 1 seconds";
    QTest::newRow("a byte now and then") << "{http}/trickle" << "" << "" << "no data came for 1 seconds";
    QTest::newRow("a byte now and then, never a stall") << "{http}/drip" << "" << "" << "slower than 512 bytes a second";
    QTest::newRow("half a body, then nothing") << "{http}/half" << "" << "" << "no data came for 1 seconds";
    QTest::newRow("an endless body") << "{http}/endless" << "" << "" << "larger than 4 MiB";
    QTest::newRow("a compressed bomb") << "{http}/bomb" << "" << "" << "compressed (gzip)";
    QTest::newRow("too many redirects") << "{http}/loop" << "" << "" << "too many redirects";
    QTest::newRow("a redirect to a file") << "{http}/tofile" << "" << "" << "not one of HTTP or HTTPS";
    QTest::newRow("a redirect to FTP names where it led") << "{http}/toftp" << "" << "" << "redirected to an address that is not one of HTTP or HTTPS (ftp://127.0.0.1:1/elsewhere/dicts.dic)";
    QTest::newRow("a server error") << "{http}/error/500" << "" << "" << "server error (HTTP 500)";
    QTest::newRow("no such list") << "{http}/error/404" << "" << "" << "not found (HTTP 404)";
    QTest::newRow("a web page as the list") << "{http}/html" << "" << "" << "no list of dictionaries";
    QTest::newRow("a proxy that wants its login") << "{http}" << "proxy" << "" << "the proxy 127.0.0.1:";
    QTest::newRow("not an address") << "gopher://x" << "" << "" << "not an address of HTTP";
    QTest::newRow("FTP, no such folder") << "{ftp}/nowhere" << "" << "" << "(550";
    QTest::newRow("FTP, a login refused") << "{ftp}/a/b" << "wrong" << "" << "the server refused the login (530";
    QTest::newRow("FTP, a data connection that stalls") << "{ftp}/a/b" << "" << "stall.dic" << "no data came for 1 seconds";
    QTest::newRow("FTP, a reply 999 and junk") << "{ftp}/a/b" << "" << "garbage.dic" << "garbage";
    QTest::newRow("FTP, a reply without end") << "{ftp}/a/b" << "" << "long.dic" << "answer was too long";
    QTest::newRow("an endless dictionary") << "{http}/endless/x" << "" << "endless.dic" << "larger than 64 MiB";
    QTest::newRow("adb that never ends") << "device" << "hang" << "hebrew.dic" << "did not finish within 10 seconds";
    QTest::newRow("adb that pulls too much") << "device" << "huge" << "hebrew.dic" << "larger than 64 MiB";
    QTest::newRow("adb that says too much") << "device" << "noisy" << "hebrew.dic" << "eeee";
    QTest::newRow("random bytes as the phone's list") << "device" << "garbage" << "" << "no list of dictionaries";
    QTest::newRow("a link to a device as the phone's list") << "device" << "link" << "" << "a link to a file in another folder";
    QTest::newRow("a FIFO as the phone's list") << "device" << "fifo" << "" << "not a regular file";
    QTest::newRow("adb that pulls a FIFO") << "device" << "fifo" << "hebrew.dic" << "not a regular file";
    QTest::newRow("adb whose copy outlives it") << "device" << "endless" << "hebrew.dic" << "larger than 64 MiB";
    QTest::newRow("no phone") << "device" << "none" << "" << "no devices/emulators found";
}
// clang-format on

// Every way a transfer can fail ends, within bounds, with words that say
// what happened: for the list, or for one file after a good list.
void TestTransferRuns::failures()
{
    QFETCH(QString, source);
    QFETCH(QString, mode);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    m_prompts.user = "user";
    m_prompts.password = mode == "wrong" ? "guess" : "secret";
    m_prompts.answers = 1;
    TransferSettings s = settings(1);
    if (mode == "proxy")
        s.proxy = ProxyConfig{"127.0.0.1", m_proxy.port(), QString(), QString()};
    const bool device = source == "device";
    // the list is good, the file is not: the list goes first, untouched
    const QString base = source.replace("{http}", http()).replace("{ftp}", ftp());
    if (!file.isEmpty() && !device) {
        writeFile(path("server/endless/x/dicts.dic"), listOf({"endless.dic"}).toUtf8());
        writeFile(path("ftp/a/b/dicts.dic"), listOf({"stall.dic", "garbage.dic", "long.dic", "hebrew.dic"}).toUtf8());
        for (const char *name : {"ftp/a/b/stall.dic", "ftp/a/b/garbage.dic", "ftp/a/b/long.dic"})
            writeFile(path(name), "misbehaves");
    }
    std::unique_ptr<TransferRun> run;
    if (device) {
        fillFolder(path("device"), {"hebrew.dic"});
        qputenv("VERBALON_ADB", QFile::encodeName(Here + "/fake-adb.sh"));
        qputenv("FAKE_ADB_DEVICE", mode == "none" ? QByteArray() : QFile::encodeName(path("device")));
        qputenv("FAKE_ADB_MODE", file.isEmpty() || mode == "none" ? mode.toLatin1() : QByteArray());
        run = std::make_unique<DeviceSyncRun>(s);
        if (!file.isEmpty())
            connect(run.get(), &TransferRun::listReady, this, [mode] { qputenv("FAKE_ADB_MODE", mode.toLatin1()); });
    } else {
        run = std::make_unique<UpdateRun>(s);
    }
    qputenv("FAKE_ADB_LOG", QFile::encodeName(path("adb.log")));
    const RunEnd end = runToEnd(*run, base, file.isEmpty() ? QStringList() : QStringList{file, "hebrew.dic"});
    qunsetenv("FAKE_ADB_MODE");
    qunsetenv("FAKE_ADB_LOG");
    // what adb started goes with it
    for (const QByteArray &line : readAll(path("adb.log")).split('\n')) {
        if (!line.isEmpty() && !line.contains(' '))
            QTRY_VERIFY(!QFileInfo::exists(QString::fromLatin1("/proc/" + line)));
    }
    const QString said = file.isEmpty() ? end.listError : end.result(0);
    QVERIFY2(said.contains(reason), qPrintable(said));
    QVERIFY(said.size() < 4200);
    for (const QString &text : end.results + QStringList{end.listError})
        QVERIFY(!text.contains(QChar(0x1b)) && !text.contains(QChar(0x1)));
    // a file that failed does not stop the ones after it
    if (!file.isEmpty() && !device)
        QCOMPARE(end.results.size(), 2);
}

// Half of a file's bytes, then nothing: the progress stood at half before
// the stall ended the file.
void TestTransferRuns::progressFollowsTheBytes()
{
    writeFile(path("server/half/x/dicts.dic"), listOf({"hebrew.dic"}).toUtf8());
    UpdateRun run(settings(1));
    QSignalSpy progress(&run, &TransferRun::progressValue);
    QVERIFY(runToEnd(run, http() + "/half/x/", {"hebrew.dic"}).result(0).contains("no data came"));
    bool halfway = false;
    for (const QList<QVariant> &value : std::as_const(progress))
        halfway = halfway || value.at(0).toInt() == 50;
    QVERIFY(halfway);
}

void TestTransferRuns::proxyWithItsLogin()
{
    TransferSettings s = settings();
    s.proxy = ProxyConfig{"127.0.0.1", m_proxy.port(), "puser", "psecret"};
    UpdateRun run(s);
    QCOMPARE(runToEnd(run, http(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    QVERIFY(m_prompts.asked.isEmpty());
}

// A reply with terminal escapes reaches the user escaped, and only the
// reply to the command that failed.
void TestTransferRuns::ftpServerTextIsEscaped()
{
    writeFile(path("ftp/a/b/dicts.dic"), listOf({"escape.dic", "hebrew.dic"}).toUtf8());
    writeFile(path("ftp/a/b/escape.dic"), "misbehaves");
    m_prompts.user = "user";
    m_prompts.password = "secret";
    UpdateRun run(settings());
    const RunEnd end = runToEnd(run, ftp() + "/a/b");
    QCOMPARE(end.results.size(), 2);
    QVERIFY2(end.result(0).contains("550 \\x1b]0;owned\\x07\\x1b[31mno such file"), qPrintable(end.result(0)));
    QVERIFY(!end.result(0).contains("230"));
    QCOMPARE(end.result(1), QStringLiteral("hebrew.dic ok"));
}

// An upload goes under a temporary name and is renamed once whole: a
// refused upload leaves the master as it was.
void TestTransferRuns::ftpUploadsUnderATemporaryName()
{
    QFile::copy(local() + "/hebrew.dic", local() + "/refused.dic");
    m_list.addDictionary("Refused", "he_IL", "refused.dic", QString(), "en");
    writeFile(path("ftp/a/b/refused.dic"), "the old master");
    m_prompts.user = "user";
    m_prompts.password = "secret";
    MasterExportRun run(settings());
    const RunEnd end = runToEnd(run, ftp() + "/a/b", {"refused.dic", "hebrew.dic"});
    QCOMPARE(end.results.size(), 3);
    QVERIFY(end.result(0).startsWith("refused.dic: the upload failed (451"));
    QCOMPARE(end.results.mid(1), QStringList({"hebrew.dic ok", "dicts.dic ok"}));
    QCOMPARE(readAll(path("ftp/a/b/refused.dic")), QByteArray("the old master"));
    QCOMPARE(readAll(path("ftp/a/b/hebrew.dic")), MasterExportRun::masterBytes(local() + "/hebrew.dic"));
    QCOMPARE(QDir(path("ftp/a/b")).entryList({"*.uploading"}), QStringList());
}

// A server that closes the connection after each file: every file gets its own.
void TestTransferRuns::ftpServerThatDropsItsConnections()
{
    m_prompts.user = "dropper";
    m_prompts.password = "secret";
    UpdateRun run(settings());
    const RunEnd end = runToEnd(run, ftp() + "/a/b", {"hebrew.dic", "arabic.dic"});
    QCOMPARE(end.results, QStringList({"hebrew.dic ok", "arabic.dic ok"}));
    QCOMPARE(m_prompts.asked.size(), 1);
}

void TestTransferRuns::exportAddsTheRecordTheListLacks()
{
    m_prompts.user = "user";
    m_prompts.password = "secret";
    MasterExportRun run(settings());
    const RunEnd end = runToEnd(run, ftp() + "/a/b", {"russian.dic"});
    QCOMPARE(end.results, QStringList({"russian.dic ok", "dicts.dic ok"}));
    DictionaryList server;
    QVERIFY(server.load(path("ftp/a/b/dicts.dic")));
    QCOMPARE(server.name(server.indexOfFile("russian.dic")), m_list.name(m_list.indexOfFile("russian.dic")));
    QVERIFY(server.record(server.indexOfFile("russian.dic")).contains("SIZE"));
}

void TestTransferRuns::oneRunPerDataFolder()
{
    UpdateRun first(settings());
    QSignalSpy ready(&first, &TransferRun::listReady);
    first.readList(http());
    QVERIFY(ready.wait(20000));
    UpdateRun second(settings());
    QCOMPARE(runToEnd(second, http()).listError, QStringLiteral("another exchange is running in this data folder"));
    first.transfer({});
    QTRY_VERIFY(!first.isRunning());
    QCOMPARE(runToEnd(second, http(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
}

void TestTransferRuns::leftLocksAreTakenOver_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<int>("ageDays");
    QTest::addColumn<QString>("listError");
    const QByteArray otherHost = QByteArray::number(QCoreApplication::applicationPid()) + "\nverbalon\nfar-away\n";
    QTest::newRow("an empty lock") << QByteArray() << 0 << "";
    QTest::newRow("a garbage lock") << QByteArray("\x01\x02 not a lock") << 0 << "";
    QTest::newRow("another host's, a day old") << otherHost << 2 << "";
    QTest::newRow("another host's, just made")
        << otherHost << 0 << "another exchange is running in this data folder (on far-away)";
}

// A lock left by a crash, cut short or from another host long gone does
// not stop every run after it.
void TestTransferRuns::leftLocksAreTakenOver()
{
    QFETCH(QByteArray, lock);
    QFETCH(int, ageDays);
    const QString path = QDir(local()).filePath(".exchange.lock");
    writeFile(path, lock);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageDays), QFileDevice::FileModificationTime));
    file.close();
    UpdateRun run(settings());
    QTEST(runToEnd(run, http(), {"hebrew.dic"}).listError, "listError");
    QFile::remove(path);
}

// The newest backup is the file as it was before the run.
void TestTransferRuns::fileNamedTwiceIsTakenOnce()
{
    const QByteArray before = readAll(local() + "/hebrew.dic");
    addEntry(path("server/hebrew.dic"));
    UpdateRun run(settings());
    QCOMPARE(runToEnd(run, http(), {"hebrew.dic", "hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    QCOMPARE(readAll(local() + "/hebrew.dic.bak"), before);
    QVERIFY(!QFile::exists(local() + "/hebrew.dic.bak.1"));
    QCOMPARE(run.changedFiles(), QStringList{"hebrew.dic"});
}

// The copy an update received is the base of the next: an entry the learner
// edited in between and the server left stays as the learner has it.
void TestTransferRuns::learnersEditSurvivesTheNextUpdate()
{
    UpdateRun first(settings());
    QCOMPARE(runToEnd(first, http(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    Dictionary mine;
    QCOMPARE(DictionaryFile(local() + "/hebrew.dic").load(mine), DictionaryFile::Status::Ok);
    Entry edited = mine.entryAt(3);
    edited.setTranslation("house, home, household");
    mine.replaceEntry(edited);
    QVERIFY(DictionaryFile(local() + "/hebrew.dic").save(mine));
    addEntry(path("server/hebrew.dic"));
    UpdateRun second(settings());
    QCOMPARE(runToEnd(second, http(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    Dictionary after;
    QCOMPARE(DictionaryFile(local() + "/hebrew.dic").load(after), DictionaryFile::Status::Ok);
    QCOMPARE(after.entryById(edited.id()).translation(), edited.translation());
    QVERIFY(after.indexOfWord("newword") >= 0);
}

// A server copy with one entry would delete the rest: not without a yes.
void TestTransferRuns::deletionsWaitForConfirmation()
{
    Dictionary one;
    Dictionary mine;
    QCOMPARE(DictionaryFile(local() + "/hebrew.dic").load(mine), DictionaryFile::Status::Ok);
    one.insertEntry(mine.entryById(mine.maxId()));
    QVERIFY(DictionaryFile(path("server/hebrew.dic")).save(one));
    const QByteArray before = readAll(local() + "/hebrew.dic");
    for (bool allow : {false, true}) {
        m_prompts.allowDeletions = allow;
        UpdateRun run(settings());
        const RunEnd end = runToEnd(run, http(), {"hebrew.dic"});
        QCOMPARE(end.outcomes.first().ok, allow);
        QCOMPARE(end.outcomes.first().report.entriesOf(MergeChange::Kind::Deleted).size(), mine.count() - 1);
        QCOMPARE(readAll(local() + "/hebrew.dic") == before, !allow);
    }
}

// clang-format off
void TestTransferRuns::deviceSync_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<bool>("newPhone"); // no list on the phone
    QTest::newRow("synced both ways") << "local" << QStringList() << QStringList{"hebrew.dic ok", "farsi.dic ok"} << false;
    QTest::newRow("a data folder with blanks") << "my data" << QStringList() << QStringList{"hebrew.dic ok", "farsi.dic ok"} << false;
    QTest::newRow("one the phone lacks is copied, its list told") << "local" << QStringList{"russian.dic", "hebrew.dic"} << QStringList{"russian.dic ok", "hebrew.dic ok", "dicts.dic ok"} << false;
    QTest::newRow("a new phone is set up") << "local" << QStringList{"hebrew.dic", "russian.dic"} << QStringList{"hebrew.dic ok", "russian.dic ok", "dicts.dic ok"} << true;
    QTest::newRow("one missing on both sides") << "local" << QStringList{"nowhere.dic", "hebrew.dic"} << QStringList{"nowhere.dic: adb: error: failed to stat remote object '/sdcard/Verbalon/nowhere.dic': No such file or directory", "hebrew.dic ok"} << false;
}
// clang-format on

// The phone's file is the base, the local counters are kept, and both
// sides end up with the merged file, which becomes the next sync's base.
void TestTransferRuns::deviceSync()
{
    QFETCH(QString, data);
    QFETCH(QStringList, files);
    QFETCH(bool, newPhone);
    const QString folder = path(data);
    fillFolder(folder, {"hebrew.dic", "farsi.dic", "russian.dic"});
    QDir(path("device")).removeRecursively();
    fillFolder(path("device"), newPhone ? QStringList() : QStringList{"hebrew.dic", "farsi.dic"});
    if (newPhone)
        QFile::remove(path("device/dicts.dic"));
    qputenv("VERBALON_ADB", QFile::encodeName(Here + "/fake-adb.sh"));
    qputenv("FAKE_ADB_DEVICE", QFile::encodeName(path("device")));
    DictionaryList list;
    QVERIFY(list.load(folder + "/dicts.dic"));
    TransferSettings s = settings();
    s.dataDirectory = folder;
    s.localList = &list;
    DeviceSyncRun run(s);
    QStringList chosen = files;
    if (chosen.isEmpty())
        chosen = QStringList{"hebrew.dic", "farsi.dic"};
    QTEST(runToEnd(run, QString(), chosen).results, "results");
    QCOMPARE(readAll(path("device/hebrew.dic")), readAll(folder + "/hebrew.dic"));
    QCOMPARE(readAll(folder + "/hebrew.dic.synced"), readAll(folder + "/hebrew.dic"));
    DictionaryList phone;
    QVERIFY(phone.load(path("device/dicts.dic")));
    for (const QString &file : chosen)
        QCOMPARE(phone.containsFile(file), QFile::exists(path("device/") + file));
}

// Training done on the phone since the last sync comes to the computer.
void TestTransferRuns::phoneTrainingSurvivesTheSync()
{
    QDir(path("device")).removeRecursively();
    fillFolder(path("device"), {"hebrew.dic"});
    qputenv("VERBALON_ADB", QFile::encodeName(Here + "/fake-adb.sh"));
    qputenv("FAKE_ADB_DEVICE", QFile::encodeName(path("device")));
    DeviceSyncRun first(settings());
    QCOMPARE(runToEnd(first, QString(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    Dictionary phone;
    QCOMPARE(DictionaryFile(path("device/hebrew.dic")).load(phone), DictionaryFile::Status::Ok);
    const int id = phone.entryAt(5).id();
    phone.setLearnCounters(id, 5, 4);
    QVERIFY(DictionaryFile(path("device/hebrew.dic")).save(phone));
    DeviceSyncRun second(settings());
    QCOMPARE(runToEnd(second, QString(), {"hebrew.dic"}).results, QStringList{"hebrew.dic ok"});
    Dictionary computer;
    QCOMPARE(DictionaryFile(local() + "/hebrew.dic").load(computer), DictionaryFile::Status::Ok);
    QCOMPARE(computer.entryById(id).learnedForward(), qint8(5));
    QCOMPARE(computer.entryById(id).learnedBackward(), qint8(4));
}

QTEST_GUILESS_MAIN(TestTransferRuns)
#include "tst_transferruns.moc"
