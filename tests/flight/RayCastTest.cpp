#include "flight/Collision.h"
#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using dh::Vector3;
using flighttest::add;
using flighttest::TestMover;
using flighttest::TestStatic;

namespace {

void expectNear(Vector3 got, Vector3 want, float tolerance = 1e-3f)
{
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

}

TEST(RayCast, HitsTheNearestTriangleOfTheNearestObject)
{
    const auto box = flighttest::makeBox(100.0f);
    dh::ObjectList list;
    auto* far = add<TestStatic>(list, nullptr, box.get(), {0.0f, 0.0f, 2000.0f});
    auto* near = add<TestMover>(list, nullptr, box.get(), {0.0f, 0.0f, 1000.0f});
    add<TestMover>(list, nullptr, nullptr, {0.0f, 0.0f, 500.0f});
    const Vector3 from{10.0f, -20.0f, 0.0f};
    const Vector3 ahead{0.0f, 0.0f, 1.0f};
    Vector3 hit;
    EXPECT_EQ(list.rayCast(from, ahead, nullptr, hit), near);
    expectNear(hit, {10.0f, -20.0f, 900.0f});
    EXPECT_EQ(list.rayCast(from, ahead, near, hit), far);
    expectNear(hit, {10.0f, -20.0f, 1900.0f});
    near->collidable = false;
    EXPECT_EQ(list.rayCast(from, ahead, nullptr, hit), far);
    near->collidable = true;
    // From inside a box all its faces face away; nothing behind the start is hit.
    EXPECT_EQ(list.rayCast({0.0f, 0.0f, 1000.0f}, ahead, nullptr, hit), far);
    EXPECT_EQ(list.rayCast({0.0f, 0.0f, 3000.0f}, ahead, nullptr, hit), nullptr);
}

TEST(RayCast, WorksInTheObjectsTurnedFrame)
{
    const auto box = flighttest::makeBox(100.0f);
    TestStatic obj(nullptr, box.get());
    obj.position = {50.0f, 0.0f, 1000.0f};
    dh::yaw(obj, std::numbers::pi_v<float> / 4.0f);
    Vector3 hit;
    // Turned by 45 degrees the box shows a vertical edge 100 * sqrt(2) in front of its centre.
    ASSERT_TRUE(dh::rayHitsObject({50.0f, 30.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, obj, hit));
    expectNear(hit, {50.0f, 30.0f, 1000.0f - 100.0f * std::sqrt(2.0f)}, 1e-2f);
    EXPECT_FALSE(dh::rayHitsObject({225.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, obj, hit));
}

TEST(RayCast, MissesABackFacingTriangleFromBehind)
{
    const auto sheet = flighttest::makeTriangles({-50, -50, 0, 50, -50, 0, 0, 50, 0});
    TestStatic obj(nullptr, sheet.get());
    obj.position = {0.0f, 0.0f, 500.0f};
    Vector3 hit;
    EXPECT_FALSE(dh::rayHitsObject({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, obj, hit));
    ASSERT_TRUE(dh::rayHitsObject({0.0f, 0.0f, 1000.0f}, {0.0f, 0.0f, -1.0f}, obj, hit));
    expectNear(hit, {0.0f, 0.0f, 500.0f});
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
    auto* chooser = add<TestMover>(list, nullptr, nullptr, {});
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
