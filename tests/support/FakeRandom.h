#pragma once

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

// Hands out scripted numbers; 0 once the script has run out.
class FakeRandom : public Random
{
public:
    void seed(std::uint64_t value) override { seeds.push_back(value); }

    int below(int bound) override
    {
        bounds.push_back(bound);
        if (numbers.empty() || bound <= 0)
            return 0;
        const int number = numbers.front();
        numbers.pop_front();
        if (number < 0 || number >= bound) {
            // A scripted number the real generator could never give would test nothing.
            ADD_FAILURE() << "scripted random number " << number << " is outside 0.." << bound - 1;
            return 0;
        }
        return number;
    }

    std::deque<int> numbers;
    std::vector<std::uint64_t> seeds;
    std::vector<int> bounds;
};
