#pragma once

#include <QImage>

// The mascot of the game on the "Config" tab at twice its design size, so that it stays sharp on
// screens of more than one pixel per point. Drawn rather than shipped as a file, so the mascot
// cannot go missing beside the program: a floppy disk with a face, the medium the oldest games of
// a collection came on.
QImage mascotPicture();
