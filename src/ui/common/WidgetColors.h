#pragma once

class QBrush;
class QColor;
class QWidget;

// The three ways the window's colour settings reach a widget. An invalid colour changes nothing,
// so a setting that cannot be read leaves the widget as it was.
namespace WidgetColors {

// Text drawn on the widget's own face: labels, captions, check boxes.
void setTextColor(QWidget *widget, const QColor &color);
// The face behind that text; edit fields and lists inside keep their own base colour.
void setBackground(QWidget *widget, const QColor &color);
// The same with a pattern, such as a gradient.
void setBackgroundBrush(QWidget *widget, const QBrush &brush);
// What lists and text boxes show their entries with, and behind.
void setContentColors(QWidget *widget, const QColor &text, const QColor &base);

} // namespace WidgetColors
