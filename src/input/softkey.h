#pragma once

#include <QPushButton>

class SoftKeyboard;

// One key of the on-screen keyboard. Clicking it sends its text to whichever
// widget has the keyboard focus, as a key press; the key itself never takes
// the focus. It remembers the key of the physical keyboard at the same place
// and shows that key's label in its corner while the keyboard asks for hints.
class SoftKey : public QPushButton
{
    Q_OBJECT

public:
    SoftKey(
        SoftKeyboard *keyboard, const QString &label, const QString &text, const QString &physicalKey, QWidget *parent);

    QString text() const { return m_text; }
    QString physicalKey() const { return m_physicalKey; }
    // Shows the key pressed for a moment, as a click would.
    void flash();
    // Where the physical key's label is drawn, and where the key's own; the
    // hint is drawn only where it leaves the key's label clear.
    QRect hintRect() const;
    QRect labelRect() const;
    bool hintFits() const;

public slots:
    void sendText();

protected:
    void paintEvent(QPaintEvent *event) override;
    SoftKeyboard *keyboard() const { return m_keyboard; }

private:
    QFont hintFont() const;

    SoftKeyboard *m_keyboard;
    QString m_text;
    QString m_physicalKey;
};
