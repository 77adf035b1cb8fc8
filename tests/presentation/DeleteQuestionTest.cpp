#include "presentation/DeleteQuestion.h"

#include <gtest/gtest.h>

namespace {

TEST(DeleteQuestion, WindowWidensForThePathAsFarAsTheScreenAllows)
{
    const QString path = QStringLiteral("/games/Loom");
    struct Case
    {
        int wanted;
        int screen;
        int width;
        bool broken;
    };
    const Case cases[] = {
        {300, 1920, 460, false},  // never narrower than the window's design
        {900, 1920, 900, false},  // wide enough for the path on one line
        {2000, 1920, 1880, true}, // the screen less a margin, and the path may break anywhere
        {1200, -1, 1000, true},   // no screen known
        {500, 100, 460, true},    // a tiny screen keeps the narrowest width
    };
    for (const Case &c : cases) {
        const DeleteQuestion::ShownPath shown = DeleteQuestion::shownPath(path, c.wanted, c.screen);
        EXPECT_EQ(shown.windowWidth, c.width) << c.wanted << " on " << c.screen;
        EXPECT_EQ(shown.text != path, c.broken) << c.wanted << " on " << c.screen;
    }
}

TEST(DeleteQuestion, PathBreaksAnywhereButInsideACharacter)
{
    // A character outside the basic plane is two UTF-16 units that must stay together.
    const QString path = QStringLiteral("a/") + QString::fromUcs4(U"\U0001F3AE");
    const QString shown = DeleteQuestion::shownPath(path, 5000, 800).text;
    const QChar mark(0x200B);
    EXPECT_EQ(shown, QStringLiteral("a") + mark + QStringLiteral("/") + mark + path.mid(2) + mark);
    EXPECT_EQ(QString(shown).remove(mark), path);
}

TEST(DeleteQuestion, PlacedAcrossTheMainWindowBelowItsTop)
{
    EXPECT_EQ(DeleteQuestion::placeOver(QRect(100, 50, 1000, 700), 460), QPoint(370, 150));
}

} // namespace
