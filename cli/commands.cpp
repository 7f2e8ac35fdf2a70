#include "commands.h"

const QList<Command> &commands()
{
    static const QList<Command> all = dictionaryCommands() + hebrewCommands();
    return all;
}
