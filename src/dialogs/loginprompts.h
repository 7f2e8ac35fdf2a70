#pragma once

#include "exchange/transferprompts.h"

class QWidget;

// What a transfer asks, asked with dialogs over the transfer dialog: the
// login dialog, and a question before an update deletes much.
class LoginPrompts : public TransferPrompts
{
public:
    explicit LoginPrompts(QWidget *parent)
        : m_parent(parent)
    { }
    bool askLogin(const LoginRequest &request, QString &user, QString &password) override;
    bool confirmDeletions(const QString &file, const MergeReport &report) override;

private:
    QWidget *m_parent;
};
