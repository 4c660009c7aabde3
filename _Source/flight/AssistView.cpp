#include "flight/AssistView.h"

namespace dh {

std::array<float, 4> AssistView::clip(Vector3 point) const
{
    const float v[4] = {point.x, point.y, point.z, 1.0f};
    float eye[4];
    for (int i = 0; i < 4; ++i) {
        eye[i] = modelview[i] * v[0] + modelview[4 + i] * v[1] + modelview[8 + i] * v[2] + modelview[12 + i] * v[3];
    }
    std::array<float, 4> out{};
    for (int i = 0; i < 4; ++i) {
        out[i] = projection[i] * eye[0] + projection[4 + i] * eye[1] + projection[8 + i] * eye[2]
               + projection[12 + i] * eye[3];
    }
    return out;
}

Point2 AssistView::screen(const std::array<float, 4>& clipped) const
{
    return {(clipped[0] / clipped[3] + 1.0f) * width * 0.5f, (-clipped[1] / clipped[3] + 1.0f) * height * 0.5f};
}

}
