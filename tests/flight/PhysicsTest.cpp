#include "FlightTestWorld.h"

#include "flight/Collision.h"
#include "flight/Orientation.h"

#include <cmath>
#include <numbers>

using dh::Vector3;
using dh::test::expectNear;
using dh::test::seedAfterDraws;
using flighttest::add;
using flighttest::Events;
using flighttest::TestMover;
using flighttest::TestStatic;

namespace {

TestMover* addMover(dh::ObjectList& list, Events* events, dh::Mesh* mesh, Vector3 position, Vector3 velocity)
{
    auto* mover = add<TestMover>(list, events, mesh, position);
    mover->velocity = velocity;
    mover->targetSpeed = dh::length(velocity);
    return mover;
}

// A 512-unit box and a small box of bounding radius 10 * sqrt(3) to fly into it.
struct Boxes {
    std::unique_ptr<dh::Mesh> big = flighttest::makeBox(256.0f);
    std::unique_ptr<dh::Mesh> small = flighttest::makeBox(10.0f);
    float rm = small->boundRadius;
};

// A flat diamond whose bounding sphere has radius exactly 10.
const std::vector<float> kDiamond{-10, 0, 0, 10, 0, 0, 0, 10, 0, 10, 0, 0, -10, 0, 0, 0, -10, 0};

}

