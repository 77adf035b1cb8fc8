#pragma once

#include "nostalgia/NostalgiaPieces.h"

#include <array>

// How the Nostalgia view shows one of its pictures.
struct NostalgiaPieceLook
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
const std::array<NostalgiaPieceLook, NostalgiaPieceCount> &nostalgiaPieceLooks();
