#include "commands.h"
#include "console.h"
#include "support.h"

#include <QCoreApplication>

const QList<Command> &commands()
{
    static const QList<Command> all = exchangeCommandRuns();
    return all;
}

// The exchange commands of verbalon-cli, which starts this tool in its
// place with the same arguments.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Cli::setUpApplication();
    const QStringList args = app.arguments().mid(1);
    for (const Command &c : commands()) {
        if (c.name == args.value(0))
            return c.run(args.mid(1));
    }
    return Console::fail(QStringLiteral("this tool runs the exchange commands of verbalon-cli"), Cli::BadArguments);
}
