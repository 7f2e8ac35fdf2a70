// The crash test's other half: opens the window on a data folder, answers
// ten questions of the trainer page right and stores one new word, then
// says "ready" and waits to be killed.
#include "app/mainwindow.h"
#include "views/trainer.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("crashchild"));
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2)
        return 2;
    MainWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    auto *trainer = window.findChild<Trainer *>();
    // shown, the page starts the due session: the new words
    window.findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentWidget(trainer);
    auto *answer = trainer->findChild<QLineEdit *>(QStringLiteral("answerEdit"));
    for (int i = 0; i < 10; ++i) {
        if (!trainer->drill().hasQuestion())
            return 3;
        const Drill::Question &question = trainer->drill().question();
        answer->setText(
            question.direction == Direction::Forward ? question.entry.translation() : question.entry.word());
        // Return answers, Return again goes on (after the last one it would
        // say that no word is left)
        trainer->inputFinished();
        if (i < 9)
            trainer->inputFinished();
    }
    if (window.dictionary()->addOrReplace(Entry(QString::fromUtf8("גַּן"), QStringLiteral("garden"), 0)) == 0)
        return 4;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
