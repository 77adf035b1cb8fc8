#include "presentation/GaugeProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(GaugeProgress, FilledPartFollowsTheValueInsideItsRange)
{
    GaugeProgress gauge;
    gauge.setRange(10, 20);
    gauge.setValue(15);
    EXPECT_EQ(gauge.filled(100), 50);
    gauge.setValue(99); // beyond the range: full
    EXPECT_EQ(gauge.filled(100), 100);
    gauge.setValue(-5);
    EXPECT_EQ(gauge.filled(100), 0);
    gauge.setValue(11);
    EXPECT_EQ(gauge.filled(5760), 576); // a tenth of a circle in sixteenths of a degree
    EXPECT_EQ(gauge.filled(3), 0);      // rounded to a whole unit
}

TEST(GaugeProgress, ANarrowedRangeKeepsTheValueInsideAndAnEmptyOneFillsNothing)
{
    GaugeProgress gauge;
    gauge.setRange(0, 10);
    gauge.setValue(8);
    gauge.setRange(0, 4);
    EXPECT_EQ(gauge.filled(40), 40);
    gauge.setRange(0, 8); // the value stayed at 4, not 8
    EXPECT_EQ(gauge.filled(40), 20);

    // A refresh starts its gauges on an empty range, and a folder of one game ends at 0 of 0.
    gauge.setRange(0, 0);
    EXPECT_EQ(gauge.filled(40), 0);
    gauge.setRange(5, 2);
    gauge.setValue(7);
    EXPECT_EQ(gauge.filled(40), 0);
}

} // namespace
