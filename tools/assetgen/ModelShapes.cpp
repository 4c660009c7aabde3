#include "ModelShapes.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace modelgen {

namespace {

constexpr float kPi = 3.14159265358979f;

float signedPower(float value, float exponent)
{
    const float magnitude = std::pow(std::fabs(value), exponent);
    return value < 0 ? -magnitude : magnitude;
}

// Keeps only triangles with area; a dropped sliver shares its two long edges
// with opposite directions, so the surface stays closed.
void addIfProper(Solid& solid, Vec3 a, Vec3 b, Vec3 c)
{
    const Vec3 n = cross(b - a, c - a);
    if (dot(n, n) > 1e-10f)
        solid.push_back({a, b, c});
}

Vec3 centroid(const Ring& r)
{
    Vec3 sum;
    for (const Vec3& p : r)
        sum = sum + p;
    return sum * (1.0f / static_cast<float>(r.size()));
}

// Turns a closed surface outward when it encloses a negative volume.
Solid outward(Solid solid)
{
    double volume = 0;
    for (const Tri& t : solid)
        volume += dot(t[0], cross(t[1], t[2]));
    if (volume < 0)
        for (Tri& t : solid)
            std::swap(t[1], t[2]);
    return solid;
}

void joinRings(Solid& solid, const Ring& a, const Ring& b)
{
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t j = 0; j < n; ++j) {
        const std::size_t k = (j + 1) % n;
        if (a.size() == 1) {
            addIfProper(solid, a[0], b[k], b[j]);
        } else if (b.size() == 1) {
            addIfProper(solid, a[j], a[k], b[0]);
        } else {
            addIfProper(solid, a[j], a[k], b[k]);
            addIfProper(solid, a[j], b[k], b[j]);
        }
    }
}

void cap(Solid& solid, const Ring& r, bool reversed)
{
    const Vec3 c = centroid(r);
    for (std::size_t j = 0; j < r.size(); ++j) {
        const Vec3& p = r[j];
        const Vec3& q = r[(j + 1) % r.size()];
        if (reversed)
            addIfProper(solid, c, q, p);
        else
            addIfProper(solid, c, p, q);
    }
}

}  // namespace

Ring ring(Vec3 centre, Vec3 u, Vec3 v, float ru, float rv, int n, float power, float phase)
{
    Ring out;
    for (int j = 0; j < n; ++j) {
        const float a = phase + 2.0f * kPi * static_cast<float>(j) / static_cast<float>(n);
        const float cu = signedPower(std::cos(a), 2.0f / power);
        const float sv = signedPower(std::sin(a), 2.0f / power);
        out.push_back(centre + u * (cu * ru) + v * (sv * rv));
    }
    return out;
}

Ring ringZ(float cx, float cy, float z0, float rx, float ry, int n, float power, float phase)
{
    return ring({cx, cy, z0}, {1, 0, 0}, {0, 1, 0}, rx, ry, n, power, phase);
}

Ring ringY(float cx, float y0, float cz, float rx, float rz, int n, float power)
{
    return ring({cx, y0, cz}, {1, 0, 0}, {0, 0, 1}, rx, rz, n, power);
}

Solid loft(const std::vector<Ring>& rings)
{
    if (rings.size() < 2)
        throw std::logic_error("loft needs two rings");
    Solid solid;
    for (std::size_t i = 0; i + 1 < rings.size(); ++i)
        joinRings(solid, rings[i], rings[i + 1]);
    if (rings.front().size() > 1)
        cap(solid, rings.front(), true);
    if (rings.back().size() > 1)
        cap(solid, rings.back(), false);
    return outward(std::move(solid));
}

Solid annulusZ(float z0, float z1, float inner, float outer, int n)
{
    // The cross-section runs round a closed loop of four rings, so no caps.
    const std::array<Ring, 4> loop{ringZ(0, 0, z0, outer, outer, n), ringZ(0, 0, z1, outer, outer, n),
                                   ringZ(0, 0, z1, inner, inner, n), ringZ(0, 0, z0, inner, inner, n)};
    Solid solid;
    for (std::size_t i = 0; i < loop.size(); ++i)
        joinRings(solid, loop[i], loop[(i + 1) % loop.size()]);
    return outward(std::move(solid));
}

Solid prism(const Ring& outline, Vec3 offset)
{
    Ring far;
    for (const Vec3& p : outline)
        far.push_back(p + offset);
    return loft({outline, far});
}

Solid box(Vec3 lo, Vec3 hi)
{
    return gridSolid({lo.x, hi.x}, {lo.y, hi.y}, {lo.z, hi.z}, [](int, int, int) { return true; });
}

Solid ellipsoid(Vec3 centre, Vec3 radii, int rings, int segments)
{
    std::vector<Ring> lat{Ring{centre - Vec3{0, radii.y, 0}}};
    for (int i = 1; i <= rings; ++i) {
        const float a = kPi * static_cast<float>(i) / static_cast<float>(rings + 1);
        lat.push_back(ringY(centre.x, centre.y - radii.y * std::cos(a), centre.z, radii.x * std::sin(a),
                            radii.z * std::sin(a), segments));
    }
    lat.push_back(Ring{centre + Vec3{0, radii.y, 0}});
    return loft(lat);
}

Solid gridSolid(const std::vector<float>& xs, const std::vector<float>& ys,
                const std::vector<float>& zs,
                const std::function<bool(int i, int j, int k)>& filled)
{
    const int nx = static_cast<int>(xs.size()) - 1;
    const int ny = static_cast<int>(ys.size()) - 1;
    const int nz = static_cast<int>(zs.size()) - 1;
    auto inside = [&](int i, int j, int k) {
        return i >= 0 && j >= 0 && k >= 0 && i < nx && j < ny && k < nz && filled(i, j, k);
    };
    auto corner = [&](std::array<int, 3> c) {
        return Vec3{xs[c[0]], ys[c[1]], zs[c[2]]};
    };
    Solid solid;
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
            for (int k = 0; k < nz; ++k) {
                if (!inside(i, j, k))
                    continue;
                for (int axis = 0; axis < 3; ++axis)
                    for (int side = 0; side < 2; ++side) {
                        std::array<int, 3> next{i, j, k};
                        next[axis] += side ? 1 : -1;
                        if (inside(next[0], next[1], next[2]))
                            continue;
                        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
                        std::array<int, 3> c{i, j, k};
                        c[axis] += side;
                        std::array<int, 3> cu = c, cv = c, cuv = c;
                        cu[u] += 1;
                        cv[v] += 1;
                        cuv[u] += 1;
                        cuv[v] += 1;
                        // u x v is +axis, so this order faces +axis.
                        Vec3 p0 = corner(c), p1 = corner(cu), p2 = corner(cuv), p3 = corner(cv);
                        if (!side)
                            std::swap(p1, p3);
                        solid.push_back({p0, p1, p2});
                        solid.push_back({p0, p2, p3});
                    }
            }
    return solid;
}

Solid transformed(const Solid& solid, const std::function<Vec3(Vec3)>& f)
{
    Solid out;
    for (const Tri& t : solid)
        out.push_back({f(t[0]), f(t[1]), f(t[2])});
    return outward(std::move(out));
}

Solid mirroredX(const Solid& solid)
{
    return transformed(solid, [](Vec3 p) { return Vec3{-p.x, p.y, p.z}; });
}

void append(Solid& to, const Solid& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace modelgen
