#include "session/Theme.h"

const ThemeColor &Theme::color(Color which) const
{
    switch (which) {
    case Color::MainListBackground: return mainListBackground;
    case Color::Name: return name.color;
    case Color::NameShadow: return nameShadow;
    case Color::NoteBackground: return noteBackground;
    case Color::Details: return details;
    case Color::DetailsHighlight: return detailsHighlight;
    case Color::DetailsText: return detailsText;
    case Color::DetailsBackground: break;
    }
    return detailsBackground;
}

const ThemeFont &Theme::font(Font which) const
{
    switch (which) {
    case Font::MainList: return mainList;
    case Font::Name: return name;
    case Font::Note: break;
    }
    return note;
}
