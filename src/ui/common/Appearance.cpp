#include "ui/common/Appearance.h"

#include "app/ColorText.h"
#include "app/FontStyleText.h"
#include "ui/common/WidgetColors.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

QColor Appearance::color(const SettingsKeys::Text &key, const QWidget *widget, QPalette::ColorRole defaultRole) const
{
    // The palette the widget's kind has before any setting touched it: the widget's own one
    // holds whatever colour an earlier setting gave it.
    const QPalette palette = QApplication::palette(widget);
    const QColor widgetDefault = palette.color(defaultRole);
    ColorValue value = 0;
    if (!StringToColor(m_settings.read(key), &value))
        return widgetDefault;
    return toQColor(value, palette, widgetDefault);
}

QFont Appearance::font(const SettingsKeys::Text &name, const SettingsKeys::Integer &size,
                       const SettingsKeys::Text &style) const
{
    QFont font(m_settings.read(name));
    // A font this system lacks may be matched to anything, a symbol font included; the system's
    // own font reads better then. The stored name is kept, so it comes back where it exists.
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    const int points = m_settings.read(size);
    if (points > 0)
        font.setPointSize(points);
    applyFontStyle(font, StrtoFontStyle(m_settings.read(style)));
    return font;
}

void Appearance::colorLabel(QWidget *label, const SettingsKeys::Text &key) const
{
    WidgetColors::setTextColor(label, color(key, label, QPalette::WindowText));
}
