#include "FlightTestWorld.h"

#include "flight/Controls.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "platform/KeyState.h"

#include <algorithm>
#include <memory>
#include <set>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;

// A pilot flying with the controls the test binds; the defaults come back
// when it ends.
struct RebindCockpit {
    RebindCockpit() { clearInjectedKeys(); }
    ~RebindCockpit()
    {
        clearInjectedKeys();
        g_controls.restoreDefaults();
    }
    void fly()
    {
        if (!human)
            human = std::make_unique<PlayerHuman>("Halvard", &shipRef.ref, &game.hooks);
        human->update(kStep);
    }

    test::TestWorld t;
    test::RecordingGame game;
    GameObject_Ship* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    test::TrackedRef shipRef{t.objects(), ship};
    std::unique_ptr<PlayerHuman> human;
};

std::set<unsigned> allInputs(const Controls& controls)
{
    std::set<unsigned> inputs;
    for (std::size_t i = 0; i < Controls::kActionCount; ++i)
        inputs.insert(controls.input(static_cast<Action>(i)));
    return inputs;
}

}

TEST(Controls, LaserBoundToLFiresWithLWhileSpaceDoesNothing)
{
    RebindCockpit c;
    ASSERT_TRUE(g_controls.bind(Action::Laser, 'L'));
    injectKeyState('L', true);
    c.fly();
    EXPECT_TRUE(c.ship->laser.firing);
    injectKeyState('L', false);
    injectKeyState(VK_SPACE, true);
    c.fly();
    EXPECT_FALSE(c.ship->laser.firing);
    // The chord of both mouse buttons is not a binding and still fires.
    injectKeyState(VK_SPACE, false);
    injectKeyState(VK_LBUTTON, true);
    injectKeyState(VK_RBUTTON, true);
    c.fly();
    EXPECT_TRUE(c.ship->laser.firing);
}

TEST(Controls, RebindingTurnsAndThrottleMovesThemToTheNewKeys)
{
    RebindCockpit c;
    ASSERT_TRUE(g_controls.bind(Action::PitchDown, 'I'));
    ASSERT_TRUE(g_controls.bind(Action::ThrottleUp, 'T'));
    injectKeyState('W', true);
    injectKeyState(VK_RETURN, true);
    c.fly();
    EXPECT_EQ(c.human->pitchRate, 0.0f);
    EXPECT_EQ(c.ship->targetSpeed, 0.0f);
    injectKeyState('I', true);
    injectKeyState('T', true);
    c.fly();
    EXPECT_GT(c.human->pitchRate, 0.0f);
    EXPECT_FLOAT_EQ(c.ship->targetSpeed, kStep * 1500.0f);
}

TEST(Controls, AnInputInUseIsSwappedNotSharedAndDefaultsRestoreTheKeys)
{
    Controls controls;
    EXPECT_EQ(controls.input(Action::ThrottleUp), VK_RETURN);
    EXPECT_EQ(controls.input(Action::ThrottleDown), VK_SHIFT);
    EXPECT_EQ(controls.input(Action::PitchDown), 'W');
    EXPECT_EQ(controls.input(Action::YawRight), 'D');
    EXPECT_EQ(controls.input(Action::Laser), VK_SPACE);
    EXPECT_EQ(controls.input(Action::Missile), VK_BACK);
    EXPECT_EQ(controls.input(Action::Emp), VK_DELETE);
    EXPECT_EQ(controls.input(Action::View8), 119u);
    EXPECT_EQ(controls.input(Action::Menu), VK_ESCAPE);

    ASSERT_TRUE(controls.bind(Action::Laser, 'W'));
    EXPECT_EQ(controls.input(Action::Laser), 'W');
    EXPECT_EQ(controls.input(Action::PitchDown), VK_SPACE);
    ASSERT_TRUE(controls.bind(Action::Missile, VK_MBUTTON));
    EXPECT_EQ(allInputs(controls).size(), Controls::kActionCount);

    // Nothing to bind, a key without a name, and the menu on a mouse button,
    // directly or through a swap, are refused and change nothing.
    EXPECT_FALSE(controls.bind(Action::Emp, 0));
    EXPECT_FALSE(controls.bind(Action::Emp, kUnnamedKey));
    EXPECT_FALSE(controls.bind(Action::Menu, VK_LBUTTON));
    EXPECT_FALSE(controls.bind(Action::Missile, VK_ESCAPE));
    EXPECT_EQ(controls.input(Action::Missile), VK_MBUTTON);
    EXPECT_EQ(controls.input(Action::Menu), VK_ESCAPE);

    controls.setMouseSensitivity(2.0f);
    controls.invertPitch = true;
    controls.restoreDefaults();
    const Controls defaults;
    for (std::size_t i = 0; i < Controls::kActionCount; ++i)
        EXPECT_EQ(controls.input(static_cast<Action>(i)), defaults.input(static_cast<Action>(i)));
    EXPECT_EQ(controls.mouseSensitivity(), 1.0f);
    EXPECT_FALSE(controls.invertPitch);
}

// A pointer 10 pixels right of and 20 below the centre turns 0.003 rad per
// pixel times the sensitivity: to the right (negative yaw) and down.
TEST(Controls, MouseSensitivityScalesTheTurnPerPixelAndInvertFlipsPitchOnly)
{
    Controls controls;
    EXPECT_FLOAT_EQ(controls.mouseYaw(10), -0.03f);
    EXPECT_FLOAT_EQ(controls.mousePitch(20), -0.06f);
    EXPECT_FLOAT_EQ(controls.mousePitch(-20), 0.06f);
    controls.setMouseSensitivity(4.0f);
    EXPECT_FLOAT_EQ(controls.mouseYaw(10), -0.12f);
    controls.setMouseSensitivity(0.25f);
    EXPECT_FLOAT_EQ(controls.mousePitch(20), -0.015f);
    controls.setMouseSensitivity(9.0f);
    EXPECT_EQ(controls.mouseSensitivity(), 4.0f);
    controls.setMouseSensitivity(0.1f);
    EXPECT_EQ(controls.mouseSensitivity(), 0.25f);
    controls.setMouseSensitivity(1.0f);
    controls.invertPitch = true;
    EXPECT_FLOAT_EQ(controls.mousePitch(20), 0.06f);
    EXPECT_FLOAT_EQ(controls.mouseYaw(10), -0.03f);
}
