#pragma once

#include <cstdint>

class Random
{
public:
    virtual ~Random() = default;
    virtual void seed(std::uint64_t value) = 0;
    // A number from 0 to bound - 1; 0 when bound is not positive.
    virtual int below(int bound) = 0;
};
