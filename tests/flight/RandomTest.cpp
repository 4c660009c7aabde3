#include "flight/Random.h"

#include <gtest/gtest.h>

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
