#include "platform/QtRandom.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(QtRandom, StaysBelowTheBoundAndRepeatsForTheSameSeed)
{
    QtRandom random;
    for (const int bound : {-5, 0}) {
        EXPECT_EQ(random.below(bound), 0) << bound;
    }
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int number = random.below(7);
        ASSERT_GE(number, 0);
        ASSERT_LT(number, 7);
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 7u) << "every value should turn up in 2000 draws";

    auto draw = [](std::uint64_t seed) {
        QtRandom generator;
        generator.seed(seed);
        std::vector<int> numbers;
        for (int i = 0; i < 20; ++i)
            numbers.push_back(generator.below(100000));
        return numbers;
    };
    EXPECT_EQ(draw(42), draw(42));
    EXPECT_NE(draw(42), draw(43));
}

} // namespace
