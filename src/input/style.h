#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The looks the pages share: their fonts, and the colours that tell a found
// or right answer (green) from none or a wrong one (red), and a generated or
// missing text (grey).
namespace Style {

QFont pageFont();
QFont tableFont();
QFont comboFont();
QFont smallFont();
QFont keyHintFont();
// A point or vowel mark shown alone on a dotted circle; any size.
QFont markFont(QChar mark);

QColor foundColor();
QColor notFoundColor();
QColor greyColor();
QColor textColor();

// Colours the text of an input line or text field.
void setTextColor(QWidget *widget, const QColor &color);

} // namespace Style
