#include "../exchange/servers.h"
#include "../guihelpers.h"
#include "../testfiles.h"

#include "app/mainwindow.h"
#include "dialogs/authdialog.h"
#include "dialogs/dictionarymanager.h"
#include "dialogs/dictionarywizard.h"
#include "dialogs/passwordmemory.h"
#include "dialogs/proxysettings.h"
#include "dialogs/synctable.h"
#include "dialogs/transferdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QHeaderView>
#include <QScrollBar>
#include <QTcpServer>
#include <QTemporaryDir>

namespace {

QPushButton *stepButton(QWidget *dialog)
{
    return child<QPushButton>(dialog, "stepButton");
}

// The first step: the list from this source (none for a device).
bool getList(QWidget *dialog, const QString &source = QString())
{
    if (!source.isEmpty())
        child<QLineEdit>(dialog, "sourceEdit")->setText(source);
    stepButton(dialog)->click();
    return QTest::qWaitFor([dialog] { return stepButton(dialog)->isEnabled(); }, 30000);
}

// The second step: the ticked files, until the dialog is done.
bool transfer(QWidget *dialog)
{
    stepButton(dialog)->click();
    return QTest::qWaitFor([dialog] { return !child<QPushButton>(dialog, "cancelButton")->isEnabled(); }, 30000);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void updateThreeFilesTheSecondMissing();
    void failedListCanBeTriedAgain();
    void exportWithLogin();
    void androidSync();
    void resultsInView_data();
    void resultsInView();
    void loginsKeptForTheSession_data();
    void loginsKeptForTheSession();
    void proxyDownIsNamed();
    void managerShowsAndAppendsLanguages();
    void managerDeletes_data();
    void managerDeletes();
    void wizard_data();
    void wizard();
    void proxyFromEnvironment_data();
    void proxyFromEnvironment();
    void proxyIsRemembered();
    void windowSettlesAndReloads_data();
    void windowSettlesAndReloads();
    void windowAfterDeletingTheOpenDictionary();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString local() const { return path("local"); }
    QString http() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_http.port()); }
    // Answers the login dialog with the user and these passwords, one a
    // dialog (the last again); counts the dialogs.
    void answerLogins(const QString &password);
    void answerLogins(const QStringList &passwords);
    QString ftp() const { return QStringLiteral("ftp://127.0.0.1:%1/data").arg(m_ftp.port()); }

    QTemporaryDir m_dir;
    TestServer m_http;
    TestServer m_ftp;
    int m_loginsAsked = 0;
    DictionaryList m_list;
    std::unique_ptr<PromptScript> m_prompts;
};

void TestDialogs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString here = QStringLiteral(VERBALON_SOURCE_DIR "/tests/exchange");
    QVERIFY(QDir().mkpath(path("server")) && QDir().mkpath(path("ftp")));
    QVERIFY(m_http.startScript(here + "/httpserver.py", {path("server")}));
    QVERIFY(m_ftp.startScript(here + "/ftpserver.py", {path("ftp")}));
}

void TestDialogs::init()
{
    QSettings().clear();
    PasswordMemory::clearSession();
    QDir(local()).removeRecursively();
    fillFolder(local(), {"hebrew.dic", "russian.dic", "arabic.dic", "verbs_en.dat"});
    fillFolder(path("server"), {"hebrew.dic", "farsi.dic", "arabic.dic"});
    fillFolder(path("ftp/data"), {"hebrew.dic", "russian.dic"});
    m_list = DictionaryList();
    QVERIFY(m_list.load(local() + "/dicts.dic"));
    m_prompts = std::make_unique<PromptScript>();
}

void TestDialogs::cleanup()
{
    m_prompts.reset();
    Prompt::setDialogHandler({});
}

void TestDialogs::answerLogins(const QString &password)
{
    answerLogins(QStringList{password});
}

void TestDialogs::answerLogins(const QStringList &passwords)
{
    m_loginsAsked = 0;
    Prompt::setDialogHandler([this, passwords](QDialog *dialog) {
        if (!qobject_cast<AuthDialog *>(dialog))
            return int(QDialog::Rejected);
        // no secret store offscreen: no box to tick
        if (child<QCheckBox>(dialog, "rememberBox")->isVisibleTo(dialog) != PasswordMemory::secretStoreAvailable())
            return int(QDialog::Rejected);
        child<QLineEdit>(dialog, "userEdit")->setText("user");
        child<QLineEdit>(dialog, "passwordEdit")->setText(passwords.value(m_loginsAsked, passwords.last()));
        child<QCheckBox>(dialog, "rememberBox")->setChecked(true);
        ++m_loginsAsked;
        return int(QDialog::Accepted);
    });
}

