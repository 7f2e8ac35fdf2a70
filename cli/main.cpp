#include "commands.h"
#include "console.h"

#include "verbalonconfig.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

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

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // the same name as the program, so both find the same data folder
    QCoreApplication::setApplicationName(QStringLiteral("verbalon"));
    // the tool reports failures itself, in one line; QT_LOGGING_RULES still
    // turns the library's messages on
    QLoggingCategory::setFilterRules(QStringLiteral("verbalon.*.warning=false"));

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
