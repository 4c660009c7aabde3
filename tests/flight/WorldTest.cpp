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
    g_randomSeed = 4242;
    particles.emitSparks({0.0f, 0.0f, 0.0f});
    EXPECT_EQ(particles.count(), ParticleList::kCapacity);
    EXPECT_EQ(g_randomSeed, seedAfterDraws(4242, 32 * 7));
    g_randomSeed = 4242;
    particles.emitParticles(ParticleBurst{});
    EXPECT_EQ(g_randomSeed, seedAfterDraws(4242, 24 * 7));
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

TEST(Particles, MoveAndAreRemovedOnceSpent)
{
    Particle p;
    p.life = 0.15f;
    ParticleList particles;
    Particle spent = p;
    spent.life = 0.0f;
    particles.add(spent);
    p.velocity = {10.0f, 0.0f, 0.0f};
    particles.add(p);
    particles.updateParticles(0.1f);
    ASSERT_EQ(particles.count(), 1u);
    EXPECT_FLOAT_EQ(particles.particles()[0].position.x, 1.0f);
    particles.updateParticles(0.1f);
    EXPECT_EQ(particles.count(), 1u) << "removed at the update after its life runs out";
    particles.updateParticles(0.1f);
    EXPECT_EQ(particles.count(), 0u);
}
