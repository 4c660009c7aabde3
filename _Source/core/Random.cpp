#include "core/Random.h"

#include <cstring>

namespace dh {

std::uint32_t g_randomSeed = 0;

std::uint32_t random()
{
    const double a = 32452844.0f;
    const double b = 275604544.0f;
    const double x = static_cast<double>(g_randomSeed);
    const double y = x * a + b;
    const auto t = static_cast<std::uint32_t>(static_cast<std::int64_t>(y));
    const double z = static_cast<double>(t) * a + b;
    const float f = static_cast<float>(z);
    std::memcpy(&g_randomSeed, &f, sizeof g_randomSeed);
    return g_randomSeed;
}

float random01()
{
    return static_cast<float>(random() & 0xFFFFFFu) * 5.960465e-08f;
}

}
