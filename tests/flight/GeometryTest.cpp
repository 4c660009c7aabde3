#include "FlightTestWorld.h"

#include "core/Camera.h"
#include "core/Geometry.h"
#include "core/Matrix3.h"
#include "flight/Orientation.h"

#include <cmath>
#include <numbers>
#include <random>

using dh::Vector3;
using dh::test::expectNear;
using flighttest::TestMover;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

}

TEST(VectorMath, NormalizeMapsZeroToXAndKeepsDirectionOfTinyVectors)
{
    // Squares that underflow must not give infinities or NaN.
    const struct {
        Vector3 in, out;
    } cases[] = {{{0, 0, 0}, {1, 0, 0}}, {{0, 3, 4}, {0, 0.6f, 0.8f}}, {{0, -1e-30f, 0}, {0, -1, 0}},
                 {{3e-25f, 0, -4e-25f}, {0.6f, 0, -0.8f}}, {{1e-45f, 0, 0}, {1, 0, 0}}};
    for (const auto& c : cases) {
        Vector3 v = c.in;
        dh::normalize(v);
        expectNear(v, c.out, 1e-6f);
    }
    dh::Matrix3 m;
    m.m = {0, 0, 3, 0, 2, 0, 0, 0, 4};
    dh::normalizeColumns(m);
    EXPECT_EQ(m.m, (std::array<float, 9>{1, 0, 0.6f, 0, 1, 0, 0, 0, 0.8f})) << "a zero column becomes x";
}

TEST(VectorMath, RotationsAndReflection)
{
    Vector3 v{1.0f, 2.0f, 0.0f};
    dh::rotateAboutY(v, kPi / 2.0f);
    expectNear(v, {0.0f, 2.0f, 1.0f}, 1e-5f);
    v = {1.0f, 0.0f, 3.0f};
    dh::rotateAboutZ(v, kPi / 2.0f);
    expectNear(v, {0.0f, -1.0f, 3.0f}, 1e-5f);
    // The axis need not be unit length; a zero axis counts as x.
    v = {1.0f, 0.0f, 0.0f};
    dh::reflectAbout(v, {1.0f, 1.0f, 0.0f});
    expectNear(v, {0.0f, 1.0f, 0.0f}, 1e-5f);
    v = {1.0f, 2.0f, 3.0f};
    dh::reflectAbout(v, {});
    expectNear(v, {1.0f, -2.0f, -3.0f}, 1e-5f);
}

TEST(VectorMath, PushOutOfSegment)
{
    const struct {
        Vector3 a, b, p;
        float radius;
        bool pushed;
        Vector3 out;
    } cases[] = {
        {{0, 0, 0}, {10, 0, 0}, {4, 1, 0}, 3.0f, true, {4, 3, 0}},
        {{0, 0, 0}, {10, 0, 0}, {13, 0, 4}, 5.0f, false, {13, 0, 4}},
        {{0, 0, 0}, {10, 0, 0}, {-1, 0, 0}, 2.0f, true, {-2, 0, 0}},
        {{5, -1, 0}, {5, 1, 0}, {5, 0, 0}, 2.0f, true, {7, 0, 0}},
        // A segment of zero length behaves as its end point, with no NaN.
        {{1, 1, 0}, {1, 1, 0}, {1, 1, 1}, 3.0f, true, {1, 1, 3}},
        {{2, 2, 2}, {2, 2, 2}, {2, 2, 2}, 1.0f, true, {3, 2, 2}},
    };
    for (const auto& c : cases) {
        Vector3 p = c.p;
        EXPECT_EQ(dh::pushOutOfSegment(c.a, c.b, p, c.radius), c.pushed);
        expectNear(p, c.out, 1e-5f);
    }
}

