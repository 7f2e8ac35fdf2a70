#pragma once

#include <QString>

struct MergeReport;

// What a login is asked for.
struct LoginRequest
{
    enum class Kind { Server, Proxy };
    Kind kind = Kind::Server;
    QString host;
    QString realm; // what the server calls the protected area; may be empty
    QString user; // the user name given last, to fill in
    int attempt = 1; // 2 and 3 after a refused login
};

// A user name and password for one server or proxy, shared by the files of
// a run: asked for once, given again for the next file.
struct Credentials
{
    QString user;
    QString password;
    bool known = false;
};

// What a run needs to ask the user: a login for a server or proxy, and
// whether an update that deletes much of a dictionary may go ahead. The
// dialogs ask with dialogs, the command-line tool answers from its options.
class TransferPrompts
{
public:
    virtual ~TransferPrompts() = default;
    // False when the user declines; the transfer then fails.
    virtual bool askLogin(const LoginRequest &request, QString &user, QString &password) = 0;
    // False keeps the learner's file as it is.
    virtual bool confirmDeletions(const QString &file, const MergeReport &report) = 0;
};
