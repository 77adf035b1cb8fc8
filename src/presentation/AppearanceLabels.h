#pragma once

#include "session/AppearanceSettings.h"

#include <array>

// A label of the "Config" tab that chooses a colour or a font: its name and caption, what it
// chooses, and whether start-up shows that setting on it; the others keep their design silver
// until they are clicked.
struct AppearanceLabel
{
    const char *objectName;
    const char *caption;
    bool choosesFont;
    AppearanceSettings::Color color; // what it chooses unless choosesFont
    AppearanceSettings::Font font;   // what it chooses when choosesFont
    bool shownAtStartUp;
};

namespace AppearanceLabels {

constexpr int Count = AppearanceSettings::ColorCount + 3;
// The colour labels in the order of AppearanceSettings::Color, then the font labels.
const std::array<AppearanceLabel, Count> &all();

} // namespace AppearanceLabels
