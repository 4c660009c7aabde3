#include "FlightTestWorld.h"

#include "core/Camera.h"
#include "flight/Orientation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "platform/KeyState.h"

#include <cmath>
#include <memory>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;

// A human pilot in a world with a ship to fly.
struct Cockpit {
    Cockpit()
    {
        clearInjectedKeys();
        game.ship = ship;
        human = std::make_unique<PlayerHuman>("Halvard", &shipRef.ref, &game.hooks);
    }
    ~Cockpit() { clearInjectedKeys(); }

    void fly(int frames, float dt = kStep)
    {
        for (int i = 0; i < frames; ++i)
            human->update(dt);
    }
    // Releases the key for a frame, then holds it for another.
    void press(unsigned key)
    {
        injectKeyState(key, false);
        fly(1);
        injectKeyState(key, true);
        fly(1);
    }

    test::TestWorld t;
    test::RecordingGame game;
    GameObject_Ship* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    test::TrackedRef shipRef{t.objects(), ship};
    std::unique_ptr<PlayerHuman> human;
};

// A computer pilot in a fighter 1000 ahead of the player.
struct Chase {
    test::TestWorld t;
    GameObject_Ship* player = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    GameObject_Ship* hunter = t.add(new Ship_FighterMark1(0.0f, 1000.0f));
    test::TrackedRef playerRef{t.objects(), player};
    test::TrackedRef hunterRef{t.objects(), hunter};
    PlayerAI ai{&hunterRef.ref, &playerRef.ref};
};

}

// Opposite turn keys cancel; a released turn key leaves a fifth of the turn after one second.
TEST(HumanPilot, ThrottleMovesTargetSpeedBy1500PerSecondAndOppositeTurnKeysCancel)
{
    Cockpit c;
    injectKeyState(VK_RETURN, true);
    c.fly(60, 1.0f / 60.0f);
    EXPECT_NEAR(c.ship->targetSpeed, 1500.0f, 0.1f);
    c.fly(120, 1.0f / 60.0f);
    EXPECT_EQ(c.ship->targetSpeed, 2500.0f);
    injectKeyState(VK_RETURN, false);
    injectKeyState(VK_SHIFT, true);
    c.fly(64);
    EXPECT_NEAR(c.ship->targetSpeed, 1000.0f, 0.1f);
    c.fly(200);
    EXPECT_EQ(c.ship->targetSpeed, 0.0f);

    for (const unsigned key : {'W', 'S', 'A', 'D'})
        injectKeyState(key, true);
    c.fly(30);
    EXPECT_EQ(c.human->pitchRate, 0.0f);
    EXPECT_EQ(c.human->yawRate, 0.0f);
    EXPECT_EQ(c.ship->orientation.m, Matrix3{}.m);
    injectKeyState('D', false);
    c.fly(30);
    const float turning = c.human->yawRate;
    EXPECT_GT(turning, 0.0f);
    injectKeyState('A', false);
    c.fly(64);
    EXPECT_NEAR(c.human->yawRate / turning, 0.2f, 1e-4f);
}

TEST(HumanPilot, FunctionKeysPickViewsAndTheHighestHeldWins)
{
    Cockpit c;
    injectKeyState(VK_F1 + 2, true);
    injectKeyState(VK_F1 + 4, true);
    c.fly(1);
    EXPECT_EQ(c.human->viewIndex, 4u);
    EXPECT_TRUE(c.human->currentView().outsideView);
    EXPECT_EQ(c.human->views[0].position, c.ship->eyePoint);

    // Each outside view looks back at the ship: its centre lies straight ahead
    // of the eye (eye space x = y = 0, z < 0), whichever way the ship is turned.
    yaw(*c.ship, 0.7f);
    pitch(*c.ship, -0.4f);
    c.human->attachViews();
    for (std::size_t view = 2; view < 8; ++view) {
        SCOPED_TRACE(view);
        test::expectNear(test::transform(getViewMatrix(c.human->views[view]), c.ship->position), {0, 0, -150}, 1e-2f);
    }
}

// Outside the forward view there is no target, so missiles are refused.
TEST(HumanPilot, HeldBackspaceFiresOneMissileAtTheTargetInTheForwardViewOnly)
{
    Cockpit c;
    auto* enemy = c.t.add(new Ship_FighterMark1(300.0f, 3000.0f));
    c.ship->setMissiles(2);
    c.fly(1);
    EXPECT_EQ(c.human->target, enemy);
    injectKeyState(VK_BACK, true);
    c.fly(20);
    EXPECT_EQ(c.ship->missiles, 1u);
    c.press(VK_BACK);
    EXPECT_EQ(c.ship->missiles, 0u);
    EXPECT_TRUE(c.game.messages.empty());
    c.press(VK_BACK);
    EXPECT_EQ(c.game.messages.size(), 1u);
    EXPECT_EQ(c.game.clockResumes, 1);

    c.ship->setMissiles(1);
    injectKeyState(VK_F1 + 1, true);
    c.fly(1);
    EXPECT_EQ(c.human->target, nullptr);
    c.press(VK_BACK);
    EXPECT_EQ(c.ship->missiles, 1u);
    EXPECT_EQ(c.game.messages.size(), 2u);
    EXPECT_TRUE(c.t.world->sounds.paused) << "the world falls silent under the dialog";
    injectKeyState(VK_DELETE, true);
    c.fly(3);
    const decltype(c.game.messages) expected{{"Cannot launch missile", "Your ship is out of missiles"},
                                             {"Cannot launch missile", "You do not have a current target"},
                                             {"Cannot deploy EMP bomb", "You do not any EMP bombs left"}};
    EXPECT_EQ(c.game.messages, expected);
}

