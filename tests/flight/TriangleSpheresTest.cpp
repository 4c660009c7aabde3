// Triangle spheres against every triangle: the static collision and the ray
// test pass over triangles whose bounding sphere they cannot reach. A copy of
// each mesh whose spheres are infinite makes them test every triangle; both
// must give bit for bit the same results.
#include "flight/Collision.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include "core/Matrix3.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace {

using flighttest::Events;
using flighttest::TestMover;
using flighttest::TestStatic;

constexpr float kPi = std::numbers::pi_v<float>;

std::unique_ptr<dh::Mesh> copyWithEndlessSpheres(const dh::Mesh& mesh)
{
    auto copy = flighttest::makeTriangles(mesh.positions);
    for (std::size_t t = 0; t < copy->triangleCount; ++t) {
        copy->triangleSpheres[4 * t + 3] = std::numeric_limits<float>::infinity();
    }
    return copy;
}

// Triangles of every size and slant, some of them degenerate, away from the origin.
std::unique_ptr<dh::Mesh> makeSoup(std::mt19937& generator)
{
    std::uniform_real_distribution<float> coordinate(-400.0f, 400.0f);
    std::uniform_real_distribution<float> spread(1.0f, 300.0f);
    std::vector<float> positions;
    for (int t = 0; t < 300; ++t) {
        const float size = spread(generator);
        const dh::Vector3 a{coordinate(generator) + 1000.0f, coordinate(generator), coordinate(generator)};
        for (int k = 0; k < 3; ++k) {
            const bool repeat = t % 29 == 0 && k == 2;
            positions.insert(positions.end(), {repeat ? a.x : a.x + size * (coordinate(generator) / 400.0f),
                                               repeat ? a.y : a.y + size * (coordinate(generator) / 400.0f),
                                               repeat ? a.z : a.z + size * (coordinate(generator) / 400.0f)});
        }
    }
    return flighttest::makeTriangles(std::move(positions));
}

bool sameBits(dh::Vector3 a, dh::Vector3 b)
{
    return std::bit_cast<std::array<std::uint32_t, 3>>(a) == std::bit_cast<std::array<std::uint32_t, 3>>(b);
}

// One side of the comparison: a static with its mesh and a mover in a list,
// so that sounds draw from the generator.
struct Side {
    Side(dh::Mesh* staticMesh, dh::Mesh* moverMesh)
    {
        station = flighttest::add<TestStatic>(list, &stationEvents, staticMesh);
        mover = flighttest::add<TestMover>(list, &moverEvents, moverMesh);
        stationRef = {station, nullptr};
        moverRef = {mover, nullptr};
    }

    dh::ObjectList list;
    Events stationEvents, moverEvents;
    TestStatic* station;
    TestMover* mover;
    dh::ObjectRef stationRef, moverRef;
};

struct Trial {
    dh::Vector3 stationAt;
    std::array<float, 3> turns;
    dh::Vector3 moverAt;
    dh::Vector3 velocity;
};

void place(Side& side, const Trial& trial)
{
    side.station->position = trial.stationAt;
    side.station->orientation = {};
    dh::yaw(*side.station, trial.turns[0]);
    dh::pitch(*side.station, trial.turns[1]);
    dh::roll(*side.station, trial.turns[2]);
    side.mover->position = trial.moverAt;
    side.mover->velocity = trial.velocity;
    side.mover->shield = 1000.0f;
}

