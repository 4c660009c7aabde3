#include "flight/Collision.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"
#include "flight/Random.h"

#include <gtest/gtest.h>

#include <cmath>

using dh::Vector3;
using flighttest::Events;
using flighttest::TestMover;
using flighttest::TestStatic;

namespace {

// A flat diamond in the x-y plane: its bounding sphere has radius exactly 10.
std::unique_ptr<dh::Mesh> makeDiamond()
{
    return flighttest::makeTriangles({-10, 0, 0, 10, 0, 0, 0, 10, 0, 10, 0, 0, -10, 0, 0, 0, -10, 0});
}

std::uint32_t seedAfterDraws(std::uint32_t seed, int draws)
{
    const std::uint32_t saved = dh::g_randomSeed;
    dh::g_randomSeed = seed;
    for (int i = 0; i < draws; ++i) {
        dh::random();
    }
    const std::uint32_t result = dh::g_randomSeed;
    dh::g_randomSeed = saved;
    return result;
}

TestMover* addMover(dh::ObjectList& list, Events* events, dh::Mesh* mesh, Vector3 position, Vector3 velocity)
{
    auto* mover = new TestMover(events, mesh);
    mover->position = position;
    mover->velocity = velocity;
    mover->targetSpeed = dh::length(velocity);
    list.addObject(mover);
    return mover;
}

}

