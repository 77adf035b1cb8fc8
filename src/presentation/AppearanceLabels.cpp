#include "presentation/AppearanceLabels.h"

namespace AppearanceLabels {

const std::array<AppearanceLabel, Count> &all()
{
    using C = Theme::Color;
    using F = Theme::Font;
    static const std::array<AppearanceLabel, Count> labels{{
        {"lblMainBGColor", "Main List Background", false, C::MainListBackground, F::MainList, false, false},
        {"lblNameColor", "Name", false, C::Name, F::MainList, false, true},
        {"lblShadowColor", "Name Shadow", false, C::NameShadow, F::MainList, true, true},
        {"lblNoteBGColor", "Note Background", false, C::NoteBackground, F::MainList, false, false},
        {"lblDetailsColor", "Details", false, C::Details, F::MainList, true, true},
        {"lblDetailsHLColor", "Details Highlight", false, C::DetailsHighlight, F::MainList, true, true},
        {"lblDetailsTextColor", "Details Text", false, C::DetailsText, F::MainList, false, true},
        {"lblDetailsBGColor", "Details Background", false, C::DetailsBackground, F::MainList, true, true},
        {"lblMainListFont", "Main List", true, C::MainListBackground, F::MainList, true, true},
        {"lblNameFont", "Game Name", true, C::MainListBackground, F::Name, true, true},
        {"lblNoteColor", "Note", true, C::MainListBackground, F::Note, true, true},
    }};
    return labels;
}

} // namespace AppearanceLabels
