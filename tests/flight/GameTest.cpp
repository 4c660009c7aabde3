#include "core/FrameTimer.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/World.h"
#include "galaxy/Galaxy.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

// A new game on a clock of the test's own, with the screens the flight opens
// replaced by counters.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::platformOverrideClock(&now);
        dh::clearInjectedKeys();
        dh::GameHooks hooks;
        hooks.runInGameMenu = [this](dh::Game&) { ++menuRuns; };
        hooks.runStationScreen = [this](dh::Game&) { ++stationRuns; };
        game = std::make_unique<dh::Game>("Tester", hooks);
    }
    void TearDown() override
    {
        game.reset();
        dh::clearInjectedKeys();
        dh::platformOverrideClock(nullptr);
    }

    // One frame taking `ms` milliseconds, with the docking the station asked for.
    void frame(std::uint32_t ms)
    {
        now += ms;
        game->simulateFrame();
        game->runPendingDock();
    }

    dh::GameObject_Ship& ship() { return *game->playerShip(); }
    // A computer ship with its pilot in the next free slot, as spawning makes one.
    dh::GameObject_Ship* addComputerShip(float x, float z)
    {
        auto* hostile = new dh::Ship_ExplorerMark1(x, z);
        auto ref = std::make_unique<dh::ObjectRef>();
        ref->object = hostile;
        const std::uint32_t slot = game->aiCount;
        game->aiPilots[slot] = std::make_unique<dh::PlayerAI>(ref.get(), game->playerShipRef.get());
        game->aiShipRefs[slot] = std::move(ref);
        game->world->objects.addObject(hostile);
        game->world->objects.trackRef(game->aiShipRefs[slot].get());
        game->aiCount += 1;
        return hostile;
    }

    std::uint32_t now = 100000;
    int menuRuns = 0;
    int stationRuns = 0;
    std::unique_ptr<dh::Game> game;
};

// Goods 7 is the dearest, at 300 credits a unit.
constexpr std::size_t kJewellery = 7;

