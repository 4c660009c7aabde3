#include "flight/Collision.h"

#include "core/Geometry.h"
#include "flight/CombatLog.h"
#include "flight/MovingGameObject.h"
#include "rendering/Mesh.h"

#include <array>

namespace dh {

namespace {

constexpr float kBroadPhaseMargin = 1.02f;
constexpr float kRestitution = 0.75f;
constexpr float kDamagingImpact = 100.0f;
constexpr float kStaticDamagePerSpeed = 0.15f;
constexpr float kMovingDamagePerSpeed = 0.1f;
// Triangle spheres are widened by a hundredth, and by a ten-thousandth of the
// coordinates' size, far beyond what float rounding can move a point.
constexpr float kReachMargin = 1.01f;
constexpr float kRoundingRoom = 1e-8f;
constexpr float kShortestRaySquared = 1e-30f;

struct Triangle {
    std::array<Vector3, 3> corner;
    std::array<Vector3, 3> edgeNormal;
    Vector3 normal;
};

Triangle triangleOf(const Mesh& mesh, std::uint32_t t)
{
    return {{mesh.vertex(t, 0), mesh.vertex(t, 1), mesh.vertex(t, 2)},
            {mesh.edgeNormal(t, 0), mesh.edgeNormal(t, 1), mesh.edgeNormal(t, 2)},
            mesh.faceNormal(t)};
}

bool projectsInside(const Triangle& tri, Vector3 x)
{
    for (int k = 0; k < 3; ++k) {
        if (!(dot(tri.edgeNormal[k], x - tri.corner[k]) > 0.0f)) {
            return false;
        }
    }
    return true;
}

// Runs the three edge push-outs on x and counts the edges that pushed.
int pushOutOfEdges(const Triangle& tri, Vector3& x, float radius)
{
    int pushed = 0;
    for (int k = 0; k < 3; ++k) {
        if (pushOutOfSegment(tri.corner[k], tri.corner[(k + 1) % 3], x, radius)) {
            ++pushed;
        }
    }
    return pushed;
}

// Whether a sphere at x lies in front of the triangle's plane and reaches it.
bool touches(const Mesh& mesh, std::uint32_t t, Vector3 x, float radius)
{
    const float dist = dot(mesh.faceNormal(t), x - mesh.vertex(t, 0));
    return dist > 0.0f && dist < radius;
}

// Whether a point within `radius` of x may lie on triangle t: false only when
// x is clearly farther than that from the triangle's sphere, with room for
// the rounding of the exact tests, which then could not have found it either.
bool withinReach(const Mesh& mesh, std::uint32_t t, Vector3 x, float radius)
{
    const float* sphere = mesh.triangleSpheres.data() + 4 * static_cast<std::size_t>(t);
    const Vector3 centre{sphere[0], sphere[1], sphere[2]};
    const float reach = (sphere[3] + radius) * kReachMargin;
    const float rounding = (lengthSquared(x) + lengthSquared(centre)) * kRoundingRoom;
    return !(lengthSquared(x - centre) > reach * reach + rounding);
}

// Whether the half-line from `start` along `ray` may pass through triangle t.
bool rayWithinReach(const Mesh& mesh, std::uint32_t t, Vector3 start, Vector3 ray)
{
    const float* sphere = mesh.triangleSpheres.data() + 4 * static_cast<std::size_t>(t);
    const Vector3 centre{sphere[0], sphere[1], sphere[2]};
    const float raySquared = lengthSquared(ray);
    // A ray too short to divide by is left to the exact test.
    if (!(raySquared > kShortestRaySquared)) {
        return true;
    }
    const Vector3 toCentre = centre - start;
    const float along = dot(ray, toCentre);
    const Vector3 nearest = along > 0.0f ? toCentre - ray * (along / raySquared) : toCentre;
    const float reach = sphere[3] * kReachMargin;
    const float rounding = (lengthSquared(start) + lengthSquared(centre)) * kRoundingRoom;
    return !(lengthSquared(nearest) > reach * reach + rounding);
}

Vector3 centreOf(const GameObject& obj)
{
    return obj.position + obj.mesh->boundCentre;
}

bool bothAlive(const ObjectRef& a, const ObjectRef& b)
{
    return a.object != nullptr && b.object != nullptr;
}

// Sums the face normals of every contact of a sphere at x (pushing x out of
// the edges it touches on the way) and returns the number of contacts.
int gatherContacts(const Mesh& mesh, Vector3& x, float radius, Vector3& normalSum)
{
    int count = 0;
    for (std::uint32_t t = 0; t < mesh.triangleCount; ++t) {
        if (!touches(mesh, t, x, radius) || !withinReach(mesh, t, x, radius)) {
            continue;
        }
        const Triangle tri = triangleOf(mesh, t);
        const int contacts = projectsInside(tri, x) ? 1 : pushOutOfEdges(tri, x, radius);
        for (int c = 0; c < contacts; ++c) {
            normalSum += tri.normal;
        }
        count += contacts;
    }
    return count;
}

// Moves the sphere centre x and the object origin p out of every triangle it still touches.
void separate(const Mesh& mesh, Vector3& x, Vector3& p, float radius)
{
    for (std::uint32_t t = 0; t < mesh.triangleCount; ++t) {
        if (!touches(mesh, t, x, radius) || !withinReach(mesh, t, x, radius)) {
            continue;
        }
        const Triangle tri = triangleOf(mesh, t);
        if (projectsInside(tri, x)) {
            const Vector3 push = tri.normal * (radius - dot(tri.normal, x - tri.corner[0]));
            x += push;
            p += push;
        } else {
            const Vector3 before = x;
            if (pushOutOfEdges(tri, x, radius) > 0) {
                p += x - before;
            }
        }
    }
}

}

void collideWithStatic(const ObjectRef& moverRef, const ObjectRef& otherRef)
{
    auto& m = static_cast<MovingGameObject&>(*moverRef.object);
    GameObject& s = *otherRef.object;
    if (m.mesh == nullptr || s.mesh == nullptr) {
        return;
    }
    const float rm = m.mesh->boundRadius;
    if (length(centreOf(m) - centreOf(s)) > (s.mesh->boundRadius + rm) * kBroadPhaseMargin) {
        return;
    }

    const Matrix3& r = s.orientation;
    Vector3 x = transform(r, centreOf(m) - s.position);
    Vector3 p = transform(r, m.position - s.position);
    // The contact count pushes its own copy of the centre: separating from a
    // centre already pushed off the edges would leave the sphere inside.
    Vector3 probe = x;
    Vector3 normalSum;
    const int count = gatherContacts(*s.mesh, probe, rm, normalSum);
    separate(*s.mesh, x, p, rm);
    m.position = transformTransposed(r, p) + s.position;
    if (count == 0) {
        return;
    }

    const Vector3 normal = normalized({normalSum.x / count, normalSum.y / count, normalSum.z / count});
    Vector3 v = transform(r, m.velocity);
    v = 2.0f * dot(v, normal) * normal - v;
    m.velocity = -transformTransposed(r, v);
    const float speed = length(m.velocity);
    m.velocity *= kRestitution;
    const float lost = speed - kRestitution * speed;
    if (lost >= kDamagingImpact) {
        m.playCollisionSound();
        if (!bothAlive(moverRef, otherRef)) {
            return;
        }
        const float damage = lost * kStaticDamagePerSpeed;
        if (damage > 0.0f) {
            m.takeDamage(damage, nullptr);
            CombatLog::collisionWithStatic(m, s, damage, speed);
            if (!bothAlive(moverRef, otherRef)) {
                return;
            }
        }
    }
    m.onCollision(&s);
    if (bothAlive(moverRef, otherRef)) {
        s.onCollision(&m);
    }
}

void collideMoving(const ObjectRef& moverRef, const ObjectRef& otherRef)
{
    auto& a = static_cast<MovingGameObject&>(*moverRef.object);
    auto& b = static_cast<MovingGameObject&>(*otherRef.object);
    if (a.mesh == nullptr || b.mesh == nullptr) {
        return;
    }
    const Vector3 d = centreOf(a) - centreOf(b);
    const float reach = a.mesh->boundRadius + b.mesh->boundRadius;
    // Most pairs are far apart; the margin leaves every close call to the exact test.
    if (lengthSquared(d) > reach * reach * 1.01f) {
        return;
    }
    const float overlap = reach - length(d);
    if (!(overlap > 0.0f)) {
        return;
    }
    const Vector3 n = normalized(d);
    a.position += n * overlap;

    const Vector3 va = a.velocity;
    const Vector3 vb = b.velocity;
    const float impact = length(va) + length(vb);
    if (impact >= kDamagingImpact) {
        a.playCollisionSound();
        if (!bothAlive(moverRef, otherRef)) {
            return;
        }
        b.playCollisionSound();
        if (!bothAlive(moverRef, otherRef)) {
            return;
        }
        const float half = impact * kMovingDamagePerSpeed / 2.0f;
        if (half > 0.0f) {
            a.takeDamage(half, nullptr);
            CombatLog::collision(a, b, half);
            if (!bothAlive(moverRef, otherRef)) {
                return;
            }
            b.takeDamage(half, nullptr);
            CombatLog::collision(b, a, half);
            if (!bothAlive(moverRef, otherRef)) {
                return;
            }
        }
    }

    const float ma = a.mass;
    const float mb = b.mass;
    const float total = ma + mb;
    const Vector3 momentum = va * ma + vb * mb;
    const Vector3 closing = va - vb;
    Vector3 newA = -(momentum + closing * (kRestitution * mb));
    Vector3 newB = momentum - closing * (kRestitution * ma);
    newA = {newA.x / total, newA.y / total, newA.z / total};
    newB = {newB.x / total, newB.y / total, newB.z / total};
    reflectAbout(newA, n);
    reflectAbout(newB, n);
    a.velocity = newA;
    b.velocity = newB;

    a.onCollision(&b);
    if (bothAlive(moverRef, otherRef)) {
        b.onCollision(&a);
    }
}

bool rayHitsObject(Vector3 from, Vector3 dir, const GameObject& obj, Vector3& hitPoint)
{
    if (!obj.collidable || obj.mesh == nullptr) {
        return false;
    }
    const Mesh& mesh = *obj.mesh;
    const Vector3 toCentre = centreOf(obj) - from;
    const float radiusSquared = mesh.boundRadius * mesh.boundRadius;
    const float along = dot(dir, toCentre);
    if (along < 0.0f && lengthSquared(toCentre) > radiusSquared) {
        return false;
    }
    const Vector3 offLine = toCentre - dir * (along / lengthSquared(dir));
    if (!(lengthSquared(offLine) < radiusSquared * kBroadPhaseMargin)) {
        return false;
    }

    const Vector3 start = transform(obj.orientation, from - obj.position);
    const Vector3 ray = transform(obj.orientation, dir);
    bool hit = false;
    Vector3 nearest;
    float nearestSquared = 0.0f;
    for (std::uint32_t t = 0; t < mesh.triangleCount; ++t) {
        const float denom = dot(mesh.faceNormal(t), ray);
        // Triangles seen from behind, edge-on or degenerate are never hit.
        if (!(denom < 0.0f) || !rayWithinReach(mesh, t, start, ray)) {
            continue;
        }
        const Triangle tri = triangleOf(mesh, t);
        const float distanceAlong = (dot(tri.normal, tri.corner[0]) - dot(tri.normal, start)) / denom;
        if (distanceAlong < 0.0f) {
            continue;
        }
        const Vector3 point = start + ray * distanceAlong;
        bool inside = true;
        for (int k = 0; k < 3 && inside; ++k) {
            inside = dot(tri.edgeNormal[k], point - tri.corner[k]) >= 0.0f;
        }
        const float distanceSquared = lengthSquared(point - start);
        if (inside && (!hit || distanceSquared < nearestSquared)) {
            hit = true;
            nearest = point;
            nearestSquared = distanceSquared;
        }
    }
    if (hit) {
        hitPoint = transformTransposed(obj.orientation, nearest) + obj.position;
    }
    return hit;
}

}
