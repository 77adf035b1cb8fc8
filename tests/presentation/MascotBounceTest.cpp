#include "presentation/MascotBounce.h"

#include <gtest/gtest.h>

namespace {

// An area just wide enough for the mascot's start: it touches the right and bottom edges and
// the left and top ones, and never crosses any of them.
TEST(MascotBounce, TurnsAtEveryEdgeWithoutLeavingTheArea)
{
    MascotBounce game;
    const QSize area(MascotBounce::Start.x() + MascotBounce::DesignSize.width() + 2, 300);
    const QRect inside(QPoint(0, 0), area);
    bool touched[4] = {};
    for (int tick = 0; tick < 2000; ++tick) {
        game.tick(area);
        const QRect at = game.geometry();
        ASSERT_TRUE(inside.contains(at)) << "tick " << tick;
        touched[0] |= at.left() == 0;
        touched[1] |= at.top() == 0;
        touched[2] |= at.right() == inside.right();
        touched[3] |= at.bottom() == inside.bottom();
    }
    EXPECT_TRUE(touched[0] && touched[1] && touched[2] && touched[3]);
}

TEST(MascotBounce, ClicksScoreSpeedUpAndEverySixthSpeedShrinks)
{
    MascotBounce game;
    // After n clicks: the step's size, the mascot's size. The speed goes 1 to 5 and starts again.
    const struct
    {
        int clicks;
        int step;
        QSize size;
    } rows[] = {
        {1, 3, {123, 146}},
        {4, 15, {123, 146}},
        {5, 16, {113, 136}},
        {6, 18, {113, 136}},
        {60, 16 + 55 * 3, {2, 26}},
        // A side under 12 pixels becomes 2.
        {70, 16 + 65 * 3, {2, 2}},
    };
    int clicks = 0;
    for (const auto &row : rows) {
        while (clicks < row.clicks) {
            game.click();
            ++clicks;
        }
        SCOPED_TRACE(row.clicks);
        EXPECT_EQ(game.score(), row.clicks);
        EXPECT_EQ(game.geometry(), QRect(MascotBounce::Start, row.size));
        MascotBounce moved = game;
        moved.tick(QSize(100000, 100000));
        EXPECT_EQ(moved.geometry().topLeft() - game.geometry().topLeft(), QPoint(row.step, row.step));
    }
}

} // namespace
