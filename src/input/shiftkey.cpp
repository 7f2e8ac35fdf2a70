#include "shiftkey.h"

#include "softkeyboard.h"

#include <QPainter>

ShiftKey::ShiftKey(SoftKeyboard *keyboard, QWidget *parent)
    : SoftKey(keyboard, QStringLiteral("SH"), QString(), QString(), parent)
{
    setCheckable(true);
    setAccessibleName(tr("Shift"));
    connect(this, &QAbstractButton::toggled, keyboard, &SoftKeyboard::setShifted);
    connect(keyboard, &SoftKeyboard::shiftStateChanged, this, &ShiftKey::updateState);
}

void ShiftKey::updateState()
{
    setChecked(keyboard()->isShifted());
}

void ShiftKey::paintEvent(QPaintEvent *event)
{
    SoftKey::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? QColor(255, 255, 0) : QColor(160, 160, 96));
    const int lamp = qMax(6, height() / 5);
    painter.drawEllipse(QRect(lamp / 3, lamp / 3, lamp, lamp));
}
