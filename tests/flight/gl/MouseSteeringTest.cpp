#include "flight/FlightTestWorld.h"

#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "platform/KeyState.h"
#include "platform/PlatformWindow.h"
#include "window/GLWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace dh;

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

    // The desktop maps a normalised move back to within a pixel of its aim.
    int savedX = 0, savedY = 0, x = 0, y = 0;
    moveCursorTo(clientCentreX() - 150, clientCentreY() + 100);
    platformGetCursorScreenPosition(savedX, savedY);
    ASSERT_TRUE(isCursorInClient());

    injectKeyState(VK_RBUTTON, true);
    human.update(1.0f / 64.0f);
    EXPECT_TRUE(human.mouseSteering);
    EXPECT_EQ(g_cursorMode, 0);
    platformGetCursorScreenPosition(x, y);
    EXPECT_TRUE(x >= clientCentreX() - 1 && x <= clientCentreX() + 2) << x;
    EXPECT_EQ(human.yawRate, 0.0f) << "the first frame only starts steering";

    // Forty pixels left of the centre turn the nose left, towards the pointer.
    moveCursorTo(x - 40, y);
    platformGetCursorScreenPosition(x, y);
    const int offset = clientCentreX() - x;
    human.update(1.0f / 64.0f);
    EXPECT_GT(offset, 30);
    EXPECT_NEAR(human.yawRate, (1.0 - std::pow(static_cast<double>(0.2f), 1.0 / 64.0)) * offset * 0.003, 1e-6);

    injectKeyState(VK_RBUTTON, false);
    human.update(1.0f / 64.0f);
    EXPECT_FALSE(human.mouseSteering);
    EXPECT_EQ(g_cursorMode, 1);
    platformGetCursorScreenPosition(x, y);
    EXPECT_LE(std::abs(x - savedX), 1) << x << " " << savedX;
    EXPECT_LE(std::abs(y - savedY), 1) << y << " " << savedY;
    clearInjectedKeys();
}
