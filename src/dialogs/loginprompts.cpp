#include "loginprompts.h"

#include "authdialog.h"
#include "passwordmemory.h"

#include "merge/dictionarymerge.h"
#include "views/prompt.h"

#include <QCoreApplication>

// A login given before in the session (or kept in the secret store) is
// given again once; after a refusal the learner is asked.
bool LoginPrompts::askLogin(const LoginRequest &request, QString &user, QString &password)
{
    PasswordMemory::Login known;
    if (request.attempt > 1) {
        PasswordMemory::forget(request, request.user);
    } else if (PasswordMemory::find(request, known)) {
        user = known.user;
        password = known.password;
        return true;
    }
    AuthDialog dialog(m_parent, request);
    if (Prompt::runDialog(&dialog) != QDialog::Accepted)
        return false;
    user = dialog.user();
    password = dialog.password();
    PasswordMemory::remember(request, {user, password}, dialog.remember());
    return true;
}

bool LoginPrompts::confirmDeletions(const QString &file, const MergeReport &report)
{
    QStringList words;
    for (const MergeChange &change : report.changes) {
        if ((change.kind == MergeChange::Kind::Deleted || change.kind == MergeChange::Kind::Reset) && words.size() < 10)
            words.append(change.entry.word());
    }
    const QString text = QCoreApplication::translate("LoginPrompts",
        "The update of \"%1\" would %2, among them: %3\n\n"
        "Your file is kept as a backup either way. Update anyway?")
                             .arg(file, report.lossText(), words.join(QStringLiteral(", ")));
    const Prompt::Choice answer = Prompt::ask(m_parent,
        Prompt::Request{QMessageBox::Warning, QCoreApplication::translate("LoginPrompts", "Delete Entries?"), text,
            {{Prompt::Choice::Update, QCoreApplication::translate("LoginPrompts", "&Update")},
                {Prompt::Choice::KeepMine, QCoreApplication::translate("LoginPrompts", "&Keep My File")}},
            Prompt::Choice::KeepMine, Prompt::Choice::KeepMine});
    return answer == Prompt::Choice::Update;
}
