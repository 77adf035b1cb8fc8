#pragma once

#include "base/ColorText.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <optional>

// A colour of the theme as a widget takes it. A system colour means whatever the palette of the
// widget's kind gives it, so only the widget can tell which colour that is; a setting that cannot
// be read, like clDefault, leaves the widget's own default colour.
class ThemeColor
{
  public:
    ThemeColor() = default; // none of its own
    explicit ThemeColor(ColorValue value) : m_value(value) {}

    QColor on(const QPalette &palette, const QColor &widgetDefault) const
    {
        return m_value ? toQColor(*m_value, palette, widgetDefault) : widgetDefault;
    }
    friend bool operator==(const ThemeColor &a, const ThemeColor &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const ThemeColor &a, const ThemeColor &b) { return !(a == b); }

  private:
    std::optional<ColorValue> m_value;
};

// A font of the theme with the colour its text is drawn in.
struct ThemeFont
{
    QFont font;
    ThemeColor color;
};

// The colours and fonts of the windows, as the settings file gives them.
struct Theme
{
    // The colours the Config tab chooses one at a time, each from a label of its own.
    enum class Color { MainListBackground, Name, NameShadow, NoteBackground, Details, DetailsHighlight, DetailsText,
                       DetailsBackground };
    static constexpr int ColorCount = 8;
    // The fonts it chooses with their colours.
    enum class Font { MainList, Name, Note };

    ThemeColor background; // the main window and its main tab
    ThemeFont mainList;
    ThemeColor mainListBackground;
    ThemeFont name; // the game's name on its banner
    ThemeColor nameShadow;
    ThemeFont note; // the game's About text
    ThemeColor noteBackground;
    ThemeColor details;          // the captions of the facts, and a fact under the mouse once it leaves
    ThemeColor detailsHighlight; // a fact under the mouse
    ThemeColor detailsText;      // the values of the facts, the dates, the list's total, the find panel
    ThemeColor detailsBackground;

    // The colour chooser's Name is the name font's colour: both write the same setting.
    const ThemeColor &color(Color which) const;
    const ThemeFont &font(Font which) const;
};
