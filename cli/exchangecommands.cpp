#include "commands.h"

#include "console.h"
#include "interruption.h"
#include "support.h"

#include "train/reviewlogupkeep.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "exchange/devicesyncrun.h"
#include "files/filenames.h"
#include "exchange/masterexportrun.h"
#include "exchange/updaterun.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Cli;

namespace {

// how long a cancelled transfer may take to end before it is cut off
constexpr int CancelGraceMs = 2000;

// The options answer what a run asks: the server login from --user and
// the first line of --password-file (a password is never an argument,
// where the process list would show it), once; deletions from
// --allow-deletions.
class OptionPrompts : public TransferPrompts
{
public:
    OptionPrompts(const QString &user, const QString &password, bool allowDeletions)
        : m_user(user)
        , m_password(password)
        , m_allowDeletions(allowDeletions)
    { }
    bool askLogin(const LoginRequest &request, QString &user, QString &password) override
    {
        if (request.kind != LoginRequest::Kind::Server || request.attempt > 1 || m_user.isEmpty())
            return false;
        user = m_user;
        password = m_password;
        return true;
    }
    bool confirmDeletions(const QString &, const MergeReport &) override { return m_allowDeletions; }

private:
    QString m_user;
    QString m_password;
    bool m_allowDeletions;
};

struct Setup
{
    DictionaryList list;
    std::unique_ptr<OptionPrompts> prompts;
    TransferSettings settings;
    QStringList files;
};

const QSet<QString> DeviceOptions = {QStringLiteral("data"), QStringLiteral("timeout")};
const QSet<QString> TransferOptions
    = DeviceOptions + QSet<QString>{QStringLiteral("user"), QStringLiteral("password-file")};

bool readPassword(const Arguments &args, QString &password, QString &error)
{
    if (!args.hasOption(QStringLiteral("password-file")))
        return true;
    QByteArray data;
    if (!readFile(args.option(QStringLiteral("password-file")), data, error))
        return false;
    password = QString::fromUtf8(data.split('\n').value(0)).remove(u'\r');
    return true;
}

// The stall time in seconds: 1 to 3600.
bool readTimeout(const Arguments &args, int &seconds, QString &error)
{
    if (!args.hasOption(QStringLiteral("timeout")))
        return true;
    bool ok = false;
    seconds = args.option(QStringLiteral("timeout")).toInt(&ok);
    if (ok && seconds >= 1 && seconds <= 3600)
        return true;
    error = QStringLiteral("--timeout takes a number of seconds from 1 to 3600");
    return false;
}

// The data folder, its list, the login and the limits; false after a message.
bool prepare(const Arguments &args, int filesFrom, Setup &setup, int &exitCode)
{
    QString error;
    QString folder = args.hasOption(QStringLiteral("data")) ? args.option(QStringLiteral("data"))
                                                            : ReviewLogUpkeep::locateDataFolder(&error);
    int timeout = TransferLimits::DefaultStallSeconds;
    QString password;
    if (!error.isEmpty() || !readTimeout(args, timeout, error) || !readPassword(args, password, error)) {
        exitCode = Console::fail(error, error.startsWith(QLatin1String("--")) ? BadArguments : Failure);
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        exitCode = Console::fail(QStringLiteral("%1: no such folder").arg(folder));
        return false;
    }
    if (!setup.list.load(QDir(folder).filePath(FileNames::listName()))) {
        exitCode = Console::fail(QStringLiteral("%1: no list of dictionaries (dicts.dic) in this folder").arg(folder));
        return false;
    }
    setup.prompts = std::make_unique<OptionPrompts>(
        args.option(QStringLiteral("user")), password, args.hasOption(AllowDeletions));
    setup.settings
        = TransferSettings{folder, &setup.list, setup.prompts.get(), timeout, ProxyConfig::fromEnvironment(), {}};
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

void printOutcome(const FileOutcome &outcome, const QString &verb)
{
    Console::writeLine(QStringLiteral("%1\t%2\t%3")
                           .arg(outcome.ok ? verb : QStringLiteral("failed"), FileNames::printable(outcome.file),
                               FileNames::printable(outcome.detail)));
    if (outcome.ok)
        printChanges(outcome.file, outcome.report);
    // a file's lines are out before the next file, whatever ends the process
    std::fflush(stdout);
}

// The files chosen that an interruption left without an outcome.
void printUntouched(const TransferRun &run, const QStringList &chosen)
{
    for (const QString &file : chosen) {
        const auto done = std::any_of(
            run.outcomes().cbegin(), run.outcomes().cend(), [&file](const FileOutcome &o) { return o.file == file; });
        if (!done)
            Console::writeLine(
                QStringLiteral("failed\t%1\tnot transferred: interrupted").arg(FileNames::printable(file)));
    }
    std::fflush(stdout);
}

// Runs an exchange to its end: one line per file, exit 0 when all went
// well. The files come from `choose` once the list is read; none is a
// failure, not a silent success.
int runToEnd(TransferRun &run, const QString &source, const QString &verb, const std::function<QStringList()> &choose)
{
    QEventLoop loop;
    Interruption interruption;
    int interruptedBy = 0;
    QStringList chosen;
    // the file under way ends as cancelled and says so; one that will not end soon is cut off
    QObject::connect(&interruption, &Interruption::interrupted, &loop, [&](int signalNumber) {
        if (interruptedBy != 0)
            return;
        interruptedBy = signalNumber;
        run.cancel();
        if (!run.isRunning())
            loop.exit(128 + signalNumber);
        QTimer::singleShot(CancelGraceMs, &loop, [&] {
            run.cancelNow();
            loop.exit(128 + interruptedBy);
        });
    });
    QObject::connect(&run, &TransferRun::fileDone, &loop, [&verb](const FileOutcome &o) { printOutcome(o, verb); });
    // the address as it may be shown: no password
    const QString where = source.contains(QLatin1String("://")) ? FileNames::display(QUrl(source)) : source;
    QObject::connect(&run, &TransferRun::listFailed, &loop, [&loop, &where, &interruptedBy](const QString &reason) {
        const int code = Console::fail(QStringLiteral("%1: %2").arg(where, FileNames::printable(reason)));
        loop.exit(interruptedBy != 0 ? 128 + interruptedBy : code);
    });
    QObject::connect(&run, &TransferRun::listReady, &loop, [&loop, &run, &where, &choose, &chosen] {
        chosen = choose();
        if (chosen.isEmpty())
            loop.exit(
                Console::fail(QStringLiteral("%1: the list names none of the dictionaries to transfer").arg(where)));
        else
            run.transfer(chosen);
    });
    QObject::connect(&run, &TransferRun::finished, &loop, [&loop, &run, &interruptedBy](bool complete) {
        bool allWell = complete;
        for (const FileOutcome &outcome : run.outcomes())
            allWell = allWell && outcome.ok;
        loop.exit(interruptedBy != 0 ? 128 + interruptedBy : allWell ? 0 : Failure);
    });
    run.readList(source);
    const int code = loop.exec();
    printUntouched(run, chosen);
    return code;
}

int runUpdate(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArgumentsFrom(QStringLiteral("update"), args, 1, TransferOptions, code, {AllowDeletions});
    Setup setup;
    if (!parsed || !prepare(*parsed, 1, setup, code))
        return code;
    UpdateRun update(setup.settings);
    return runToEnd(update, parsed->positional()[0], QStringLiteral("updated"),
        [&] { return chosenFiles(setup, update.remoteList(), setup.list); });
}

int runExportMasters(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArgumentsFrom(QStringLiteral("export-masters"), args, 1, TransferOptions, code);
    Setup setup;
    if (!parsed || !prepare(*parsed, 1, setup, code))
        return code;
    MasterExportRun exporter(setup.settings);
    return runToEnd(exporter, parsed->positional()[0], QStringLiteral("sent"),
        [&] { return chosenFiles(setup, exporter.remoteList(), setup.list); });
}

int runDeviceSync(const QStringList &args)
{
    int code = 0;
    const auto parsed
        = parseArgumentsFrom(QStringLiteral("device-sync"), args, 0, DeviceOptions, code, {AllowDeletions});
    Setup setup;
    if (!parsed || !prepare(*parsed, 0, setup, code))
        return code;
    DeviceSyncRun sync(setup.settings);
    return runToEnd(sync, DeviceSyncRun::deviceDirectory() + FileNames::listName(), QStringLiteral("synced"),
        [&] { return chosenFiles(setup, setup.list, sync.remoteList()); });
}

} // namespace

QList<Command> exchangeCommandRuns()
{
    return exchangeCommands(runUpdate, runExportMasters, runDeviceSync);
}
