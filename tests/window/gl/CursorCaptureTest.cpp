#include "platform/PlatformWindow.h"
#include "window/GLWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

// X11 moves the pointer when asked, so a captured pointer (the four-way
// arrow of steering and of the map's drag) stays the real one: no relative
// mode, and each move lands where the game put it.
TEST(CursorCapture, OnX11TheCapturedPointerIsTheRealPointer)
{
    dh::createGLWindow();
    ASSERT_TRUE(dh::isWindowOpen());
    dh::setCursorMode(0);
    EXPECT_FALSE(dh::platformCursorFollowsMotion());

    int x = 0, y = 0;
    dh::centreCursor();
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_LE(std::abs(x - dh::clientCentreX()), 2) << x;
    EXPECT_LE(std::abs(y - dh::clientCentreY()), 2) << y;
    dh::platformWarpCursor(x - 40, y + 25);
    EXPECT_FALSE(dh::platformCursorFollowsMotion());
    int movedX = 0, movedY = 0;
    dh::platformGetCursorScreenPosition(movedX, movedY);
    EXPECT_EQ(movedX, x - 40);
    EXPECT_EQ(movedY, y + 25);

    dh::setCursorMode(1);
    dh::platformWarpCursor(x + 60, y - 30);
    dh::platformGetCursorScreenPosition(movedX, movedY);
    EXPECT_EQ(movedX, x + 60);
    EXPECT_EQ(movedY, y - 30);
    EXPECT_FALSE(dh::platformCursorFollowsMotion());
    dh::destroyGLWindow();
}