TEST(HumanPilot, KeysHeldWhenThePilotIsBuiltDoNotActAtOnceAndALostShipOnlyClearsTheTarget)
{
    Cockpit c;
    c.t.add(new Ship_FighterMark1(0.0f, 3000.0f));
    c.ship->setEmpBombs(1);
    injectKeyState(VK_DELETE, true);
    c.human = std::make_unique<PlayerHuman>("Halvard", &c.shipRef.ref, &c.game.hooks);
    c.fly(3);
    EXPECT_EQ(c.ship->empBombs, 1u);
    c.press(VK_DELETE);
    EXPECT_EQ(c.ship->empBombs, 0u);
    injectKeyState(VK_SPACE, true);
    c.fly(1);
    EXPECT_TRUE(c.ship->laser.firing);
    ASSERT_NE(c.human->target, nullptr);

    c.t.objects().deleteObject(c.ship);
    c.fly(1);
    EXPECT_EQ(c.human->target, nullptr);
}

TEST(ComputerPilot, StartsAtFullSpeedHeadingAwayAndTrailsThePlayer)
{
    Chase c;
    EXPECT_EQ(c.hunter->targetSpeed, c.hunter->topSpeed);
    EXPECT_NEAR(c.hunter->forward().z, 1.0f, 1e-5f);
    EXPECT_EQ(c.ai.steerPoint, c.player->position);

    // The steer point closes all but a fraction 0.0007 of the gap per second.
    c.player->position = {1000.0f, 0.0f, 0.0f};
    c.hunter->position = {0.0f, 0.0f, 5000.0f};
    c.ai.update(1.0f);
    EXPECT_NEAR(c.ai.steerPoint.x, 1000.0f * (1.0f - 0.0007f), 0.01f);
}

TEST(ComputerPilot, PicksAnEvasionPoint400OffThePlayerWithin200UnitsAndKeepsIt)
{
    Chase c;
    c.hunter->position = {0.0f, 0.0f, 150.0f};
    const Matrix3 before = c.hunter->orientation;
    c.ai.update(kStep);
    ASSERT_TRUE(c.ai.evading);
    const Vector3 offset = c.ai.steerPoint - c.player->position;
    const float alongUp = std::fabs(dot(offset, before.row(1)));
    const float alongRight = std::fabs(dot(offset, before.row(0)));
    EXPECT_NEAR(std::max(alongUp, alongRight), 400.0f, 0.01f);
    EXPECT_NEAR(std::min(alongUp, alongRight), 0.0f, 0.01f);

    const Vector3 chosen = c.ai.steerPoint;
    c.hunter->position = {0.0f, 0.0f, 199.0f};
    c.ai.update(kStep);
    EXPECT_EQ(c.ai.steerPoint, chosen);
    c.hunter->position = {0.0f, 0.0f, 200.0f};
    c.ai.update(kStep);
    EXPECT_FALSE(c.ai.evading);
}

TEST(ComputerPilot, WithAZeroStepNeitherTurnsNorFires)
{
    Chase c;
    c.hunter->setMissiles(2);
    c.hunter->orientation.m = {-1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, -1.0f};
    for (int frame = 0; frame < 200; ++frame)
        c.ai.update(0.0f);
    EXPECT_NEAR(c.hunter->forward().z, -1.0f, 1e-6f);
    EXPECT_EQ(c.hunter->missiles, 2u);
    EXPECT_EQ(c.player->shield, 200.0f);
    // With time passing and the player dead ahead it does fire.
    for (int frame = 0; frame < 64; ++frame)
        c.ai.update(kStep);
    EXPECT_LT(c.player->shield, 200.0f);
}

TEST(ComputerPilot, LaunchesMissilesAtRandomAndStopsFiringWhenTheTargetIsGone)
{
    Chase c;
    c.hunter->setMissiles(4);
    c.hunter->position = {0.0f, 5000.0f, 0.0f};
    g_randomSeed = 12345;
    int frames = 0;
    while (c.hunter->missiles == 4 && frames < 64 * 3600) {
        c.ai.update(kStep);
        ++frames;
    }
    EXPECT_LT(c.hunter->missiles, 4u);
    EXPECT_GT(frames, 10) << "a launch in a step of 1/64 s has probability 1/3200";

    c.t.objects().deleteObject(c.player);
    c.hunter->laser.firing = true;
    c.ai.update(kStep);
    EXPECT_FALSE(c.hunter->laser.firing);
}