TEST(Physics, MotionTowardsTargetSpeed)
{
    dh::ObjectList list;
    auto* idle = addMover(list, nullptr, nullptr, {1.0f, 2.0f, 3.0f}, {});
    auto* starter = addMover(list, nullptr, nullptr, {}, {});
    dh::yaw(*starter, 0.5f);
    starter->acceleration = 100.0f;
    starter->targetSpeed = 1000.0f;
    auto* braker = addMover(list, nullptr, nullptr, {}, {0.0f, 0.0f, 500.0f});
    braker->targetSpeed = 100.0f;
    braker->acceleration = 1500.0f;

    list.stepPhysics(0.1f);
    EXPECT_EQ(idle->position, (Vector3{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(idle->velocity, (Vector3{}));
    EXPECT_NEAR(dh::dot(starter->velocity, starter->forward()), 10.0f, 1e-5f) << "starts along its nose";
    EXPECT_NEAR(braker->velocity.z, 350.0f, 1e-3f);
    EXPECT_NEAR(braker->position.z, 35.0f, 1e-3f);
    for (int i = 0; i < 2; ++i)
        list.stepPhysics(0.1f);
    EXPECT_NEAR(braker->velocity.z, 100.0f, 1e-4f) << "never brakes below the target";

    // Thrust at right angles bends the flight towards the nose, keeping the speed.
    auto* turner = addMover(list, nullptr, nullptr, {}, {100.0f, 0.0f, 0.0f});
    turner->acceleration = 100.0f;
    list.stepPhysics(1.0f);
    EXPECT_NEAR(turner->velocity.x, 100.0f / std::sqrt(2.0f), 1e-3f);
    EXPECT_NEAR(turner->velocity.z, 100.0f / std::sqrt(2.0f), 1e-3f);
}

TEST(Physics, DeadObjectsAreRemovedAtTheNextStep)
{
    const Boxes boxes;
    Events dead, alive;
    dh::ObjectList list;
    auto* station = add<TestStatic>(list, &alive, boxes.big.get());
    station->shield = 0.0f;
    station->indestructible = true;
    add<TestStatic>(list, &dead)->shield = -5.0f;
    // Collision damage beyond the shield leaves 0, and the mover goes at the step after.
    auto* mover = addMover(list, &dead, boxes.small.get(), {-100.0f, 100.0f, 300.0f}, {0.0f, 0.0f, -4000.0f});
    mover->shield = 100.0f;
    list.stepPhysics(0.01f);
    EXPECT_EQ(mover->shield, 0.0f);
    EXPECT_EQ(dead.destroyed, 1) << "the debris goes first";
    dh::ObjectRef ref{mover, nullptr};
    list.trackRef(&ref);
    list.stepPhysics(0.01f);
    EXPECT_EQ(dead.destroyed, 2);
    EXPECT_EQ(ref.object, nullptr);
    EXPECT_EQ(alive.destroyed, 0);
    list.untrackRef(&ref);
}

// Flown into the middle of a face triangle or onto the diagonal shared by two,
// the sphere stops outside and bounces with 0.75 of its speed; a lost speed of
// 100 or more sounds (one draw) and does 0.15 of it as damage.
TEST(Physics, SphereFlownIntoABoxStopsOutsideAndBounces)
{
    const Boxes boxes;
    const struct {
        Vector3 start;
        float speed, dt, shield;
    } cases[] = {{{-100, 100, 300}, 2000.0f, 0.02f, 925.0f}, {{50, 50, 300}, 2000.0f, 0.02f, 925.0f},
                 {{-100, 100, 275}, 399.96f, 0.01f, 1000.0f}, {{-100, 100, 275}, 400.0f, 0.01f, 985.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        const bool hurts = c.shield < 1000.0f;
        Events moverEvents, boxEvents;
        dh::ObjectList list;
        auto* station = add<TestStatic>(list, &boxEvents, boxes.big.get());
        auto* mover = addMover(list, &moverEvents, boxes.small.get(), c.start, {0.0f, 0.0f, -c.speed});
        dh::g_randomSeed = 643463;
        list.stepPhysics(c.dt);
        EXPECT_NEAR(mover->position.z, 256.0f + boxes.rm, 1e-3f);
        EXPECT_NEAR(mover->position.x, c.start.x, 1e-3f);
        EXPECT_NEAR(mover->velocity.z, 0.75f * c.speed, 1e-2f);
        EXPECT_NEAR(mover->velocity.x, 0.0f, 1e-3f);
        EXPECT_NEAR(mover->shield, c.shield, 1e-2f);
        EXPECT_EQ(moverEvents.damaged, hurts ? 1 : 0);
        EXPECT_EQ(moverEvents.sounds, hurts ? 1 : 0);
        EXPECT_EQ(dh::g_randomSeed, seedAfterDraws(643463, hurts ? 1 : 0));
        EXPECT_EQ(boxEvents.collisions, 1);
        EXPECT_EQ(station->shield, 1000.0f);
    }
}

TEST(Physics, TurnedAndMovedStationCollidesInItsOwnFrame)
{
    const Boxes boxes;
    dh::ObjectList list;
    auto* station = add<TestStatic>(list, nullptr, boxes.big.get(), {5000.0f, -300.0f, 200.0f});
    dh::yaw(*station, 0.3f);
    dh::pitch(*station, -0.2f);
    const Vector3 right = station->orientation.row(0);
    const Vector3 nose = station->forward();
    const Vector3 start = station->position + nose * 290.0f + right * 60.0f - station->orientation.row(1) * 120.0f;
    auto* mover = addMover(list, nullptr, boxes.small.get(), start, nose * -1000.0f);
    list.stepPhysics(0.02f);
    const Vector3 offset = mover->position - station->position;
    EXPECT_NEAR(dh::dot(offset, nose), 256.0f + boxes.rm, 1e-2f);
    EXPECT_NEAR(dh::dot(offset, right), 60.0f, 1e-2f);
    EXPECT_NEAR(dh::dot(mover->velocity, nose), 750.0f, 1e-1f);
}

// Then a collision exchanges velocities with restitution 0.75 and shares the damage.
TEST(Physics, MoversCollideOnlyWhenTheirSpheresOverlapAndExchangeVelocities)
{
    const auto diamond = flighttest::makeTriangles(kDiamond);
    ASSERT_EQ(diamond->boundRadius, 10.0f);
    for (const float gap : {20.0f, 19.99f}) {
        Events a, b;
        dh::ObjectList list;
        auto* first = addMover(list, &a, diamond.get(), {}, {});
        auto* second = addMover(list, &b, diamond.get(), {gap, 0.0f, 0.0f}, {});
        list.stepPhysics(0.01f);
        const bool overlapped = gap < 20.0f;
        EXPECT_EQ(a.collisions > 0, overlapped) << gap;
        EXPECT_EQ(b.collisions > 0, overlapped) << gap;
        EXPECT_NEAR(first->position.x, overlapped ? gap - 20.0f : 0.0f, 1e-4f) << "only the mover is pushed";
        EXPECT_EQ(second->position.x, gap);
    }

    Events aEvents, bEvents;
    TestMover first(&aEvents, diamond.get());
    TestMover second(&bEvents, diamond.get());
    first.velocity = {60.0f, 10.0f, 0.0f};
    second.velocity = {-50.0f, 0.0f, 20.0f};
    second.position = {15.0f, 5.0f, 0.0f};
    second.mass = 3000.0f;

    // Independent computation in double precision.
    const double ma = 1000.0, mb = 3000.0;
    const double va[3] = {60.0, 10.0, 0.0}, vb[3] = {-50.0, 0.0, 20.0};
    const double dist = std::sqrt(15.0 * 15.0 + 5.0 * 5.0);
    const double n[3] = {-15.0 / dist, -5.0 / dist, 0.0};
    double newA[3], newB[3];
    for (int k = 0; k < 3; ++k) {
        newA[k] = -(ma * va[k] + mb * vb[k] + 0.75 * mb * (va[k] - vb[k])) / (ma + mb);
        newB[k] = (ma * va[k] + mb * vb[k] - 0.75 * ma * (va[k] - vb[k])) / (ma + mb);
    }
    const double alongA = newA[0] * n[0] + newA[1] * n[1], alongB = newB[0] * n[0] + newB[1] * n[1];
    const double impact = std::sqrt(60.0 * 60.0 + 10.0 * 10.0) + std::sqrt(50.0 * 50.0 + 20.0 * 20.0);

    const dh::ObjectRef firstRef{&first, nullptr}, secondRef{&second, nullptr};
    const std::uint32_t seed = dh::g_randomSeed;
    dh::collideMoving(firstRef, secondRef);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR((&first.velocity.x)[k], 2.0 * alongA * n[k] - newA[k], 1e-3) << k;
        EXPECT_NEAR((&second.velocity.x)[k], 2.0 * alongB * n[k] - newB[k], 1e-3) << k;
    }
    EXPECT_NEAR(first.position.x, n[0] * (20.0 - dist), 1e-4);
    EXPECT_EQ(second.position, (Vector3{15.0f, 5.0f, 0.0f}));
    EXPECT_NEAR(first.shield, 1000.0 - impact * 0.05, 1e-3);
    EXPECT_NEAR(second.shield, 1000.0 - impact * 0.05, 1e-3);
    EXPECT_EQ(aEvents.sounds + bEvents.sounds, 2);
    EXPECT_EQ(dh::g_randomSeed, seed) << "objects in no list make no sound and draw nothing";

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
    const Boxes boxes;
    Events firstBox, secondBox, doomed, witness;
    dh::ObjectList list;
    add<TestStatic>(list, &firstBox, boxes.big.get());
    add<TestStatic>(list, &secondBox, boxes.big.get());
    auto* mover = addMover(list, &doomed, boxes.small.get(), {-100.0f, 100.0f, 280.0f}, {0.0f, 0.0f, -300.0f});
    addMover(list, &witness, boxes.small.get(), {-100.0f, 100.0f, 300.0f}, {});
    mover->onCollisionDo = [&](dh::GameObject*) { list.deleteObject(mover); };
    list.stepPhysics(0.03f);
    EXPECT_EQ(doomed.collisions, 1);
    EXPECT_EQ(doomed.destroyed, 1);
    EXPECT_EQ(firstBox.collisions + secondBox.collisions + witness.collisions, 0);
    EXPECT_EQ(list.refCount(), 0u);
}

// Also through turned objects, and never on back-facing or degenerate triangles.
TEST(RayCast, HitsTheNearestTriangleOfTheNearestObject)
{
    const auto box = flighttest::makeBox(100.0f);
    dh::ObjectList list;
    auto* far = add<TestStatic>(list, nullptr, box.get(), {0.0f, 0.0f, 2000.0f});
    auto* near = add<TestMover>(list, nullptr, box.get(), {0.0f, 0.0f, 1000.0f});
    add<TestMover>(list, nullptr, nullptr, {0.0f, 0.0f, 500.0f});
    const Vector3 from{10.0f, -20.0f, 0.0f}, ahead{0.0f, 0.0f, 1.0f};
    Vector3 hit;
    EXPECT_EQ(list.rayCast(from, ahead, nullptr, hit), near);
    expectNear(hit, {10.0f, -20.0f, 900.0f}, 1e-3f);
    EXPECT_EQ(list.rayCast(from, ahead, near, hit), far);
    expectNear(hit, {10.0f, -20.0f, 1900.0f}, 1e-3f);
    near->collidable = false;
    EXPECT_EQ(list.rayCast(from, ahead, nullptr, hit), far);
    near->collidable = true;
    // From inside a box all its faces face away; nothing behind the start is hit.
    EXPECT_EQ(list.rayCast({0.0f, 0.0f, 1000.0f}, ahead, nullptr, hit), far);
    EXPECT_EQ(list.rayCast({0.0f, 0.0f, 3000.0f}, ahead, nullptr, hit), nullptr);

    TestStatic turned(nullptr, box.get());
    turned.position = {50.0f, 0.0f, 1000.0f};
    dh::yaw(turned, std::numbers::pi_v<float> / 4.0f);
    // Turned by 45 degrees the box shows a vertical edge 100 * sqrt(2) in front of its centre.
    ASSERT_TRUE(dh::rayHitsObject({50.0f, 30.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, turned, hit));
    expectNear(hit, {50.0f, 30.0f, 1000.0f - 100.0f * std::sqrt(2.0f)}, 1e-2f);
    EXPECT_FALSE(dh::rayHitsObject({225.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, turned, hit));

    const auto sheet = flighttest::makeTriangles({-50, -50, 0, 50, -50, 0, 0, 50, 0});
    TestStatic obj(nullptr, sheet.get());
    obj.position = {0.0f, 0.0f, 500.0f};
    EXPECT_FALSE(dh::rayHitsObject({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, obj, hit)) << "from behind";
    ASSERT_TRUE(dh::rayHitsObject({0.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, -1.0f}, obj, hit));
    expectNear(hit, {0.0f, 0.0f, 500.0f}, 1e-3f);
    // An edge counts; a ray along the plane or of no direction never hits.
    EXPECT_TRUE(dh::rayHitsObject({0.0f, -50.0f, 1000.0f}, {0.0f, 0.0f, -1.0f}, obj, hit));
    EXPECT_FALSE(dh::rayHitsObject({0.0f, -200.0f, 500.0f}, {0.0f, 1.0f, 0.0f}, obj, hit));
    EXPECT_FALSE(dh::rayHitsObject({0.0f, 0.0f, 1000.0f}, {}, obj, hit));
    const auto flat = flighttest::makeTriangles({-50, -50, 0, -50, -50, 0, 0, 50, 0});
    obj.mesh = flat.get();
    EXPECT_FALSE(dh::rayHitsObject({0.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, -1.0f}, obj, hit));
}

TEST(PickTarget, ChoosesTheObjectNearestTheNoseAndNothingBehind)
{
    dh::ObjectList list;
    auto* chooser = add<TestMover>(list);
    auto* behind = add<TestMover>(list, nullptr, nullptr, {0.0f, 0.0f, -10.0f});
    add<TestMover>(list, nullptr, nullptr, {10.0f, 0.0f, 0.0f});
    EXPECT_EQ(list.pickTarget(chooser), nullptr) << "only behind and abeam";
    add<TestMover>(list, nullptr, nullptr, {100.0f, 0.0f, 1000.0f});
    auto* aligned = add<TestStatic>(list, nullptr, nullptr, {0.0f, 10.0f, 5000.0f});
    add<TestMover>(list, nullptr, nullptr, {0.0f, 0.0f, 50.0f})->targetable = false;
    add<TestMover>(list, nullptr, nullptr, {0.0f, 10.0f, 5000.0f});
    EXPECT_EQ(list.pickTarget(chooser), aligned) << "far but aligned; the first of equals stays";
    dh::yaw(*chooser, std::numbers::pi_v<float>);
    EXPECT_EQ(list.pickTarget(chooser), behind);
}
