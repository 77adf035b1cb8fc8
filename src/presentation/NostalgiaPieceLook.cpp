#include "presentation/NostalgiaPieceLook.h"

const std::array<NostalgiaPieceLook, NostalgiaPieceCount> &nostalgiaPieceLooks()
{
    using P = NostalgiaPiece;
    // The background and the screens fill their boxes, as the skins are drawn for; the computer,
    // the box and the manual keep their shape.
    static const std::array<NostalgiaPieceLook, NostalgiaPieceCount> pieces{{
        {P::Background, "imgNostalgiaBG", false, false, ""},
        {P::Computer, "imgNostalgiaComp", true, true, ""},
        {P::Screen, "imgNostalgiaScreen", false, false, ""},
        {P::Title, "imgNostalgiaTitle", false, false, ""},
        {P::OpenBox, "imgNostalgiaOpenBox", true, false, ""},
        {P::Back, "imgNostalgiaBack", true, true, "flip the box"},
        {P::Front, "imgNostalgiaFront", true, true, "flip the box"},
        {P::Manual, "imgNostalgiaManual", true, true, ""},
        {P::Disk, "imgNostalgiaDisk", true, false, ""},
    }};
    return pieces;
}
