#include "keymappinglineedit.h"

#include "softkeyboard.h"

#include <QKeyEvent>

KeyMappingLineEdit::KeyMappingLineEdit(bool mapping, SoftKeyboard *keyboard, QWidget *parent)
    : QLineEdit(parent)
    , m_mapping(mapping)
    , m_keyboard(keyboard)
{ }

void KeyMappingLineEdit::setKeyboardMapping(bool on)
{
    if (on == m_mapping)
        return;
    m_mapping = on;
    if (m_keyboard && hasFocus())
        m_keyboard->setKeyHintsVisible(on);
    emit keyboardMappingChanged(on);
}

bool KeyMappingLineEdit::toggleKeyboardMapping()
{
    setKeyboardMapping(!m_mapping);
    return m_mapping;
}

// A shortcut such as Ctrl+S reaches the line only as its override event,
// never as a key press: it ends a lone Ctrl as well.
bool KeyMappingLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && !isSwitchKey(static_cast<QKeyEvent *>(event)->key()))
        m_loneSwitchKey = 0;
    return QLineEdit::event(event);
}

void KeyMappingLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (mapping())
        m_keyboard->setKeyHintsVisible(true);
}

void KeyMappingLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_loneSwitchKey = 0;
    if (mapping())
        m_keyboard->setKeyHintsVisible(false);
}

void KeyMappingLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isSwitchKey(event->key())) {
        if (!event->isAutoRepeat())
            m_loneSwitchKey = event->key();
    } else {
        m_loneSwitchKey = 0;
    }
    if (mapping() && m_keyboard->pressPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KeyMappingLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == m_loneSwitchKey && !event->isAutoRepeat()) {
        m_loneSwitchKey = 0;
        toggleKeyboardMapping();
        event->accept();
        return;
    }
    if (mapping() && m_keyboard->hasPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

// A click while Ctrl is down is no switch either.
void KeyMappingLineEdit::mousePressEvent(QMouseEvent *event)
{
    m_loneSwitchKey = 0;
    QLineEdit::mousePressEvent(event);
}
