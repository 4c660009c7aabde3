#include "core/Geometry.h"

#include <algorithm>

namespace dh {

bool pushOutOfSegment(Vector3 a, Vector3 b, Vector3& p, float radius)
{
    const Vector3 segment = b - a;
    const float segmentSquared = lengthSquared(segment);
    // A segment of zero length (a triangle with two equal corners) is its end point.
    float s = 0.0f;
    if (segmentSquared > 0.0f) {
        s = std::clamp(dot(p - a, segment) / segmentSquared, 0.0f, 1.0f);
    }
    const Vector3 nearest = a + segment * s;
    const Vector3 away = p - nearest;
    const float distance = length(away);
    if (!(distance < radius)) {
        return false;
    }
    p += normalized(away) * (radius - distance);
    return true;
}

bool pointInQuad(const std::array<Point2, 4>& corners, float x, float y)
{
    for (int k = 0; k < 4; ++k) {
        const Point2 a = corners[k];
        const Point2 b = corners[(k + 1) % 4];
        const float side = -(b.y - a.y) * (x - a.x) + (b.x - a.x) * (y - a.y);
        if (side < 0.0f) {
            return false;
        }
    }
    return true;
}

}
