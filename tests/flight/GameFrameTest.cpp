#include "GameTestSupport.h"

#include "flight/GameObject_Missile.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/PlayerHuman.h"

#include <cmath>

using gametest::GameTest;

namespace {

float distance(dh::Vector3 a, dh::Vector3 b)
{
    return dh::length(a - b);
}

}

TEST_F(GameTest, ANewGameStartsAloneNearTheStation)
{
    EXPECT_EQ(game->aiCount, 0u);
    ASSERT_NE(game->playerShip(), nullptr);
    ASSERT_NE(game->station(), nullptr);
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    EXPECT_STREQ(game->station()->name, "Spacestation");
    EXPECT_EQ(game->human->commanderName, "Tester");
    EXPECT_NEAR(distance(ship().position, game->station()->position), 32000.0f, 1.0f);
    EXPECT_FALSE(game->menuHover || game->missileHover || game->empHover);
    EXPECT_EQ(game->warningBeepTimer, 0.0f);
}

// The step is the mean of 8 frame times, formed when the eighth frame is
// counted; until then nothing moves. Pilots get the step unclamped, the world
// at most 1/15 s.
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

    for (int i = 1; i <= 7; ++i) {
        frame(200);
        EXPECT_EQ(game->timeStep, 0.0f) << "frame " << i;
        EXPECT_EQ(ship().position, start) << "frame " << i;
        EXPECT_EQ(hostile->position, hostileStart) << "frame " << i;
    }

    dh::injectKeyState(dh::VK_RETURN, true);
    frame(200);
    EXPECT_FLOAT_EQ(game->timeStep, 0.2f);
    EXPECT_EQ(game->frameCount, 0u);
    EXPECT_NEAR(distance(ship().position, start), 100.0f * 0.06666666f, 1e-3f);
    // The throttle rises by 1500 per second of the unclamped step.
    EXPECT_FLOAT_EQ(ship().targetSpeed, 100.0f + 0.2f * 1500.0f);
}

TEST_F(GameTest, AResetStartsTheMeanAfresh)
{
    for (int i = 0; i < 8; ++i) {
        frame(50);
    }
    EXPECT_FLOAT_EQ(game->timeStep, 0.05f);
    frame(50);
    frame(50);
    // A dialog that lasted 30 seconds does not become one long step.
    now += 30000;
    game->resumeClock();
    EXPECT_EQ(game->timeStep, 0.0f);
    EXPECT_EQ(game->frameCount, 0u);
    for (int i = 0; i < 7; ++i) {
        frame(10);
    }
    EXPECT_EQ(game->timeStep, 0.0f);
    frame(10);
    EXPECT_FLOAT_EQ(game->timeStep, 0.01f);
}

// When a ship and the one in the last slot are lost together, the last one
// moves into the freed slot and is found on the next frame; both are kills.
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
    EXPECT_EQ(game->aiShipRefs[0]->object, nullptr);
    EXPECT_EQ(game->aiShipRefs[1]->object, middle);

    frame(20);
    EXPECT_EQ(game->aiCount, 1u);
    EXPECT_EQ(game->human->kills, 2u);
    EXPECT_EQ(game->aiShipRefs[0]->object, middle);
    EXPECT_EQ(game->aiPilots[0]->shipRef, game->aiShipRefs[0].get());
    EXPECT_EQ(game->world->objects.refCount(), refsBefore - 2);

    frame(20);
    EXPECT_EQ(game->human->kills, 2u);
}

TEST_F(GameTest, DockingClearsHostilesAndCountsThemAfterLaunch)
{
    addComputerShip(5000.0f, 0.0f);
    addComputerShip(0.0f, 5000.0f);
    dh::GameObject_Ship* third = addComputerShip(-5000.0f, 0.0f);
    third->missiles = 1;
    third->fireMissile(game->playerShip());
    ASSERT_NE(game->world->objects.findFirstMissile(), nullptr);
    ship().hyperspaceFuel = false;
    const std::uint32_t kills = game->human->kills;

    auto* station = static_cast<dh::GameObject_SpaceStation*>(game->station());
    ship().position = station->dockingPoint();
    frame(20);
    EXPECT_EQ(stationRuns, 1);
    EXPECT_EQ(game->world->objects.findFirstMissile(), nullptr);
    EXPECT_EQ(ship().position, (dh::Vector3{0.0f, 0.0f, 4000.0f}));
    EXPECT_TRUE(ship().hyperspaceFuel);
    EXPECT_EQ(game->timeStep, 0.0f);

    frame(20);
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(game->human->kills, kills + 3);
    EXPECT_EQ(stationRuns, 1);
}

TEST_F(GameTest, EscapeOpensTheMenuOnlyWhileTheShipExists)
{
    game->onKeyDown(dh::VK_RETURN);
    EXPECT_EQ(menuRuns, 0);
    game->onKeyDown(dh::VK_ESCAPE);
    EXPECT_EQ(menuRuns, 1);

    game->world->objects.deleteObject(game->playerShip());
    ASSERT_EQ(game->playerShip(), nullptr);
    game->onKeyDown(dh::VK_ESCAPE);
    game->onMouseDown(400, 590, 1);
    game->onMouseDown(400, 590, 2);
    EXPECT_EQ(menuRuns, 1);
}

// Once the ship is gone the camera circles the place of death at 800 units,
// one radian per second of step.
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
    EXPECT_FLOAT_EQ(game->deathCameraAngle, 0.1f);

    now += 100;
    const dh::Camera& second = game->simulateFrame();
    const dh::Vector3 expected{-800.0f * std::sin(0.1f), 0.0f, 800.0f * std::cos(0.1f)};
    EXPECT_NEAR(distance(second.position, lost + expected), 0.0f, 0.01f);
    // It looks along its negative third row, straight back at the wreck.
    EXPECT_NEAR(second.rotation.row(2).x, -std::sin(0.1f), 1e-5f);
    EXPECT_NEAR(second.rotation.row(2).z, std::cos(0.1f), 1e-5f);
    EXPECT_FLOAT_EQ(game->deathCameraAngle, 0.2f);
}

TEST_F(GameTest, ReplacingTheShipKeepsEveryReferenceValid)
{
    addComputerShip(5000.0f, 0.0f);
    dh::GameObject_Ship* old = game->playerShip();
    auto* bought = new dh::Ship_ExplorerMark1(100.0f, 200.0f);
    game->replacePlayerShip(nullptr);
    EXPECT_EQ(game->playerShip(), old);

    game->replacePlayerShip(bought);
    EXPECT_EQ(game->playerShip(), bought);
    EXPECT_FALSE(game->world->objects.containsObject(old));
    EXPECT_TRUE(game->world->objects.containsObject(bought));
    EXPECT_EQ(game->human->shipRef, game->playerShipRef.get());
    EXPECT_EQ(game->aiPilots[0]->targetRef, game->playerShipRef.get());

    // A ship lost before the replacement leaves no stale reference behind.
    const std::uint32_t refs = game->world->objects.refCount();
    game->world->objects.deleteObject(bought);
    game->replacePlayerShip(new dh::Ship_ExplorerMark1(0.0f, 0.0f));
    EXPECT_EQ(game->world->objects.refCount(), refs);
    frame(20);
    EXPECT_NE(game->playerShip(), nullptr);
}
