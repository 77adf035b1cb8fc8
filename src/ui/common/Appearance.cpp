#include "ui/common/Appearance.h"

#include "ui/common/WidgetColors.h"

#include <QApplication>
#include <QWidget>

QColor Appearance::color(const SettingsKeys::Text &key, const QWidget *widget, QPalette::ColorRole defaultRole) const
{
    // The palette the widget's kind has before any setting touched it: the widget's own one
    // holds whatever colour an earlier setting gave it.
    const QPalette palette = QApplication::palette(widget);
    return AppearanceValues::color(key, palette, palette.color(defaultRole));
}

void Appearance::colorLabel(QWidget *label, const SettingsKeys::Text &key) const
{
    WidgetColors::setTextColor(label, color(key, label, QPalette::WindowText));
}
