// Renders the main pages of Verbalon with the bundled dictionaries into PNG
// files, for the README. Run through scripts/screenshots.
#include "app/mainwindow.h"
#include "app/translations.h"
#include "dialogs/authdialog.h"
#include "dialogs/dictionarywizard.h"
#include "files/dictionaryfile.h"
#include "model/dictionary.h"
#include "input/softkeyboard.h"
#include "train/reviewlog.h"
#include "views/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// Four weeks of a learner's answers on every 37th word, so the progress
// charts have something to show: each word first seen on a day of the
// first fortnight, then again after 1, 3 and 8 days, now and then wrong.
void writeHistory(const QString &dictionaryPath)
{
    Dictionary store;
    if (DictionaryFile(dictionaryPath).load(store) != DictionaryFile::Status::Ok)
        qFatal("cannot read %s", qPrintable(dictionaryPath));
    ReviewLog log(ReviewLog::pathFor(dictionaryPath));
    const qint64 day = 24 * 3600;
    const qint64 start = QDateTime::currentSecsSinceEpoch() - 28 * day;
    for (int i = 0, n = 0; i < store.count(); i += 37, ++n) {
        qint64 at = start + (n % 14) * day + 3600 * (n % 5);
        for (const qint64 gap : {0, 1, 3, 8}) {
            at += gap * day;
            const quint8 rating = (n + gap) % 7 == 0 ? Review::Again : Review::Good;
            if (at < QDateTime::currentSecsSinceEpoch() && !log.append(Review{at, {store.idAt(i)}, rating, {}}))
                qFatal("cannot write the review log");
        }
    }
}

void save(QWidget *window, const QString &directory, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

// A copy of the bundled data, as a server or a device holds it.
void copySamples(const QString &root)
{
    QDir().mkpath(root);
    for (const QString &file : QDir(QCoreApplication::applicationDirPath()).entryList({QStringLiteral("*.dic")}))
        QFile::copy(QCoreApplication::applicationDirPath() + u'/' + file, QDir(root).filePath(file));
}

// A test server of ours on a copy of the bundled data; returns its port.
int startServer(QProcess &process, const char *script, const QString &root)
{
    copySamples(root);
    process.start(QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(VERBALON_SOURCE_DIR "/tests/exchange/") + QLatin1String(script), root});
    if (!process.waitForReadyRead(20000))
        qFatal("cannot start %s", script);
    return process.readLine().trimmed().toInt();
}

