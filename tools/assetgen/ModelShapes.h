#pragma once
#include "ModelMesh.h"

#include <functional>
#include <vector>

// Closed, outward-facing building blocks for the models.
namespace modelgen {

using Ring = std::vector<Vec3>;

// n points of the superellipse centre + cos(a) ru u + sin(a) rv v (with the
// cosine and sine raised to 2 / power, keeping their signs); power 2 is an
// ellipse, larger powers approach a rectangle.
Ring ring(Vec3 centre, Vec3 u, Vec3 v, float ru, float rv, int n, float power = 2.0f,
          float phase = 0.0f);

// Ring in the plane z = z0 around (cx, cy).
Ring ringZ(float cx, float cy, float z0, float rx, float ry, int n, float power = 2.0f,
           float phase = 0.0f);

// Ring in the plane y = y0 around (cx, cz).
Ring ringY(float cx, float y0, float cz, float rx, float rz, int n, float power = 2.0f);

// Skins consecutive rings (all of the same size, except that the first and
// last may be single apex points) and caps open ends with a fan from their
// centroid, so the ends must be star-shaped around it.
Solid loft(const std::vector<Ring>& rings);

// A flat ring around the z axis from z0 to z1, radii inner to outer.
Solid annulusZ(float z0, float z1, float inner, float outer, int n);

// A convex, planar outline swept along `offset`.
Solid prism(const Ring& outline, Vec3 offset);

Solid box(Vec3 lo, Vec3 hi);

// Latitude rings from the bottom pole to the top pole.
Solid ellipsoid(Vec3 centre, Vec3 radii, int rings, int segments);

// The boundary of the union of the filled cells of a grid whose cell (i, j, k)
// spans xs[i]..xs[i+1], ys[j]..ys[j+1], zs[k]..zs[k+1]. Shared grid lines keep
// the surface free of T-junctions.
Solid gridSolid(const std::vector<float>& xs, const std::vector<float>& ys,
                const std::vector<float>& zs,
                const std::function<bool(int i, int j, int k)>& filled);

// Each vertex mapped through `f`; the faces are turned outward again, so
// mirrors may be used.
Solid transformed(const Solid& solid, const std::function<Vec3(Vec3)>& f);
Solid mirroredX(const Solid& solid);
void append(Solid& to, const Solid& from);

}  // namespace modelgen
