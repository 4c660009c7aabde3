// MD2 parsing and the derived data: the outcome is the fallback cube, or a
// mesh whose positions, normals, texture coordinates and bounding sphere are
// finite, whose normals are of length 1 (or zero for a degenerate triangle),
// and whose positions all lie inside the bounding sphere.
#include "FuzzSupport.h"
#include "rendering/MD2Mesh.h"
#include "rendering/Mesh.h"

#include <cmath>
#include <vector>

namespace {

using fuzz::check;

bool allFinite(const std::vector<float>& values)
{
    for (float v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

void checkMesh(const dh::Mesh& mesh)
{
    const std::size_t floats = 9 * std::size_t{mesh.triangleCount};
    check(mesh.vertexCount == 3 * mesh.triangleCount, "vertex count");
    check(mesh.positions.size() == floats && mesh.normals.size() == floats && mesh.edges.size() == floats &&
              mesh.edgeNormals.size() == floats && mesh.texCoords.size() == 6 * std::size_t{mesh.triangleCount},
          "array sizes");
    check(allFinite(mesh.positions) && allFinite(mesh.normals) && allFinite(mesh.texCoords), "finite");
    const float cx = mesh.boundCentre.x;
    const float cy = mesh.boundCentre.y;
    const float cz = mesh.boundCentre.z;
    check(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(cz) && std::isfinite(mesh.boundRadius),
          "finite bounding sphere");
    for (std::size_t i = 0; i < floats; i += 3) {
        const double nx = mesh.normals[i];
        const double ny = mesh.normals[i + 1];
        const double nz = mesh.normals[i + 2];
        const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
        check(length == 0.0 || std::abs(length - 1.0) <= 1e-5, "unit normals");
        const double dx = double(mesh.positions[i]) - cx;
        const double dy = double(mesh.positions[i + 1]) - cy;
        const double dz = double(mesh.positions[i + 2]) - cz;
        const double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
        check(distance <= double(mesh.boundRadius) * (1.0 + 1e-5) + 1e-3, "inside the bounding sphere");
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::TemporaryFolder folder("fuzz_md2");
    const std::filesystem::path path = folder.write("model.md2", data, size);
    dh::Mesh mesh;
    if (!dh::loadMD2Geometry(path, mesh)) {
        check(mesh.triangleCount == 12, "the fallback cube");
    }
    checkMesh(mesh);
    return 0;
}
