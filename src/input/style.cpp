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

// The Noto face of the mark's script, where installed, draws the circle
// small and the mark clear of it; others draw a large circle with the mark
// crowded at its edge.
QFont markFont(QChar mark)
{
    const char16_t code = mark.unicode();
    const QString face = code >= 0x0590 && code <= 0x05FF ? QStringLiteral("Noto Sans Hebrew")
        : code >= 0x0600 && code <= 0x06FF                ? QStringLiteral("Noto Sans Arabic")
                                                          : QStringLiteral("Noto Sans");
    QFont font(face);
    font.setFamilies({face, Family});
    return font;
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