TEST(Physics, MotionTowardsTargetSpeed)
{
    dh::ObjectList list;
    // Standing still with no thrust: direction +x, speed 0, no movement.
    auto* idle = addMover(list, nullptr, nullptr, {1.0f, 2.0f, 3.0f}, {});
    // Standing still with thrust: starts along its nose.
    auto* starter = addMover(list, nullptr, nullptr, {}, {});
    dh::yaw(*starter, 0.5f);
    starter->acceleration = 100.0f;
    starter->targetSpeed = 1000.0f;
    // Faster than the throttle: brakes by acceleration * dt, never below it.
    auto* braker = addMover(list, nullptr, nullptr, {}, {0.0f, 0.0f, 500.0f});
    braker->targetSpeed = 100.0f;
    braker->acceleration = 1500.0f;

    list.stepPhysics(0.1f);
    EXPECT_EQ(idle->position, (Vector3{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(idle->velocity, (Vector3{}));
    EXPECT_NEAR(dh::length(starter->velocity), 10.0f, 1e-5f);
    EXPECT_NEAR(dh::dot(dh::normalized(starter->velocity), starter->forward()), 1.0f, 1e-6f);
    EXPECT_NEAR(dh::length(starter->position), 1.0f, 1e-5f);
    EXPECT_NEAR(braker->velocity.z, 350.0f, 1e-3f);
    EXPECT_NEAR(braker->position.z, 35.0f, 1e-3f);

    list.stepPhysics(0.1f);
    list.stepPhysics(0.1f);
    EXPECT_NEAR(braker->velocity.z, 100.0f, 1e-4f);
    EXPECT_NEAR(dh::length(starter->velocity), 30.0f, 1e-4f);

    // Thrust at right angles bends the flight direction towards the nose by
    // acceleration * dt in velocity units, keeping the speed.
    auto* turner = addMover(list, nullptr, nullptr, {}, {100.0f, 0.0f, 0.0f});
    turner->acceleration = 100.0f;
    list.stepPhysics(1.0f);
    EXPECT_NEAR(turner->velocity.x, 100.0f / std::sqrt(2.0f), 1e-3f);
    EXPECT_NEAR(turner->velocity.z, 100.0f / std::sqrt(2.0f), 1e-3f);
}

TEST(Physics, DeadObjectsAreRemovedAtTheNextStep)
{
    dh::ObjectList list;
    Events dead;
    Events alive;
    auto* wreck = new TestMover(&dead);
    wreck->shield = 0.0f;
    auto* station = new TestStatic(&alive);
    station->shield = 0.0f;
    station->indestructible = true;
    auto* debris = new TestStatic(&dead);
    debris->shield = -5.0f;
    list.addObject(wreck);
    list.addObject(station);
    list.addObject(debris);
    dh::ObjectRef wreckRef{wreck, nullptr};
    list.trackRef(&wreckRef);

    list.stepPhysics(0.01f);
    EXPECT_EQ(dead.destroyed, 2);
    EXPECT_EQ(alive.destroyed, 0);
    EXPECT_EQ(wreckRef.object, nullptr);
    EXPECT_EQ(list.staticObjects().size(), 1u);
    EXPECT_TRUE(list.movingObjects().empty());
    list.untrackRef(&wreckRef);
}

TEST(Physics, SphereFlownIntoABoxStopsOutsideAndBounces)
{
    const auto box = flighttest::makeBox(256.0f);
    const auto small = flighttest::makeBox(10.0f);
    const float rm = small->boundRadius;

    // Straight into the middle of a face triangle, then onto the diagonal
    // shared by the face's two triangles.
    for (const Vector3 start : {Vector3{-100.0f, 100.0f, 300.0f}, Vector3{50.0f, 50.0f, 300.0f}}) {
        dh::ObjectList list;
        Events moverEvents;
        Events boxEvents;
        auto* station = new TestStatic(&boxEvents, box.get());
        list.addObject(station);
        auto* mover = addMover(list, &moverEvents, small.get(), start, {0.0f, 0.0f, -2000.0f});
        dh::g_randomSeed = 643463;

        list.stepPhysics(0.02f);  // 40 units: 16 deep into the box
        EXPECT_NEAR(mover->position.z, 256.0f + rm, 1e-3f);
        EXPECT_GE(mover->position.z - 256.0f, rm - 1e-4f);
        EXPECT_NEAR(mover->position.x, start.x, 1e-3f);
        EXPECT_NEAR(mover->position.y, start.y, 1e-3f);
        EXPECT_NEAR(mover->velocity.z, 1500.0f, 1e-2f);
        EXPECT_NEAR(mover->velocity.x, 0.0f, 1e-3f);
        // A quarter of 2000 lost: damage 500 * 0.15.
        EXPECT_NEAR(mover->shield, 1000.0f - 75.0f, 1e-2f);
        EXPECT_EQ(moverEvents.damaged, 1);
        EXPECT_EQ(moverEvents.sounds, 1);
        EXPECT_EQ(dh::g_randomSeed, seedAfterDraws(643463, 1));
        EXPECT_EQ(moverEvents.collisions, 1);
        EXPECT_EQ(boxEvents.collisions, 1);
        EXPECT_EQ(station->position, (Vector3{}));
        EXPECT_EQ(station->shield, 1000.0f);
    }
}

TEST(Physics, TurnedAndMovedStationCollidesInItsOwnFrame)
{
    const auto box = flighttest::makeBox(256.0f);
    const auto small = flighttest::makeBox(10.0f);
    dh::ObjectList list;
    auto* station = new TestStatic(nullptr, box.get());
    station->position = {5000.0f, -300.0f, 200.0f};
    dh::yaw(*station, 0.3f);
    dh::pitch(*station, -0.2f);
    list.addObject(station);
    const Vector3 right = station->orientation.row(0);
    const Vector3 up = station->orientation.row(1);
    const Vector3 nose = station->forward();
    const Vector3 start = station->position + nose * 290.0f + right * 60.0f - up * 120.0f;
    auto* mover = addMover(list, nullptr, small.get(), start, nose * -1000.0f);

    list.stepPhysics(0.02f);  // 20 units: the sphere reaches 14 units from the face
    const Vector3 offset = mover->position - station->position;
    EXPECT_NEAR(dh::dot(offset, nose), 256.0f + small->boundRadius, 1e-2f);
    EXPECT_NEAR(dh::dot(offset, right), 60.0f, 1e-2f);
    EXPECT_NEAR(dh::dot(mover->velocity, nose), 750.0f, 1e-1f);
    EXPECT_NEAR(dh::dot(mover->velocity, right), 0.0f, 1e-1f);
}

TEST(Physics, LostSpeedOfOneHundredIsTheDamageThreshold)
{
    const auto box = flighttest::makeBox(256.0f);
    const auto small = flighttest::makeBox(10.0f);
    struct Case {
        float speed;
        bool hurts;
    };
    for (const Case c : {Case{399.96f, false}, Case{400.0f, true}}) {
        dh::ObjectList list;
        Events events;
        list.addObject(new TestStatic(nullptr, box.get()));
        auto* mover = addMover(list, &events, small.get(), {-100.0f, 100.0f, 275.0f}, {0.0f, 0.0f, -c.speed});
        dh::g_randomSeed = 99;
        list.stepPhysics(0.01f);
        EXPECT_EQ(events.collisions, 1);
        EXPECT_NEAR(mover->velocity.z, 0.75f * c.speed, 1e-3f);
        EXPECT_EQ(events.sounds, c.hurts ? 1 : 0) << c.speed;
        EXPECT_EQ(events.damaged, c.hurts ? 1 : 0) << c.speed;
        EXPECT_EQ(mover->shield, c.hurts ? 985.0f : 1000.0f) << c.speed;
        EXPECT_EQ(dh::g_randomSeed, seedAfterDraws(99, c.hurts ? 1 : 0));
    }
}

TEST(Physics, MoversCollideOnlyWhenTheirSpheresOverlap)
{
    const auto diamond = makeDiamond();
    ASSERT_EQ(diamond->boundRadius, 10.0f);
    for (const float gap : {20.0f, 19.99f}) {
        dh::ObjectList list;
        Events a;
        Events b;
        auto* first = addMover(list, &a, diamond.get(), {}, {});
        auto* second = addMover(list, &b, diamond.get(), {gap, 0.0f, 0.0f}, {});
        list.stepPhysics(0.01f);
        const bool overlapped = gap < 20.0f;
        EXPECT_EQ(a.collisions > 0, overlapped) << gap;
        EXPECT_EQ(b.collisions > 0, overlapped) << gap;
        // Only the mover is pushed, by the whole overlap.
        EXPECT_NEAR(first->position.x, overlapped ? gap - 20.0f : 0.0f, 1e-4f);
        EXPECT_EQ(second->position.x, gap);
        EXPECT_EQ(a.sounds + b.sounds, 0);
    }
}

TEST(Physics, MovingCollisionExchangesVelocitiesAndSharesDamage)
{
    const auto diamond = makeDiamond();
    TestMover a(nullptr, diamond.get());
    TestMover b(nullptr, diamond.get());
    a.velocity = {60.0f, 10.0f, 0.0f};
    b.velocity = {-50.0f, 0.0f, 20.0f};
    b.position = {15.0f, 5.0f, 0.0f};
    b.mass = 3000.0f;

    // Independent computation in double precision.
    const double ma = 1000.0;
    const double mb = 3000.0;
    const double va[3] = {60.0, 10.0, 0.0};
    const double vb[3] = {-50.0, 0.0, 20.0};
    const double dist = std::sqrt(15.0 * 15.0 + 5.0 * 5.0);
    const double n[3] = {-15.0 / dist, -5.0 / dist, 0.0};
    double newA[3];
    double newB[3];
    for (int k = 0; k < 3; ++k) {
        newA[k] = -(ma * va[k] + mb * vb[k] + 0.75 * mb * (va[k] - vb[k])) / (ma + mb);
        newB[k] = (ma * va[k] + mb * vb[k] - 0.75 * ma * (va[k] - vb[k])) / (ma + mb);
    }
    const double alongA = newA[0] * n[0] + newA[1] * n[1] + newA[2] * n[2];
    const double alongB = newB[0] * n[0] + newB[1] * n[1] + newB[2] * n[2];
    const double impact = std::sqrt(60.0 * 60.0 + 10.0 * 10.0) + std::sqrt(50.0 * 50.0 + 20.0 * 20.0);

    Events aEvents;
    Events bEvents;
    TestMover first(&aEvents, diamond.get());
    TestMover second(&bEvents, diamond.get());
    for (TestMover* obj : {&first, &second}) {
        const TestMover& from = obj == &first ? a : b;
        obj->velocity = from.velocity;
        obj->position = from.position;
        obj->mass = from.mass;
    }
    const dh::ObjectRef firstRef{&first, nullptr};
    const dh::ObjectRef secondRef{&second, nullptr};
    const std::uint32_t seed = dh::g_randomSeed;
    dh::collideMoving(firstRef, secondRef);

    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR((&first.velocity.x)[k], 2.0 * alongA * n[k] - newA[k], 1e-3) << k;
        EXPECT_NEAR((&second.velocity.x)[k], 2.0 * alongB * n[k] - newB[k], 1e-3) << k;
    }
    // Pushed out along n by the overlap 20 - dist; the other stays put.
    EXPECT_NEAR(first.position.x, n[0] * (20.0 - dist), 1e-4);
    EXPECT_NEAR(first.position.y, n[1] * (20.0 - dist), 1e-4);
    EXPECT_EQ(second.position, (Vector3{15.0f, 5.0f, 0.0f}));
    EXPECT_NEAR(first.shield, 1000.0 - impact * 0.05, 1e-3);
    EXPECT_NEAR(second.shield, 1000.0 - impact * 0.05, 1e-3);
    EXPECT_EQ(aEvents.sounds, 1);
    EXPECT_EQ(bEvents.sounds, 1);
    EXPECT_EQ(aEvents.damaged, 1);
    EXPECT_EQ(bEvents.damaged, 1);
    EXPECT_EQ(aEvents.collisions, 1);
    EXPECT_EQ(bEvents.collisions, 1);
    // Objects in no list make no sound and draw no random number.
    EXPECT_EQ(dh::g_randomSeed, seed);

    // Below an impact of 100 nothing is heard and nobody is hurt.
    first.position = {};
    first.velocity = {49.0f, 0.0f, 0.0f};
    second.velocity = {-50.0f, 0.0f, 0.0f};
    dh::collideMoving(firstRef, secondRef);
    EXPECT_EQ(aEvents.sounds, 1);
    EXPECT_EQ(bEvents.damaged, 1);
    EXPECT_EQ(aEvents.collisions, 2);
}

TEST(Physics, SelfDeletionEndsTheMoversCollisionTests)
{
    const auto box = flighttest::makeBox(256.0f);
    const auto small = flighttest::makeBox(10.0f);
    dh::ObjectList list;
    Events firstBox;
    Events secondBox;
    Events doomed;
    Events witness;
    list.addObject(new TestStatic(&firstBox, box.get()));
    list.addObject(new TestStatic(&secondBox, box.get()));
    auto* mover = addMover(list, &doomed, small.get(), {-100.0f, 100.0f, 280.0f}, {0.0f, 0.0f, -300.0f});
    addMover(list, &witness, small.get(), {-100.0f, 100.0f, 300.0f}, {});
    mover->onCollisionDo = [&](dh::GameObject*) { list.deleteObject(mover); };

    list.stepPhysics(0.03f);
    EXPECT_EQ(doomed.collisions, 1);
    EXPECT_EQ(doomed.destroyed, 1);
    // Nothing more happens to or with the destroyed mover in this step.
    EXPECT_EQ(firstBox.collisions, 0);
    EXPECT_EQ(secondBox.collisions, 0);
    EXPECT_EQ(witness.collisions, 0);
    EXPECT_EQ(list.movingObjects().size(), 1u);
    EXPECT_EQ(list.refCount(), 0u);
}

TEST(Physics, CollisionDamageKillsAtTheFollowingStep)
{
    const auto box = flighttest::makeBox(256.0f);
    const auto small = flighttest::makeBox(10.0f);
    dh::ObjectList list;
    Events events;
    list.addObject(new TestStatic(nullptr, box.get()));
    auto* mover = addMover(list, &events, small.get(), {-100.0f, 100.0f, 300.0f}, {0.0f, 0.0f, -4000.0f});
    mover->shield = 100.0f;
    list.stepPhysics(0.01f);
    EXPECT_EQ(mover->shield, 0.0f);
    EXPECT_EQ(events.destroyed, 0);
    list.stepPhysics(0.01f);
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_TRUE(list.movingObjects().empty());
}