// The second of three ticked files is missing: its row says why, the
// first and third are merged and saved, the progress ends at its maximum.
void TestDialogs::updateThreeFilesTheSecondMissing()
{
    QFile::remove(path("server/farsi.dic"));
    // a name no dictionary may have is shown, greyed, and cannot be ticked
    QFile list(path("server/dicts.dic"));
    QVERIFY(list.open(QIODevice::Append));
    list.write("\nFILE: q?x=1.dic\nNAME: Tricky\n");
    list.close();
    fillFolder(local(), {"hebrew.dic", "farsi.dic", "arabic.dic"});
    addEntry(path("server/hebrew.dic"));
    addEntry(path("server/arabic.dic"));
    QVERIFY(m_list.load(local() + "/dicts.dic"));
    TransferDialog dialog(TransferDialog::Kind::Update, nullptr, &m_list, local());
    QVERIFY(child<QPushButton>(&dialog, "proxyButton")->isEnabled());
    QVERIFY(getList(&dialog, http()));
    auto *table = child<SyncTable>(&dialog, "dictionaryTable");
    QCOMPARE(table->checkedFiles(), QStringList({"hebrew.dic", "farsi.dic", "arabic.dic"}));
    QCOMPARE(table->item(3, 0)->flags(), Qt::NoItemFlags);
    QVERIFY(table->item(3, 0)->toolTip().contains("not a plain file name"));
    QCOMPARE(stepButton(&dialog)->text(), QStringLiteral("Update"));
    QVERIFY(transfer(&dialog));
    QCOMPARE(stepButton(&dialog)->text(), QStringLiteral("Finish"));
    QVERIFY(m_prompts->asked.isEmpty());
    QCOMPARE(table->item(1, 5)->text(), QStringLiteral("not found (HTTP 404)"));
    QCOMPARE(table->item(0, 5)->text(), QStringLiteral("done"));
    QVERIFY(table->item(0, 5)->toolTip().contains(QStringLiteral("added: newword")));
    auto *progress = child<QProgressBar>(&dialog, "progressBar");
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(dialog.changedFiles(), QStringList({"hebrew.dic", "arabic.dic"}));
    QVERIFY(QFile::exists(local() + "/hebrew.dic.bak"));
    QVERIFY(child<QLabel>(&dialog, "infoLabel")->text().contains("farsi.dic"));
    stepButton(&dialog)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogs::failedListCanBeTriedAgain()
{
    TransferDialog dialog(TransferDialog::Kind::Update, nullptr, &m_list, local());
    auto *source = child<QLineEdit>(&dialog, "sourceEdit");
    // no made-up server: the line starts empty and says what to type
    QVERIFY(source->text().isEmpty() && !source->placeholderText().isEmpty());
    source->setText(http() + "/nowhere");
    stepButton(&dialog)->click();
    QTRY_COMPARE(m_prompts->titles(), QStringList{"Update Error"});
    QVERIFY(source->isEnabled() && stepButton(&dialog)->isEnabled());
    source->setText(http());
    stepButton(&dialog)->click();
    QTRY_COMPARE(child<SyncTable>(&dialog, "dictionaryTable")->rowCount(), 3);
}

// The login is asked through the login dialog; what the export sends is
// the engine's (tested with it).
void TestDialogs::exportWithLogin()
{
    answerLogins("secret");
    TransferDialog dialog(TransferDialog::Kind::MasterExport, nullptr, &m_list, local());
    QVERIFY(child<QPushButton>(&dialog, "proxyButton")->isEnabled());
    QVERIFY(getList(&dialog, ftp()));
    // the server's dictionaries ticked, one it lacks offered unticked
    auto *table = child<SyncTable>(&dialog, "dictionaryTable");
    QCOMPARE(table->checkedFiles(), QStringList({"hebrew.dic", "russian.dic"}));
    QCOMPARE(table->item(2, 3)->text(), QStringLiteral("arabic.dic"));
    QFile::remove(path("ftp/data/hebrew.dic"));
    QVERIFY(transfer(&dialog));
    QCOMPARE(child<QLabel>(&dialog, "infoLabel")->text(), QStringLiteral("Export completed."));
    QVERIFY(QFile::exists(path("ftp/data/hebrew.dic")));
}

void TestDialogs::androidSync()
{
    fillFolder(path("device"), {"hebrew.dic", "arabic.dic"});
    addEntry(path("device/hebrew.dic"));
    addEntry(path("device/arabic.dic"));
    qputenv("VERBALON_ADB", VERBALON_SOURCE_DIR "/tests/exchange/fake-adb.sh");
    qputenv("FAKE_ADB_DEVICE", path("device").toLocal8Bit());
    TransferDialog dialog(TransferDialog::Kind::DeviceSync, nullptr, &m_list, local());
    // a device has no source line and no proxy
    QVERIFY(!child<QLineEdit>(&dialog, "sourceEdit") && !child<QPushButton>(&dialog, "proxyButton"));
    QVERIFY(getList(&dialog));
    QCOMPARE(child<SyncTable>(&dialog, "dictionaryTable")->checkedFiles(), QStringList({"hebrew.dic", "arabic.dic"}));
    QVERIFY(transfer(&dialog));
    QVERIFY(stepButton(&dialog)->isEnabled());
    QCOMPARE(readAll(path("device/arabic.dic")), readAll(local() + "/arabic.dic"));
    QCOMPARE(dialog.changedFiles(), QStringList({"hebrew.dic", "arabic.dic"}));
    qunsetenv("FAKE_ADB_DEVICE");
}

void TestDialogs::resultsInView_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("detail");
    QTest::newRow("done") << true << "";
    QTest::newRow("a long failure")
        << false << "access denied (550 No such file or directory: the folder of the master copies is not there)";
}

