#include "shell/DisplayMode.h"

#include <gtest/gtest.h>

using dh::DisplayModeInfo;

namespace {

int chosenRate(const std::vector<int>& rates, int width = 1024, int height = 768)
{
    std::vector<DisplayModeInfo> modes{{640, 480, 32, 60}, {1280, 1024, 32, 60}};
    for (int rate : rates)
        modes.push_back({1024, 768, 32, rate});
    DisplayModeInfo chosen;
    return dh::findDisplayModeIn(modes, width, height, chosen) ? chosen.refreshRate : -1;
}

}

TEST(DisplayMode, RefreshRateIsPulledTowardsSixtyInListOrder)
{
    EXPECT_EQ(chosenRate({56, 60, 75}), 60);
    EXPECT_EQ(chosenRate({75, 85}), 75);
    EXPECT_EQ(chosenRate({50, 85}), 85);
    EXPECT_EQ(chosenRate({85, 50}), 50);
    EXPECT_EQ(chosenRate({72}), 72);
    EXPECT_EQ(chosenRate({60, 75}, 1600, 1200), -1);
}

TEST(DisplayMode, ColourDepthIsNotCompared)
{
    const std::vector<DisplayModeInfo> modes{{800, 600, 16, 60}, {800, 600, 32, 60}};
    DisplayModeInfo chosen;
    ASSERT_TRUE(dh::findDisplayModeIn(modes, 800, 600, chosen));
    EXPECT_EQ(chosen.bitsPerPixel, 16);
}

TEST(Gamma, RampScalesAndSaturates)
{
    std::array<unsigned short, 256> ramp{};
    ASSERT_TRUE(dh::gammaRamp(1.0, ramp));
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(ramp[i], i * 255) << i;

    ASSERT_TRUE(dh::gammaRamp(2.0, ramp));
    EXPECT_EQ(ramp[128], 128 * 510);
    for (int i = 129; i < 256; ++i)
        EXPECT_EQ(ramp[i], 65535) << i;

    ASSERT_TRUE(dh::gammaRamp(0.0, ramp));
    EXPECT_EQ(ramp[255], 0);
}

TEST(Gamma, OutOfRangeValuesAreIgnored)
{
    std::array<unsigned short, 256> ramp{};
    ramp.fill(7);
    EXPECT_FALSE(dh::gammaRamp(-0.01, ramp));
    EXPECT_FALSE(dh::gammaRamp(2.01, ramp));
    EXPECT_FALSE(dh::gammaRamp(std::numeric_limits<double>::quiet_NaN(), ramp));
    EXPECT_EQ(ramp[100], 7);
}
