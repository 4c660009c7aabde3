#include "flight/Geometry.h"
#include "flight/Matrix3.h"
#include "flight/Matrix4.h"
#include "flight/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
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
    Vector3 v{0.0f, 0.0f, 0.0f};
    dh::normalize(v);
    EXPECT_EQ(v, (Vector3{1.0f, 0.0f, 0.0f}));

    v = {0.0f, 3.0f, 4.0f};
    dh::normalize(v);
    expectNear(v, {0.0f, 0.6f, 0.8f}, 1e-7f);

    // Squares that underflow must not turn into infinities or NaN.
    v = {0.0f, -1e-30f, 0.0f};
    dh::normalize(v);
    EXPECT_EQ(v, (Vector3{0.0f, -1.0f, 0.0f}));
    v = {3e-25f, 0.0f, -4e-25f};
    dh::normalize(v);
    expectNear(v, {0.6f, 0.0f, -0.8f}, 1e-6f);
    v = {1e-45f, 0.0f, 0.0f};
    dh::normalize(v);
    EXPECT_EQ(v, (Vector3{1.0f, 0.0f, 0.0f}));
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

    // Mirroring about an axis keeps the part along it and flips the rest;
    // the axis need not be unit length.
    v = {3.0f, 4.0f, 5.0f};
    dh::reflectAbout(v, {0.0f, 2.0f, 0.0f});
    expectNear(v, {-3.0f, 4.0f, -5.0f});
    v = {1.0f, 0.0f, 0.0f};
    dh::reflectAbout(v, {1.0f, 1.0f, 0.0f});
    expectNear(v, {0.0f, 1.0f, 0.0f});
    // A zero axis counts as the x axis.
    v = {1.0f, 2.0f, 3.0f};
    dh::reflectAbout(v, {});
    expectNear(v, {1.0f, -2.0f, -3.0f});
}

TEST(VectorMath, MatrixProductsMultiplyOnTheLeft)
{
    dh::Matrix3 a;
    a.m = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    dh::Matrix3 m;
    m.m = {0, 1, 0, 0, 0, 1, 1, 0, 0};
    dh::multiply3(a, m);
    // A * M with M a permutation moving column 2 to 0, 0 to 1, 1 to 2.
    EXPECT_EQ(m.m, (std::array<float, 9>{3, 1, 2, 6, 4, 5, 9, 7, 8}));

    dh::Matrix4 a4;
    for (int i = 0; i < 16; ++i) {
        a4.m[i] = static_cast<float>(i);
    }
    dh::Matrix4 m4;
    m4.m[3] = 10.0f;  // translation by 10 along x
    dh::multiply4(a4, m4);
    // Row r of A * M: columns 0..2 as in A, column 3 = 10 * A[r][0] + A[r][3].
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(m4.m[4 * r + c], a4.m[4 * r + c]);
        }
        EXPECT_EQ(m4.m[4 * r + 3], 10.0f * a4.m[4 * r] + a4.m[4 * r + 3]);
    }
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
    const Vector3 a{0.0f, 0.0f, 0.0f};
    const Vector3 b{10.0f, 0.0f, 0.0f};
    Vector3 p{4.0f, 1.0f, 0.0f};
    EXPECT_TRUE(dh::pushOutOfSegment(a, b, p, 3.0f));
    expectNear(p, {4.0f, 3.0f, 0.0f});

    // Beyond the ends the nearest point is the end itself.
    p = {13.0f, 0.0f, 4.0f};
    EXPECT_FALSE(dh::pushOutOfSegment(a, b, p, 5.0f));
    EXPECT_EQ(p, (Vector3{13.0f, 0.0f, 4.0f}));
    p = {-1.0f, 0.0f, 0.0f};
    EXPECT_TRUE(dh::pushOutOfSegment(a, b, p, 2.0f));
    expectNear(p, {-2.0f, 0.0f, 0.0f});

    // A point on the segment is pushed along +x.
    p = {5.0f, 0.0f, 0.0f};
    EXPECT_TRUE(dh::pushOutOfSegment({5.0f, -1.0f, 0.0f}, {5.0f, 1.0f, 0.0f}, p, 2.0f));
    expectNear(p, {7.0f, 0.0f, 0.0f});

    // A segment of zero length behaves as its end point, with no NaN.
    p = {1.0f, 1.0f, 1.0f};
    EXPECT_TRUE(dh::pushOutOfSegment({1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, p, 3.0f));
    expectNear(p, {1.0f, 1.0f, 3.0f});
    p = {2.0f, 2.0f, 2.0f};
    EXPECT_TRUE(dh::pushOutOfSegment({2.0f, 2.0f, 2.0f}, {2.0f, 2.0f, 2.0f}, p, 1.0f));
    EXPECT_EQ(p, (Vector3{3.0f, 2.0f, 2.0f}));
}

TEST(VectorMath, PointInQuadCountsEdgesAsInside)
{
    // Screen coordinates, y down: the corners run clockwise as seen on screen.
    const std::array<dh::Point2, 4> quad{{{10, 10}, {50, 10}, {50, 30}, {10, 30}}};
    EXPECT_TRUE(dh::pointInQuad(quad, 20.0f, 20.0f));
    EXPECT_TRUE(dh::pointInQuad(quad, 10.0f, 20.0f));
    EXPECT_TRUE(dh::pointInQuad(quad, 50.0f, 30.0f));
    EXPECT_FALSE(dh::pointInQuad(quad, 9.9f, 20.0f));
    EXPECT_FALSE(dh::pointInQuad(quad, 20.0f, 30.1f));
    EXPECT_FALSE(dh::pointInQuad(quad, 60.0f, 5.0f));

    // A slanted quadrilateral, as the HUD's buttons are.
    const std::array<dh::Point2, 4> slanted{{{0, 0}, {20, 0}, {30, 10}, {10, 10}}};
    EXPECT_TRUE(dh::pointInQuad(slanted, 15.0f, 5.0f));
    EXPECT_FALSE(dh::pointInQuad(slanted, 3.0f, 8.0f));
    EXPECT_FALSE(dh::pointInQuad(slanted, 27.0f, 2.0f));
}