// An outcome is seen where the dialog opens, without scrolling sideways;
// one too long for the room is elided, whole in its tool tip.
void TestDialogs::resultsInView()
{
    QFETCH(bool, ok);
    QFETCH(QString, detail);
    SyncTable table;
    table.resize(700, 300);
    table.showRecords(m_list, &m_list, local());
    table.show();
    table.setOutcome("arabic.dic", ok, detail);
    QCoreApplication::processEvents();
    const int column = table.columnCount() - 1;
    const int start = table.columnViewportPosition(column);
    QVERIFY(start >= 0 && start + table.columnWidth(column) <= table.viewport()->width());
    QCOMPARE(table.horizontalScrollBar()->value(), 0);
    QTableWidgetItem *result = table.item(m_list.indexOfFile("arabic.dic"), column);
    QCOMPARE(result->toolTip(), ok ? QStringLiteral("done") : detail);
    if (ok)
        QVERIFY(table.columnWidth(column) >= table.fontMetrics().horizontalAdvance(result->text()));
}

void TestDialogs::loginsKeptForTheSession_data()
{
    QTest::addColumn<QString>("server"); // "ftp" or "http"
    QTest::addColumn<QStringList>("passwords"); // typed, one a login dialog
    QTest::addColumn<int>("asked"); // login dialogs in the first dialog
    QTest::newRow("FTP") << "ftp" << QStringList{"secret"} << 1;
    QTest::newRow("FTP, refused once") << "ftp" << QStringList{"wrong", "secret"} << 2;
    QTest::newRow("HTTP") << "http" << QStringList{"secret"} << 1;
    QTest::newRow("HTTP, refused once") << "http" << QStringList{"wrong", "secret"} << 2;
}

// The login typed in one dialog is given again in the next, never asked;
// a refused one is asked again. Nothing of it goes to the settings file.
void TestDialogs::loginsKeptForTheSession()
{
    QFETCH(QString, server);
    QFETCH(QStringList, passwords);
    QFETCH(int, asked);
    const bool viaFtp = server == "ftp";
    const auto readList = [&] {
        TransferDialog dialog(
            viaFtp ? TransferDialog::Kind::MasterExport : TransferDialog::Kind::Update, nullptr, &m_list, local());
        return getList(&dialog, viaFtp ? ftp() : http() + "/private")
            && child<SyncTable>(&dialog, "dictionaryTable")->rowCount() > 0;
    };
    fillFolder(path("server/private"), {"hebrew.dic"});
    answerLogins(passwords);
    QVERIFY(readList());
    QCOMPARE(m_loginsAsked, asked);
    answerLogins(QStringList{"never asked"});
    QVERIFY(readList());
    QCOMPARE(m_loginsAsked, 0);
    QVERIFY(m_prompts->asked.isEmpty());
    QSettings settings;
    for (const QString &key : settings.allKeys())
        QVERIFY2(!settings.value(key).toString().contains("secret"), qPrintable(key));
}

