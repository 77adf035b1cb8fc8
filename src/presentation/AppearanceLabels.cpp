#include "presentation/AppearanceLabels.h"

namespace AppearanceLabels {

const std::array<AppearanceLabel, Count> &all()
{
    using C = AppearanceSettings::Color;
    using F = AppearanceSettings::Font;
    static const std::array<AppearanceLabel, Count> labels{{
        {"lblMainBGColor", "Main List Background", false, C::MainListBackground, F::MainList, false},
        {"lblNameColor", "Name", false, C::Name, F::MainList, false},
        {"lblShadowColor", "Name Shadow", false, C::NameShadow, F::MainList, true},
        {"lblNoteBGColor", "Note Background", false, C::NoteBackground, F::MainList, false},
        {"lblDetailsColor", "Details", false, C::Details, F::MainList, true},
        {"lblDetailsHLColor", "Details Highlight", false, C::DetailsHighlight, F::MainList, true},
        {"lblDetailsTextColor", "Details Text", false, C::DetailsText, F::MainList, false},
        {"lblDetailsBGColor", "Details Background", false, C::DetailsBackground, F::MainList, true},
        {"lblMainListFont", "Main List", true, C::MainListBackground, F::MainList, true},
        {"lblNameFont", "Game Name", true, C::MainListBackground, F::Name, true},
        {"lblNoteColor", "Note", true, C::MainListBackground, F::Note, true},
    }};
    return labels;
}

} // namespace AppearanceLabels
