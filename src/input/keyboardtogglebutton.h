#pragma once

#include <QToolButton>

class SoftKeyboard;

// Shows or hides an on-screen keyboard, checked while it is shown. The
// choice is remembered, and the keyboard of every page that has such a
// button follows it when the page is shown.
class KeyboardToggleButton : public QToolButton
{
    Q_OBJECT

public:
    explicit KeyboardToggleButton(SoftKeyboard *keyboard, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    SoftKeyboard *m_keyboard;
};