// With the proxy down the message names it, not the server.
void TestDialogs::proxyDownIsNamed()
{
    int port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    QSettings().setValue("proxy/host", "127.0.0.1");
    QSettings().setValue("proxy/port", port);
    TransferDialog dialog(TransferDialog::Kind::Update, nullptr, &m_list, local());
    QVERIFY(getList(&dialog, http()));
    QCOMPARE(m_prompts->titles(), QStringList{"Update Error"});
    QCOMPARE(m_prompts->asked.first().text,
        QStringLiteral("The list could not be read: the proxy 127.0.0.1:%1 refused the connection").arg(port));
}

void TestDialogs::managerShowsAndAppendsLanguages()
{
    DictionaryManager manager(nullptr, &m_list, local());
    auto *table = child<QTableWidget>(&manager, "dictionaryTable");
    // nothing to set before a dictionary is chosen; its file's size is shown
    QVERIFY(!child<QComboBox>(&manager, "userLanguageBox1")->isEnabled());
    QCOMPARE(table->item(0, 2)->text(), QString::number(QFileInfo(local() + "/hebrew.dic").size()));
    QComboBox *boxes[4];
    for (int k = 0; k < 4; ++k)
        boxes[k] = child<QComboBox>(&manager, qPrintable(QStringLiteral("userLanguageBox%1").arg(k + 1)));
    const int row = m_list.indexOfFile("arabic.dic");
    table->setCurrentCell(row, 0);
    QCOMPARE(QStringList(
                 {boxes[0]->currentText(), boxes[1]->currentText(), boxes[2]->currentText(), boxes[3]->currentText()}),
        QStringList({"English", "French", "--", "--"}));
    boxes[2]->setCurrentText("Italian");
    table->setCurrentCell(row == 0 ? 1 : 0, 0);
    QCOMPARE(m_list.userLanguages(row), QStringList({"en", "fr", "it"}));
    Dictionary arabic;
    QCOMPARE(DictionaryFile(local() + "/arabic.dic").load(arabic), DictionaryFile::Status::Ok);
    QCOMPARE(arabic.attribute("USER"), QStringLiteral("en,fr,it"));

    // languages are only appended: a changed first one is refused, and said so
    table->setCurrentCell(row, 0);
    boxes[0]->setCurrentText("German");
    table->setCurrentCell(row == 0 ? 1 : 0, 0);
    QCOMPARE(m_list.userLanguages(row), QStringList({"en", "fr", "it"}));
    QVERIFY(!child<QLabel>(&manager, "noteLabel")->text().isEmpty());
    // a language twice is refused too; a change still open is written on closing
    table->setCurrentCell(row, 0);
    boxes[3]->setCurrentText("English");
    table->setCurrentCell(row == 0 ? 1 : 0, 0);
    QCOMPARE(m_list.userLanguages(row), QStringList({"en", "fr", "it"}));
    table->setCurrentCell(row, 0);
    boxes[3]->setCurrentText("German");
    manager.accept();
    QCOMPARE(m_list.userLanguages(row), QStringList({"en", "fr", "it", "de"}));
}

void TestDialogs::managerDeletes_data()
{
    QTest::addColumn<Prompt::Choice>("answer");
    QTest::newRow("declined") << Prompt::Choice::No;
    QTest::newRow("accepted") << Prompt::Choice::Yes;
}

void TestDialogs::managerDeletes()
{
    QFETCH(Prompt::Choice, answer);
    DictionaryManager manager(nullptr, &m_list, local());
    auto *table = child<QTableWidget>(&manager, "dictionaryTable");
    table->setCurrentCell(1, 0);
    m_prompts->answers = {answer};
    child<QPushButton>(&manager, "deleteButton")->click();
    QCOMPARE(m_prompts->titles(), QStringList{"Delete Dictionary"});
    const bool deleted = answer == Prompt::Choice::Yes;
    QCOMPARE(m_list.containsFile("russian.dic"), !deleted);
    QCOMPARE(QFile::exists(local() + "/russian.dic"), !deleted);
    QCOMPARE(table->rowCount(), deleted ? 2 : 3);
    DictionaryList onDisk;
    QVERIFY(onDisk.load(local() + "/dicts.dic"));
    QCOMPARE(onDisk.count(), m_list.count());
}

