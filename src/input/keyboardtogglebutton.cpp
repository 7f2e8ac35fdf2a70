#include "keyboardtogglebutton.h"

#include "softkeyboard.h"

KeyboardToggleButton::KeyboardToggleButton(SoftKeyboard *keyboard, QWidget *parent)
    : QToolButton(parent)
    , m_keyboard(keyboard)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setText(tr("Keyboard"));
    setToolTip(tr("Shows or hides the on-screen keyboard"));
    setChecked(SoftKeyboard::visibleBySetting());
    connect(this, &QToolButton::clicked, keyboard, &SoftKeyboard::setVisibleAndRemember);
    connect(keyboard, &SoftKeyboard::visibilityChosen, this, &QToolButton::setChecked);
}

// Another page may have changed the choice.
void KeyboardToggleButton::showEvent(QShowEvent *event)
{
    QToolButton::showEvent(event);
    m_keyboard->applyVisibilitySetting();
    setChecked(SoftKeyboard::visibleBySetting());
}
