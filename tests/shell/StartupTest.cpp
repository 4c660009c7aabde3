#include "shell/DisplayMode.h"
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <vector>

using dh::DisplayModeInfo;
using dh::ScreenSize;

namespace {

// The full-screen size chosen on a display offering these sizes (at 60 Hz).
ScreenSize choiceOn(const std::vector<std::pair<int, int>>& sizes)
{
    std::vector<DisplayModeInfo> modes;
    for (const auto& [w, h] : sizes)
        modes.push_back({w, h, 32, 60});
    return dh::fullscreenChoice([&](int w, int h) {
        DisplayModeInfo found;
        return dh::findDisplayModeIn(modes, w, h, found);
    });
}

::testing::AssertionResult isSize(ScreenSize size, int w, int h)
{
    if (size.width == w && size.height == h)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << size.width << " x " << size.height;
}

}

TEST(Startup, FullscreenSizeFollowsThePreferenceOrder)
{
    EXPECT_TRUE(isSize(choiceOn({{1600, 1200}, {1024, 768}}), 1600, 1200));
    EXPECT_TRUE(isSize(choiceOn({{1024, 768}, {1600, 1200}}), 1600, 1200));
    // 1440 x 900 is preferred to 1600 x 1200 although it is smaller.
    EXPECT_TRUE(isSize(choiceOn({{1600, 1200}, {1440, 900}}), 1440, 900));
    EXPECT_TRUE(isSize(choiceOn({{1024, 768}, {1280, 1024}, {1680, 1050}, {1920, 1080}}), 1920, 1080));
    EXPECT_TRUE(isSize(choiceOn({{1280, 1024}, {1024, 768}, {800, 600}}), 1280, 1024));
    EXPECT_TRUE(isSize(choiceOn({{1024, 768}, {1680, 1050}}), 1680, 1050));
}

TEST(Startup, WithNoneOfTheSixSizes800x600IsRequested)
{
    EXPECT_TRUE(isSize(choiceOn({}), 800, 600));
    EXPECT_TRUE(isSize(choiceOn({{640, 480}, {800, 600}, {1366, 768}, {1920, 1200}}), 800, 600));
    // A size must match in both directions.
    EXPECT_TRUE(isSize(choiceOn({{1080, 1920}, {1024, 1080}}), 800, 600));
}

TEST(Startup, EachSizeAloneIsTakenAndAskedAboutInOrder)
{
    const std::vector<std::pair<int, int>> order{{1920, 1080}, {1680, 1050}, {1440, 900},
                                                 {1600, 1200}, {1280, 1024}, {1024, 768}};
    for (const auto& [w, h] : order)
        EXPECT_TRUE(isSize(choiceOn({{w, h}}), w, h)) << w << " x " << h;

    std::vector<std::pair<int, int>> asked;
    dh::fullscreenChoice([&](int w, int h) {
        asked.emplace_back(w, h);
        return false;
    });
    EXPECT_EQ(asked, order);
}

TEST(Startup, FullscreenQuestionTexts)
{
    EXPECT_STREQ(dh::kFullscreenCaption, "Drift Hauler: Fullscreen mode");
    EXPECT_STREQ(dh::kFullscreenQuestion, "Run the game in fullscreen mode?");
}
