#include "flight/FlightTestObjects.h"

#include <gtest/gtest.h>

#include <cmath>

using dh::Vector3;

// The fallback cube's outward faces and inward edge normals are exercised by
// every collision and ray cast test, which fly into boxes made from it.
TEST(Mesh, BoundsOfOrdinaryDegenerateAndEmptyMeshes)
{
    // Corners spanning x 0..10, y 0..4, z -2..0: centred on the box, farthest corner sqrt(30) away.
    const auto mesh = flighttest::makeTriangles({0, 0, 0, 10, 0, 0, 0, 4, 0, 0, 0, -2, 10, 4, 0, 0, 4, 0});
    EXPECT_EQ(mesh->boundCentre, (Vector3{5.0f, 2.0f, -1.0f}));
    EXPECT_NEAR(mesh->boundRadius, std::sqrt(30.0f), 1e-5f);
    EXPECT_NEAR(flighttest::makeBox(10.0f)->boundRadius, 10.0f * std::sqrt(3.0f), 1e-5f);

    // Two equal corners: no face normal, and no NaN in the edge normals.
    const auto flat = flighttest::makeTriangles({1, 2, 3, 1, 2, 3, 4, 6, 8});
    EXPECT_EQ(flat->faceNormal(0), (Vector3{}));
    EXPECT_EQ(flat->edgeNormal(0, 1), (Vector3{1.0f, 0.0f, 0.0f}));

    const auto point = flighttest::makeTriangles({5, -7, 9, 5, -7, 9, 5, -7, 9});
    EXPECT_EQ(point->boundCentre, (Vector3{5.0f, -7.0f, 9.0f}));
    EXPECT_EQ(point->boundRadius, 0.0f);

    // No whole triangle: centre at the origin, radius 1.
    const auto empty = flighttest::makeTriangles({1, 2, 3, 4});
    EXPECT_EQ(empty->triangleCount, 0u);
    EXPECT_EQ(empty->boundRadius, 1.0f);
}
