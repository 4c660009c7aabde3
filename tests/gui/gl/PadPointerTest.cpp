#include "gui/PadPointer.h"
#include "gui/gl/GuiGlSupport.h"
#include "platform/Controllers.h"
#include "platform/PlatformWindow.h"

#include <cstdint>

namespace {

class PadPointer : public guigl::GuiWindow {};

std::uint32_t s_now = 0;

void settle()
{
    dh::PlatformEvent event;
    while (dh::platformPollEvent(event)) {
    }
}

// The stick at full deflection for a tenth of a second moves the pointer 60
// pixels; the d-pad counts as full deflection; at rest nothing moves.
TEST_F(PadPointer, TheStickAndTheDPadMoveThePointerAt600PixelsASecond)
{
    dh::openControllers();
    dh::VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    settle();
    dh::platformOverrideClock(&s_now);
    int x0 = 0, y0 = 0;
    int clientX = 0, clientY = 0;
    dh::platformGetClientPosition(clientX, clientY);
    dh::platformWarpCursor(clientX + 200, clientY + 200);
    settle();
    dh::platformGetCursorScreenPosition(x0, y0);

    dh::PadPointer pointer;
    pad.setAxis(dh::PadAxis::LeftX, 32767);
    settle();
    s_now += 100;
    pointer.update();
    settle();
    int x = 0, y = 0;
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_EQ(x - x0, 60);
    EXPECT_EQ(y - y0, 0);

    pad.setAxis(dh::PadAxis::LeftX, 0);
    pad.setButton(dh::VK_PAD_DPAD_UP, true);
    settle();
    s_now += 50;
    pointer.update();
    settle();
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_EQ(x - x0, 60);
    EXPECT_EQ(y - y0, -30);

    pad.setButton(dh::VK_PAD_DPAD_UP, false);
    settle();
    s_now += 100;
    pointer.update();
    settle();
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_EQ(x - x0, 60);
    EXPECT_EQ(y - y0, -30);
    dh::platformOverrideClock(nullptr);
}

}
