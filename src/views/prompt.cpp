#include "prompt.h"

#include <QDialog>
#include <QPushButton>

namespace {

Prompt::Handler &handler()
{
    static Prompt::Handler h;
    return h;
}

Prompt::DialogHandler &dialogHandler()
{
    static Prompt::DialogHandler h;
    return h;
}

} // namespace

int Prompt::runDialog(QDialog *dialog)
{
    return dialogHandler() ? dialogHandler()(dialog) : dialog->exec();
}

void Prompt::setDialogHandler(DialogHandler h)
{
    dialogHandler() = std::move(h);
}

int Prompt::ask(QWidget *parent, const Request &request)
{
    if (handler())
        return handler()(request);
    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, parent);
    QList<QPushButton *> buttons;
    for (const QString &label : request.buttons)
        buttons.append(box.addButton(label, QMessageBox::ActionRole));
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(buttons[request.defaultButton]);
    if (request.escapeButton >= 0 && request.escapeButton < buttons.size())
        box.setEscapeButton(buttons[request.escapeButton]);
    box.exec();
    return int(buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
}

void Prompt::inform(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, Request{QMessageBox::Information, title, text, {QMessageBox::tr("OK")}, 0, 0});
}

void Prompt::setHandler(Handler h)
{
    handler() = std::move(h);
}
