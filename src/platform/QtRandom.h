#pragma once

#include "platform/Random.h"

#include <random>

class QtRandom : public Random
{
public:
    // Seeded from the clock, so that a generator nobody seeds still varies between runs.
    QtRandom();

    void seed(std::uint64_t value) override;
    int below(int bound) override;

private:
    std::mt19937_64 m_engine;
};
