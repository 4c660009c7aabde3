#pragma once

#include "core/Geometry.h"
#include "core/Vector3.h"

#include <array>

namespace dh {

// The flight view as the HUD sees it: the 3D frame's matrices (column order,
// as OpenGL keeps them) and the virtual screen the HUD draws in, y downwards.
struct AssistView {
    std::array<float, 16> modelview{};
    std::array<float, 16> projection{};
    float width = 800.0f;
    float height = 600.0f;

    // Clip coordinates (x, y, z, w) of a world point.
    std::array<float, 4> clip(Vector3 point) const;
    // The point on the virtual screen, for a point in front of the eye (w > 0).
    Point2 screen(const std::array<float, 4>& clipped) const;
};

}
