#include "shell/DisplayMode.h"
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <vector>

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
