#include "FlightTestWorld.h"

#include "flight/CollisionWarning.h"
#include "flight/FlightAssists.h"
#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark2.h"

#include "platform/PlatformEvents.h"
#include "rendering/MD2Mesh.h"

#include <string>
#include <utility>

using namespace dh;

// Two spheres that must come within 100 of each other, approaching at 600 a
// second from 1000 apart.
TEST(TimeToImpact, SpheresMeetWhenTheirCentresComeWithinReach)
{
    // Head on: 900 to close at 600 a second.
    EXPECT_FLOAT_EQ(sphereTimeToImpact({0.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, 600.0f}, 100.0f), 1.5f);
    // 60 off the line: they touch when 80 apart along it (a 60-80-100 triangle).
    EXPECT_NEAR(sphereTimeToImpact({60.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, 600.0f}, 100.0f), 920.0f / 600.0f, 1e-5f);
    // Off the axes: 1000 apart along (0.6, 0, 0.8), closing at 600 along the same line.
    EXPECT_FLOAT_EQ(sphereTimeToImpact({600.0f, 0.0f, 800.0f}, {360.0f, 0.0f, 480.0f}, 100.0f), 1.5f);
    // Passing 101 off the line, parting, or not moving at all: never.
    EXPECT_LT(sphereTimeToImpact({101.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, 600.0f}, 100.0f), 0.0f);
    EXPECT_LT(sphereTimeToImpact({0.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, -600.0f}, 100.0f), 0.0f);
    EXPECT_LT(sphereTimeToImpact({0.0f, 0.0f, 1000.0f}, {}, 100.0f), 0.0f);
    // Already touching: now while closing, never while parting.
    EXPECT_EQ(sphereTimeToImpact({0.0f, 0.0f, 90.0f}, {0.0f, 0.0f, 10.0f}, 100.0f), 0.0f);
    EXPECT_LT(sphereTimeToImpact({0.0f, 0.0f, 90.0f}, {0.0f, 0.0f, -10.0f}, 100.0f), 0.0f);
}

// The ships' own bounding spheres, each moving: 2000 apart closing at 500 + 300.
TEST(TimeToImpact, AShipMeetsAnotherAtTheirCombinedSpeed)
{
    test::TestWorld t;
    auto* own = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* other = t.add(new Ship_FighterMark2(0.0f, 2000.0f));
    own->velocity = {0.0f, 0.0f, 500.0f};
    other->velocity = {0.0f, 0.0f, -300.0f};
    const float reach = 2.0f * t.shipMesh->boundRadius;
    EXPECT_NEAR(timeToImpact(*own, *other), (2000.0f - reach) / 800.0f, 1e-4f);
    other->velocity = {0.0f, 0.0f, 900.0f};
    EXPECT_LT(timeToImpact(*own, *other), 0.0f);
    EXPECT_LT(timeToImpact(*own, *own), 0.0f);
}

// The station's hull, not its bounding sphere: a wide flat box whose front
// face lies 100 before its centre, with the docking point 200 before it.
TEST(TimeToImpact, AShipMeetsTheStationsHullUnlessItDocksFirst)
{
    test::TestWorld t;
    const auto hull = flighttest::makeBox({400.0f, 400.0f, 100.0f});
    test::RecordingGame game;
    auto* station = t.add(new GameObject_SpaceStation(&game.hooks));
    station->mesh = hull.get();
    auto* own = t.add(new Ship_ExplorerMark1(250.0f, 3000.0f));
    own->velocity = {0.0f, 0.0f, -1000.0f};
    // From 2900 before the face, less the ship's own radius, at 1000 a second.
    EXPECT_NEAR(timeToImpact(*own, *station), (2900.0f - t.shipMesh->boundRadius) / 1000.0f, 1e-3f);

    // Flown at the docking point (within 100 of it), it docks there first.
    own->position = {80.0f, 0.0f, 3000.0f};
    EXPECT_LT(timeToImpact(*own, *station), 0.0f);
    // Passing beside the station, or flying away from it: no impact.
    own->position = {500.0f + t.shipMesh->boundRadius, 0.0f, 3000.0f};
    EXPECT_LT(timeToImpact(*own, *station), 0.0f);
    own->position = {250.0f, 0.0f, 3000.0f};
    own->velocity = {0.0f, 0.0f, 1000.0f};
    EXPECT_LT(timeToImpact(*own, *station), 0.0f);
}

// The warning is on exactly while some impact is under two seconds away.
TEST(CollisionWarningTest, WarnsWhileAnImpactIsUnderTwoSecondsAway)
{
    test::TestWorld t;
    auto* own = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* other = t.add(new Ship_FighterMark2(5000.0f, 0.0f));
    auto* ahead = t.add(new Ship_FighterMark2(0.0f, 0.0f));
    other->velocity = {0.0f, 0.0f, 100.0f};
    const float reach = 2.0f * t.shipMesh->boundRadius;
    CollisionWarning warning;
    // 2.1 s and then 1.9 s away at 1000 a second.
    ahead->position = {0.0f, 0.0f, reach + 2100.0f};
    own->velocity = {0.0f, 0.0f, 1000.0f};
    warning.update(*own, t.objects(), 0.02f);
    EXPECT_FALSE(warning.warning());
    ahead->position = {0.0f, 0.0f, reach + 1900.0f};
    warning.update(*own, t.objects(), 0.02f);
    EXPECT_TRUE(warning.warning());
    own->velocity = {0.0f, 0.0f, -1000.0f};
    warning.update(*own, t.objects(), 0.02f);
    EXPECT_FALSE(warning.warning());
}

// The new game's start, on a clock of the test's own and with the real
// models' geometry: at full throttle the ship flies into the station, and the
// warning comes on two seconds (give or take a frame) before the first impact.
TEST(CollisionWarningTest, ANewGameAtFullThrottleIsWarnedTwoSecondsBeforeTheStation)
{
    Mesh explorer, fighter, missile, station;
    bool loaded = true;
    for (auto [mesh, stem] : {std::pair{&explorer, "Ship_Explorer"}, std::pair{&fighter, "Ship_Fighter"},
                              std::pair{&missile, "Missile"}, std::pair{&station, "Spacestation"}})
        loaded = loadMD2Geometry(std::string(DH_BUILD_DIR) + "/mdl/" + stem + ".md2", *mesh) && loaded;
    if (!loaded)
        GTEST_SKIP() << "no generated models";
    g_flightModels = {&explorer, &fighter, &missile, &station};
    std::uint32_t now = 500000;
    platformOverrideClock(&now);
    g_flightAssists = true;
    {
        Game game("Pilot");
        GameObject_Ship* ship = game.playerShip();
        ship->targetSpeed = ship->topSpeed;
        const float fullShield = ship->shield;
        float warnedAt = -1.0f;
        float hitAt = -1.0f;
        for (int frame = 0; frame < 60 * 40 && hitAt < 0.0f; ++frame) {
            now += 16;
            game.simulateFrame();
            game.updateAssists();
            const float seconds = static_cast<float>(frame) * 0.016f;
            if (game.collisionWarning.warning() && warnedAt < 0.0f)
                warnedAt = seconds;
            if (game.playerShip() == nullptr || game.playerShip()->shield < fullShield)
                hitAt = seconds;
        }
        ASSERT_GT(hitAt, 0.0f) << "the ship never reached the station";
        ASSERT_GT(warnedAt, 0.0f) << "no warning before the impact";
        EXPECT_NEAR(hitAt - warnedAt, CollisionWarning::kWarningSeconds, 0.1f);
    }
    g_flightAssists = false;
    platformOverrideClock(nullptr);
    g_flightModels = {};
}
