#include "loginprompts.h"

#include "authdialog.h"

#include "views/prompt.h"

bool LoginPrompts::askLogin(const QString &site, QString &user, QString &password)
{
    AuthDialog dialog(m_parent);
    dialog.setWindowTitle(dialog.windowTitle() + QStringLiteral(" - ") + site);
    if (Prompt::runDialog(&dialog) != QDialog::Accepted)
        return false;
    user = dialog.user();
    password = dialog.password();
    return true;
}
