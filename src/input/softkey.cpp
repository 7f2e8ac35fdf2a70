#include "softkey.h"

#include "softkeyboard.h"

#include "style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QTimer>

SoftKey::SoftKey(
    SoftKeyboard *keyboard, const QString &label, const QString &text, const QString &physicalKey, QWidget *parent)
    : QPushButton(label, parent)
    , m_keyboard(keyboard)
    , m_label(label)
    , m_text(text)
    , m_physicalKey(physicalKey)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, &SoftKey::sendText);
}

void SoftKey::setShiftLayer(const QString &label, const QString &text)
{
    m_shiftedLabel = label;
    m_shiftedText = text;
}

void SoftKey::showLayer(bool shifted)
{
    setText(shifted && !m_shiftedText.isEmpty() ? m_shiftedLabel : m_label);
}

void SoftKey::flash()
{
    setDown(true);
    QTimer::singleShot(100, this, [this] { setDown(false); });
}

void SoftKey::sendText()
{
    // the shift key itself sends nothing
    if (m_text.isEmpty())
        return;
    const bool shifted = m_keyboard->isShifted();
    send(shifted);
    if (shifted)
        m_keyboard->unshift();
}

void SoftKey::send(bool shifted)
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
    QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, shifted && !m_shiftedText.isEmpty() ? m_shiftedText : m_text);
    QApplication::sendEvent(target, &event);
}

void SoftKey::paintEvent(QPaintEvent *event)
{
    if (!showsMark())
        QPushButton::paintEvent(event);
    QPainter painter(this);
    if (showsMark()) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(markOutline(), palette().color(QPalette::ButtonText));
    }
    painter.setFont(hintFont());
    // the shift layer's character, unless it is only the capital on the caption
    if (!m_keyboard->isShifted() && m_shiftedLabel != m_label && !m_shiftedLabel.isEmpty()
        && !shiftedLabelRect().intersects(labelRect())) {
        painter.setPen(Style::greyColor());
        painter.drawText(shiftedLabelRect(), Qt::AlignRight | Qt::AlignTop, m_shiftedLabel);
    }
    if (!m_keyboard->keyHintsVisible() || !hintFits())
        return;
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

QRect SoftKey::shiftedLabelRect() const
{
    const QFontMetrics metrics(hintFont());
    const int width = metrics.horizontalAdvance(m_shiftedLabel) + 1;
    return QRect(this->width() - width - 3, 2, width, metrics.height());
}

bool SoftKey::showsMark() const
{
    const QString caption = QPushButton::text();
    return !caption.isEmpty() && caption.back().category() == QChar::Mark_NonSpacing;
}

// A point drawn at the letters' size would be a speck: the dotted circle
// with its point, as outlines, fills most of the key's height instead.
QPainterPath SoftKey::markOutline() const
{
    QFont font = Style::markFont(QPushButton::text().back());
    font.setPixelSize(100);
    QPainterPath outline;
    outline.addText(0, 0, font, QPushButton::text());
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty())
        return outline;
    const double scale = 0.7 * qMin(height() / ink.height(), width() / ink.width());
    QTransform fit;
    fit.translate(width() / 2.0, height() / 2.0);
    fit.scale(scale, scale);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(outline);
}

// The ink of the caption where it is drawn: centred on its line for
// letters, whose own shapes may leave room for a hint above a low one;
// centred on the key for a mark.
QRect SoftKey::labelRect() const
{
    if (showsMark())
        return markOutline().boundingRect().toAlignedRect();
    const QFontMetrics metrics(font());
    const QString caption = QPushButton::text();
    const QRect ink = metrics.tightBoundingRect(caption);
    const int left = (width() - metrics.horizontalAdvance(caption)) / 2;
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    return ink.translated(left, baseline);
}