// The x of the first cell east of `from` that does (or does not) hold a star.
std::uint32_t nextCell(const dh::Galaxy& galaxy, const dh::StarSystem& from, bool star, dh::StarSystem& system)
{
    std::uint32_t x = from.x;
    do
        dh::getSystem(galaxy, ++x, from.y, system);
    while (system.hasStar() != star);
    return x;
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
    const dh::Vector3 start = ship().position, hostileStart = hostile->position;
    for (int i = 1; i <= 8; ++i) {
        frame(200);
        EXPECT_EQ(game->timeStep, 0.0f) << "frame " << i;
    }
    EXPECT_EQ(ship().position, start);
    EXPECT_EQ(hostile->position, hostileStart);

    dh::injectKeyState(dh::VK_RETURN, true);
    frame(200);
    EXPECT_FLOAT_EQ(game->timeStep, 0.2f);
    EXPECT_NEAR(dh::length(ship().position - start), 100.0f * 0.06666666f, 1e-3f);
    EXPECT_FLOAT_EQ(ship().targetSpeed, 100.0f + 0.2f * 1500.0f) << "the throttle uses the unclamped step";

    // A dialog that lasted 30 seconds does not become one long step.
    now += 30000;
    game->resumeClock();
    for (int i = 0; i < 8; ++i)
        frame(10);
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

// The relaunch itself is the station's, checked with the station.
TEST_F(GameTest, DockingClearsHostilesAndCountsThemAfterLaunch)
{
    addComputerShip(5000.0f, 0.0f);
    addComputerShip(0.0f, 5000.0f);
    dh::GameObject_Ship* third = addComputerShip(-5000.0f, 0.0f);
    third->missiles = 1;
    third->fireMissile(game->playerShip());
    ship().position = static_cast<dh::GameObject_SpaceStation*>(game->station())->dockingPoint();
    frame(20);
    EXPECT_EQ(stationRuns, 1);
    EXPECT_EQ(game->world->objects.findFirstMissile(), nullptr);
    frame(20);
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(game->human->kills, 3u);
    EXPECT_EQ(stationRuns, 1);
}

// A missile launched in the frame the target left the world (docking removed
// it, or it was destroyed) finds no target instead of a deleted one.
TEST_F(GameTest, ATargetThatLeftTheWorldIsNeverFiredAt)
{
    ship().position = {50000.0f, 0.0f, 0.0f};
    ship().orientation = dh::Matrix3{};
    ship().missiles = 2;
    dh::GameObject_Ship* hostile = addComputerShip(50000.0f, 3000.0f);
    frame(20);
    ASSERT_EQ(game->human->target, hostile);
    ship().position = static_cast<dh::GameObject_SpaceStation*>(game->station())->dockingPoint();
    dh::injectKeyState(dh::VK_BACK, true);
    frame(20);
    dh::injectKeyState(dh::VK_BACK, false);
    EXPECT_EQ(stationRuns, 1);
    EXPECT_EQ(ship().missiles, 2u) << "no missile at the hostile docking removed";
    EXPECT_EQ(game->world->objects.findFirstMissile(), nullptr);

    ship().position = {50000.0f, 0.0f, 0.0f};
    ship().orientation = dh::Matrix3{};
    hostile = addComputerShip(50000.0f, 3000.0f);
    frame(20);
    ASSERT_EQ(game->human->target, hostile);
    game->world->objects.deleteObject(hostile);
    dh::injectKeyState(dh::VK_BACK, true);
    frame(20);
    EXPECT_EQ(ship().missiles, 2u) << "no missile at a destroyed target";
    EXPECT_EQ(game->world->objects.findFirstMissile(), nullptr);
}

// Once the ship is gone Escape does nothing, and the camera circles the place
// of death at 800 units, one radian per second, looking back at it.
TEST_F(GameTest, EscapeOpensTheMenuWhileTheShipExistsThenTheDeathCameraCircles)
{
    game->onKeyDown(dh::VK_ESCAPE);
    EXPECT_EQ(menuRuns, 1);
    for (int i = 0; i < 8; ++i)
        frame(100);
    const dh::Vector3 lost = ship().position;
    game->world->objects.deleteObject(game->playerShip());
    game->onKeyDown(dh::VK_ESCAPE);
    game->onMouseDown(400, 590, 1);
    EXPECT_EQ(menuRuns, 1);

    now += 100;
    const dh::Camera& first = game->simulateFrame();
    EXPECT_EQ(&first, game->deathCamera.get());
    EXPECT_NEAR(dh::length(first.position - (lost + dh::Vector3{0.0f, 0.0f, 800.0f})), 0.0f, 0.01f);
    now += 100;
    const dh::Camera& second = game->simulateFrame();
    const dh::Vector3 expected{-800.0f * std::sin(0.1f), 0.0f, 800.0f * std::cos(0.1f)};
    EXPECT_NEAR(dh::length(second.position - (lost + expected)), 0.0f, 0.01f);
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

// The chance per attempt is (V + 500) x D / 35294.1 (V the hold's base value,
// D the danger): danger 0 never spawns, a product from 35295 up always gives 16.
TEST_F(GameTest, SpawningFollowsDangerAndCargoValue)
{
    const struct {
        std::uint32_t jewellery, danger, ships;
    } sure[] = {{1000, 0, 0}, {116, 1, 16}};  // 116 units: (34800 + 500) x 1 = 35300
    for (const auto& c : sure) {
        ship().cargo[kJewellery] = c.jewellery;
        game->currentSystem.danger = c.danger;
        for (std::uint32_t clock = 1; clock < 4000; clock += 37) {
            now = clock;
            game->frameTimer->reset();
            game->enterSystem(game->currentSystem, true, true);
            ASSERT_EQ(game->aiCount, c.ships) << "clock " << clock;
        }
    }

    ship().cargo = {};
    game->currentSystem.danger = 5;
    std::uint32_t total = 0;
    for (std::uint32_t i = 0; i < 200; ++i) {
        now = 7919u * i + 1u;
        game->frameTimer->reset();
        game->enterSystem(game->currentSystem, true, true);
        total += game->aiCount;
    }
    EXPECT_NEAR(total / 200.0, 16.0 * 2500.0 / 35294.1, 0.35);
}

// There is no jump to an empty cell; a jump arrives facing the station, without fuel.
TEST_F(GameTest, AJumpArrivesFacingTheStationWithoutFuelAndComputerShipsHeadAway)
{
    const dh::StarSystem home = game->currentSystem;
    dh::StarSystem destination;
    const dh::Vector3 start = ship().position;
    game->hyperspaceJump(nextCell(game->galaxy, home, false, destination), home.y);
    EXPECT_EQ(game->currentSystem, home);
    EXPECT_EQ(ship().position, start);
    nextCell(game->galaxy, home, true, destination);
    ship().cargo[kJewellery] = 200;
    ship().velocity = {0.0f, 0.0f, 300.0f};
    ship().targetSpeed = 300.0f;
    for (int i = 0; i < 8; ++i)
        frame(40);
    game->hyperspaceJump(destination.x, destination.y);
    EXPECT_EQ(game->currentSystem, destination);
    EXPECT_EQ(game->galaxy.recent[0], home);
    EXPECT_EQ(game->timeStep, 0.0f);

    const dh::Vector3 station = game->station()->position;
    EXPECT_NEAR(dh::length(ship().position - station), 32000.0f, 1.0f);
    EXPECT_NEAR(dh::dot(ship().forward(), dh::normalized(station - ship().position)), 1.0f, 1e-4f);
    EXPECT_EQ(ship().velocity, dh::Vector3{});
    EXPECT_EQ(ship().targetSpeed, 0.0f);
    EXPECT_FALSE(ship().hyperspaceFuel);

    ASSERT_GT(game->aiCount, 0u);
    for (std::uint32_t i = 0; i < game->aiCount; ++i) {
        const auto* hostile = static_cast<const dh::GameObject_Ship*>(game->aiShipRefs[i]->object);
        ASSERT_NE(hostile, nullptr);
        EXPECT_NEAR(dh::length(hostile->position), 16000.0f, 0.5f);
        EXPECT_NEAR(dh::dot(hostile->forward(), dh::normalized(ship().position - hostile->position)), -1.0f, 1e-3f);
        EXPECT_LE(hostile->missiles, hostile->missileCapacity / 2);
    }

    // Without a ship there is no jump.
    game->world->objects.deleteObject(game->playerShip());
    game->hyperspaceJump(home.x, home.y);
    EXPECT_EQ(game->currentSystem, destination);
}

// A new game starts alone, 32000 from the station; entering a system without
// random placement puts the ship by the station.
TEST_F(GameTest, ANewGameStartsAloneAndASystemEnteredPlainlyPutsTheShipByTheStation)
{
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    ASSERT_NE(game->station(), nullptr);
    EXPECT_NEAR(dh::length(ship().position - game->station()->position), 32000.0f, 1.0f);
    addComputerShip(5000.0f, 0.0f);
    game->enterSystem(game->currentSystem, false, false);
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(ship().position, (dh::Vector3{0.0f, 0.0f, 4000.0f}));
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    EXPECT_EQ(game->human->kills, 0u);

    dh::StarSystem empty = game->currentSystem;
    empty.clear();
    dh::World* before = game->world.get();
    game->enterSystem(empty, true, true);
    EXPECT_EQ(game->world.get(), before) << "a record without a star changes nothing";
}

// The key that closed a dialog is still held as the flight resumes: the flight
// ignores it until it is released, then a new press works as ever.
TEST_F(GameTest, AKeyHeldAsTheFlightResumesDoesNothingUntilReleased)
{
    const float rest = ship().targetSpeed;
    dh::injectKeyState(dh::VK_RETURN, true);
    game->resumeClock();
    for (int i = 0; i < 12; ++i)
        frame(40);
    EXPECT_EQ(ship().targetSpeed, rest);

    dh::injectKeyState(dh::VK_RETURN, false);
    frame(40);
    dh::injectKeyState(dh::VK_RETURN, true);
    frame(40);
    EXPECT_FLOAT_EQ(ship().targetSpeed, std::min(rest + 0.04f * 1500.0f, ship().topSpeed));
}
