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

}

TEST(Orientation, TurnsMoveTheNoseTheStatedWay)
{
    TestMover yawed;
    dh::yaw(yawed, kPi / 2.0f);
    EXPECT_NEAR(yawed.forward().x, 1.0f, 1e-6f);
    TestMover pitched;
    dh::pitch(pitched, kPi / 2.0f);
    EXPECT_NEAR(pitched.forward().y, -1.0f, 1e-6f) << "a positive pitch turns the nose down";
    TestMover rolled;
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
    for (int i = 0; i < 100000; ++i) {
        (i % 3 == 0 ? dh::yaw : i % 3 == 1 ? dh::pitch : dh::roll)(obj, angle(generator));
    }
    EXPECT_LT(orthonormalError(obj.orientation), 1e-5);
    const Vector3 r0 = obj.orientation.row(0);
    EXPECT_NEAR(dh::dot(dh::cross(r0, obj.orientation.row(1)), obj.forward()), 1.0f, 1e-5f) << "no reflection";
}

TEST(Orientation, SteerTowardsAheadAndBehind)
{
    TestMover ahead;
    ahead.position = {1.0f, 2.0f, 3.0f};
    dh::steerTowards(ahead, 0.1f, {1.0f, 2.0f, 100.0f});
    EXPECT_EQ(ahead.orientation.m, dh::Matrix3{}.m);

    // Straight behind: a yaw by -t, then (still behind and level) a pitch by -t.
    TestMover behind;
    dh::steerTowards(behind, -0.1f, {0.0f, 0.0f, -50.0f});
    TestMover expected;
    dh::yaw(expected, -0.1f);
    dh::pitch(expected, -0.1f);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(behind.orientation.m[i], expected.orientation.m[i], 1e-6f) << i;
    }
    EXPECT_NEAR(behind.orientation.row(0).z, std::sin(0.1f), 1e-6f);
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
        EXPECT_NEAR(dh::dot(obj.forward(), dh::normalized(target - obj.position)), 1.0f, 5e-7f) << "within 1e-3 rad, case " << i;
    }
    TestMover up;
    dh::facePoint(up, {0.0f, 10.0f, 0.0f});
    EXPECT_NEAR(up.forward().y, 1.0f, 1e-6f);
}
