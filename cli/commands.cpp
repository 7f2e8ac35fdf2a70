#include "commands.h"

QList<Command> exchangeCommands(Command::Run update, Command::Run exportMasters, Command::Run deviceSync)
{
    const QString login = QStringLiteral("[--user NAME] [--password-file PATH]");
    const QString common = QStringLiteral("[--data DIR] [--timeout SECONDS]");
    return {
        {QStringLiteral("update"), QStringLiteral("update %1 %2 [--allow-deletions] URL [FILE...]").arg(common, login),
            update},
        {QStringLiteral("export-masters"), QStringLiteral("export-masters %1 %2 URL [FILE...]").arg(common, login),
            exportMasters},
        {QStringLiteral("device-sync"), QStringLiteral("device-sync %1 [--allow-deletions] [FILE...]").arg(common),
            deviceSync},
    };
}
