#include "flight/FlightTestWorld.h"

#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "platform/KeyState.h"
#include "platform/PlatformWindow.h"
#include "shell/GLWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

using namespace dh;

namespace {

void cursor(int& x, int& y)
{
    platformGetCursorScreenPosition(x, y);
}

// The desktop maps a normalised move back to within a pixel of its aim.
bool near(int a, int b)
{
    return std::abs(a - b) <= 1;
}

}

TEST(MouseSteering, TheRightButtonSteersByThePointersOffsetAndPutsThePointerBack)
{
    createGLWindow();
    ASSERT_TRUE(isWindowOpen());
    clearInjectedKeys();
    test::TestWorld t;
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    test::TrackedRef ref(t.objects(), ship);
    test::RecordingGame game;
    PlayerHuman human("Halvard", &ref.ref, &game.hooks);

    const int startX = clientCentreX() - 150;
    const int startY = clientCentreY() + 100;
    moveCursorTo(startX, startY);
    int x = 0;
    int y = 0;
    cursor(x, y);
    ASSERT_TRUE(isCursorInClient());
    const int savedX = x;
    const int savedY = y;

    injectKeyState(VK_RBUTTON, true);
    human.update(1.0f / 64.0f);
    EXPECT_TRUE(human.mouseSteering);
    EXPECT_EQ(g_cursorMode, 0);
    cursor(x, y);
    EXPECT_TRUE(near(x, clientCentreX() + 1) || near(x, clientCentreX())) << x;
    EXPECT_EQ(human.yawRate, 0.0f) << "the first frame only starts steering";

    // Forty pixels left of the centre turn the nose left, towards the pointer.
    cursor(x, y);
    moveCursorTo(x - 40, y);
    cursor(x, y);
    const int offset = clientCentreX() - x;
    human.update(1.0f / 64.0f);
    EXPECT_GT(offset, 30);
    EXPECT_GT(human.yawRate, 0.0f);
    const double k = std::pow(static_cast<double>(0.2f), 1.0 / 64.0);
    EXPECT_NEAR(human.yawRate, (1.0 - k) * offset * 0.003, 1e-6);

    injectKeyState(VK_RBUTTON, false);
    human.update(1.0f / 64.0f);
    EXPECT_FALSE(human.mouseSteering);
    EXPECT_EQ(g_cursorMode, 1);
    cursor(x, y);
    EXPECT_TRUE(near(x, savedX)) << x << " " << savedX;
    EXPECT_TRUE(near(y, savedY)) << y << " " << savedY;
    clearInjectedKeys();
}
