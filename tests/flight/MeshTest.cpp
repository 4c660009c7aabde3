#include "flight/FlightTestObjects.h"

#include <gtest/gtest.h>

#include <cmath>

using dh::Vector3;

TEST(Mesh, FallbackCubeFacesOutwardWithInwardEdgeNormals)
{
    dh::Mesh cube;
    cube.makeFallbackCube();
    ASSERT_EQ(cube.triangleCount, 12u);
    EXPECT_EQ(cube.boundCentre, (Vector3{}));
    EXPECT_NEAR(cube.boundRadius, 256.0f * std::sqrt(3.0f), 1e-3f);
    for (std::uint32_t t = 0; t < cube.triangleCount; ++t) {
        const Vector3 centre = (cube.vertex(t, 0) + cube.vertex(t, 1) + cube.vertex(t, 2)) * (1.0f / 3.0f);
        const Vector3 n = cube.faceNormal(t);
        EXPECT_NEAR(dh::dot(n, centre), 256.0f, 1e-3f) << t;
        for (int k = 0; k < 3; ++k) {
            const Vector3 e = cube.edgeNormal(t, k);
            EXPECT_NEAR(dh::length(e), 1.0f, 1e-6f);
            EXPECT_NEAR(dh::dot(e, n), 0.0f, 1e-6f);
            EXPECT_GT(dh::dot(e, centre - cube.vertex(t, k)), 0.0f) << t << " " << k;
        }
    }
}

TEST(Mesh, BoundsOfOrdinaryDegenerateAndEmptyMeshes)
{
    // Corners spanning x 0..10, y 0..4, z -2..0: centred on the box, farthest corner sqrt(30) away.
    const auto mesh = flighttest::makeTriangles({0, 0, 0, 10, 0, 0, 0, 4, 0, 0, 0, -2, 10, 4, 0, 0, 4, 0});
    EXPECT_EQ(mesh->boundCentre, (Vector3{5.0f, 2.0f, -1.0f}));
    EXPECT_NEAR(mesh->boundRadius, std::sqrt(30.0f), 1e-5f);

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
