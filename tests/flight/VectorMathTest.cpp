#include "flight/Geometry.h"
#include "flight/Matrix3.h"
#include "flight/Vector3.h"

#include <gtest/gtest.h>

#include <numbers>

using dh::Vector3;

namespace {

void expectNear(Vector3 got, Vector3 want, float tolerance = 1e-5f)
{
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

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
}

TEST(VectorMath, RotationsAndReflection)
{
    const float quarter = std::numbers::pi_v<float> / 2.0f;
    Vector3 v{1.0f, 2.0f, 0.0f};
    dh::rotateAboutY(v, quarter);
    expectNear(v, {0.0f, 2.0f, 1.0f});
    v = {1.0f, 0.0f, 3.0f};
    dh::rotateAboutZ(v, quarter);
    expectNear(v, {0.0f, -1.0f, 3.0f});

    // The axis need not be unit length; a zero axis counts as x.
    v = {1.0f, 0.0f, 0.0f};
    dh::reflectAbout(v, {1.0f, 1.0f, 0.0f});
    expectNear(v, {0.0f, 1.0f, 0.0f});
    v = {1.0f, 2.0f, 3.0f};
    dh::reflectAbout(v, {});
    expectNear(v, {1.0f, -2.0f, -3.0f});
}

TEST(VectorMath, NormalizeColumnsTurnsAZeroColumnIntoX)
{
    dh::Matrix3 m;
    m.m = {0, 0, 3, 0, 2, 0, 0, 0, 4};
    dh::normalizeColumns(m);
    EXPECT_EQ(m.m, (std::array<float, 9>{1, 0, 0.6f, 0, 1, 0, 0, 0, 0.8f}));
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
        expectNear(p, c.out);
    }
}

TEST(VectorMath, PointInQuadCountsEdgesAsInside)
{
    const std::array<dh::Point2, 4> quad{{{10, 10}, {50, 10}, {50, 30}, {10, 30}}};
    EXPECT_TRUE(dh::pointInQuad(quad, 10.0f, 20.0f));
    EXPECT_TRUE(dh::pointInQuad(quad, 50.0f, 30.0f));
    EXPECT_FALSE(dh::pointInQuad(quad, 9.9f, 20.0f));
    EXPECT_FALSE(dh::pointInQuad(quad, 20.0f, 30.1f));
    const std::array<dh::Point2, 4> slanted{{{0, 0}, {20, 0}, {30, 10}, {10, 10}}};
    EXPECT_TRUE(dh::pointInQuad(slanted, 15.0f, 5.0f));
    EXPECT_FALSE(dh::pointInQuad(slanted, 3.0f, 8.0f));
    EXPECT_FALSE(dh::pointInQuad(slanted, 27.0f, 2.0f));
}
