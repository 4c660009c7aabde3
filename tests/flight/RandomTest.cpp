#include "flight/Random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Random, KnownSequencesFromFixedSeeds)
{
    dh::g_randomSeed = 643463;
    EXPECT_EQ(dh::random(), 0x5A20F062u);
    EXPECT_EQ(dh::random(), 0x5A810C18u);
    EXPECT_EQ(dh::random(), 0x5A1B4323u);
    EXPECT_EQ(dh::random(), 0x59E5642Fu);

    dh::g_randomSeed = 0;
    EXPECT_EQ(dh::random(), 0x59FE3544u);
    EXPECT_EQ(dh::random(), 0x5BA97E64u);
    EXPECT_EQ(dh::random(), 0x5BB592D5u);
}

namespace {

// Every product here stays below 2^58, so 64-bit integers hold it exactly.
using u64 = std::uint64_t;

// Rounds a non-negative integer to `bits` significant bits, ties to even: the
// IEEE rounding of a double (53) or a float (24), done in integers.
u64 roundToBits(u64 value, int bits)
{
    int width = 0;
    while (width < 64 && (value >> width) != 0) {
        ++width;
    }
    if (width <= bits) {
        return value;
    }
    const int shift = width - bits;
    u64 kept = value >> shift;
    const u64 rest = value & ((u64{1} << shift) - 1);
    const u64 half = u64{1} << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0)) {
        ++kept;
    }
    return kept << shift;
}

// x * A + B with each operation rounded to double precision; every value
// involved is a whole number, so exact integers can stand in for doubles.
u64 mulAddAsDouble(u64 x)
{
    const u64 a = 32452844;
    const u64 b = 275604544;
    return roundToBits(roundToBits(x * a, 53) + b, 53);
}

std::uint32_t floatBitsOf(u64 wholeNumber)
{
    const u64 rounded = roundToBits(wholeNumber, 24);
    int exponent = 0;
    while ((rounded >> (exponent + 1)) != 0) {
        ++exponent;
    }
    const auto mantissa = static_cast<std::uint32_t>((rounded >> (exponent - 23)) & 0x7FFFFF);
    return (static_cast<std::uint32_t>(exponent + 127) << 23) | mantissa;
}

std::uint32_t referenceDraw(std::uint32_t seed)
{
    const u64 t = mulAddAsDouble(seed) & 0xFFFFFFFFu;
    return floatBitsOf(mulAddAsDouble(t));
}

}

TEST(Random, LongRunsMatchAnIndependentIntegerComputation)
{
    for (const std::uint32_t seed : {643463u, 0u, 1u, 0xFFFFFFFFu, 0x5BF79876u, 123456789u}) {
        dh::g_randomSeed = seed;
        std::uint32_t expected = seed;
        for (int draw = 0; draw < 20000; ++draw) {
            expected = referenceDraw(expected);
            const std::uint32_t got = dh::random();
            ASSERT_EQ(got, expected) << "seed " << seed << " draw " << draw;
            ASSERT_EQ(dh::g_randomSeed, expected);
            ASSERT_GE(got, 0x4D836B22u);
            ASSERT_LE(got, 0x5BF79876u);
        }
    }
}

TEST(Random, Random01ScalesTheLow24Bits)
{
    // The largest value: 0xFFFFFF times the constant, which is (2^23 + 1) * 2^-47
    // as a float. The exact product lies just above 1 but below the halfway
    // point to the next float, so single precision rounds it to exactly 1.
    const std::uint32_t seed = 14344589;
    ASSERT_EQ(referenceDraw(seed) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(5.960465e-08f, std::ldexp(static_cast<float>((1u << 23) + 1), -47));
    const u64 exactProduct = u64{0xFFFFFF} * ((u64{1} << 23) + 1);
    EXPECT_GT(exactProduct, u64{1} << 47);
    EXPECT_EQ(roundToBits(exactProduct, 24), u64{1} << 47);
    dh::g_randomSeed = seed;
    EXPECT_EQ(dh::random01(), 1.0f);

    dh::g_randomSeed = 643463;
    EXPECT_EQ(dh::random01(), std::ldexp(static_cast<float>(0x20F062u), -24) * (1.0f + 0x1p-23f));
}