// clang-format off
void TestDialogs::wizard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file"); // empty: the one suggested by the name
    QTest::addColumn<QString>("type"); // of the dictionary made, empty when none is
    QTest::newRow("a new file") << "Test" << "xx_YY more text" << "new.dic" << "xx_YY";
    QTest::newRow("the file named after the name") << " My Words " << "he_IL (Hebrew)" << "" << "he_IL";
    QTest::newRow("a regional code, the supported one") << "Gulf" << "ar_AE" << "new.dic" << "ar_EG";
    QTest::newRow("a blank name") << "  " << "he_IL" << "new.dic" << "";
    QTest::newRow("a name the list has") << "hebrew" << "he_IL" << "new.dic" << "";
    QTest::newRow("not ending in .dic") << "Test" << "he_IL" << "new.txt" << "";
    QTest::newRow("not a plain name") << "Test" << "he_IL" << "../new.dic" << "";
    QTest::newRow("the file exists") << "Test" << "he_IL" << "stray.dic" << "";
    QTest::newRow("the list has it") << "Test" << "he_IL" << "hebrew.dic" << "";
    QTest::newRow("the save fails") << "Test" << "he_IL" << "missing/new.dic" << "";
}
// clang-format on

// The wizard never overwrites: "Create" waits, with its reason, for a plain
// new name; the list gets its record only once the file is written.
void TestDialogs::wizard()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, file);
    QFETCH(QString, type);
    writeFile(local() + "/stray.dic", "");
    const bool missingFolder = file.startsWith("missing");
    DictionaryWizard wizard(nullptr, &m_list, missingFolder ? local() + "/missing" : local());
    QTest::keyClicks(child<QLineEdit>(&wizard, "nameEdit"), name);
    child<QComboBox>(&wizard, "codeBox")->setCurrentText(code);
    if (!file.isEmpty())
        child<QLineEdit>(&wizard, "fileEdit")->setText(missingFolder ? file.section(u'/', -1) : file);
    const QString made = child<QLineEdit>(&wizard, "fileEdit")->text();
    auto *create = child<QPushButton>(&wizard, "createButton");
    QCOMPARE(child<QLabel>(&wizard, "reasonLabel")->text().isEmpty(), create->isEnabled());
    create->click();
    QCOMPARE(wizard.result() == QDialog::Accepted, !type.isEmpty());
    if (missingFolder)
        QCOMPARE(m_prompts->titles(), QStringList{"New Dictionary"});
    if (type.isEmpty())
        return;
    QVERIFY(m_list.containsFile(made));
    Dictionary created;
    QCOMPARE(DictionaryFile(local() + u'/' + made).load(created), DictionaryFile::Status::Ok);
    QCOMPARE(created.type(), type);
    QCOMPARE(created.name(), name.trimmed());
    if (file.isEmpty())
        QCOMPARE(made, QStringLiteral("my_words.dic"));
}

// clang-format off
void TestDialogs::proxyFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::newRow("host and port") << QByteArray("http_proxy") << QByteArray("http://proxy.lan:3128/") << "proxy.lan" << "3128";
    QTest::newRow("no port") << QByteArray("http_proxy") << QByteArray("http://proxy.lan") << "proxy.lan" << "";
    QTest::newRow("another variable") << QByteArray("my_http_proxy") << QByteArray("http://proxy.lan:3128") << "" << "";
    QTest::newRow("upper case is not read") << QByteArray("HTTP_PROXY") << QByteArray("http://proxy.lan:3128") << "" << "";
}
// clang-format on

void TestDialogs::proxyFromEnvironment()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QSettings().remove("proxy");
    qunsetenv("http_proxy");
    qputenv(variable, value);
    ProxyConfig proxy = ProxySettings::current();
    qunsetenv(variable);
    ProxySettings settings(nullptr, &proxy);
    QTEST(child<QLineEdit>(&settings, "hostEdit")->text(), "host");
    QTEST(child<QLineEdit>(&settings, "portEdit")->text(), "port");
    QCOMPARE(child<QLineEdit>(&settings, "passwordEdit")->echoMode(), QLineEdit::Password);
    QVERIFY(child<QLineEdit>(&settings, "portEdit")->validator());
}

