#include "seedednoise.h"

#include <cmath>
#include <numbers>

SeededNoise::SeededNoise(std::uint32_t seed)
    : m_engine(seed)
{
}

double SeededNoise::uniform()
{
    return m_engine() / 4294967296.0;
}

double SeededNoise::uniform(double from, double to)
{
    return from + (to - from) * uniform();
}

double SeededNoise::gaussian()
{
    const double u1 = 1.0 - uniform();
    const double u2 = uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}
