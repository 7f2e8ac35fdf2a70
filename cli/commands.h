#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One subcommand of verbalon-cli: its name, its synopsis for --help, and
// the function that runs it on the arguments after the name and returns the
// exit code (0 success, 1 failure, 2 bad arguments).
struct Command
{
    using Run = int (*)(const QStringList &args);
    QString name;
    QString synopsis;
    Run run;
};

// Every command of this program, in the order --help lists them: each of
// the two programs defines its own.
const QList<Command> &commands();

QList<Command> dictionaryCommands();
QList<Command> hebrewCommands();
// The trainer's review log and schedule.
QList<Command> trainerCommands();
// The commands that reach servers and devices, with the given runs. They
// run in a tool of their own, which verbalon-cli becomes for them: only it
// loads the network libraries, which take longer to load than most
// commands take to run.
QList<Command> exchangeCommands(Command::Run update, Command::Run exportMasters, Command::Run deviceSync);
// The same with the runs themselves, for that tool.
QList<Command> exchangeCommandRuns();
