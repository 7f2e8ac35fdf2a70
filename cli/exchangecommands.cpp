#include "commands.h"

#include "console.h"
#include "support.h"

#include "dict/datadirectory.h"
#include "dict/dictionary.h"
#include "dict/dictionarylist.h"
#include "exchange/devicesync.h"
#include "exchange/dictionaryupdater.h"
#include "exchange/masterexport.h"
#include "exchange/networkupdate.h"
#include "exchange/transferprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

using namespace Cli;

namespace {

// Logins answered from the options: the user from --user, the password
// from the first line of --password-file (a password is never an argument,
// where the process list would show it).
class OptionPrompts : public TransferPrompts
{
public:
    OptionPrompts(const QString &user, const QString &password)
        : m_user(user)
        , m_password(password)
    { }
    bool askLogin(const QString &, QString &user, QString &password) override
    {
        user = m_user;
        password = m_password;
        return !m_user.isEmpty();
    }

private:
    QString m_user;
    QString m_password;
};

struct Setup
{
    QString dataDirectory;
    DictionaryList list;
    std::unique_ptr<OptionPrompts> prompts;
    QStringList files;
};

const QSet<QString> TransferOptions = {QStringLiteral("data"), QStringLiteral("user"), QStringLiteral("password-file")};

// The data directory, its list and the login; false after a message.
bool prepare(const Arguments &args, int filesFrom, Setup &setup, int &exitCode)
{
    QString error;
    setup.dataDirectory
        = args.hasOption(QStringLiteral("data")) ? args.option(QStringLiteral("data")) : DataDirectory::locate(&error);
    if (setup.dataDirectory.isEmpty()) {
        exitCode = Console::fail(error);
        return false;
    }
    if (!QFileInfo(setup.dataDirectory).isDir()) {
        exitCode = Console::fail(QStringLiteral("%1: no such folder").arg(setup.dataDirectory));
        return false;
    }
    setup.list.load(QDir(setup.dataDirectory).filePath(QStringLiteral("dicts.dic")));
    QString password;
    if (args.hasOption(QStringLiteral("password-file"))) {
        QByteArray data;
        QString error;
        if (!readFile(args.option(QStringLiteral("password-file")), data, error)) {
            exitCode = Console::fail(error);
            return false;
        }
        password = QString::fromUtf8(data.split('\n').value(0)).remove(u'\r');
    }
    setup.prompts = std::make_unique<OptionPrompts>(args.option(QStringLiteral("user")), password);
    setup.files = args.positional().mid(filesFrom);
    return true;
}

// The files named, or those of `rows` that `other` lists too.
QStringList chosenFiles(const Setup &setup, const DictionaryList &rows, const DictionaryList &other)
{
    if (!setup.files.isEmpty())
        return setup.files;
    QStringList files;
    for (int i = 0; i < rows.count(); ++i) {
        if (other.containsFile(rows.file(i)))
            files.append(rows.file(i));
    }
    return files;
}

// Runs an exchange to its end: one line per file, exit 0 when all went well.
int runToEnd(ExchangeRun &run, const QString &verb, const QString &where)
{
    QEventLoop loop;
    QObject::connect(&run, &ExchangeRun::fileDone, &run, [&verb](const QString &file, bool ok, const QString &detail) {
        Console::writeLine(QStringLiteral("%1\t%2\t%3").arg(ok ? verb : QStringLiteral("failed"), file, detail));
    });
    QObject::connect(&run, &ExchangeRun::listFailed, &loop, [&loop, &where](const QString &reason) {
        loop.exit(Console::fail(QStringLiteral("%1: %2").arg(where, reason)));
    });
    QObject::connect(&run, &ExchangeRun::finished, &loop,
        [&loop, &run](bool complete) { loop.exit(complete && run.failedFiles().isEmpty() ? 0 : Failure); });
    return loop.exec();
}

int runMerge(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("merge"), args, 3, {}, code);
    if (!parsed)
        return code;
    const QFileInfo local(parsed->positional()[0]);
    const QString incoming = parsed->positional()[1];
    QByteArray data;
    QString error;
    if (!readFile(incoming, data, error))
        return Console::fail(error);
    DictionaryUpdater updater(local.absolutePath());
    const std::unique_ptr<Dictionary> merged = updater.update(local.fileName(), data);
    if (!merged)
        return Console::fail(QStringLiteral("%1: %2").arg(incoming, updater.errorString()));
    if (!writeFile(parsed->positional()[2], merged->toBytes(), error))
        return Console::fail(error);
    return 0;
}

int runUpdate(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArgumentsFrom(QStringLiteral("update"), args, 1, TransferOptions, code);
    Setup setup;
    if (!parsed || !prepare(*parsed, 1, setup, code))
        return code;
    const QString url = parsed->positional()[0];
    NetworkUpdate update(&setup.list, setup.dataDirectory, setup.prompts.get());
    update.setProxy(ProxyConfig::fromEnvironment());
    QObject::connect(&update, &ExchangeRun::listReady, &update,
        [&] { update.fetchFiles(chosenFiles(setup, update.remoteList(), setup.list)); });
    update.fetchList(url);
    return runToEnd(update, QStringLiteral("updated"), url + QStringLiteral("/dicts.dic"));
}

int runExportMasters(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArgumentsFrom(QStringLiteral("export-masters"), args, 1, TransferOptions, code);
    Setup setup;
    if (!parsed || !prepare(*parsed, 1, setup, code))
        return code;
    const QString url = parsed->positional()[0];
    MasterExport exporter(&setup.list, setup.dataDirectory, setup.prompts.get());
    QObject::connect(&exporter, &ExchangeRun::listReady, &exporter,
        [&] { exporter.sendFiles(chosenFiles(setup, exporter.remoteList(), setup.list)); });
    exporter.fetchList(url);
    return runToEnd(exporter, QStringLiteral("sent"), url + QStringLiteral("/dicts.dic"));
}

int runDeviceSync(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArgumentsFrom(QStringLiteral("device-sync"), args, 0, {QStringLiteral("data")}, code);
    Setup setup;
    if (!parsed || !prepare(*parsed, 0, setup, code))
        return code;
    DeviceSync sync(&setup.list, setup.dataDirectory);
    QObject::connect(&sync, &ExchangeRun::warning, &sync,
        [](const QString &, const QString &text) { Console::warn(QString(text).replace(u'\n', u' ')); });
    QObject::connect(&sync, &ExchangeRun::listReady, &sync,
        [&] { sync.syncFiles(chosenFiles(setup, setup.list, sync.remoteList())); });
    sync.fetchList();
    return runToEnd(sync, QStringLiteral("synced"), DeviceSync::deviceDirectory() + QStringLiteral("dicts.dic"));
}

} // namespace

QList<Command> exchangeCommands()
{
    return {
        {QStringLiteral("merge"), QStringLiteral("merge LOCAL.dic INCOMING.dic OUT.dic"), runMerge},
        {QStringLiteral("update"),
            QStringLiteral("update [--data DIR] [--user NAME] [--password-file PATH] URL [FILE...]"), runUpdate},
        {QStringLiteral("export-masters"),
            QStringLiteral("export-masters [--data DIR] [--user NAME] [--password-file PATH] URL [FILE...]"),
            runExportMasters},
        {QStringLiteral("device-sync"), QStringLiteral("device-sync [--data DIR] [FILE...]"), runDeviceSync},
    };
}
