#include "window/DisplayMode.h"
#include "screens/IntroScreen.h"
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

using dh::DisplayModeInfo;
using dh::IntroScreen;

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

namespace {

using Size = std::pair<int, int>;

// The full-screen size chosen on a display offering these sizes (at 60 Hz).
Size choiceOn(const std::vector<Size>& sizes)
{
    std::vector<dh::DisplayModeInfo> modes;
    for (const auto& [w, h] : sizes)
        modes.push_back({w, h, 32, 60});
    const dh::ScreenSize chosen = dh::fullscreenChoice([&](int w, int h) {
        dh::DisplayModeInfo found;
        return dh::findDisplayModeIn(modes, w, h, found);
    });
    return {chosen.width, chosen.height};
}

}

TEST(Startup, FullscreenSizeFollowsThePreferenceOrderElse800x600)
{
    const std::vector<Size> order{{1920, 1080}, {1680, 1050}, {1440, 900}, {1600, 1200}, {1280, 1024}, {1024, 768}};
    std::vector<Size> asked;
    dh::fullscreenChoice([&](int w, int h) {
        asked.emplace_back(w, h);
        return false;
    });
    EXPECT_EQ(asked, order);
    for (const Size& size : order)
        EXPECT_EQ(choiceOn({size}), size);
    // 1440 x 900 is preferred to 1600 x 1200 although it is smaller.
    EXPECT_EQ(choiceOn({{1600, 1200}, {1440, 900}}), (Size{1440, 900}));
    EXPECT_EQ(choiceOn({{1600, 1200}, {1024, 768}}), (Size{1600, 1200}));
    // None of the six, or a size matching in one direction only: 800 x 600.
    EXPECT_EQ(choiceOn({{640, 480}, {1366, 768}, {1920, 1200}, {1080, 1920}}), (Size{800, 600}));
}

TEST(Intro, TitleGrowsForHalfItsTimeThenFadesAndTheCrawlMovesFifteenUnitsASecond)
{
    const IntroScreen intro;
    // Five seconds of title, growing to size 32 over the first 2.5 s, then
    // fading to black (its ends and middle are seen in the drawings).
    EXPECT_FLOAT_EQ(intro.titleSize(3.75f), 16.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(0.01f), 32.0f);
    EXPECT_NEAR(intro.titleGrey(0.001f), 0.0f, 1e-3f);
    // Sixty seconds of crawl after the title.
    EXPECT_FLOAT_EQ(intro.crawlTime, 60.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(60.0f), 0.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(59.0f), 15.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(0.0f), 900.0f);
}

TEST(Intro, StoryIsTwentyOneShortLinesSixOfThemEmpty)
{
    std::istringstream story(IntroScreen::kStoryText);
    int lines = 0, empty = 0;
    for (std::string line; std::getline(story, line); ++lines) {
        empty += line.empty() ? 1 : 0;
        EXPECT_LE(line.size(), 42u) << line;
    }
    EXPECT_EQ(lines, 21);
    EXPECT_NE(std::string(IntroScreen::kStoryText).back(), '\n');
    EXPECT_EQ(empty, 6);
}

TEST(Intro, AnyKeyOrButtonEndsTheIntroOtherEventsDoNot)
{
    IntroScreen intro;
    IntroScreen::IntroScreenEventListener listener(intro);
    intro.running = true;
    listener.onMouseMove(10, 10);
    listener.onMouseUp(10, 10, 1);
    listener.onKeyUp(32);
    EXPECT_TRUE(intro.running);
    listener.onKeyDown(65);
    EXPECT_FALSE(intro.running);
    for (int button : {1, 2, 4}) {
        intro.running = true;
        listener.onMouseDown(0, 0, button);
        EXPECT_FALSE(intro.running) << button;
    }
}
