#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // the data directory is the directory of the program file (found through
    // the system, so a program started through PATH finds it too)
    const QString dataDirectory = QCoreApplication::applicationDirPath();
    MainWindow window(dataDirectory);
    window.show();
    app.exec();
    return 0;
}
