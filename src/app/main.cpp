#include "app/appsettings.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "files/dictionaryfile.h"
#include "train/reviewlogupkeep.h"
#include "views/prompt.h"

#include "verbalonconfig.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // answered before the window system is needed
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("verbalon %s\n", VERBALON_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("verbalon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERBALON_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.verbalon.Verbalon"));
    const QStringList arguments = QCoreApplication::arguments();
    installTranslations(&app, QLocale());

    QString error;
    QStringList notes;
    const QString dataDirectory = ReviewLogUpkeep::locateDataFolder(&error, &notes);
    if (dataDirectory.isEmpty()) {
        Prompt::inform(nullptr, QStringLiteral("Verbalon"), error);
        return 1;
    }
    AppSettings::setUp(dataDirectory, dataDirectory == QCoreApplication::applicationDirPath());
    // a large dictionary opens from a copy of its decoded entries while unchanged
    MainWindow window(
        dataDirectory, QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/stores"));
    // the window comes back where the user left it
    QSettings settings;
    window.restoreWindowGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    window.show();
    if (!notes.isEmpty())
        window.statusBar()->showMessage(notes.join(u' '));
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
        [&window] { QSettings().setValue(QStringLiteral("window/geometry"), window.saveGeometry()); });
    // for the package check: start, show the window, end
    if (arguments.contains(QLatin1String("--quit-after-start")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    return 0;
}
