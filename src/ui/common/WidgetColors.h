#pragma once

#include <QPalette>

class QBrush;
class QColor;
class QWidget;
class ThemeColor;

// The ways the theme's colours reach a widget. An invalid colour changes nothing, so a setting
// that cannot be read leaves the widget as it was.
namespace WidgetColors {

// Text drawn on the widget's own face: labels, captions, check boxes.
void setTextColor(QWidget *widget, const QColor &color);
// The face behind that text; edit fields and lists inside keep their own base colour.
void setBackground(QWidget *widget, const QColor &color);
// The same with a pattern, such as a gradient.
void setBackgroundBrush(QWidget *widget, const QBrush &brush);
// What lists and text boxes show their entries with, and behind.
void setContentColors(QWidget *widget, const QColor &text, const QColor &base);

// The colour of the theme on this widget, a system colour and the default taken from the palette
// of the widget's kind: the widget's own palette holds whatever an earlier theme gave it.
QColor themed(const ThemeColor &color, const QWidget *widget, QPalette::ColorRole defaultRole);
// A label's text in a colour of the theme: fact labels, highlighted or not.
void setTextColor(QWidget *widget, const ThemeColor &color);

} // namespace WidgetColors
