#pragma once

#include <cstdint>
#include <random>

// A random source that gives the same numbers on every platform: the
// engine's sequence is fixed by the standard, and the conversions to
// doubles are our own rather than the library's distributions, whose
// algorithms differ between implementations.
class SeededNoise
{
public:
    explicit SeededNoise(std::uint32_t seed);

    double uniform();
    double uniform(double from, double to);
    double gaussian();

private:
    std::mt19937 m_engine;
};
