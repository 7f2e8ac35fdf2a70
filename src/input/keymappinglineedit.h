#pragma once

#include <QLineEdit>

class SoftKeyboard;

// The input line for foreign text. While its keyboard mapping is on and it
// is bound to a soft keyboard, a key typed on the physical keyboard is
// replaced by the on-screen key at the same place, so a user with a Latin
// keyboard types Hebrew, Farsi, Arabic or Russian letters; keys the layout
// does not map reach the line unchanged. Ctrl or AltGr pressed and released
// alone switches the mapping (Ctrl+V and the other shortcuts leave it).
// Gaining or losing the focus switches the keyboard's physical-key hints on
// or off, and so does switching the mapping while the line has the focus.
class KeyMappingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    KeyMappingLineEdit(bool mapping, SoftKeyboard *keyboard, QWidget *parent = nullptr);

    void setKeyboardMapping(bool on);
    bool keyboardMapping() const { return m_mapping; }
    bool toggleKeyboardMapping();
    SoftKeyboard *keyboard() const { return m_keyboard; }

signals:
    void keyboardMappingChanged(bool on);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool mapping() const { return m_mapping && m_keyboard; }
    static bool isSwitchKey(int key) { return key == Qt::Key_Control || key == Qt::Key_AltGr; }

    bool m_mapping;
    SoftKeyboard *m_keyboard;
    // Ctrl or AltGr while it is down with no other key yet; 0 otherwise
    int m_loneSwitchKey = 0;
};
