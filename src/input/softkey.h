#pragma once

#include <QPainterPath>
#include <QPushButton>

class SoftKeyboard;

// One key of the on-screen keyboard. Clicking it sends its text to whichever
// widget has the keyboard focus, as a key press; the key itself never takes
// the focus. A key may have a second character on the keyboard's shift
// layer (a capital, a vowel mark, a rarer letter), shown small in its corner
// and as its caption while the keyboard is shifted. It remembers the key of
// the physical keyboard at the same place and shows that key's label in its
// other corner while the keyboard asks for hints.
class SoftKey : public QPushButton
{
    Q_OBJECT

public:
    SoftKey(
        SoftKeyboard *keyboard, const QString &label, const QString &text, const QString &physicalKey, QWidget *parent);

    QString text() const { return m_text; }
    QString shiftedText() const { return m_shiftedText; }
    QString physicalKey() const { return m_physicalKey; }
    void setShiftLayer(const QString &label, const QString &text);
    // Shows the caption of the layer the keyboard is on.
    void showLayer(bool shifted);
    // Shows the key pressed for a moment, as a click would.
    void flash();
    // Sends the text of one layer; the base layer's when the shift layer is empty.
    void send(bool shifted);
    // Where the physical key's label is drawn, and where the key's own; the
    // hint is drawn only where it leaves the key's label clear.
    QRect hintRect() const;
    QRect labelRect() const;
    bool hintFits() const;

public slots:
    // Sends the text of the layer the keyboard is on, and unshifts it.
    void sendText();

protected:
    void paintEvent(QPaintEvent *event) override;
    SoftKeyboard *keyboard() const { return m_keyboard; }

private:
    QFont hintFont() const;
    bool showsMark() const;
    QPainterPath markOutline() const;
    QRect shiftedLabelRect() const;

    SoftKeyboard *m_keyboard;
    QString m_label;
    QString m_text;
    QString m_shiftedLabel;
    QString m_shiftedText;
    QString m_physicalKey;
};
