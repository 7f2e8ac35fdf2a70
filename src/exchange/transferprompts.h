#pragma once

#include <QString>

// What a transfer needs to ask the user: a user name and password for a
// server or proxy. The dialogs answer with the login dialog, the
// command-line tool from its options.
class TransferPrompts
{
public:
    virtual ~TransferPrompts() = default;
    // False when the user declines; the transfer then fails.
    virtual bool askLogin(const QString &site, QString &user, QString &password) = 0;
};
