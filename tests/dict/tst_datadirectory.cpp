#include "../testfiles.h"

#include "merge/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Portable when the program's folder has a list; otherwise the user's
// folder, filled once from the installed data, which stays untouched.
class TestDataDirectory : public QObject
{
    Q_OBJECT

private slots:
    void locate();
};

void TestDataDirectory::locate()
{
    QTemporaryDir dir;
    const QString program = dir.filePath("bin");
    const QString installed = dir.filePath("share/verbalon");
    const QString user = dir.filePath("home/verbalon");
    QVERIFY(QDir().mkpath(program) && QDir().mkpath(installed));
    for (const char *file : {"dicts.dic", "hebrew.dic"}) {
        writeFile(QDir(installed).filePath(file), file);
        QVERIFY(QFile::setPermissions(QDir(installed).filePath(file), QFile::ReadOwner));
    }
    QCOMPARE(DataDirectory::locate(program, user, installed).value(), user);
    // each copy with the record of the installed version it is
    QCOMPARE(QDir(user).entryList(QDir::Files), QStringList({"dicts.dic", "hebrew.dic", "hebrew.dic.installed"}));
    QVERIFY(QFileInfo(QDir(user).filePath("hebrew.dic")).isWritable());
    // a second start keeps what the user has
    writeFile(QDir(user).filePath("hebrew.dic"), "mine");
    QCOMPARE(DataDirectory::locate(program, user, installed).value(), user);
    QCOMPARE(readAll(QDir(user).filePath("hebrew.dic")), QByteArray("mine"));
    // a program folder with its own list is used as it is
    QVERIFY(QFile::copy(QDir(installed).filePath("dicts.dic"), QDir(program).filePath("dicts.dic")));
    QCOMPARE(DataDirectory::locate(program, user, installed).value(), program);
    const Result<QString> unmade
        = DataDirectory::locate(dir.filePath("none"), QStringLiteral("/proc/no/such"), installed);
    QVERIFY(!unmade);
    QVERIFY(!unmade.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestDataDirectory)
#include "tst_datadirectory.moc"
