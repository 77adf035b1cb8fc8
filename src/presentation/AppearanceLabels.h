#pragma once

#include "session/Theme.h"

#include <array>

// A label of the "Config" tab that chooses a colour or a font of the theme: its name and
// caption, what it chooses, whether start-up shows that choice on it (the others keep their
// design silver until they are clicked), and whether a colour chosen on it shows on it. The two
// backgrounds' colours are not text colours, so their labels keep the colour they have.
struct AppearanceLabel
{
    const char *objectName;
    const char *caption;
    bool choosesFont;
    Theme::Color color; // what it chooses unless choosesFont
    Theme::Font font;   // what it chooses when choosesFont
    bool shownAtStartUp;
    bool showsChosenColor;
};

namespace AppearanceLabels {

constexpr int Count = Theme::ColorCount + 3;
// The colour labels in the order of Theme::Color, then the font labels.
const std::array<AppearanceLabel, Count> &all();

} // namespace AppearanceLabels