// Movers dropped at and around the surface from every side, fast and slow;
// rays shot at the mesh and past it from near and far.
void compareOn(const dh::Mesh& mesh, std::uint32_t seed, int trials)
{
    const auto endless = copyWithEndlessSpheres(mesh);
    const auto small = flighttest::makeBox({6.0f, 3.0f, 12.0f});
    const auto large = flighttest::makeBox(90.0f);
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_real_distribution<float> signedUnit(-1.0f, 1.0f);
    int contacts = 0, hits = 0;
    for (int n = 0; n < trials; ++n) {
        dh::Mesh* moverMesh = n % 3 == 0 ? large.get() : small.get();
        Side skipping(const_cast<dh::Mesh*>(&mesh), moverMesh);
        Side every(endless.get(), moverMesh);
        const std::uint32_t corner = static_cast<std::uint32_t>(unit(generator) * static_cast<float>(mesh.triangleCount))
                                   % mesh.triangleCount;
        const dh::Vector3 onMesh = mesh.vertex(corner, n % 3);
        Trial trial;
        trial.stationAt = {signedUnit(generator) * 5000.0f, signedUnit(generator) * 5000.0f, signedUnit(generator) * 5000.0f};
        trial.turns = {signedUnit(generator) * kPi, signedUnit(generator) * kPi, signedUnit(generator) * kPi};
        const float reach = moverMesh->boundRadius * 2.0f * unit(generator);
        const dh::Vector3 offset{signedUnit(generator) * reach, signedUnit(generator) * reach, signedUnit(generator) * reach};
        place(skipping, trial);
        // The mover starts near a corner of the mesh as placed in the world.
        dh::Vector3 local = onMesh + offset;
        dh::Vector3 world = dh::transformTransposed(skipping.station->orientation, local) + trial.stationAt;
        trial.moverAt = world - moverMesh->boundCentre;
        trial.velocity = {signedUnit(generator) * 1500.0f, signedUnit(generator) * 1500.0f, signedUnit(generator) * 1500.0f};
        place(skipping, trial);
        place(every, trial);

        dh::g_randomSeed = 643463u + static_cast<std::uint32_t>(n);
        dh::collideWithStatic(skipping.moverRef, skipping.stationRef);
        const std::uint32_t skippingSeed = dh::g_randomSeed;
        dh::g_randomSeed = 643463u + static_cast<std::uint32_t>(n);
        dh::collideWithStatic(every.moverRef, every.stationRef);
        ASSERT_EQ(skippingSeed, dh::g_randomSeed) << "trial " << n;
        ASSERT_TRUE(sameBits(skipping.mover->position, every.mover->position)) << "trial " << n;
        ASSERT_TRUE(sameBits(skipping.mover->velocity, every.mover->velocity)) << "trial " << n;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(skipping.mover->shield), std::bit_cast<std::uint32_t>(every.mover->shield));
        ASSERT_EQ(skipping.moverEvents.sounds, every.moverEvents.sounds);
        ASSERT_EQ(skipping.moverEvents.damaged, every.moverEvents.damaged);
        ASSERT_EQ(skipping.moverEvents.collisions, every.moverEvents.collisions);
        ASSERT_EQ(skipping.stationEvents.collisions, every.stationEvents.collisions);
        contacts += every.moverEvents.collisions;

        // A ray from somewhere around the mesh towards a point near one of its corners.
        const float away = mesh.boundRadius * (0.2f + 3.0f * unit(generator));
        const dh::Vector3 from = trial.stationAt + mesh.boundCentre
                               + dh::Vector3{signedUnit(generator), signedUnit(generator), signedUnit(generator)} * away;
        const dh::Vector3 towards = world + offset * signedUnit(generator);
        const dh::Vector3 dir = n % 5 == 0 ? dh::normalized(towards - from) : towards - from;
        dh::Vector3 skippingHit{-1.0f, -1.0f, -1.0f}, everyHit{-1.0f, -1.0f, -1.0f};
        const bool skippingHits = dh::rayHitsObject(from, dir, *skipping.station, skippingHit);
        const bool everyHits = dh::rayHitsObject(from, dir, *every.station, everyHit);
        ASSERT_EQ(skippingHits, everyHits) << "ray " << n;
        ASSERT_TRUE(sameBits(skippingHit, everyHit)) << "ray " << n;
        hits += everyHits ? 1 : 0;
    }
    // The trials must have found contacts and hits, or they compared nothing.
    EXPECT_GT(contacts, trials / 20);
    EXPECT_GT(hits, trials / 20);
}

}

TEST(TriangleSpheres, StaticCollisionsAndRaysMatchEveryTriangleTested)
{
    std::mt19937 generator(99);
    const auto ball = flighttest::makeBall(900.0f, 20, 25);
    const auto box = flighttest::makeBox({256.0f, 64.0f, 512.0f});
    const auto soup = makeSoup(generator);
    compareOn(*ball, 1, 4000);
    compareOn(*box, 2, 4000);
    compareOn(*soup, 3, 4000);
}
