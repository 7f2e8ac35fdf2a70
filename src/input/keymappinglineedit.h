#pragma once

#include <QLineEdit>

class SoftKeyboard;

// The input line for foreign text. While its keyboard mapping is on and it
// is bound to a soft keyboard, a key typed on the physical keyboard is
// replaced by the on-screen key at the same place, so a user with a Latin
// keyboard types Hebrew, Farsi or Russian letters; keys the layout does not
// map reach the line unchanged. Gaining or losing the focus switches the
// keyboard's physical-key hints on or off.
class KeyMappingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    KeyMappingLineEdit(bool mapping, SoftKeyboard *keyboard, QWidget *parent = nullptr);

    void setKeyboardMapping(bool on) { m_mapping = on; }
    bool keyboardMapping() const { return m_mapping; }
    bool toggleKeyboardMapping();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool mapping() const { return m_mapping && m_keyboard; }

    bool m_mapping;
    SoftKeyboard *m_keyboard;
};
