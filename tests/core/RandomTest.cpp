#include "core/Random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Random, KnownSequencesFromFixedSeeds)
{
    dh::g_randomSeed = 643463;
    for (const std::uint32_t v : {0x5A20F062u, 0x5A810C18u, 0x5A1B4323u, 0x59E5642Fu})
        EXPECT_EQ(dh::random(), v);
    dh::g_randomSeed = 0;
    for (const std::uint32_t v : {0x59FE3544u, 0x5BA97E64u, 0x5BB592D5u})
        EXPECT_EQ(dh::random(), v);
}

namespace {

using u64 = std::uint64_t;

// Rounds a non-negative integer to `bits` significant bits, ties to even: the
// IEEE rounding of a double (53) or a float (24), done in integers.
u64 roundToBits(u64 value, int bits)
{
    int width = 0;
    while (width < 64 && (value >> width) != 0)
        ++width;
    if (width <= bits)
        return value;
    const int shift = width - bits;
    u64 kept = value >> shift;
    const u64 rest = value & ((u64{1} << shift) - 1);
    const u64 half = u64{1} << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept;
    return kept << shift;
}

// x * A + B in double precision; every value is a whole number below 2^58.
u64 mulAddAsDouble(u64 x)
{
    return roundToBits(roundToBits(x * 32452844u, 53) + 275604544u, 53);
}

std::uint32_t referenceDraw(std::uint32_t seed)
{
    const u64 rounded = roundToBits(mulAddAsDouble(mulAddAsDouble(seed) & 0xFFFFFFFFu), 24);
    int exponent = 0;
    while ((rounded >> (exponent + 1)) != 0)
        ++exponent;
    const auto mantissa = static_cast<std::uint32_t>((rounded >> (exponent - 23)) & 0x7FFFFF);
    return (static_cast<std::uint32_t>(exponent + 127) << 23) | mantissa;
}

}

TEST(Random, LongRunsMatchAnIndependentIntegerComputation)
{
    for (const std::uint32_t seed : {643463u, 0u, 1u, 0xFFFFFFFFu, 0x5BF79876u, 123456789u}) {
        dh::g_randomSeed = seed;
        std::uint32_t expected = seed;
        for (int draw = 0; draw < 20000; ++draw) {
            expected = referenceDraw(expected);
            ASSERT_EQ(dh::random(), expected) << "seed " << seed << " draw " << draw;
            ASSERT_EQ(dh::g_randomSeed, expected);
        }
    }
}

TEST(Random, Random01ScalesTheLow24Bits)
{
    // 0xFFFFFF times the constant (2^23 + 1) * 2^-47 lies just above 1, below
    // the halfway point to the next float, so single precision gives exactly 1.
    const std::uint32_t seed = 14344589;
    ASSERT_EQ(referenceDraw(seed) & 0xFFFFFFu, 0xFFFFFFu);
    dh::g_randomSeed = seed;
    EXPECT_EQ(dh::random01(), 1.0f);

    dh::g_randomSeed = 643463;
    EXPECT_EQ(dh::random01(), std::ldexp(static_cast<float>(0x20F062u), -24) * (1.0f + 0x1p-23f));
}
