#include "FlightTestWorld.h"

#include "flight/Random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dh;

namespace {

std::uint32_t seedAfterDraws(std::uint32_t seed, int draws)
{
    g_randomSeed = seed;
    for (int i = 0; i < draws; ++i) {
        dh::random();
    }
    return g_randomSeed;
}

}

TEST(World, LightCapacityIsTheDriverCountClampedToOneToEight)
{
    {
        test::TestWorld t(16);
        EXPECT_EQ(t.world->lights.capacity(), 8u);
        ASSERT_EQ(t.world->lights.count(), 2u);
        const Light* sun = t.world->lights.light(0);
        const float norm = std::sqrt(1.26f);
        EXPECT_FLOAT_EQ(sun->position[0], 0.5f / norm);
        EXPECT_FLOAT_EQ(sun->position[2], 1.0f / norm);
        EXPECT_EQ(sun->position[3], 0.0f);
        EXPECT_EQ(sun->colour[1], 0.9f);
        const Light* ambient = t.world->lights.light(1);
        EXPECT_FLOAT_EQ(ambient->position[1], -0.1f / norm);
        EXPECT_EQ(ambient->colour[2], 0.4f);
        EXPECT_EQ(ambient->set, &t.world->lights);
    }
    {
        test::TestWorld t(0);
        EXPECT_EQ(t.world->lights.capacity(), 1u);
        EXPECT_EQ(t.world->lights.count(), 1u);
        EXPECT_EQ(t.world->lights.light(0)->colour[0], 1.0f) << "the star's light is the one kept";
        EXPECT_EQ(t.world->lights.light(1), nullptr);
    }
    {
        const float bright[3] = {2.0f, -1.0f, 0.5f};
        World world(bright, bright, "planet2", 3);
        EXPECT_EQ(world.lights.capacity(), 3u);
        const Light* sun = world.lights.light(0);
        EXPECT_EQ(sun->colour[0], 1.0f);
        EXPECT_EQ(sun->colour[1], 0.0f);
        EXPECT_EQ(sun->colour[2], 0.5f);
        EXPECT_EQ(sun->colour[3], 1.0f);
    }
}

TEST(World, FindsItselfFromItsObjectListOnly)
{
    test::TestWorld a;
    test::TestWorld b;
    EXPECT_EQ(World::of(&a.world->objects), a.world.get());
    EXPECT_EQ(World::of(&b.world->objects), b.world.get());
    ObjectList loose;
    EXPECT_EQ(World::of(&loose), nullptr);
    EXPECT_EQ(World::of(nullptr), nullptr);
}

TEST(Particles, AFullListDropsParticlesButStillMakesSevenDrawsForEach)
{
    ParticleList particles;
    g_randomSeed = 99;
    particles.emitSparks({1.0f, 2.0f, 3.0f});
    EXPECT_EQ(particles.count(), 32u);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(99, 32 * 7));

    while (particles.count() < ParticleList::kCapacity) {
        particles.add(Particle{});
    }
    const std::uint32_t seed = 4242;
    g_randomSeed = seed;
    particles.emitSparks({0.0f, 0.0f, 0.0f});
    EXPECT_EQ(particles.count(), ParticleList::kCapacity);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(seed, 32 * 7));

    g_randomSeed = seed;
    particles.emitParticles(ParticleBurst{});
    EXPECT_EQ(particles.count(), ParticleList::kCapacity);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(seed, 24 * 7));
}

TEST(Particles, SparksAndBurstsStayInsideTheirBounds)
{
    ParticleList particles;
    particles.emitSparks({5.0f, 0.0f, 0.0f});
    for (const Particle& p : particles.particles()) {
        EXPECT_EQ(p.position.x, 5.0f);
        EXPECT_EQ(p.red, 1.0f);
        EXPECT_GE(p.green, 0.5f);
        EXPECT_LE(p.green, 0.9f);
        EXPECT_GE(p.size, 16.0f);
        EXPECT_LE(p.size, 32.0f);
        EXPECT_EQ(p.life, p.initialLife);
        EXPECT_GE(p.life, 0.5f);
        EXPECT_LE(p.life, 0.8f);
        EXPECT_GE(length(p.velocity), 100.0f - 1e-3f);
        EXPECT_LE(length(p.velocity), 150.0f + 1e-3f);
    }

    ParticleList smoke;
    ParticleBurst burst;
    burst.position = {0.0f, 0.0f, 7.0f};
    burst.redHigh = 0.5f;
    burst.redLow = 0.2f;
    burst.greenLow = 0.2f;
    burst.blueHigh = 1.0f;
    burst.blueLow = 1.0f;
    burst.sizeHigh = 12.0f;
    burst.sizeLow = 8.0f;
    burst.lifeHigh = 0.3f;
    burst.lifeLow = 0.2f;
    setBurstMotion(burst, {0.0f, 0.0f, 1000.0f});
    EXPECT_LE(burst.speedHigh, 1000.0f);
    EXPECT_GE(burst.speedHigh, 970.0f);
    EXPECT_LE(burst.speedLow, burst.speedHigh);
    EXPECT_GE(burst.speedLow, burst.speedHigh - 50.0f);
    smoke.emitParticles(burst);
    ASSERT_EQ(smoke.count(), 24u);
    for (const Particle& p : smoke.particles()) {
        EXPECT_GE(p.red, 0.2f);
        EXPECT_LE(p.red, 0.5f);
        EXPECT_EQ(p.blue, 1.0f);
        EXPECT_GE(p.size, 8.0f);
        EXPECT_LE(p.size, 12.0f);
        EXPECT_GT(p.velocity.z, 0.99f * length(p.velocity)) << "leaves nearly along the flight direction";
    }
}

TEST(Particles, FadeWithTheirLifeMoveAndAreRemovedOnceSpent)
{
    Particle p;
    p.red = 1.0f;
    p.green = 0.5f;
    p.blue = 0.25f;
    p.life = 0.15f;
    p.initialLife = 0.3f;
    const Vector3 half = drawnColour(p);
    EXPECT_FLOAT_EQ(half.x, 0.5f);
    EXPECT_FLOAT_EQ(half.y, 0.25f);
    EXPECT_FLOAT_EQ(half.z, 0.125f);

    ParticleList particles;
    Particle moving = p;
    moving.velocity = {10.0f, 0.0f, 0.0f};
    Particle spent = p;
    spent.life = 0.0f;
    particles.add(spent);
    particles.add(moving);
    particles.updateParticles(0.1f);
    ASSERT_EQ(particles.count(), 1u);
    EXPECT_FLOAT_EQ(particles.particles()[0].position.x, 1.0f);
    EXPECT_FLOAT_EQ(particles.particles()[0].life, 0.05f);
    particles.updateParticles(0.1f);
    EXPECT_EQ(particles.count(), 1u) << "removed at the update after its life runs out";
    particles.updateParticles(0.1f);
    EXPECT_EQ(particles.count(), 0u);
}
