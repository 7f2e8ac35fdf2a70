#pragma once

#include <QMessageBox>
#include <QList>
#include <QMetaType>
#include <QStringList>

#include <functional>

class QDialog;

// Every message box and modal dialog of the program goes through here, so
// that the texts and buttons stay in one form and tests can answer them
// without a modal loop.
class Prompt
{
public:
    // What a button of a box stands for; None when the box was closed
    // without one.
    enum class Choice { None, Ok, Yes, No, Save, Store, Discard, Cancel, Update, KeepMine, Practise, DontPractise };

    struct Button
    {
        Choice choice;
        QString label;
    };

    struct Request
    {
        QMessageBox::Icon icon = QMessageBox::Question;
        QString title;
        QString text;
        QList<Button> buttons;
        Choice defaultChoice = Choice::None;
        // the choice Escape gives; None closes the box without one
        Choice escapeChoice = Choice::None;
    };
    using Handler = std::function<Choice(const Request &)>;

    // The choice of the button pressed.
    static Choice ask(QWidget *parent, const Request &request);
    // An information box with one "OK" button.
    static void inform(QWidget *parent, const QString &title, const QString &text);
    // The same as a warning.
    static void warn(QWidget *parent, const QString &title, const QString &text);

    // Answers every box from now on instead of showing it; an empty
    // handler shows boxes again.
    static void setHandler(Handler handler);

    using DialogHandler = std::function<int(QDialog *)>;
    // Runs a modal dialog and returns its result: exec(), or what the
    // handler set for tests makes of it.
    static int runDialog(QDialog *dialog);
    static void setDialogHandler(DialogHandler handler);
};

Q_DECLARE_METATYPE(Prompt::Choice)
