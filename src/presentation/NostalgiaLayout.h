#pragma once

#include "nostalgia/NostalgiaPieces.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

#include <functional>

struct NostalgiaSkinValues;

// The arithmetic of the Nostalgia view's layout: sizes in, places out. The skin gives the seven
// boxes; everything else is placed relative to them and to the window.
namespace NostalgiaLayout {

// Gap between two platform labels of the row, and the offset of a label's shadow.
constexpr int PlatformGap = 20;
constexpr int ShadowOffset = 2;
constexpr int BigScreenWidth = 800;
constexpr int BigScreenHeight = 600;

// The game list at the right edge of the window.
QRect list(int windowWidth, int clientHeight, int listWidth);

// The platform row's top left: bottom left of the view, kept there when the window grows.
QPoint platformRowAt(int viewHeight);
// Lefts of the platform labels from the first one's left and every label's width.
QVector<int> platformLefts(int firstLeft, const QVector<int> &widths);
// The platform labels' top lefts, in a row from the row's top left.
QVector<QPoint> platformPlaces(QPoint rowAt, const QVector<int> &widths);
// Where a label's shadow goes: down and right of it.
inline QPoint shadowOf(QPoint label) { return label + QPoint(ShadowOffset, ShadowOffset); }

// Tops of the seven extras labels, one label height plus a pixel apart.
QVector<int> extraTops(int firstTop, int labelHeight, int count);

// Where a piece of the view stands in a view of the given rectangle: the skin's box for it, the
// whole view for the background; the disk sits in the computer as it was placed.
QRect pieceBox(const NostalgiaSkinValues &skin, NostalgiaPiece piece, const QRect &view,
               const QRect &placedComputer);

// The disk: a square a third of the computer's height, in the computer box's bottom right corner.
QRect disk(const QRect &computer);
// The width of the label written on the disk: three quarters of the disk.
int diskLabelWidth(const QRect &disk);
// The label written on the disk, of the given height.
QRect diskLabel(const QRect &disk, int labelHeight);
// The room the disk label's text has: the label's width, from the disk's middle to a little
// above its bottom.
QSize diskLabelRoom(const QRect &disk);
// The smallest size lettering on the disk may shrink to and still be read.
constexpr int SmallestDiskFontSize = 6;
// The largest font size, from `wanted` down, at which `measure` (the size the wrapped text takes
// at a font size) fits into `room`; the smallest readable one when none does.
int fittedFontSize(int wanted, QSize room, const std::function<QSize(int fontSize)> &measure);

// The big screen centred on the computer, but never above or left of the view: the computer
// stands at the left edge in most skins, and a screen centred on it would start its lines
// outside the window, where nobody can read them.
QPoint bigScreenAt(const QRect &computer, QSize bigScreen);
// The same when the user opens it, which sets its size to 800 x 600.
QPoint openedBigScreenAt(const QRect &computer);

// A picture of the given size as large as it fits into the box with its proportions kept,
// centred in the box (which stands at the origin).
QRect fitted(const QSize &picture, const QSize &box);

// The close mark in the big screen picture's top right corner.
QPoint closeMarkAt(const QRect &picture, int markWidth);

// Tops of stacked lines, each a pixel below the one above; the first keeps its top.
QVector<int> lineTops(int firstTop, const QVector<int> &heights);

// The screen area of a monitor drawn in an 800 x 600 frame starts about here; the text begins
// a little inside it, as a real prompt does.
inline constexpr QPoint BigScreenTextAt(110, 90);

// Where the big screen's text goes below "Starting MS-DOS..." (of the given height at
// BigScreenTextAt): the fact lines from two lines under it, stacked; the prompt two lines under
// the last fact; the cursor right after the prompt.
struct BigScreenText
{
    QVector<QPoint> lines;
    QPoint prompt;
    QPoint cursor;
};
BigScreenText bigScreenText(int startingHeight, const QVector<int> &lineHeights, int promptWidth);

} // namespace NostalgiaLayout
