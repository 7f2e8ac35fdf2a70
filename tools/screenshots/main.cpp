// Renders the main pages of Verbalon with the sample dictionaries into PNG
// files, for the README. Run through scripts/screenshots.
#include "app/mainwindow.h"
#include "dict/dictionary.h"
#include "input/softkeyboard.h"
#include "views/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
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

void save(QWidget *window, const QString &directory, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: verbalon-screenshots OUTPUT-DIRECTORY");
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    Prompt::setHandler([](const Prompt::Request &) { return 0; });

    // the physical keys shown on the soft keyboards are those of a US keyboard
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
    MainWindow window(QCoreApplication::applicationDirPath());
    window.resize(1000, 860);
    window.show();
    QApplication::setActiveWindow(&window);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabs"));

    auto *lookup = window.findChild<QLineEdit *>(QStringLiteral("lookupEdit"));
    lookup->setFocus();
    typeText(lookup, QString::fromUtf8("כתב"));
    save(&window, output, QStringLiteral("lookup"));

    QTest::keyClick(lookup, Qt::Key_Return);
    save(&window, output, QStringLiteral("edit"));

    auto *more = window.findChild<QPushButton *>(QStringLiteral("moreButton"));
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        save(dialog, output, QStringLiteral("conjugation"));
        dialog->close();
    });
    more->click();

    // mark a few words for learning, then drill them
    Dictionary *dictionary = window.dictionary();
    for (int i = 0; i < dictionary->count(); i += 37)
        dictionary->setLearnCounters(dictionary->entryAt(i)->id(), 0, 0);
    tabs->setCurrentIndex(2);
    window.random().seed(7);
    window.findChild<QPushButton *>(QStringLiteral("resetButton"))->click();
    save(&window, output, QStringLiteral("trainer"));

    tabs->setCurrentIndex(3);
    window.findChild<QTextEdit *>(QStringLiteral("translateInput"))
        ->setPlainText(QString::fromUtf8("בּוֹקֶר טוֹב! הַיֶּלֶד כָּתַב מִכְתָּב לַמּוֹרָה.\n"
                                         "אֲנַחְנוּ נִיפָּגֵשׁ מָחָר בְּבֵית הַסֵּפֶר."));
    window.findChild<QPushButton *>(QStringLiteral("translateButton"))->click();
    save(&window, output, QStringLiteral("translate"));

    // the Russian sample, looked up by meaning, with its keyboard
    window.findChild<QComboBox *>(QStringLiteral("languageSelector"))->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    lookup->setText(QStringLiteral("tree"));
    save(&window, output, QStringLiteral("lookup-russian"));
    return 0;
}
