#pragma once

#include <QMessageBox>
#include <QStringList>

#include <functional>

class QDialog;

// Every message box and modal dialog of the program goes through here, so
// that the texts and buttons stay in one form and tests can answer them
// without a modal loop.
class Prompt
{
public:
    struct Request
    {
        QMessageBox::Icon icon = QMessageBox::Question;
        QString title;
        QString text;
        QStringList buttons;
        int defaultButton = 0;
        int escapeButton = -1; // -1: closing the box gives -1
    };
    using Handler = std::function<int(const Request &)>;

    // Index of the chosen button; -1 when the box was closed without one.
    static int ask(QWidget *parent, const Request &request);
    // An information box with one "OK" button.
    static void inform(QWidget *parent, const QString &title, const QString &text);

    // Answers every box from now on instead of showing it; an empty
    // handler shows boxes again.
    static void setHandler(Handler handler);

    using DialogHandler = std::function<int(QDialog *)>;
    // Runs a modal dialog and returns its result: exec(), or what the
    // handler set for tests makes of it.
    static int runDialog(QDialog *dialog);
    static void setDialogHandler(DialogHandler handler);
};
