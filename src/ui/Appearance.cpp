#include "ui/Appearance.h"

#include "app/ColorText.h"
#include "app/FontStyleText.h"
#include "ui/WidgetColors.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

QColor Appearance::color(const SettingsKeys::Text &key, const QWidget *widget, QPalette::ColorRole defaultRole) const
{
    const ColorValue fallback = StringToColorOr(QString::fromUtf8(key.defaultValue), 0);
    return toQColor(StringToColorOr(m_settings.read(key), fallback), widget->palette(),
                    widget->palette().color(defaultRole));
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
