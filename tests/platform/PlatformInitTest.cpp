#include "platform/PlatformWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

// With no display server to reach, the window system does not start: the game
// ends with its message rather than running with a window nobody can see.
TEST(PlatformInit, NoReachableDisplayIsAFailureNotAnInvisibleWindow)
{
    setenv("DISPLAY", ":93", 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    EXPECT_FALSE(dh::platformInit());
    dh::platformQuit();
}
