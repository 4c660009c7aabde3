#include "FlightTestWorld.h"

#include "flight/Controls.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "platform/Controllers.h"
#include "platform/KeyNames.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

#include <cmath>
#include <memory>
#include <vector>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;
constexpr short kFull = 32767;
constexpr short kHalf = 16384;

// The turn after one frame from rest with a turn input of `rate` rad/s: the
// smoothing keeps 0.2^dt of the old turn and adds the rest of the input.
float firstFrameTurn(float rate)
{
    const double k = std::pow(static_cast<double>(0.2f), static_cast<double>(kStep));
    return static_cast<float>((1.0 - k) * (kStep * rate));
}

// Hands the controllers' comings and goings and their new states to the
// platform, as the window's message pump does every frame; returns the key
// events they brought.
std::vector<PlatformEvent> pump()
{
    std::vector<PlatformEvent> events;
    PlatformEvent event;
    while (platformPollEvent(event))
        events.push_back(event);
    return events;
}

struct PadCockpit {
    PadCockpit()
    {
        clearInjectedKeys();
        openControllers();
        pump();
    }
    ~PadCockpit()
    {
        clearInjectedKeys();
        pump();
    }
    std::unique_ptr<PlayerHuman> fly()
    {
        pump();
        auto human = std::make_unique<PlayerHuman>("Halvard", &shipRef.ref, &game.hooks);
        human->update(kStep);
        return human;
    }

    test::TestWorld t;
    test::RecordingGame game;
    GameObject_Ship* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    test::TrackedRef shipRef{t.objects(), ship};
};

}

TEST(Controller, StickTurnsAtTheKeyRateAtFullDeflectionHalfAtHalfAndNothingInTheDeadZone)
{
    PadCockpit c;
    VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    pad.setAxis(PadAxis::LeftX, kFull);
    auto human = c.fly();
    EXPECT_FLOAT_EQ(human->yawRate, -firstFrameTurn(1.5f));
    EXPECT_EQ(human->pitchRate, 0.0f);

    pad.setAxis(PadAxis::LeftX, 0);
    pad.setAxis(PadAxis::LeftY, -kHalf);
    human = c.fly();
    EXPECT_NEAR(human->pitchRate, firstFrameTurn(0.75f), 1e-6f);
    EXPECT_EQ(human->yawRate, 0.0f);

    // 14 % of full deflection is inside the dead zone, 16 % outside.
    pad.setAxis(PadAxis::LeftY, static_cast<short>(kFull * 0.14f));
    pad.setAxis(PadAxis::LeftX, static_cast<short>(-kFull * 0.14f));
    human = c.fly();
    EXPECT_EQ(human->pitchRate, 0.0f);
    EXPECT_EQ(human->yawRate, 0.0f);
    pad.setAxis(PadAxis::LeftX, static_cast<short>(-kFull * 0.16f));
    human = c.fly();
    EXPECT_GT(human->yawRate, 0.0f);
}

TEST(Controller, TriggersThrottleAndButtonsFireLaunchDropAndStepTheView)
{
    PadCockpit c;
    VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    // Plugged in at rest: SDL takes a trigger's first reading as its rest.
    pump();
    pad.setAxis(PadAxis::RightTrigger, kFull);
    c.fly();
    EXPECT_NEAR(c.ship->targetSpeed, kStep * 1500.0f, 0.01f);
    pad.setAxis(PadAxis::RightTrigger, 0);
    pad.setAxis(PadAxis::LeftTrigger, kHalf);
    c.fly();
    EXPECT_NEAR(c.ship->targetSpeed, kStep * 750.0f, 0.01f);

    pad.setButton(VK_PAD_RIGHTSHOULDER, true);
    auto human = c.fly();
    EXPECT_TRUE(c.ship->laser.firing);
    pad.setButton(VK_PAD_RIGHTSHOULDER, false);

    c.ship->empBombs = 1;
    pad.setButton(VK_PAD_X, true);
    pump();
    human->update(kStep);
    human->update(kStep);
    EXPECT_EQ(c.ship->empBombs, 0u);
    pad.setButton(VK_PAD_X, false);

    pad.setButton(VK_PAD_A, true);
    pump();
    human->update(kStep);
    ASSERT_EQ(c.game.messages.size(), 1u);
    EXPECT_EQ(c.game.messages[0].second, "You do not have a current target");
    pad.setButton(VK_PAD_A, false);

    pad.setButton(VK_PAD_Y, true);
    pump();
    human->update(kStep);
    human->update(kStep);
    EXPECT_EQ(human->viewIndex, 1u);
    pad.setButton(VK_PAD_Y, false);
    pump();
    human->update(kStep);
    pad.setButton(VK_PAD_Y, true);
    pump();
    human->update(kStep);
    EXPECT_EQ(human->viewIndex, 2u);
}

