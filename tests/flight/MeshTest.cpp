#include "flight/FlightTestObjects.h"
#include "rendering/Mesh.h"

#include <gtest/gtest.h>

#include <cmath>

using dh::Vector3;

TEST(Mesh, FallbackCubeFacesOutwardWithInwardEdgeNormals)
{
    dh::Mesh cube;
    cube.makeFallbackCube();
    ASSERT_EQ(cube.triangleCount, 12u);
    EXPECT_EQ(cube.vertexCount, 36u);
    EXPECT_EQ(cube.positions.size(), 108u);
    EXPECT_EQ(cube.texCoords.size(), 72u);
    EXPECT_EQ(cube.boundCentre, (Vector3{}));
    EXPECT_NEAR(cube.boundRadius, 256.0f * std::sqrt(3.0f), 1e-3f);

    // First face: +Z, first corner (-256, 256, 256) with texture (0, 0).
    EXPECT_EQ(cube.vertex(0, 0), (Vector3{-256.0f, 256.0f, 256.0f}));
    EXPECT_EQ(cube.texCoords[2], 0.0f);
    EXPECT_EQ(cube.texCoords[3], 1.0f);

    for (std::uint32_t t = 0; t < cube.triangleCount; ++t) {
        const Vector3 centre = (cube.vertex(t, 0) + cube.vertex(t, 1) + cube.vertex(t, 2)) * (1.0f / 3.0f);
        const Vector3 n = cube.faceNormal(t);
        EXPECT_NEAR(dh::length(n), 1.0f, 1e-6f);
        // Outward: the normal points the same way as the face from the cube's centre.
        EXPECT_NEAR(dh::dot(n, centre), 256.0f, 1e-3f) << t;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(cube.normals[9 * t + 3 * k], n.x);
            const Vector3 e = cube.edgeNormal(t, k);
            EXPECT_NEAR(dh::length(e), 1.0f, 1e-6f);
            EXPECT_NEAR(dh::dot(e, n), 0.0f, 1e-6f);
            // Inward: towards the triangle's centre from the edge's start.
            EXPECT_GT(dh::dot(e, centre - cube.vertex(t, k)), 0.0f) << t << " " << k;
            const Vector3 edge{cube.edges[9 * t + 3 * k], cube.edges[9 * t + 3 * k + 1],
                               cube.edges[9 * t + 3 * k + 2]};
            EXPECT_EQ(edge, cube.vertex(t, (k + 1) % 3) - cube.vertex(t, k));
        }
    }
}

TEST(Mesh, DegenerateAndEmptyMeshes)
{
    // Two equal corners: zero face normal, all three edge normals (1, 0, 0).
    const auto flat = flighttest::makeTriangles({1, 2, 3, 1, 2, 3, 4, 6, 8});
    EXPECT_EQ(flat->faceNormal(0), (Vector3{}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(flat->edgeNormal(0, k), (Vector3{1.0f, 0.0f, 0.0f}));
    }

    // One position repeated everywhere: radius 0 around that point.
    const auto point = flighttest::makeTriangles({5, -7, 9, 5, -7, 9, 5, -7, 9, 5, -7, 9, 5, -7, 9, 5, -7, 9});
    EXPECT_EQ(point->triangleCount, 2u);
    EXPECT_EQ(point->boundCentre, (Vector3{5.0f, -7.0f, 9.0f}));
    EXPECT_EQ(point->boundRadius, 0.0f);

    // No triangles: centre at the origin, radius 1. Stray floats are dropped.
    const auto empty = flighttest::makeTriangles({1, 2, 3, 4});
    EXPECT_EQ(empty->triangleCount, 0u);
    EXPECT_EQ(empty->boundCentre, (Vector3{}));
    EXPECT_EQ(empty->boundRadius, 1.0f);
}

TEST(Mesh, BoundingSphereIsCentredOnTheBox)
{
    // The box around the corners spans x 0..10, y 0..4, z -2..0: centre (5, 2, -1),
    // and the farthest corner is (0, 0, -2) or (10, 4, 0) at sqrt(25 + 4 + 1).
    const auto mesh = flighttest::makeTriangles({0, 0, 0, 10, 0, 0, 0, 4, 0, 0, 0, -2, 10, 4, 0, 0, 4, 0});
    EXPECT_EQ(mesh->boundCentre, (Vector3{5.0f, 2.0f, -1.0f}));
    EXPECT_NEAR(mesh->boundRadius, std::sqrt(30.0f), 1e-5f);
    EXPECT_EQ(mesh->texCoords.size(), 12u);
}
