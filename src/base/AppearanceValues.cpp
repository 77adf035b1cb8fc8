#include "base/AppearanceValues.h"

#include "base/ColorText.h"
#include "base/FontStyleText.h"

#include <QFontDatabase>
#include <QFontInfo>

QColor AppearanceValues::color(const SettingsKeys::Text &key, const QPalette &palette,
                               const QColor &widgetDefault) const
{
    ColorValue value = 0;
    if (!StringToColor(m_settings.read(key), &value))
        return widgetDefault;
    return toQColor(value, palette, widgetDefault);
}

QFont AppearanceValues::font(const SettingsKeys::Text &name, const SettingsKeys::Integer &size,
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
