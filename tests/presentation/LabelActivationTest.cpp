#include "presentation/LabelActivation.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// A click counts where it ends: released off the label, it chose nothing.
TEST(LabelActivation, ALeftClickEndingOnTheLabelOrSpaceOrEnter)
{
    const QRect area(0, 0, 80, 20);
    const auto click = [&area](QEvent::Type type, Qt::MouseButton button, QPointF at) {
        return LabelActivation::activates(QMouseEvent(type, at, at, button, button, Qt::NoModifier), area);
    };
    EXPECT_TRUE(click(QEvent::MouseButtonRelease, Qt::LeftButton, {79, 19}));
    EXPECT_FALSE(click(QEvent::MouseButtonRelease, Qt::LeftButton, {80, 5}));
    EXPECT_FALSE(click(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5}));
    EXPECT_FALSE(click(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5}));

    const int keys[][2] = {{Qt::Key_Space, 1}, {Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_A, 0}};
    for (const auto &key : keys)
        EXPECT_EQ(LabelActivation::activates(QKeyEvent(QEvent::KeyPress, key[0], Qt::NoModifier), area),
                  key[1] == 1)
            << key[0];
    EXPECT_FALSE(
        LabelActivation::activates(QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier), area));
}

} // namespace