TEST(Controller, ButtonsArriveAsKeyEventsForMenusAndDialogs)
{
    PadCockpit c;
    VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    pump();
    pad.setButton(VK_PAD_START, true);
    pad.setButton(VK_PAD_B, true);
    const auto events = pump();
    bool start = false;
    bool b = false;
    for (const PlatformEvent& event : events) {
        start = start || (event.type == PlatformEvent::Type::KeyDown && event.key == VK_PAD_START);
        b = b || (event.type == PlatformEvent::Type::KeyDown && event.key == VK_PAD_B);
    }
    EXPECT_TRUE(start);
    EXPECT_TRUE(b);
    EXPECT_TRUE(isKeyHeld(VK_PAD_START));
    EXPECT_EQ(Controls::padInput(Action::Menu), VK_PAD_START);
}

TEST(Controller, PluggedInMidFlightItFliesAndPulledOutTheKeysStillDo)
{
    PadCockpit c;
    auto human = c.fly();
    auto pad = std::make_unique<VirtualController>(true);
    ASSERT_TRUE(pad->attached());
    pad->setAxis(PadAxis::LeftX, kFull);
    pump();
    human->update(kStep);
    EXPECT_LT(human->yawRate, 0.0f);

    pad->detach();
    pump();
    EXPECT_EQ(padAxis(PadAxis::LeftX), 0.0f);
    human = c.fly();
    EXPECT_EQ(human->yawRate, 0.0f);
    injectKeyState('D', true);
    human = c.fly();
    EXPECT_FLOAT_EQ(human->yawRate, -firstFrameTurn(1.5f));
}

TEST(Controller, AJoystickWithoutAGamepadLayoutSteersAndFiresWithItsTrigger)
{
    PadCockpit c;
    VirtualController stick(false);
    ASSERT_TRUE(stick.attached());
    stick.setAxis(PadAxis::LeftY, kFull);
    stick.setButton(VK_PAD_RIGHTSHOULDER, true);
    auto human = c.fly();
    EXPECT_FLOAT_EQ(human->pitchRate, -firstFrameTurn(1.5f));
    EXPECT_TRUE(c.ship->laser.firing);
}

TEST(Controller, AButtonBoundToAnActionDoesThatAloneAndIsStoredByItsName)
{
    PadCockpit c;
    VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    ASSERT_EQ(inputName(VK_PAD_X), "Pad x");
    ASSERT_EQ(inputFromName("Pad x"), VK_PAD_X);
    EXPECT_EQ(inputFromName("Pad nosuchbutton"), 0u);

    // X drops EMP bombs until the laser takes it; then it fires alone.
    ASSERT_TRUE(g_controls.bind(Action::Laser, VK_PAD_X));
    pad.setButton(VK_PAD_X, true);
    pump();
    EXPECT_TRUE(g_controls.held(Action::Laser));
    EXPECT_FALSE(g_controls.held(Action::Emp));
    EXPECT_FALSE(g_controls.held(Action::Missile));

    // Bound to a view, Y no longer also steps to the next one.
    pad.setButton(VK_PAD_X, false);
    ASSERT_TRUE(g_controls.bind(Action::View3, VK_PAD_Y));
    auto human = c.fly();
    pad.setButton(VK_PAD_Y, true);
    pump();
    human->update(kStep);
    human->update(kStep);
    EXPECT_EQ(human->viewIndex, 2u);
    g_controls.restoreDefaults();
}
