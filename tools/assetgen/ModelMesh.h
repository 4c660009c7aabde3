#pragma once
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

// Models are built in game space: +z is the nose, +y is up, and a triangle
// faces outward when (p1 - p0) x (p2 - p0) points out of the solid.
namespace modelgen {

struct Vec3 {
    float x = 0, y = 0, z = 0;
    float operator[](int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

using Tri = std::array<Vec3, 3>;
using Solid = std::vector<Tri>;

inline Vec3 faceNormal(const Tri& t) { return cross(t[1] - t[0], t[2] - t[0]); }

// A rectangle of the skin onto which world axis `axisA` maps left to right
// over [a0, a1] and world axis `axisB` maps bottom to top over [b0, b1]. The
// mapping keeps one pixel clear of the rectangle's edge so that filtering
// does not pull in the neighbouring region.
struct SkinRegion {
    int x = 0, y = 0, w = 0, h = 0;
    int axisA = 0, axisB = 1;
    float a0 = 0, a1 = 1, b0 = 0, b1 = 1;

    float pixelX(float a) const { return x + 1 + std::clamp((a - a0) / (a1 - a0), 0.0f, 1.0f) * (w - 2); }
    float pixelY(float b) const { return y + 1 + std::clamp((b1 - b) / (b1 - b0), 0.0f, 1.0f) * (h - 2); }
};

struct ModelVertex {
    Vec3 p;
    float s = 0, t = 0;  // skin pixels
};

using ModelTriangle = std::array<ModelVertex, 3>;

// Picks the skin region a triangle is painted from, given its centroid and
// outward normal.
using RegionPicker = std::function<const SkinRegion&(Vec3 centroid, Vec3 normal)>;

// The usual picker: the region seen along the normal's dominant axis, from
// a table ordered +x, -x, +y, -y, +z, -z.
RegionPicker pickByAxis(const std::array<SkinRegion, 6>& regions);

class ModelMesh {
public:
    ModelMesh(int skinWidth, int skinHeight) : skinWidth(skinWidth), skinHeight(skinHeight) {}

    // Adds the faces of `solid` with texture coordinates from their regions.
    void addSolid(const Solid& solid, const RegionPicker& pick);

    int skinWidth;
    int skinHeight;
    std::vector<ModelTriangle> triangles;
};

}  // namespace modelgen
