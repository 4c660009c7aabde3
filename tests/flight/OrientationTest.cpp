#include "flight/FlightTestObjects.h"
#include "flight/Orientation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using dh::Vector3;
using flighttest::TestMover;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

double orthonormalError(const dh::Matrix3& m)
{
    double worst = 0.0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 3; ++k) {
                sum += static_cast<double>(m.m[3 * i + k]) * m.m[3 * j + k];
            }
            worst = std::max(worst, std::fabs(sum - (i == j ? 1.0 : 0.0)));
        }
    }
    return worst;
}

double determinant(const dh::Matrix3& m)
{
    const auto& a = m.m;
    return static_cast<double>(a[0]) * (a[4] * a[8] - a[5] * a[7]) - a[1] * (a[3] * a[8] - a[5] * a[6])
         + a[2] * (a[3] * a[7] - a[4] * a[6]);
}

// The nose direction towards `target` as a unit vector in the object's frame.
Vector3 localDirection(const dh::GameObject& obj, Vector3 target)
{
    dh::worldToLocal(obj, target);
    return dh::normalized(target);
}

}

TEST(Orientation, TurnsMoveTheNoseTheStatedWay)
{
    TestMover obj;
    dh::yaw(obj, kPi / 2.0f);
    // Yaw turns the nose towards the old right axis.
    EXPECT_NEAR(obj.forward().x, 1.0f, 1e-6f);
    EXPECT_NEAR(obj.orientation.row(0).z, -1.0f, 1e-6f);

    TestMover pitched;
    dh::pitch(pitched, kPi / 2.0f);
    // A positive pitch turns the nose down.
    EXPECT_NEAR(pitched.forward().y, -1.0f, 1e-6f);

    TestMover rolled;
    dh::roll(rolled, kPi / 2.0f);
    EXPECT_NEAR(rolled.orientation.row(0).y, 1.0f, 1e-6f);
    EXPECT_NEAR(rolled.forward().z, 1.0f, 1e-6f);

    float copy[9] = {};
    dh::getOrientation(rolled, copy);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(copy[i], rolled.orientation.m[i]);
    }
    dh::getOrientation(rolled, nullptr);

    // worldToLocal: the point one unit ahead of a yawed object at (5, 0, 0).
    obj.position = {5.0f, 0.0f, 0.0f};
    Vector3 p{6.0f, 0.0f, 0.0f};
    dh::worldToLocal(obj, p);
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, 1.0f, 1e-6f);
}

TEST(Orientation, StaysOrthonormalOverManySmallTurns)
{
    TestMover obj;
    std::mt19937 generator(4242);
    std::uniform_real_distribution<float> angle(-0.05f, 0.05f);
    for (int i = 0; i < 100000; ++i) {
        switch (i % 3) {
        case 0: dh::yaw(obj, angle(generator)); break;
        case 1: dh::pitch(obj, angle(generator)); break;
        default: dh::roll(obj, angle(generator)); break;
        }
    }
    EXPECT_LT(orthonormalError(obj.orientation), 1e-5);
    EXPECT_NEAR(determinant(obj.orientation), 1.0, 1e-5);
}

TEST(Orientation, SteerTowardsAheadAndBehind)
{
    TestMover ahead;
    ahead.position = {1.0f, 2.0f, 3.0f};
    dh::steerTowards(ahead, 0.1f, {1.0f, 2.0f, 100.0f});
    EXPECT_EQ(ahead.orientation.m, dh::Matrix3{}.m);

    // Straight behind: d.x is 0, which is not > 0, so the yaw is by -t; the
    // target is still behind and level (d.y = 0 is not < 0), so the pitch that
    // follows is by -t as well.
    TestMover behind;
    dh::steerTowards(behind, -0.1f, {0.0f, 0.0f, -50.0f});
    TestMover expected;
    dh::yaw(expected, -0.1f);
    EXPECT_EQ(localDirection(expected, {0.0f, 0.0f, -50.0f}).y, 0.0f);
    dh::pitch(expected, -0.1f);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(behind.orientation.m[i], expected.orientation.m[i], 1e-6f) << i;
    }
    EXPECT_NEAR(behind.orientation.row(0).z, std::sin(0.1f), 1e-6f);

    // A limited turn never exceeds the limit about either axis.
    TestMover limited;
    dh::steerTowards(limited, 0.01f, {300.0f, -200.0f, 10.0f});
    EXPECT_LE(std::acos(limited.forward().z), 0.01f * std::sqrt(2.0f) + 1e-4f);
}

TEST(Orientation, FacePointAimsTheNoseAtTheTarget)
{
    std::mt19937 generator(99);
    std::uniform_real_distribution<float> coordinate(-1000.0f, 1000.0f);
    for (int i = 0; i < 500; ++i) {
        TestMover obj;
        obj.position = {coordinate(generator), coordinate(generator), coordinate(generator)};
        dh::yaw(obj, coordinate(generator) / 100.0f);
        dh::pitch(obj, coordinate(generator) / 100.0f);
        dh::roll(obj, coordinate(generator) / 100.0f);
        const Vector3 target{coordinate(generator), coordinate(generator), coordinate(generator)};
        dh::facePoint(obj, target);
        const Vector3 wanted = dh::normalized(target - obj.position);
        const Vector3 nose = obj.forward();
        EXPECT_NEAR(nose.x, wanted.x, 1e-3f) << i;
        EXPECT_NEAR(nose.y, wanted.y, 1e-3f) << i;
        EXPECT_NEAR(nose.z, wanted.z, 1e-3f) << i;
    }

    // Straight above and straight below need only the pitch.
    TestMover up;
    dh::facePoint(up, {0.0f, 10.0f, 0.0f});
    EXPECT_NEAR(up.forward().y, 1.0f, 1e-6f);
    EXPECT_NEAR(up.orientation.row(0).x, 1.0f, 1e-6f);
}
