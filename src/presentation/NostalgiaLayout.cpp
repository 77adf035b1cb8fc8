#include "presentation/NostalgiaLayout.h"

#include "nostalgia/NostalgiaSkin.h"

namespace NostalgiaLayout {

QRect list(int windowWidth, int clientHeight, int listWidth)
{
    // Taller than the client area, so that the list's last line never shows a half-empty gap.
    return QRect(windowWidth - listWidth - 4, 4, listWidth, clientHeight + 6);
}

QPoint platformRowAt(int viewHeight)
{
    return QPoint(10, viewHeight - 34);
}

QVector<int> platformLefts(int firstLeft, const QVector<int> &widths)
{
    QVector<int> lefts;
    lefts.reserve(widths.size());
    int left = firstLeft;
    for (int i = 0; i < widths.size(); ++i) {
        if (i > 0)
            left += widths.at(i - 1) + PlatformGap;
        lefts.append(left);
    }
    return lefts;
}

QVector<QPoint> platformPlaces(QPoint rowAt, const QVector<int> &widths)
{
    QVector<QPoint> places;
    places.reserve(widths.size());
    for (const int left : platformLefts(rowAt.x(), widths))
        places.append(QPoint(left, rowAt.y()));
    return places;
}

QVector<int> extraTops(int firstTop, int labelHeight, int count)
{
    QVector<int> tops;
    tops.reserve(count);
    for (int i = 0; i < count; ++i)
        tops.append(firstTop + i * (labelHeight + 1));
    return tops;
}

QRect disk(const QRect &computer)
{
    const int side = computer.height() / 3;
    return QRect(computer.x() + computer.width() - side, computer.y() + computer.height() - side, side, side);
}

int diskLabelWidth(const QRect &disk)
{
    return disk.width() - disk.width() / 4;
}

QRect diskLabel(const QRect &disk, int labelHeight)
{
    const int width = diskLabelWidth(disk);
    const int top = disk.y() + disk.height() / 2;
    const int left = disk.x() + disk.width() / 2 - width / 2 - 8;
    return QRect(left, top, width, labelHeight);
}

QSize diskLabelRoom(const QRect &disk)
{
    // Above the disk's own edge, which the skins draw below its sticker.
    return QSize(diskLabelWidth(disk), disk.height() - disk.height() / 2 - disk.height() / 16);
}

int fittedFontSize(int wanted, QSize room, const std::function<QSize(int fontSize)> &measure)
{
    const int smallest = qMin(wanted, SmallestDiskFontSize);
    for (int size = wanted; size > smallest; --size) {
        const QSize text = measure(size);
        if (text.width() <= room.width() && text.height() <= room.height())
            return size;
    }
    return smallest;
}

QPoint bigScreenAt(const QRect &computer, QSize bigScreen)
{
    const int top = computer.y() + computer.height() / 2 - bigScreen.height() / 2;
    const int left = computer.x() + computer.width() / 2 - bigScreen.width() / 2;
    return QPoint(qMax(0, left), qMax(0, top));
}

QPoint openedBigScreenAt(const QRect &computer)
{
    return bigScreenAt(computer, QSize(BigScreenWidth, BigScreenHeight));
}

QRect fitted(const QSize &picture, const QSize &box)
{
    const QSize size = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2), size);
}

QPoint closeMarkAt(const QRect &picture, int markWidth)
{
    return QPoint(picture.x() + picture.width() - markWidth, picture.y());
}

QVector<int> lineTops(int firstTop, const QVector<int> &heights)
{
    QVector<int> tops;
    tops.reserve(heights.size());
    int top = firstTop;
    for (int i = 0; i < heights.size(); ++i) {
        if (i > 0)
            top += heights.at(i - 1) + 1;
        tops.append(top);
    }
    return tops;
}

BigScreenText bigScreenText(int startingHeight, const QVector<int> &lineHeights, int promptWidth)
{
    BigScreenText text;
    const int left = BigScreenTextAt.x();
    int lastTop = BigScreenTextAt.y();
    int lastHeight = startingHeight;
    // The name line keeps its place two lines under "Starting MS-DOS...".
    for (const int top : lineTops(BigScreenTextAt.y() + 2 * startingHeight, lineHeights))
        text.lines.append(QPoint(left, top));
    if (!lineHeights.isEmpty()) {
        lastTop = text.lines.back().y();
        lastHeight = lineHeights.back();
    }
    text.prompt = QPoint(left, lastTop + 2 * lastHeight);
    text.cursor = QPoint(left + promptWidth, text.prompt.y());
    return text;
}

QRect pieceBox(const NostalgiaSkinValues &skin, NostalgiaPiece piece, const QRect &view,
               const QRect &placedComputer)
{
    switch (piece) {
    case NostalgiaPiece::Background:
        return view;
    case NostalgiaPiece::Computer:
        return skin.computer;
    case NostalgiaPiece::Screen:
        return skin.screen;
    case NostalgiaPiece::Title:
        return skin.title;
    case NostalgiaPiece::OpenBox:
        return skin.openBox;
    case NostalgiaPiece::Back:
        return skin.back;
    case NostalgiaPiece::Front:
        return skin.front;
    case NostalgiaPiece::Manual:
        return skin.manual;
    case NostalgiaPiece::Disk:
        return disk(placedComputer);
    }
    return QRect();
}

} // namespace NostalgiaLayout
