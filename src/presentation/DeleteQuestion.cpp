#include "presentation/DeleteQuestion.h"

#include <QChar>

#include <algorithm>

namespace DeleteQuestion {

ShownPath shownPath(const QString &path, int wantedWidth, int screenWidth)
{
    const int widest = screenWidth >= 0 ? screenWidth - 40 : 1000;
    ShownPath shown;
    shown.windowWidth = std::clamp(wantedWidth, NarrowestWidth, std::max(NarrowestWidth, widest));
    if (wantedWidth <= shown.windowWidth) {
        shown.text = path;
        return shown;
    }
    // A label wraps only where a line may break, and a path has no blanks to break at: beyond the
    // screen's width it may break anywhere, but never inside a character.
    shown.text.reserve(path.size() * 2);
    for (const QChar c : path) {
        shown.text += c;
        if (!c.isHighSurrogate())
            shown.text += QChar(0x200B);
    }
    return shown;
}

QPoint placeOver(const QRect &mainWindowFrame, int windowWidth)
{
    return QPoint(mainWindowFrame.x() + mainWindowFrame.width() / 2 - windowWidth / 2,
                  mainWindowFrame.y() + 100);
}

} // namespace DeleteQuestion
