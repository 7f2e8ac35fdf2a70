#pragma once

#include "model/dictionary.h"
#include "files/dictionarylist.h"
#include "views/prompt.h"

#include "testfiles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QList>

// A named child of a widget or dialog, as the tests find the parts they press.
template <typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}
template <typename T> T *child(const QObject &parent, const char *name)
{
    return child<T>(&parent, name);
}

// Sends one key press per character, carrying the character as its text:
// QTest::keyClicks cannot type letters outside Latin-1.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// A key press as a physical keyboard sends it: key code and text.
inline void pressKey(
    QWidget *widget, int key, const QString &text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// Answers message boxes from a script of choices and records them.
class PromptScript
{
public:
    PromptScript()
    {
        Prompt::setHandler([this](const Prompt::Request &request) {
            asked.append(request);
            return answers.isEmpty() ? Prompt::Choice::None : answers.takeFirst();
        });
    }
    ~PromptScript() { Prompt::setHandler({}); }
    PromptScript(const PromptScript &) = delete;
    PromptScript &operator=(const PromptScript &) = delete;

    QStringList titles() const
    {
        QStringList out;
        for (const Prompt::Request &r : asked)
            out.append(r.title);
        return out;
    }

    QList<Prompt::Choice> answers;
    QList<Prompt::Request> asked;
};
