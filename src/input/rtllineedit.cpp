#include "rtllineedit.h"

#include "softkeyboard.h"

#include <QKeyEvent>

RTLLineEdit::RTLLineEdit(bool mapping, SoftKeyboard *keyboard, QWidget *parent)
    : QLineEdit(parent)
    , m_mapping(mapping)
    , m_keyboard(keyboard)
{
    connect(this, &QLineEdit::textChanged, this, &RTLLineEdit::adjustDirection);
}

bool RTLLineEdit::toggleKeyboardMapping()
{
    m_mapping = !m_mapping;
    return m_mapping;
}

void RTLLineEdit::adjustDirection(const QString &text)
{
    Q_UNUSED(text);
}

void RTLLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (mapping())
        m_keyboard->setKeyHintsVisible(true);
}

void RTLLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (mapping())
        m_keyboard->setKeyHintsVisible(false);
}

void RTLLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (mapping() && m_keyboard->pressPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void RTLLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (mapping() && m_keyboard->hasPhysicalKey(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}
