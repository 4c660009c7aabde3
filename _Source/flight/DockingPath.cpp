#include "flight/DockingPath.h"

#include <algorithm>
#include <cmath>

namespace dh {

namespace {

// Along the axis, heights are measured from the bay's face; across it, from the axis.
// Inside a cone round the axis, rising 3 units for each unit across, the way
// runs down the axis to the bay, aimed this far ahead of the ship.
constexpr float kConeSlope = 3.0f;
constexpr float kLookAhead = 1000.0f;
// Outside the cone it goes to the gate, a point on the axis high enough over
// the face for the ship to turn down the axis.
constexpr float kGateHeight = 2000.0f;
// Below this height a ship off the bay's mouth is beside the hull, not over the face.
constexpr float kFaceClearance = 100.0f;
constexpr float kMouthHalfWidth = 100.0f;
constexpr float kTunnelDepth = 350.0f;
// A ship climbing off the face or swinging round the hull comes out this high.
constexpr float kClimbHeight = 800.0f;
// The hull reaches under 1500 units from the axis; a ship of 100 units'
// radius is clear of it beyond this.
constexpr float kHullClearance = 1800.0f;
constexpr float kSwingRadius = 2400.0f;

// A unit vector at right angles to the unit vector `axis`.
Vector3 anyPerpendicular(Vector3 axis)
{
    const Vector3 other = std::fabs(axis.y) < 0.9f ? Vector3{0.0f, 1.0f, 0.0f} : Vector3{1.0f, 0.0f, 0.0f};
    return normalized(cross(axis, other));
}

DockingPath overTheFace(Vector3 ship, Vector3 bay, Vector3 axis, float height, float offAxis)
{
    if (offAxis * kConeSlope < height) {
        const float aimHeight = std::max(height - kLookAhead, 0.0f);
        return {bay + axis * aimHeight, height};
    }
    const Vector3 gate = bay + axis * kGateHeight;
    return {gate, length(gate - ship) + kGateHeight};
}

}

DockingPath planDockingPath(Vector3 ship, Vector3 bay, Vector3 axis)
{
    const Vector3 fromBay = ship - bay;
    const float height = dot(fromBay, axis);
    const Vector3 across = fromBay - axis * height;
    const float offAxis = length(across);
    const bool inMouth = offAxis < kMouthHalfWidth && height > -kTunnelDepth;
    if (height > kFaceClearance || inMouth) {
        return overTheFace(ship, bay, axis, height, offAxis);
    }
    if (height > 0.0f) {
        const Vector3 aim = ship + axis * (kClimbHeight - height);
        return {aim, length(aim - ship) + offAxis + kGateHeight};
    }
    const Vector3 outwards = offAxis > 0.0f ? across * (1.0f / offAxis) : anyPerpendicular(axis);
    // Behind the face the ship first moves straight out from the axis: the
    // hull is built round the axis, so that way never leads into it.
    const float aimHeight = offAxis < kHullClearance ? height : kClimbHeight;
    const Vector3 aim = bay + outwards * kSwingRadius + axis * aimHeight;
    return {aim, length(aim - ship) + kSwingRadius + kGateHeight};
}

}
