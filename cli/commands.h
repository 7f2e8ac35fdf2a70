#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One subcommand of verbalon-cli: its name, its synopsis for --help, and
// the function that runs it on the arguments after the name and returns the
// exit code (0 success, 1 failure, 2 bad arguments).
struct Command
{
    QString name;
    QString synopsis;
    int (*run)(const QStringList &args);
};

// Every command, in the order --help lists them.
const QList<Command> &commands();

QList<Command> dictionaryCommands();
QList<Command> hebrewCommands();
QList<Command> exchangeCommands();
