#include "authdialog.h"

#include "passwordmemory.h"

#include "exchange/transferprompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString purpose(const LoginRequest &request)
{
    const QString where = request.realm.isEmpty()
        ? request.host.toHtmlEscaped()
        : QStringLiteral("%1 (%2)").arg(request.host.toHtmlEscaped(), request.realm.toHtmlEscaped());
    QString text = request.kind == LoginRequest::Kind::Proxy
        ? AuthDialog::tr("The proxy %1 asks for your user name and password.").arg(where)
        : AuthDialog::tr("The server %1 asks for your user name and password.").arg(where);
    if (request.attempt > 1)
        text += QStringLiteral("<br/><b>%1</b>").arg(AuthDialog::tr("They were not accepted; please try again."));
    return text;
}

} // namespace

AuthDialog::AuthDialog(QWidget *parent, const LoginRequest &request)
    : QDialog(parent)
    , m_userEdit(new QLineEdit(request.user))
    , m_passwordEdit(new QLineEdit)
    , m_rememberBox(new QCheckBox(tr("&Remember in the desktop's password store")))
{
    setWindowTitle(tr("Enter Username & Password"));
    m_userEdit->setObjectName(QStringLiteral("userEdit"));
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_rememberBox->setObjectName(QStringLiteral("rememberBox"));
    m_rememberBox->setVisible(PasswordMemory::secretStoreAvailable());
    auto *purposeLabel = new QLabel(purpose(request));
    purposeLabel->setObjectName(QStringLiteral("purposeLabel"));
    purposeLabel->setTextFormat(Qt::RichText);
    purposeLabel->setWordWrap(true);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Username:")), 0, 0);
    grid->addWidget(m_userEdit, 0, 1);
    grid->addWidget(new QLabel(tr("Password:")), 1, 0);
    grid->addWidget(m_passwordEdit, 1, 1);
    grid->addWidget(m_rememberBox, 2, 1);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(purposeLabel);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    (request.user.isEmpty() ? m_userEdit : m_passwordEdit)->setFocus();
}

QString AuthDialog::user() const
{
    return m_userEdit->text();
}

bool AuthDialog::remember() const
{
    return m_rememberBox->isVisibleTo(this) && m_rememberBox->isChecked();
}

QString AuthDialog::password() const
{
    return m_passwordEdit->text();
}
