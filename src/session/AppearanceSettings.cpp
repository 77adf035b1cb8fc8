#include "session/AppearanceSettings.h"

#include "base/ColorText.h"
#include "base/FontStyleText.h"

namespace {

struct ColorItem
{
    const SettingsKeys::Text &key;
    bool labelShowsColor;
};

const ColorItem &itemOf(AppearanceSettings::Color color)
{
    using namespace SettingsKeys;
    static const ColorItem items[AppearanceSettings::ColorCount] = {
        {lbMainBGColor, false}, {NameFontColor, true},  {NameShadowColor, true},  {NoteBGColor, false},
        {DetailsColor, true},   {DetailsHLColor, true}, {DetailsTextColor, true}, {DetailsBGColor, true},
    };
    return items[static_cast<int>(color)];
}

QString stored(const QColor &color)
{
    return ColorToString(fromQColor(color));
}

} // namespace

AppearanceSettings::AppearanceSettings(SettingsFile &settings, QObject *parent) : QObject(parent), m_settings(settings)
{
}

const SettingsKeys::Text &AppearanceSettings::keyOf(Color color)
{
    return itemOf(color).key;
}

bool AppearanceSettings::labelShowsColor(Color color)
{
    return itemOf(color).labelShowsColor;
}

AppearanceSettings::FontKeys AppearanceSettings::keysOf(Font font)
{
    using namespace SettingsKeys;
    switch (font) {
    case Font::MainList:
        return {lbMainListFontName, lbMainListFontSize, lbMainListFontColor, lbMainListFontStyle};
    case Font::Name:
        return {NameFontName, NameFontSize, NameFontColor, NameFontStyle};
    case Font::Note:
        break;
    }
    return {NoteFontName, NoteFontSize, NoteFontColor, NoteFontStyle};
}

void AppearanceSettings::setColor(Color item, const QColor &color)
{
    m_settings.write(keyOf(item), stored(color));
    emit changed(false);
}

void AppearanceSettings::setBackground(const QColor &color)
{
    m_settings.write(SettingsKeys::BGColor, stored(color));
    emit changed(false);
}

void AppearanceSettings::resetBackground()
{
    // Written as the colour dialog would write it, not as the default's text happens to be.
    const ColorValue value = StringToColorOr(QString::fromUtf8(SettingsKeys::BGColor.defaultValue), 0);
    m_settings.write(SettingsKeys::BGColor, ColorToString(value));
    emit changed(false);
}

void AppearanceSettings::setFont(Font item, const QFont &font, const QColor &color)
{
    const FontKeys keys = keysOf(item);
    m_settings.write(keys.name, font.family());
    m_settings.write(keys.size, font.pointSize() > 0 ? font.pointSize() : m_settings.read(keys.size));
    m_settings.write(keys.color, stored(color));
    m_settings.write(keys.style, FontStyletoStr(fontStyleOf(font)));
    emit changed(item == Font::MainList);
}
