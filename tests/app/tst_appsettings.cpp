#include "app/appsettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Settings of an installed copy stay in the user's configuration, and what
// an earlier version kept there is carried over once; a portable copy keeps
// its own in its folder.
class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void installedThenPortable();
};

void TestAppSettings::installedThenPortable()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("verbalon"))
        .setValue("exchange/updateSource", "x");
    QTemporaryDir folder;
    AppSettings::setUp(folder.path(), false);
    QCOMPARE(QSettings().value("exchange/updateSource").toString(), QStringLiteral("x"));
    QSettings().setValue("exchange/updateSource", "y");
    AppSettings::setUp(folder.path(), false);
    QCOMPARE(QSettings().value("exchange/updateSource").toString(), QStringLiteral("y"));
    QSettings().clear();
    QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("verbalon")).clear();

    AppSettings::setUp(folder.path(), true);
    QVERIFY(QSettings().fileName().startsWith(folder.path()));
    QVERIFY(QSettings().value("exchange/updateSource").isNull());
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
