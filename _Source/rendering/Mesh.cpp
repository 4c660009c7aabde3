#include "rendering/Mesh.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dh {

namespace {

void put(std::vector<float>& data, std::size_t offset, Vector3 v)
{
    data[offset] = v.x;
    data[offset + 1] = v.y;
    data[offset + 2] = v.z;
}

// The cross product over its length, or the zero vector for a degenerate
// triangle. A triangle so small that the squares of its cross product leave
// float's range is measured again in double precision.
Vector3 faceNormalOf(const std::array<Vector3, 3>& p)
{
    Vector3 n = cross(p[1] - p[0], p[2] - p[0]);
    const float len = length(n);
    if (len != 0.0f) {
        n = {n.x / len, n.y / len, n.z / len};
    }
    if ((n.x == 0.0f && n.y == 0.0f && n.z == 0.0f) || std::abs(lengthSquared(n) - 1.0f) <= 1e-5f) {
        return n;
    }
    const double ax = double(p[1].x) - p[0].x, ay = double(p[1].y) - p[0].y, az = double(p[1].z) - p[0].z;
    const double bx = double(p[2].x) - p[0].x, by = double(p[2].y) - p[0].y, bz = double(p[2].z) - p[0].z;
    const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
    const double exact = std::sqrt(cx * cx + cy * cy + cz * cz);
    if (exact == 0.0) {
        return {};
    }
    return {static_cast<float>(cx / exact), static_cast<float>(cy / exact), static_cast<float>(cz / exact)};
}

struct CubeCorner {
    float x, y, z, s, t;
};

// Six faces, two triangles each, counter-clockwise seen from outside, each
// face covered once by the whole skin.
constexpr float kCube = 256.0f;
constexpr std::array<CubeCorner, 36> kCubeCorners{{
    {-kCube, kCube, kCube, 0, 0}, {-kCube, -kCube, kCube, 0, 1}, {kCube, kCube, kCube, 1, 0},
    {-kCube, -kCube, kCube, 0, 1}, {kCube, -kCube, kCube, 1, 1}, {kCube, kCube, kCube, 1, 0},
    {-kCube, kCube, -kCube, 0, 0}, {kCube, kCube, -kCube, 1, 0}, {-kCube, -kCube, -kCube, 0, 1},
    {-kCube, -kCube, -kCube, 0, 1}, {kCube, kCube, -kCube, 1, 0}, {kCube, -kCube, -kCube, 1, 1},
    {-kCube, kCube, -kCube, 0, 0}, {-kCube, -kCube, -kCube, 0, 1}, {-kCube, kCube, kCube, 1, 0},
    {-kCube, -kCube, -kCube, 0, 1}, {-kCube, -kCube, kCube, 1, 1}, {-kCube, kCube, kCube, 1, 0},
    {kCube, kCube, -kCube, 0, 0}, {kCube, kCube, kCube, 1, 0}, {kCube, -kCube, -kCube, 0, 1},
    {kCube, -kCube, -kCube, 0, 1}, {kCube, kCube, kCube, 1, 0}, {kCube, -kCube, kCube, 1, 1},
    {-kCube, kCube, -kCube, 0, 0}, {-kCube, kCube, kCube, 0, 1}, {kCube, kCube, -kCube, 1, 0},
    {-kCube, kCube, kCube, 0, 1}, {kCube, kCube, kCube, 1, 1}, {kCube, kCube, -kCube, 1, 0},
    {-kCube, -kCube, -kCube, 0, 0}, {kCube, -kCube, -kCube, 1, 0}, {-kCube, -kCube, kCube, 0, 1},
    {-kCube, -kCube, kCube, 0, 1}, {kCube, -kCube, -kCube, 1, 0}, {kCube, -kCube, kCube, 1, 1},
}};

}

void Mesh::setTriangles(std::vector<float> trianglePositions, std::vector<float> triangleTexCoords)
{
    triangleCount = static_cast<std::uint32_t>(trianglePositions.size() / 9);
    vertexCount = 3 * triangleCount;
    positions = std::move(trianglePositions);
    positions.resize(9 * static_cast<std::size_t>(triangleCount));
    texCoords = std::move(triangleTexCoords);
    texCoords.resize(6 * static_cast<std::size_t>(triangleCount), 0.0f);
    deriveCollisionData();
}

void Mesh::makeFallbackCube()
{
    std::vector<float> cubePositions;
    std::vector<float> cubeTexCoords;
    for (const CubeCorner& corner : kCubeCorners) {
        cubePositions.insert(cubePositions.end(), {corner.x, corner.y, corner.z});
        cubeTexCoords.insert(cubeTexCoords.end(), {corner.s, corner.t});
    }
    setTriangles(std::move(cubePositions), std::move(cubeTexCoords));
}

void Mesh::deriveCollisionData()
{
    const std::size_t size = 9 * static_cast<std::size_t>(triangleCount);
    edges.assign(size, 0.0f);
    edgeNormals.assign(size, 0.0f);
    normals.assign(size, 0.0f);
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        const std::array<Vector3, 3> p{vertex(t, 0), vertex(t, 1), vertex(t, 2)};
        // A degenerate triangle keeps the zero normal, so no collision or ray finds it.
        const Vector3 n = faceNormalOf(p);
        for (int k = 0; k < 3; ++k) {
            const std::size_t offset = 9 * static_cast<std::size_t>(t) + 3 * static_cast<std::size_t>(k);
            const Vector3 edge = p[(k + 1) % 3] - p[k];
            put(normals, offset, n);
            put(edges, offset, edge);
            put(edgeNormals, offset, normalized(cross(n, edge)));
        }
    }
    deriveBoundingSphere();
    deriveTriangleSpheres();
}

void Mesh::deriveTriangleSpheres()
{
    triangleSpheres.assign(4 * static_cast<std::size_t>(triangleCount), 0.0f);
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        const Vector3 sum = vertex(t, 0) + vertex(t, 1) + vertex(t, 2);
        const Vector3 centre{sum.x / 3.0f, sum.y / 3.0f, sum.z / 3.0f};
        float farthestSquared = 0.0f;
        for (int k = 0; k < 3; ++k) {
            farthestSquared = std::max(farthestSquared, lengthSquared(vertex(t, k) - centre));
        }
        float* sphere = triangleSpheres.data() + 4 * static_cast<std::size_t>(t);
        sphere[0] = centre.x;
        sphere[1] = centre.y;
        sphere[2] = centre.z;
        sphere[3] = squareRoot(farthestSquared);
    }
}

void Mesh::deriveBoundingSphere()
{
    if (vertexCount == 0) {
        boundCentre = {};
        boundRadius = 1.0f;
        return;
    }
    Vector3 low = vertex(0, 0);
    Vector3 high = low;
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        for (int k = 0; k < 3; ++k) {
            const Vector3 v = vertex(t, k);
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
    }
    boundCentre = {(low.x + high.x) / 2.0f, (low.y + high.y) / 2.0f, (low.z + high.z) / 2.0f};
    float farthestSquared = 0.0f;
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        for (int k = 0; k < 3; ++k) {
            farthestSquared = std::max(farthestSquared, lengthSquared(vertex(t, k) - boundCentre));
        }
    }
    boundRadius = squareRoot(farthestSquared);
}

}
