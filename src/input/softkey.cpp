#include "softkey.h"

#include "softkeyboard.h"

#include "style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

SoftKey::SoftKey(
    SoftKeyboard *keyboard, const QString &label, const QString &text, const QString &physicalKey, QWidget *parent)
    : QPushButton(label, parent)
    , m_keyboard(keyboard)
    , m_text(text)
    , m_physicalKey(physicalKey)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, &SoftKey::sendText);
}

void SoftKey::flash()
{
    setDown(true);
    QTimer::singleShot(100, this, [this] { setDown(false); });
}

void SoftKey::sendText()
{
    QWidget *target = QApplication::focusWidget();
    if (!target || m_text.isEmpty())
        return;
    if (m_text == QLatin1String("\r") || m_text == QLatin1String("\b")) {
        const int key = m_text == QLatin1String("\r") ? Qt::Key_Return : Qt::Key_Backspace;
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        return;
    }
    const bool shifted = m_keyboard->isShifted();
    QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, shifted ? m_text.toUpper() : m_text.toLower());
    QApplication::sendEvent(target, &event);
    if (shifted)
        m_keyboard->unshift();
}

void SoftKey::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_keyboard->keyHintsVisible() || !hintFits())
        return;
    QPainter painter(this);
    painter.setFont(hintFont());
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(hintRect(), Qt::AlignLeft | Qt::AlignTop, m_physicalKey);
}

// Small enough to stay in the corner, above the letter, on the small keys
// of the editor's keyboard too.
QFont SoftKey::hintFont() const
{
    QFont font = Style::keyHintFont();
    font.setPixelSize(qBound(7, height() / 4, 13));
    return font;
}

// On a key too small for both, the letter wins.
bool SoftKey::hintFits() const
{
    return !m_physicalKey.isEmpty() && !hintRect().intersects(labelRect());
}

QRect SoftKey::hintRect() const
{
    const QFontMetrics metrics(hintFont());
    return QRect(3, 2, metrics.horizontalAdvance(m_physicalKey) + 1, metrics.height());
}

QRect SoftKey::labelRect() const
{
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(QPushButton::text()), metrics.ascent());
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}
