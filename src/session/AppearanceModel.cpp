#include "session/AppearanceModel.h"

#include "base/ColorText.h"
#include "base/FontStyleText.h"
#include "base/SettingsFile.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

struct FontKeys
{
    const SettingsKeys::Text &name;
    const SettingsKeys::Integer &size;
    const SettingsKeys::Text &color;
    const SettingsKeys::Text &style;
};

const SettingsKeys::Text &keyOf(Theme::Color color)
{
    using namespace SettingsKeys;
    static const SettingsKeys::Text *const keys[Theme::ColorCount] = {
        &lbMainBGColor, &NameFontColor,  &NameShadowColor,  &NoteBGColor,
        &DetailsColor,  &DetailsHLColor, &DetailsTextColor, &DetailsBGColor,
    };
    return *keys[static_cast<int>(color)];
}

FontKeys keysOf(Theme::Font font)
{
    using namespace SettingsKeys;
    switch (font) {
    case Theme::Font::MainList:
        return {lbMainListFontName, lbMainListFontSize, lbMainListFontColor, lbMainListFontStyle};
    case Theme::Font::Name:
        return {NameFontName, NameFontSize, NameFontColor, NameFontStyle};
    case Theme::Font::Note:
        break;
    }
    return {NoteFontName, NoteFontSize, NoteFontColor, NoteFontStyle};
}

ThemeColor readColor(const SettingsFile &settings, const SettingsKeys::Text &key)
{
    ColorValue value = 0;
    return StringToColor(settings.read(key), &value) ? ThemeColor(value) : ThemeColor();
}

ThemeFont readFont(const SettingsFile &settings, Theme::Font which)
{
    const FontKeys keys = keysOf(which);
    QFont font(settings.read(keys.name));
    // A font this system lacks may be matched to anything, a symbol font included; the system's
    // own font reads better then. The stored name is kept, so it comes back where it exists.
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    const int points = settings.read(keys.size);
    if (points > 0)
        font.setPointSize(points);
    applyFontStyle(font, StrtoFontStyle(settings.read(keys.style)));
    return {font, readColor(settings, keys.color)};
}

Theme readTheme(const SettingsFile &settings)
{
    using Color = Theme::Color;
    Theme theme;
    theme.background = readColor(settings, SettingsKeys::BGColor);
    theme.mainList = readFont(settings, Theme::Font::MainList);
    theme.mainListBackground = readColor(settings, keyOf(Color::MainListBackground));
    theme.name = readFont(settings, Theme::Font::Name);
    theme.nameShadow = readColor(settings, keyOf(Color::NameShadow));
    theme.note = readFont(settings, Theme::Font::Note);
    theme.noteBackground = readColor(settings, keyOf(Color::NoteBackground));
    theme.details = readColor(settings, keyOf(Color::Details));
    theme.detailsHighlight = readColor(settings, keyOf(Color::DetailsHighlight));
    theme.detailsText = readColor(settings, keyOf(Color::DetailsText));
    theme.detailsBackground = readColor(settings, keyOf(Color::DetailsBackground));
    return theme;
}

QString stored(const QColor &color)
{
    return ColorToString(fromQColor(color));
}

} // namespace

AppearanceModel::AppearanceModel(SettingsFile &settings, Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_settings(settings), m_dialogs(dialogs)
{
    readIfChanged();
}

const Theme &AppearanceModel::theme() const
{
    readIfChanged();
    return m_theme;
}

void AppearanceModel::readIfChanged() const
{
    // Comparing the bytes costs less than the fonts' look-ups in the system's font list.
    const QByteArray &bytes = m_settings.ini().bytes();
    if (m_read && bytes == m_readFrom)
        return;
    m_theme = readTheme(m_settings);
    m_readFrom = bytes;
    m_read = true;
}

std::optional<QColor> AppearanceModel::chooseColor()
{
    const std::optional<QColor> answer = m_dialogs.chooseColor(m_lastColor);
    if (!answer || !answer->isValid())
        return std::nullopt;
    m_lastColor = *answer;
    return answer;
}

std::optional<FontChoice> AppearanceModel::chooseFont()
{
    const std::optional<FontChoice> answer = m_dialogs.chooseFont(m_lastFont);
    if (answer)
        m_lastFont = *answer;
    return answer;
}

void AppearanceModel::setColor(Theme::Color item, const QColor &color)
{
    m_settings.write(keyOf(item), stored(color));
    changed(false);
}

void AppearanceModel::setBackground(const QColor &color)
{
    m_settings.write(SettingsKeys::BGColor, stored(color));
    changed(false);
}

void AppearanceModel::resetBackground()
{
    // Written as the colour dialog would write it, not as the default's text happens to be.
    const ColorValue value = StringToColorOr(QString::fromUtf8(SettingsKeys::BGColor.defaultValue), 0);
    m_settings.write(SettingsKeys::BGColor, ColorToString(value));
    changed(false);
}

void AppearanceModel::setFont(Theme::Font item, const QFont &font, const QColor &color)
{
    const FontKeys keys = keysOf(item);
    m_settings.write(keys.name, font.family());
    m_settings.write(keys.size, font.pointSize() > 0 ? font.pointSize() : m_settings.read(keys.size));
    m_settings.write(keys.color, stored(color));
    m_settings.write(keys.style, FontStyletoStr(fontStyleOf(font)));
    changed(item == Theme::Font::MainList);
}

void AppearanceModel::changed(bool listFontChosen)
{
    emit themeChanged(theme(), listFontChosen);
}
