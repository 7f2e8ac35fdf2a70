#include "keymappinglineedit.h"

#include "softkeyboard.h"

#include <QKeyEvent>

KeyMappingLineEdit::KeyMappingLineEdit(bool mapping, SoftKeyboard *keyboard, QWidget *parent)
    : QLineEdit(parent)
    , m_mapping(mapping)
    , m_keyboard(keyboard)
{ }

bool KeyMappingLineEdit::toggleKeyboardMapping()
{
    m_mapping = !m_mapping;
    return m_mapping;
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
    if (mapping())
        m_keyboard->setKeyHintsVisible(false);
}

void KeyMappingLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (mapping() && m_keyboard->pressPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KeyMappingLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (mapping() && m_keyboard->hasPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}
