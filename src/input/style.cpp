#include "style.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace Style {

namespace {
const QString Family = QStringLiteral("Helvetica");
}

QFont pageFont()
{
    return QFont(Family, 20);
}

QFont tableFont()
{
    return QFont(Family, 18);
}

QFont comboFont()
{
    return QFont(Family, 16);
}

QFont smallFont()
{
    return QFont(Family, 14);
}

QFont keyHintFont()
{
    return QFont(Family, 10);
}

QColor foundColor()
{
    return QColor(0, 160, 32);
}

QColor notFoundColor()
{
    return QColor(224, 64, 64);
}

QColor greyColor()
{
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

QColor textColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, QPalette::Text, color);
    widget->setPalette(palette);
}

} // namespace Style
