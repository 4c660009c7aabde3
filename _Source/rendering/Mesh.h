#pragma once

#include "core/Vector3.h"
#include "rendering/GLTexture.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace dh {

// A static triangle model shared by every object that shows it, with the
// per-triangle data collisions and ray casts need, computed once.
class Mesh {
public:
    Mesh() = default;
    virtual ~Mesh() = default;
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Takes 9 position floats and 6 texture-coordinate floats per triangle and
    // derives the collision data. Floats beyond the last whole triangle are
    // dropped; missing texture coordinates are 0.
    void setTriangles(std::vector<float> trianglePositions, std::vector<float> triangleTexCoords);
    // The 512-unit cube that stands in for a model that cannot be loaded.
    void makeFallbackCube();

    Vector3 vertex(std::uint32_t triangle, int corner) const { return at(positions, triangle, corner); }
    Vector3 edgeNormal(std::uint32_t triangle, int edge) const { return at(edgeNormals, triangle, edge); }
    Vector3 faceNormal(std::uint32_t triangle) const { return at(normals, triangle, 0); }

    // The skin, owned; null for a mesh built without one.
    std::unique_ptr<GLTexture> texture;
    Vector3 boundCentre;
    float boundRadius = 0.0f;
    std::uint32_t vertexCount = 0;
    std::uint32_t triangleCount = 0;
    // Per triangle: vertices 0, 1, 2 as x, y, z.
    std::vector<float> positions;
    // Per triangle: p1 - p0, p2 - p1, p0 - p2.
    std::vector<float> edges;
    // Per triangle: for each edge a unit vector in the triangle's plane, pointing inwards.
    std::vector<float> edgeNormals;
    // Per triangle: s, t for vertices 0, 1, 2.
    std::vector<float> texCoords;
    // Per triangle: the face normal once for each vertex.
    std::vector<float> normals;
    // Per triangle: a sphere round it, the middle of its corners and the
    // largest distance from there to one of them (x, y, z, radius), so that
    // collisions and rays pass over triangles they cannot reach.
    std::vector<float> triangleSpheres;

private:
    static Vector3 at(const std::vector<float>& data, std::uint32_t triangle, int k)
    {
        const float* v = data.data() + 9 * triangle + 3 * k;
        return {v[0], v[1], v[2]};
    }
    void deriveCollisionData();
    void deriveBoundingSphere();
    void deriveTriangleSpheres();
};

}