// The "Dictionaries" dialogs, each with its list shown.
void dialogs(MainWindow &window, const QString &output)
{
    QTemporaryDir scratch;
    QProcess http;
    QProcess ftp;
    const int httpPort = startServer(http, "httpserver.py", scratch.filePath(QStringLiteral("http")));
    const int ftpPort = startServer(ftp, "ftpserver.py", scratch.filePath(QStringLiteral("ftp")));
    copySamples(scratch.filePath(QStringLiteral("device")));
    qputenv("VERBALON_ADB", VERBALON_SOURCE_DIR "/tests/exchange/fake-adb.sh");
    qputenv("FAKE_ADB_DEVICE", scratch.filePath(QStringLiteral("device")).toLocal8Bit());
    const QMap<QString, QString> sources
        = {{QStringLiteral("update"), QStringLiteral("http://127.0.0.1:%1").arg(httpPort)},
            {QStringLiteral("export"), QStringLiteral("ftp://127.0.0.1:%1").arg(ftpPort)}};
    QString name;
    Prompt::setDialogHandler([&](QDialog *dialog) -> int {
        dialog->resize(700, 400);
        dialog->show();
        if (auto *login = qobject_cast<AuthDialog *>(dialog)) {
            login->findChild<QLineEdit *>(QStringLiteral("userEdit"))->setText(QStringLiteral("user"));
            login->findChild<QLineEdit *>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("secret"));
            return QDialog::Accepted;
        }
        if (auto *wizard = qobject_cast<DictionaryWizard *>(dialog)) {
            wizard->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Hebrew verbs"));
            wizard->findChild<QLineEdit *>(QStringLiteral("fileEdit"))->setText(QStringLiteral("verbs.dic"));
            save(wizard, output, QStringLiteral("wizard"));
            return QDialog::Rejected;
        }
        if (auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("dictionaryTable"));
            table && name == QLatin1String("manager")) {
            table->setCurrentCell(0, 0);
            save(dialog, output, name);
            dialog->findChild<QPushButton *>(QStringLiteral("newButton"))->click();
            return QDialog::Accepted;
        }
        if (auto *source = dialog->findChild<QLineEdit *>(QStringLiteral("sourceEdit")))
            source->setText(sources.value(name));
        dialog->findChild<QPushButton *>(QStringLiteral("stepButton"))->click();
        if (!QTest::qWaitFor([dialog] { return dialog->findChild<QTableWidget *>()->rowCount() > 0; }, 20000))
            qWarning("%s: no list arrived", qPrintable(name));
        if (name == QLatin1String("update")) {
            // one file the server lists is gone: its row says why
            QFile::remove(scratch.filePath(QStringLiteral("http/farsi.dic")));
            auto *step = dialog->findChild<QPushButton *>(QStringLiteral("stepButton"));
            step->click();
            if (!QTest::qWaitFor([step] { return step->isEnabled(); }, 20000))
                qWarning("update: the transfer did not end");
        }
        save(dialog, output, name);
        return QDialog::Rejected;
    });
    name = QStringLiteral("update");
    window.updateNet();
    name = QStringLiteral("export");
    window.exportMasters();
    name = QStringLiteral("android");
    window.syncUSB();
    name = QStringLiteral("manager");
    window.manageDicts();
    Prompt::setDialogHandler({});
    http.kill();
    ftp.kill();
    http.waitForFinished();
    ftp.waitForFinished();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(&app, QLocale(QLocale::English));
    if (argc < 2)
        qFatal("usage: verbalon-screenshots OUTPUT-DIRECTORY");
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    Prompt::setHandler([](const Prompt::Request &request) { return request.defaultChoice; });

    // the physical keys shown on the soft keyboards are those of a US keyboard
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
    // a copy of the bundled data: what the pictures do to them is thrown away
    QTemporaryDir data;
    copySamples(data.path());
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/verbs_en.dat"),
        data.filePath(QStringLiteral("verbs_en.dat")));
    writeHistory(data.filePath(QStringLiteral("hebrew.dic")));
    MainWindow window(data.path());
    window.resize(1000, 860);
    window.show();
    QApplication::setActiveWindow(&window);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabs"));

    auto *lookup = window.findChild<QLineEdit *>(QStringLiteral("lookupEdit"));
    lookup->setFocus();
    typeText(lookup, QString::fromUtf8("כתב"));
    save(&window, output, QStringLiteral("lookup"));

    // the verb of the word, in the editor
    for (const Entry &e : window.dictionary()->findExact(QString::fromUtf8("כתב"))) {
        if (e.wordType() == Entry::Verb)
            window.editEntry(e);
    }
    save(&window, output, QStringLiteral("edit"));

    auto *more = window.findChild<QPushButton *>(QStringLiteral("moreButton"));
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            save(dialog, output, QStringLiteral("conjugation"));
            dialog->close();
        }
    });
    more->click();

    // mark a few words for learning, then drill them
    Dictionary *dictionary = window.dictionary();
    for (int i = 0; i < dictionary->count(); i += 37)
        dictionary->setLearnCounters(dictionary->entryAt(i).id(), 0, 0);
    tabs->setCurrentIndex(2);
    window.random().seed(7);
    window.findChild<QPushButton *>(QStringLiteral("dueButton"))->click();
    auto *answer = window.findChild<QLineEdit *>(QStringLiteral("answerEdit"));
    typeText(answer, QStringLiteral("nice"));
    QTest::keyClick(answer, Qt::Key_Return);
    save(&window, output, QStringLiteral("trainer"));
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            save(dialog, output, QStringLiteral("progress"));
            dialog->close();
        }
    });
    window.findChild<QPushButton *>(QStringLiteral("progressButton"))->click();

    tabs->setCurrentIndex(3);
    window.findChild<QTextEdit *>(QStringLiteral("translateInput"))
        ->setPlainText(QString::fromUtf8("בּוֹקֶר טוֹב! הַיֶּלֶד כָּתַב מִכְתָּב לַמּוֹרָה.\n"
                                         "אֲנַחְנוּ נִיפָּגֵשׁ מָחָר בְּבֵית הַסֵּפֶר."));
    window.findChild<QPushButton *>(QStringLiteral("translateButton"))->click();
    save(&window, output, QStringLiteral("translate"));

    // the Russian sample, looked up by meaning, with its keyboard
    window.findChild<QComboBox *>(QStringLiteral("dictionarySelector"))->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    lookup->setText(QStringLiteral("tree"));
    save(&window, output, QStringLiteral("lookup-russian"));

    dialogs(window, output);
    return 0;
}
