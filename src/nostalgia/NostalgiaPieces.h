#pragma once

#include <array>

// The pictures the Nostalgia view is made of, back to front: each is drawn over those before it.
// The title lies in front of the screen, so that of the two the title is seen first.
enum class NostalgiaPiece { Background, Computer, Screen, Title, OpenBox, Back, Front, Manual, Disk };

inline constexpr int NostalgiaPieceCount = 9;

struct NostalgiaPieceInfo
{
    NostalgiaPiece piece;
    const char *name; // the object name of the picture
    // Fitted into its box with its proportions kept; otherwise stretched over the box.
    bool fitted;
    // A hand cursor over it: a click on it does something whatever the game.
    bool pointing;
    const char *toolTip;
};

// Every piece, back to front.
const std::array<NostalgiaPieceInfo, NostalgiaPieceCount> &nostalgiaPieces();