TEST(VectorMath, PointInQuadCountsEdgesAsInside)
{
    const std::array<dh::Point2, 4> quad{{{10, 10}, {50, 10}, {50, 30}, {10, 30}}};
    const std::array<dh::Point2, 4> slanted{{{0, 0}, {20, 0}, {30, 10}, {10, 10}}};
    const struct {
        const std::array<dh::Point2, 4>& corners;
        float x, y;
        bool inside;
    } cases[] = {{quad, 10.0f, 20.0f, true},     {quad, 50.0f, 30.0f, true},    {quad, 9.9f, 20.0f, false},
                 {quad, 20.0f, 30.1f, false},    {slanted, 15.0f, 5.0f, true},  {slanted, 3.0f, 8.0f, false},
                 {slanted, 27.0f, 2.0f, false}};
    for (const auto& c : cases)
        EXPECT_EQ(dh::pointInQuad(c.corners, c.x, c.y), c.inside) << c.x << ", " << c.y;
}

// Bounds of whole meshes are checked with the model loader; a mesh without a
// whole triangle gets a unit sphere at the origin.
TEST(Mesh, AMeshWithoutAWholeTriangleHasAUnitSphere)
{
    const auto empty = flighttest::makeTriangles({1, 2, 3, 4});
    EXPECT_EQ(empty->triangleCount, 0u);
    EXPECT_EQ(empty->boundCentre, Vector3{});
    EXPECT_EQ(empty->boundRadius, 1.0f);
}

TEST(Orientation, TurnsMoveTheNoseTheStatedWay)
{
    TestMover yawed, pitched, rolled;
    dh::yaw(yawed, kPi / 2.0f);
    EXPECT_NEAR(yawed.forward().x, 1.0f, 1e-6f);
    dh::pitch(pitched, kPi / 2.0f);
    EXPECT_NEAR(pitched.forward().y, -1.0f, 1e-6f) << "a positive pitch turns the nose down";
    dh::roll(rolled, kPi / 2.0f);
    EXPECT_NEAR(rolled.orientation.row(0).y, 1.0f, 1e-6f);

    yawed.position = {5.0f, 0.0f, 0.0f};
    Vector3 p{6.0f, 0.0f, 0.0f};
    dh::worldToLocal(yawed, p);
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, 1.0f, 1e-6f);
}

TEST(Orientation, StaysOrthonormalOverManySmallTurns)
{
    TestMover obj;
    std::mt19937 generator(4242);
    std::uniform_real_distribution<float> angle(-0.05f, 0.05f);
    for (int i = 0; i < 100000; ++i)
        (i % 3 == 0 ? dh::yaw : i % 3 == 1 ? dh::pitch : dh::roll)(obj, angle(generator));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(dh::dot(obj.orientation.row(i), obj.orientation.row(j)), i == j ? 1.0f : 0.0f, 1e-5f);
    EXPECT_NEAR(dh::dot(dh::cross(obj.orientation.row(0), obj.orientation.row(1)), obj.forward()), 1.0f, 1e-5f) << "no reflection";
}

TEST(Orientation, SteerTowardsAheadAndBehind)
{
    // 128 units ahead: the direction normalises to exactly (0, 0, 1), an angle of 0.
    TestMover ahead;
    ahead.position = {1.0f, 2.0f, 3.0f};
    dh::steerTowards(ahead, 0.1f, {1.0f, 2.0f, 131.0f});
    EXPECT_EQ(ahead.orientation.m, dh::Matrix3{}.m);

    // Straight behind: a yaw by -t, then (still behind and level) a pitch by -t.
    TestMover behind, expected;
    dh::steerTowards(behind, -0.1f, {0.0f, 0.0f, -50.0f});
    dh::yaw(expected, -0.1f);
    dh::pitch(expected, -0.1f);
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(behind.orientation.m[i], expected.orientation.m[i], 1e-6f) << i;
    EXPECT_NEAR(behind.orientation.row(0).z, std::sin(0.1f), 1e-6f);
}

