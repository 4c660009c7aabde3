#include "shell/DisplayMode.h"

#include <gtest/gtest.h>

#include <limits>

using dh::DisplayModeInfo;

TEST(DisplayMode, RefreshRateIsPulledTowardsSixtyInListOrderAndDepthIsNotCompared)
{
    auto chosenRate = [](const std::vector<int>& rates, int width = 1024) {
        std::vector<DisplayModeInfo> modes{{640, 480, 32, 60}, {1280, 1024, 32, 60}};
        for (int rate : rates)
            modes.push_back({1024, 768, 16 + static_cast<int>(modes.size()), rate});
        DisplayModeInfo chosen;
        return dh::findDisplayModeIn(modes, width, 768, chosen) ? chosen.refreshRate : -1;
    };
    EXPECT_EQ(chosenRate({56, 60, 75}), 60);
    EXPECT_EQ(chosenRate({75, 85}), 75);
    EXPECT_EQ(chosenRate({50, 85}), 85);
    EXPECT_EQ(chosenRate({85, 50}), 50);
    EXPECT_EQ(chosenRate({60, 75}, 1600), -1);
}

TEST(Gamma, RampScalesSaturatesAndIgnoresValuesOutOfRange)
{
    std::array<unsigned short, 256> ramp{};
    ASSERT_TRUE(dh::gammaRamp(1.0, ramp));
    EXPECT_EQ(ramp[1], 255);
    EXPECT_EQ(ramp[255], 255 * 255);
    ASSERT_TRUE(dh::gammaRamp(2.0, ramp));
    EXPECT_EQ(ramp[128], 128 * 510);
    EXPECT_EQ(ramp[129], 65535);
    EXPECT_EQ(ramp[255], 65535);

    ramp.fill(7);
    EXPECT_FALSE(dh::gammaRamp(-0.01, ramp));
    EXPECT_FALSE(dh::gammaRamp(2.01, ramp));
    EXPECT_FALSE(dh::gammaRamp(std::numeric_limits<double>::quiet_NaN(), ramp));
    EXPECT_EQ(ramp[100], 7);
}
