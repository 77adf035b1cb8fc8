#include "ui/common/WidgetColors.h"

#include "session/Theme.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace WidgetColors {

void setTextColor(QWidget *widget, const QColor &color)
{
    if (!color.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &color)
{
    if (color.isValid())
        setBackgroundBrush(widget, QBrush(color));
}

void setBackgroundBrush(QWidget *widget, const QBrush &brush)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, brush);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->update();
}

void setContentColors(QWidget *widget, const QColor &text, const QColor &base)
{
    QPalette palette = widget->palette();
    if (text.isValid())
        palette.setColor(QPalette::Text, text);
    if (base.isValid())
        palette.setColor(QPalette::Base, base);
    widget->setPalette(palette);
}

QColor themed(const ThemeColor &color, const QWidget *widget, QPalette::ColorRole defaultRole)
{
    const QPalette palette = QApplication::palette(widget);
    return color.on(palette, palette.color(defaultRole));
}

void setTextColor(QWidget *widget, const ThemeColor &color)
{
    setTextColor(widget, themed(color, widget, QPalette::WindowText));
}

} // namespace WidgetColors
