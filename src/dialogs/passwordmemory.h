#pragma once

#include <QString>

struct LoginRequest;

// The logins typed into the login dialog, kept so that the next dialog of
// the session does not ask again: in memory, per server (its kind, host and
// realm) and user, and for the server in the desktop's secret store when the
// learner asks for it. Never in the settings file.
class PasswordMemory
{
public:
    struct Login
    {
        QString user;
        QString password;
    };

    // The login kept for the server: of request.user, or, with none given,
    // of the user who logged in there last.
    static bool find(const LoginRequest &request, Login &login);
    // Kept for the session; inSecretStore keeps it beyond.
    static void remember(const LoginRequest &request, const Login &login, bool inSecretStore);
    // A login the server refused is not given again.
    static void forget(const LoginRequest &request, const QString &user);
    // Whether the desktop has a secret store this build can reach.
    static bool secretStoreAvailable();
    // Forgets the session's logins (the secret store keeps its own).
    static void clearSession();
};
