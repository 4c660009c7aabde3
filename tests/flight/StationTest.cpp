#include "FlightTestWorld.h"

#include "flight/GameObject_SpaceStation.h"
#include "flight/ObjectList.h"
#include "flight/Ship_ExplorerMark1.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dh;

TEST(SpaceStation, RollsAboutItsForwardAxisAndFlashesItsLightsFromTheFirstUpdate)
{
    test::TestWorld t;
    auto* station = t.add(new GameObject_SpaceStation(nullptr));
    const ParticleList& particles = t.world->particles;
    station->update(0.0f);
    ASSERT_EQ(particles.count(), 8u);
    const Particle& first = particles.particles()[0];
    EXPECT_EQ(first.position, (Vector3{-250.0f, 650.0f, 200.0f}));
    EXPECT_EQ(first.red, 1.0f);
    EXPECT_EQ(first.size, 64.0f);
    EXPECT_EQ(first.life, 0.4f);
    EXPECT_EQ(particles.particles()[7].position, (Vector3{250.0f, -650.0f, -200.0f}));

    // The 0.6 s timer runs out in the second update; the next one flashes.
    station->update(0.5f);
    station->update(0.125f);
    EXPECT_EQ(particles.count(), 8u);
    station->update(0.0f);
    ASSERT_EQ(particles.count(), 16u);
    const Matrix3& axes = station->orientation;
    EXPECT_NEAR(std::atan2(axes.row(0).y, axes.row(0).x), 0.05f * 0.625f, 1e-6f);
    EXPECT_NEAR(station->forward().z, 1.0f, 1e-6f);
    const Vector3 expected = axes.row(0) * -650.0f + axes.row(1) * 650.0f + axes.row(2) * 150.0f;
    EXPECT_NEAR(particles.particles()[8].position.x, expected.x, 1e-3f);
    EXPECT_NEAR(particles.particles()[8].position.y, expected.y, 1e-3f);
}

TEST(SpaceStation, DocksTheShipInsideAHundredUnitsOfTheBayButNotAtExactlyAHundred)
{
    test::TestWorld t;
    test::RecordingGame game;
    auto* station = t.add(new GameObject_SpaceStation(&game.hooks));
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    game.ship = ship;
    const Vector3 bay = station->dockingPoint();
    EXPECT_EQ(bay, (Vector3{0.0f, 0.0f, 200.0f}));
    ship->position = bay + Vector3{100.0f, 0.0f, 0.0f};
    station->update(0.0f);
    EXPECT_EQ(game.dockRequests, 0);
    ship->position = bay + Vector3{0.0f, 99.9f, 0.0f};
    station->update(0.0f);
    EXPECT_EQ(game.dockRequests, 1);
    EXPECT_EQ(game.hostileClears, 1) << "hostiles go as the ship enters";
    EXPECT_EQ(game.stationScreens, 0) << "the screen waits until the frame is over";
    game.ship = nullptr;
    station->update(0.0f);
    EXPECT_EQ(game.dockRequests, 1) << "computer ships and a lost player never dock";
}

// The clearing itself is the game's (checked with the real game); the dock
// relaunches whichever ship the player has after the station screen.
TEST(SpaceStation, DockingRelaunchesTheRefuelledShipAtRest)
{
    test::RecordingGame game;
    Ship_ExplorerMark1 flown(0.0f, 0.0f);
    Ship_ExplorerMark1 bought(0.0f, 0.0f);
    bought.hyperspaceFuel = false;
    bought.velocity = {0.0f, 0.0f, 800.0f};
    bought.targetSpeed = 900.0f;
    game.ship = &flown;
    game.hooks.runStationScreen = [&] {
        ++game.stationScreens;
        game.ship = &bought;
    };
    GameObject_SpaceStation::dockPlayer(game.hooks);
    EXPECT_EQ(game.stationScreens, 1);
    EXPECT_EQ(game.clockResumes, 1);
    EXPECT_TRUE(bought.hyperspaceFuel);
    EXPECT_EQ(bought.position, (Vector3{0.0f, 0.0f, 4000.0f}));
    EXPECT_EQ(bought.velocity, Vector3{});
    EXPECT_EQ(bought.targetSpeed, 0.0f);
    EXPECT_EQ(bought.orientation.m, Matrix3{}.m);

    // A ship lost before the frame ends does not dock.
    game.ship = nullptr;
    GameObject_SpaceStation::dockPlayer(game.hooks);
    EXPECT_EQ(game.stationScreens, 1);
}
