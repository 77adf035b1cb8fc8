#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// What the delete window shows before a game folder goes to the trash, worked out without it.
namespace DeleteQuestion {

// The window is never narrower than this, nor wider than the screen allows.
constexpr int NarrowestWidth = 460;

struct ShownPath
{
    int windowWidth = NarrowestWidth;
    QString text;
};
// The path is what the user must recognise, so the window widens to show it on one line
// (`wantedWidth` wide, margins included) as far as the screen allows; screenWidth is negative
// where no screen is known.
ShownPath shownPath(const QString &path, int wantedWidth, int screenWidth);

// Centred across the main window, a little below its top edge.
QPoint placeOver(const QRect &mainWindowFrame, int windowWidth);

} // namespace DeleteQuestion