// What the user sets is kept, the password for the session (beyond it only
// in the desktop's secret store, never the settings file, which loses one
// kept there before); an empty host means no proxy, whatever "http_proxy" says.
void TestDialogs::proxyIsRemembered()
{
    qputenv("http_proxy", "http://env.lan:8080");
    QSettings().setValue("proxy/password", "old");
    for (bool remember : {false, true}) {
        ProxyConfig proxy;
        ProxySettings settings(nullptr, &proxy);
        QCOMPARE(
            child<QCheckBox>(&settings, "rememberBox")->isVisibleTo(&settings), PasswordMemory::secretStoreAvailable());
        child<QLineEdit>(&settings, "hostEdit")->setText(" proxy.lan ");
        child<QLineEdit>(&settings, "portEdit")->setText("3128");
        child<QLineEdit>(&settings, "userEdit")->setText("me");
        child<QLineEdit>(&settings, "passwordEdit")->setText("pw");
        child<QCheckBox>(&settings, "rememberBox")->setChecked(remember);
        settings.accept();
        const ProxyConfig kept = ProxySettings::current();
        QCOMPARE(QStringList({kept.host, QString::number(kept.port), kept.user, kept.password}),
            QStringList({"proxy.lan", "3128", "me", "pw"}));
        QVERIFY(!QSettings().contains("proxy/password"));
    }
    ProxyConfig none;
    ProxySettings settings(nullptr, &none);
    child<QLineEdit>(&settings, "hostEdit")->clear();
    settings.accept();
    QVERIFY(ProxySettings::current().host.isEmpty());
    qunsetenv("http_proxy");
    QSettings().remove("proxy");
}

void TestDialogs::windowSettlesAndReloads_data()
{
    QTest::addColumn<Prompt::Choice>("answer"); // to "Unsaved Changes"
    QTest::addColumn<bool>("opened");
    QTest::newRow("save") << Prompt::Choice::Save << true;
    QTest::newRow("discard") << Prompt::Choice::Discard << true;
    QTest::newRow("cancel: the dialog does not open") << Prompt::Choice::Cancel << false;
}

// Before a dialog may replace the open dictionary's file, unsaved changes
// are settled; after it, a replaced file is loaded again.
void TestDialogs::windowSettlesAndReloads()
{
    QFETCH(Prompt::Choice, answer);
    QFETCH(bool, opened);
    MainWindow window(local());
    window.dictionary()->setLearnCounters(window.dictionary()->entryAt(0).id(), 3, 3);
    m_prompts->answers = {answer};
    bool ran = false;
    Prompt::setDialogHandler([this, &ran](QDialog *dialog) -> int {
        ran = true;
        return getList(dialog, http()) && transfer(dialog) ? QDialog::Accepted : QDialog::Rejected;
    });
    window.updateNet();
    QCOMPARE(ran, opened);
    Dictionary onDisk;
    QCOMPARE(DictionaryFile(local() + "/hebrew.dic").load(onDisk), DictionaryFile::Status::Ok);
    // what the window holds is what the file holds
    QCOMPARE(window.dictionary()->isModified(), !opened);
    if (opened)
        QCOMPARE(window.dictionary()->learnedIds(), onDisk.learnedIds());
    QCOMPARE(onDisk.learnedIds().isEmpty(), answer != Prompt::Choice::Save);
}

void TestDialogs::windowAfterDeletingTheOpenDictionary()
{
    MainWindow window(local());
    auto *selector = child<QComboBox>(&window, "dictionarySelector");
    for (int left = 2; left >= 0; --left) {
        m_prompts->answers = {Prompt::Choice::Yes};
        Prompt::setDialogHandler([](QDialog *dialog) {
            child<QTableWidget>(dialog, "dictionaryTable")->setCurrentCell(0, 0);
            child<QPushButton>(dialog, "deleteButton")->click();
            return int(QDialog::Accepted);
        });
        const QString deleted = local() + u'/' + window.dictionaryList()->file(0);
        window.manageDicts();
        QVERIFY(!QFile::exists(deleted));
        QCOMPARE(selector->count(), left);
        QCOMPARE(window.dictionary()->count() > 0, left > 0);
    }
    QVERIFY(!child<QAction>(&window, "saveAction")->isEnabled());
    window.saveDictionary();
    QVERIFY(QDir(local()).entryList({"*.dic"}).contains("dicts.dic"));
    QCOMPARE(QDir(local()).entryList({"*.dic"}).size(), 1);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
