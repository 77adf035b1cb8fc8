#pragma once

// The pictures the Nostalgia view is made of, back to front: each is drawn over those before it.
// The title lies in front of the screen, so that of the two the title is seen first.
enum class NostalgiaPiece { Background, Computer, Screen, Title, OpenBox, Back, Front, Manual, Disk };

inline constexpr int NostalgiaPieceCount = 9;
