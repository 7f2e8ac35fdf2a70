#include "commands.h"
#include "console.h"
#include "support.h"

#include "verbalonconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

char **toolArguments = nullptr;

// Becomes the exchange tool, with the same arguments; returns only when it
// cannot be started.
int runInExchangeTool(const QStringList &)
{
    const QString tool = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VERBALON_EXCHANGE_TOOL)));
    ::execv(QFile::encodeName(tool).constData(), toolArguments);
    return Console::fail(
        QStringLiteral("cannot start %1: %2").arg(tool, QString::fromLocal8Bit(std::strerror(errno))), Cli::Failure);
}

QString usage()
{
    QStringList lines
        = {QStringLiteral("usage: verbalon-cli COMMAND ARGUMENTS"), QString(), QStringLiteral("Commands:")};
    for (const Command &c : commands())
        lines.append(QStringLiteral("  verbalon-cli ") + c.synopsis);
    lines.append(QString());
    lines.append(QStringLiteral("Trace lines: QT_LOGGING_RULES=\"verbalon.*.debug=true\""));
    return lines.join(u'\n');
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> all = dictionaryCommands() + hebrewCommands() + trainerCommands()
        + exchangeCommands(runInExchangeTool, runInExchangeTool, runInExchangeTool);
    return all;
}

int main(int argc, char *argv[])
{
    toolArguments = argv;
    QCoreApplication app(argc, argv);
    Cli::setUpApplication();

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Console::fail(QStringLiteral("no command given; see verbalon-cli --help"), 2);
    if (args[0] == QLatin1String("--version")) {
        Console::writeLine(QStringLiteral("verbalon-cli %1").arg(QStringLiteral(VERBALON_VERSION)));
        return 0;
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h") || args[0] == QLatin1String("help")) {
        Console::writeLine(usage());
        return 0;
    }
    for (const Command &c : commands()) {
        if (c.name == args[0])
            return c.run(args.mid(1));
    }
    return Console::fail(QStringLiteral("unknown command '%1'; see verbalon-cli --help").arg(args[0]), 2);
}
