#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

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

// Tops of the seven extras labels, one label height plus a pixel apart.
QVector<int> extraTops(int firstTop, int labelHeight, int count);

// The disk: a square a third of the computer's height, in the computer box's bottom right corner.
QRect disk(const QRect &computer);
// The width of the label written on the disk: three quarters of the disk.
int diskLabelWidth(const QRect &disk);
// The label written on the disk, of the given height.
QRect diskLabel(const QRect &disk, int labelHeight);

// The big screen centred on the computer, but never above or left of the view: the computer
// stands at the left edge in most skins, and a screen centred on it would start its lines
// outside the window, where nobody can read them.
QPoint bigScreenAt(const QRect &computer, QSize bigScreen);
// The same when the user opens it, which sets its size to 800 x 600.
QPoint openedBigScreenAt(const QRect &computer);

// The close mark in the big screen picture's top right corner.
QPoint closeMarkAt(const QRect &picture, int markWidth);

// Tops of stacked lines, each a pixel below the one above; the first keeps its top.
QVector<int> lineTops(int firstTop, const QVector<int> &heights);

} // namespace NostalgiaLayout
