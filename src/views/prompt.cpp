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

Prompt::Choice Prompt::ask(QWidget *parent, const Request &request)
{
    if (handler())
        return handler()(request);
    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, parent);
    QList<QPushButton *> buttons;
    for (const Button &button : request.buttons) {
        buttons.append(box.addButton(button.label, QMessageBox::ActionRole));
        if (button.choice == request.defaultChoice)
            box.setDefaultButton(buttons.last());
        if (button.choice == request.escapeChoice)
            box.setEscapeButton(buttons.last());
    }
    box.exec();
    const qsizetype pressed = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return pressed < 0 ? Choice::None : request.buttons[pressed].choice;
}

void Prompt::inform(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent,
        Request{QMessageBox::Information, title, text, {{Choice::Ok, QMessageBox::tr("OK")}}, Choice::Ok, Choice::Ok});
}

void Prompt::warn(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent,
        Request{QMessageBox::Warning, title, text, {{Choice::Ok, QMessageBox::tr("OK")}}, Choice::Ok, Choice::Ok});
}

void Prompt::setHandler(Handler h)
{
    handler() = std::move(h);
}
