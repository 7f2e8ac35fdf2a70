#include "commands.h"

const QList<Command> &commands()
{
    static const QList<Command> all = dictionaryCommands() + hebrewCommands() + exchangeCommands();
    return all;
}