// The yaw is by the whole angle between nose and target and the pitch by the
// whole angle left after it, so a target off both axes is not reached in one call.
TEST(Orientation, FacePointYawsByTheWholeAngleThenPitches)
{
    // Target along (1, 1, 1) from an unturned object: the yaw is arccos(1/sqrt 3)
    // about the up axis, leaving the nose at (sin a, 0, cos a); the target then
    // lies at cosine (sin a + cos a)/sqrt 3 from it and the pitch lifts the nose
    // by that angle b towards the up axis: (cos b sin a, sin b, cos b cos a).
    const double a = std::acos(1.0 / std::sqrt(3.0));
    const double b = std::acos((std::sin(a) + std::cos(a)) / std::sqrt(3.0));
    TestMover diagonal;
    dh::facePoint(diagonal, {100.0f, 100.0f, 100.0f});
    expectNear(diagonal.forward(),
               {static_cast<float>(std::cos(b) * std::sin(a)), static_cast<float>(std::sin(b)),
                static_cast<float>(std::cos(b) * std::cos(a))},
               1e-5f);
    EXPECT_NEAR(dh::dot(diagonal.forward(), dh::normalized({1.0f, 1.0f, 1.0f})), 0.9904, 1e-4)
        << "about 8 degrees off after one call";

    // Repeated, the remaining angle shrinks towards the precision of the float arithmetic.
    for (int i = 0; i < 20; ++i)
        dh::facePoint(diagonal, {100.0f, 100.0f, 100.0f});
    EXPECT_NEAR(dh::dot(diagonal.forward(), dh::normalized({1.0f, 1.0f, 1.0f})), 1.0f, 1e-6f);

    // A target in the object's horizontal plane is reached by the yaw alone,
    // to within the rounding of the normalised direction.
    std::mt19937 generator(99);
    std::uniform_real_distribution<float> coordinate(-1000.0f, 1000.0f);
    for (int i = 0; i < 500; ++i) {
        TestMover obj;
        obj.position = {coordinate(generator), 0.0f, coordinate(generator)};
        dh::yaw(obj, coordinate(generator) / 100.0f);
        const Vector3 target{coordinate(generator), 0.0f, coordinate(generator)};
        dh::facePoint(obj, target);
        EXPECT_NEAR(dh::dot(obj.forward(), dh::normalized(target - obj.position)), 1.0f, 1e-6f) << "case " << i;
    }

    // Straight up: no yaw (x and z are both 0), then a pitch by a right angle.
    TestMover up;
    dh::facePoint(up, {0.0f, 10.0f, 0.0f});
    EXPECT_NEAR(up.forward().y, 1.0f, 1e-6f);
}

TEST(Camera, FreeAndFollowingCamerasViewFromTheirEye)
{
    using dh::test::transform;
    dh::Camera free;
    free.position = {10.0f, 20.0f, 30.0f};
    dh::turnCameraYaw(free, 0.7f);
    const dh::Matrix4 freeView = dh::getViewMatrix(free);
    expectNear(transform(freeView, free.position), {}, 1e-5f);
    expectNear(transform(freeView, free.position + free.rotation.row(2)), {0.0f, 0.0f, 1.0f}, 1e-5f);

    TestMover ship;
    ship.position = {100.0f, -50.0f, 25.0f};
    dh::yaw(ship, 0.4f);
    dh::pitch(ship, -0.3f);
    dh::Camera camera;
    camera.followed = &ship;
    camera.followedRotation = ship.orientation;
    camera.followedPosition = ship.position;
    camera.position = {0.0f, 5.0f, -20.0f};
    dh::turnCameraYaw(camera, kPi);

    // 5 up and 20 behind along the ship's own axes, looking along its nose.
    const Vector3 eye = ship.position + ship.orientation.row(1) * 5.0f - ship.forward() * 20.0f;
    expectNear(dh::getEyePosition(camera), eye, 1e-4f);
    const dh::Matrix4 view = dh::getViewMatrix(camera);
    expectNear(transform(view, eye), {}, 1e-4f);
    const Vector3 seen = transform(view, ship.position + ship.forward() * 100.0f);
    EXPECT_LT(seen.z, -100.0f);
    EXPECT_NEAR(seen.x, 0.0f, 1e-3f);
    const dh::Matrix3 rotation = dh::getViewRotation(camera);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(rotation.m[i], view.m[4 * (i / 3) + i % 3]) << i;
}
