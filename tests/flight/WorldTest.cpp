#include "FlightTestWorld.h"

#include "flight/GameObject_SpaceStation.h"
#include "flight/Ship_ExplorerMark1.h"

#include <cmath>

using namespace dh;
using test::seedAfterDraws;

TEST(World, LightCapacityIsTheDriverCountClampedToOneToEight)
{
    {
        test::TestWorld t(16);
        EXPECT_EQ(t.world->lights.capacity(), 8u);
        ASSERT_EQ(t.world->lights.count(), 2u);
        const Light* sun = t.world->lights.light(0);
        EXPECT_FLOAT_EQ(sun->position[2], 1.0f / std::sqrt(1.26f));
        EXPECT_EQ(sun->position[3], 0.0f);
        EXPECT_EQ(t.world->lights.light(1)->colour[2], 0.4f);
    }
    {
        test::TestWorld t(0);
        EXPECT_EQ(t.world->lights.capacity(), 1u);
        EXPECT_EQ(t.world->lights.count(), 1u);
        EXPECT_EQ(t.world->lights.light(0)->colour[0], 1.0f) << "the star's light is the one kept";
    }
    const float bright[3] = {2.0f, -1.0f, 0.5f};
    World world(bright, bright, "planet2", 3);
    EXPECT_EQ(world.lights.capacity(), 3u);
    const Light* sun = world.lights.light(0);
    EXPECT_EQ(sun->colour[0], 1.0f) << "colours are clamped to 0..1";
    EXPECT_EQ(sun->colour[1], 0.0f);
    EXPECT_EQ(World::of(&world.objects), &world);
    ObjectList loose;
    EXPECT_EQ(World::of(&loose), nullptr);
}

TEST(Particles, AFullListDropsParticlesButStillMakesSevenDrawsForEachAndSpentOnesGo)
{
    ParticleList particles;
    g_randomSeed = 99;
    particles.emitSparks({1.0f, 2.0f, 3.0f});
    EXPECT_EQ(particles.count(), 32u);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(99, 32 * 7));

    while (particles.count() < ParticleList::kCapacity)
        particles.add(Particle{});
    g_randomSeed = 4242;
    particles.emitSparks({0.0f, 0.0f, 0.0f});
    EXPECT_EQ(particles.count(), ParticleList::kCapacity);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(4242, 32 * 7));
    g_randomSeed = 4242;
    particles.emitParticles(ParticleBurst{});
    EXPECT_EQ(g_randomSeed, seedAfterDraws(4242, 24 * 7));

    // Particles move, and are removed at the update after their life runs out.
    ParticleList moving;
    moving.add(Particle{});  // spent already
    moving.add({.position = {}, .velocity = {10.0f, 0.0f, 0.0f}, .life = 0.15f});
    moving.updateParticles(0.1f);
    ASSERT_EQ(moving.count(), 1u);
    EXPECT_FLOAT_EQ(moving.particles()[0].position.x, 1.0f);
    moving.updateParticles(0.1f);
    EXPECT_EQ(moving.count(), 1u);
    moving.updateParticles(0.1f);
    EXPECT_EQ(moving.count(), 0u);
}

TEST(Particles, SparksAndBurstsStayInsideTheirBounds)
{
    ParticleList particles;
    particles.emitSparks({5.0f, 0.0f, 0.0f});
    for (const Particle& p : particles.particles()) {
        EXPECT_TRUE(p.green >= 0.5f && p.green <= 0.9f) << p.green;
        EXPECT_TRUE(p.size >= 16.0f && p.size <= 32.0f) << p.size;
        EXPECT_TRUE(p.life >= 0.5f && p.life <= 0.8f) << p.life;
        EXPECT_NEAR(length(p.velocity), 125.0f, 25.0f + 1e-3f);
    }

    ParticleBurst burst;
    burst.redHigh = 0.5f;
    burst.redLow = 0.2f;
    burst.sizeHigh = 12.0f;
    burst.sizeLow = 8.0f;
    setBurstMotion(burst, {0.0f, 0.0f, 1000.0f});
    EXPECT_TRUE(burst.speedHigh >= 970.0f && burst.speedHigh <= 1000.0f) << burst.speedHigh;
    EXPECT_TRUE(burst.speedLow >= burst.speedHigh - 50.0f && burst.speedLow <= burst.speedHigh);
    ParticleList smoke;
    smoke.emitParticles(burst);
    ASSERT_EQ(smoke.count(), 24u);
    for (const Particle& p : smoke.particles()) {
        EXPECT_TRUE(p.red >= 0.2f && p.red <= 0.5f) << p.red;
        EXPECT_TRUE(p.size >= 8.0f && p.size <= 12.0f) << p.size;
        EXPECT_GT(p.velocity.z, 0.99f * length(p.velocity)) << "leaves nearly along the flight direction";
    }
}

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
    test::expectNear(particles.particles()[8].position, expected, 1e-3f);
}

// The clearing itself is the game's (checked with the real game); the dock
// relaunches whichever ship the player has after the station screen.
TEST(SpaceStation, DocksInsideAHundredUnitsOfTheBayAndRelaunchesTheRefuelledShipAtRest)
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
    GameObject_SpaceStation::dockPlayer(game.hooks);
    EXPECT_EQ(game.stationScreens, 0) << "a ship lost before the frame ends does not dock";

    Ship_ExplorerMark1 bought(0.0f, 0.0f);
    bought.hyperspaceFuel = false;
    bought.velocity = {0.0f, 0.0f, 800.0f};
    bought.targetSpeed = 900.0f;
    game.ship = ship;
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
}
