#include "presentation/FrameThrottle.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameThrottle, OnePaintPerFrameAndSixtyHertzForAScreenWithoutARate)
{
    EXPECT_EQ(FrameThrottle::frameIntervalNs(144), 6944444);
    for (const qreal rate : {0.0, 0.5, 60.0})
        EXPECT_EQ(FrameThrottle::frameIntervalNs(rate), 16666666) << rate;

    FrameThrottle frames(1); // a second per frame: no test machine is that slow
    EXPECT_TRUE(frames.paintDue());
    frames.painted();
    EXPECT_FALSE(frames.paintDue());
    frames.reset();
    EXPECT_TRUE(frames.paintDue());
}

} // namespace
