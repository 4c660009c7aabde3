#include "GameTestSupport.h"

#include "flight/FrameTimer.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_SpaceStation.h"

#include <cmath>

using gametest::GameTest;

namespace {

float distance(dh::Vector3 a, dh::Vector3 b)
{
    return dh::length(a - b);
}

}

TEST(FrameTimer, MeasuresMillisecondsAcrossTheClockWrap)
{
    std::uint32_t now = 0xFFFFFFF0u;
    dh::platformOverrideClock(&now);
    dh::FrameTimer timer;
    now = 0x10u;
    timer.tick();
    EXPECT_EQ(timer.deltaTicks, 0x20u);
    EXPECT_FLOAT_EQ(timer.deltaSeconds, 0.032f);
    dh::platformOverrideClock(nullptr);
}

TEST_F(GameTest, ANewGameStartsAloneNearTheStation)
{
    EXPECT_EQ(game->aiCount, 0u);
    ASSERT_NE(game->station(), nullptr);
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    EXPECT_NEAR(distance(ship().position, game->station()->position), 32000.0f, 1.0f);
}

// Nothing moves until eight frame times are counted; pilots get their mean
// unclamped, the world at most 1/15 s. A reset starts the mean afresh.
TEST_F(GameTest, TheStepIsTheMeanOfEightFramesAndTheWorldIsCapped)
{
    game->resumeClock();
    auto* hostile = addComputerShip(5000.0f, 0.0f);
    hostile->velocity = hostile->forward() * 50.0f;
    hostile->targetSpeed = 50.0f;
    ship().velocity = ship().forward() * 100.0f;
    ship().targetSpeed = 100.0f;
    const dh::Vector3 start = ship().position;
    const dh::Vector3 hostileStart = hostile->position;
    for (int i = 1; i <= 8; ++i) {
        frame(200);
        EXPECT_EQ(game->timeStep, 0.0f) << "frame " << i;
    }
    EXPECT_EQ(ship().position, start);
    EXPECT_EQ(hostile->position, hostileStart);

    dh::injectKeyState(dh::VK_RETURN, true);
    frame(200);
    EXPECT_FLOAT_EQ(game->timeStep, 0.2f);
    EXPECT_NEAR(distance(ship().position, start), 100.0f * 0.06666666f, 1e-3f);
    EXPECT_FLOAT_EQ(ship().targetSpeed, 100.0f + 0.2f * 1500.0f) << "the throttle uses the unclamped step";

    // A dialog that lasted 30 seconds does not become one long step.
    now += 30000;
    game->resumeClock();
    for (int i = 0; i < 8; ++i) {
        frame(10);
    }
    EXPECT_EQ(game->timeStep, 0.0f);
    frame(10);
    EXPECT_FLOAT_EQ(game->timeStep, 0.01f);
}

// When a ship and the one in the last slot are lost together, the last one
// moves into the freed slot and is found on the next frame.
TEST_F(GameTest, LostComputerShipsAreRemovedAndCounted)
{
    dh::GameObject_Ship* first = addComputerShip(5000.0f, 0.0f);
    dh::GameObject_Ship* middle = addComputerShip(0.0f, 5000.0f);
    dh::GameObject_Ship* last = addComputerShip(-5000.0f, 0.0f);
    const std::uint32_t refsBefore = game->world->objects.refCount();
    game->world->objects.deleteObject(first);
    game->world->objects.deleteObject(last);
    frame(20);
    EXPECT_EQ(game->aiCount, 2u);
    EXPECT_EQ(game->human->kills, 1u);
    frame(20);
    EXPECT_EQ(game->aiCount, 1u);
    EXPECT_EQ(game->human->kills, 2u);
    EXPECT_EQ(game->aiShipRefs[0]->object, middle);
    EXPECT_EQ(game->aiPilots[0]->shipRef, game->aiShipRefs[0].get());
    EXPECT_EQ(game->world->objects.refCount(), refsBefore - 2);
}

TEST_F(GameTest, DockingClearsHostilesAndCountsThemAfterLaunch)
{
    addComputerShip(5000.0f, 0.0f);
    addComputerShip(0.0f, 5000.0f);
    dh::GameObject_Ship* third = addComputerShip(-5000.0f, 0.0f);
    third->missiles = 1;
    third->fireMissile(game->playerShip());
    ship().hyperspaceFuel = false;
    ship().position = static_cast<dh::GameObject_SpaceStation*>(game->station())->dockingPoint();
    frame(20);
    EXPECT_EQ(stationRuns, 1);
    EXPECT_EQ(game->world->objects.findFirstMissile(), nullptr);
    EXPECT_EQ(ship().position, (dh::Vector3{0.0f, 0.0f, 4000.0f}));
    EXPECT_TRUE(ship().hyperspaceFuel);
    frame(20);
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(game->human->kills, 3u);
    EXPECT_EQ(stationRuns, 1);
}

TEST_F(GameTest, EscapeOpensTheMenuOnlyWhileTheShipExists)
{
    game->onKeyDown(dh::VK_ESCAPE);
    EXPECT_EQ(menuRuns, 1);
    game->world->objects.deleteObject(game->playerShip());
    game->onKeyDown(dh::VK_ESCAPE);
    game->onMouseDown(400, 590, 1);
    EXPECT_EQ(menuRuns, 1);
}

// Once the ship is gone the camera circles the place of death at 800 units,
// one radian per second, looking back at it.
TEST_F(GameTest, TheDeathCameraCirclesWhereTheShipWasLost)
{
    for (int i = 0; i < 8; ++i) {
        frame(100);
    }
    const dh::Vector3 lost = ship().position;
    game->world->objects.deleteObject(game->playerShip());
    now += 100;
    const dh::Camera& first = game->simulateFrame();
    EXPECT_EQ(&first, game->deathCamera.get());
    EXPECT_NEAR(distance(first.position, lost + dh::Vector3{0.0f, 0.0f, 800.0f}), 0.0f, 0.01f);
    now += 100;
    const dh::Camera& second = game->simulateFrame();
    const dh::Vector3 expected{-800.0f * std::sin(0.1f), 0.0f, 800.0f * std::cos(0.1f)};
    EXPECT_NEAR(distance(second.position, lost + expected), 0.0f, 0.01f);
    EXPECT_NEAR(second.rotation.row(2).x, -std::sin(0.1f), 1e-5f);
    EXPECT_NEAR(second.rotation.row(2).z, std::cos(0.1f), 1e-5f);
}

TEST_F(GameTest, ReplacingTheShipKeepsEveryReferenceValid)
{
    addComputerShip(5000.0f, 0.0f);
    dh::GameObject_Ship* old = game->playerShip();
    game->replacePlayerShip(nullptr);
    EXPECT_EQ(game->playerShip(), old);
    auto* bought = new dh::Ship_ExplorerMark1(100.0f, 200.0f);
    game->replacePlayerShip(bought);
    EXPECT_EQ(game->playerShip(), bought);
    EXPECT_FALSE(game->world->objects.containsObject(old));
    EXPECT_EQ(game->aiPilots[0]->targetRef, game->playerShipRef.get());

    // A ship lost before the replacement leaves no stale reference behind.
    const std::uint32_t refs = game->world->objects.refCount();
    game->world->objects.deleteObject(bought);
    game->replacePlayerShip(new dh::Ship_ExplorerMark1(0.0f, 0.0f));
    EXPECT_EQ(game->world->objects.refCount(), refs);
    frame(20);
    EXPECT_NE(game->playerShip(), nullptr);
}
