#include "loginprompts.h"

#include "authdialog.h"

#include "dict/dictionarymerge.h"
#include "views/prompt.h"

#include <QCoreApplication>

bool LoginPrompts::askLogin(const LoginRequest &request, QString &user, QString &password)
{
    AuthDialog dialog(m_parent, request);
    if (Prompt::runDialog(&dialog) != QDialog::Accepted)
        return false;
    user = dialog.user();
    password = dialog.password();
    return true;
}

bool LoginPrompts::confirmDeletions(const QString &file, const MergeReport &report)
{
    const QList<Entry> deleted = report.entriesOf(MergeChange::Kind::Deleted);
    QStringList words;
    for (const Entry &e : deleted.mid(0, 10))
        words.append(e.word());
    const QString text = QCoreApplication::translate("LoginPrompts",
        "The update of \"%1\" would delete %2 of its %3 entries, among them: %4\n\n"
        "Your file is kept as a backup either way. Update anyway?")
                             .arg(file)
                             .arg(deleted.size())
                             .arg(report.localCount)
                             .arg(words.join(QStringLiteral(", ")));
    const int answer = Prompt::ask(m_parent,
        Prompt::Request{QMessageBox::Warning, QCoreApplication::translate("LoginPrompts", "Delete Entries?"), text,
            {QCoreApplication::translate("LoginPrompts", "&Update"),
                QCoreApplication::translate("LoginPrompts", "&Keep My File")},
            1, 1});
    return answer == 0;
}
