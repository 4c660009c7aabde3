#include "platform/PlatformWindow.h"
#include "shell/DisplayMode.h"
#include "shell/GLWindow.h"
#include "shell/Startup.h"
#include "shell/gl/OpenWindowTest.h"

#include <gtest/gtest.h>

// The full-screen choice against the display the tests run on: a virtual
// screen with one mode, its own size.
namespace {

class StartupFullscreen : public shellgl::OpenWindowTest {
protected:
    void TearDown() override
    {
        if (dh::g_fullscreen)
            dh::setDisplayMode(800, 600, false);
        dh::setClientSize(800, 600);
        dh::pumpMessages();
    }
};

TEST_F(StartupFullscreen, DisplaySizeIsTakenWhenItIsAPreferredOneAndWindowedComesBack)
{
    int width = 0, height = 0;
    dh::platformGetDesktopSize(width, height);
    bool preferred = false;
    for (const dh::ScreenSize& size : dh::kFullscreenPreference)
        preferred = preferred || (size.width == width && size.height == height);
    if (!preferred)
        GTEST_SKIP() << "the test display is " << width << " x " << height << ", not a preferred size";

    dh::chooseFullscreenMode();
    dh::pumpMessages();
    EXPECT_TRUE(dh::g_fullscreen);
    EXPECT_EQ(dh::clientWidth(), width);
    EXPECT_EQ(dh::clientHeight(), height);
    dh::setDisplayMode(800, 600, false);
    dh::pumpMessages();
    EXPECT_FALSE(dh::g_fullscreen);
    EXPECT_EQ(dh::clientWidth(), 800);
}

}
