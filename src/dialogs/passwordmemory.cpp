#include "passwordmemory.h"

#include "dialogslog.h"

#include "exchange/transferprompts.h"

#include <QHash>

#ifdef VERBALON_HAVE_KEYCHAIN
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <qt6keychain/keychain.h>
#endif

namespace {

const QString Service = QStringLiteral("verbalon");

struct Session
{
    // server key + user -> password
    QHash<QString, QString> passwords;
    // server key -> the user who logged in last
    QHash<QString, QString> lastUsers;
};

Session &session()
{
    static Session s;
    return s;
}

QString serverKey(const LoginRequest &request)
{
    const QString kind = request.kind == LoginRequest::Kind::Proxy ? QStringLiteral("proxy") : QStringLiteral("server");
    return QStringLiteral("%1 %2 %3").arg(kind, request.host.toLower(), request.realm);
}

QString loginKey(const QString &server, const QString &user)
{
    return server + u'\n' + user;
}

#ifdef VERBALON_HAVE_KEYCHAIN
// The store's answer, waited for: a login dialog waits for it anyway.
bool readSecret(const QString &key, QString &secret)
{
    QKeychain::ReadPasswordJob job(Service);
    job.setAutoDelete(false);
    job.setKey(key);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() != QKeychain::NoError) {
        qCDebug(lcDialogs) << "no login in the secret store:" << job.errorString();
        return false;
    }
    secret = job.textData();
    return true;
}

void writeSecret(const QString &key, const QString &secret)
{
    auto *job = new QKeychain::WritePasswordJob(Service);
    job->setKey(key);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, [](QKeychain::Job *done) {
        if (done->error() != QKeychain::NoError)
            qCWarning(lcDialogs) << "the secret store did not keep the login:" << done->errorString();
    });
    job->start();
}
#endif

} // namespace

bool PasswordMemory::find(const LoginRequest &request, Login &login)
{
    const QString server = serverKey(request);
    const QString user = request.user.isEmpty() ? session().lastUsers.value(server) : request.user;
    const auto known = session().passwords.constFind(loginKey(server, user));
    if (known != session().passwords.constEnd()) {
        login = Login{user, known.value()};
        return true;
    }
#ifdef VERBALON_HAVE_KEYCHAIN
    QString secret;
    if (!secretStoreAvailable() || !readSecret(server, secret))
        return false;
    // the user name, a line break, the password
    const qsizetype lineBreak = secret.indexOf(u'\n');
    const Login stored{secret.left(lineBreak), secret.mid(lineBreak + 1)};
    if (lineBreak < 0 || (!request.user.isEmpty() && stored.user != request.user))
        return false;
    session().passwords.insert(loginKey(server, stored.user), stored.password);
    session().lastUsers.insert(server, stored.user);
    login = stored;
    return true;
#else
    return false;
#endif
}

void PasswordMemory::remember(const LoginRequest &request, const Login &login, bool inSecretStore)
{
    const QString server = serverKey(request);
    session().passwords.insert(loginKey(server, login.user), login.password);
    session().lastUsers.insert(server, login.user);
#ifdef VERBALON_HAVE_KEYCHAIN
    if (inSecretStore && secretStoreAvailable())
        writeSecret(server, login.user + u'\n' + login.password);
#else
    Q_UNUSED(inSecretStore)
#endif
}

void PasswordMemory::forget(const LoginRequest &request, const QString &user)
{
    session().passwords.remove(loginKey(serverKey(request), user));
}

bool PasswordMemory::secretStoreAvailable()
{
#ifdef VERBALON_HAVE_KEYCHAIN
    // asked once: a desktop does not gain or lose its store while the program runs
    static const bool available = [] {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || !bus.interface())
            return false;
        for (const char *service : {"org.freedesktop.secrets", "org.kde.kwalletd5", "org.kde.kwalletd6"}) {
            if (bus.interface()->isServiceRegistered(QLatin1String(service)).value())
                return true;
        }
        return false;
    }();
    return available;
#else
    return false;
#endif
}

void PasswordMemory::clearSession()
{
    session() = Session();
}
