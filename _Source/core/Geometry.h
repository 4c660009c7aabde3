#pragma once

#include "core/Vector3.h"

#include <array>

namespace dh {

struct Point2 {
    float x = 0.0f;
    float y = 0.0f;
};

// If p lies closer than `radius` to the segment a-b, moves it straight away
// from the segment's nearest point until it is `radius` away and returns true.
bool pushOutOfSegment(Vector3 a, Vector3 b, Vector3& p, float radius);

// Corners of a convex quadrilateral in screen coordinates (y down), ordered so
// the inside is on the non-negative side of every edge; edges count as inside.
bool pointInQuad(const std::array<Point2, 4>& corners, float x, float y);

}
