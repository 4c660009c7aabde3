#include "flight/Orientation.h"

#include "flight/GameObject.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dh {

namespace {

void turn(GameObject& obj, const Matrix3& rotation)
{
    multiply3(rotation, obj.orientation);
    reorthonormalize(obj.orientation);
}

Vector3 directionTo(const GameObject& obj, Vector3 target)
{
    worldToLocal(obj, target);
    normalize(target);
    return target;
}

}

void yaw(GameObject& obj, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 rotation;
    rotation.m = {c, 0.0f, -s, 0.0f, 1.0f, 0.0f, s, 0.0f, c};
    turn(obj, rotation);
}

void pitch(GameObject& obj, float angle)
{
    const float c = std::cos(-angle);
    const float s = std::sin(-angle);
    Matrix3 rotation;
    rotation.m = {1.0f, 0.0f, 0.0f, 0.0f, c, -s, 0.0f, s, c};
    turn(obj, rotation);
}

void roll(GameObject& obj, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 rotation;
    rotation.m = {c, s, 0.0f, -s, c, 0.0f, 0.0f, 0.0f, 1.0f};
    turn(obj, rotation);
}

void getOrientation(const GameObject& obj, float* out)
{
    if (out != nullptr) {
        std::copy(obj.orientation.m.begin(), obj.orientation.m.end(), out);
    }
}

void worldToLocal(const GameObject& obj, Vector3& p)
{
    p = transform(obj.orientation, p - obj.position);
}

void steerTowards(GameObject& obj, float turnLimit, Vector3 target)
{
    const float limit = std::fabs(turnLimit);

    // Angles come from atan2 rather than arccos of the forward component:
    // arccos turns the rounding of a normalised vector into a visible angle
    // near straight ahead. The yaw angle is measured in the object's
    // horizontal plane, so that the pitch can bring the nose onto the target.
    Vector3 d = directionTo(obj, target);
    if (d.x != 0.0f || d.z != 0.0f) {
        const float angle = std::min(std::atan2(std::fabs(d.x), d.z), limit);
        yaw(obj, d.x > 0.0f ? angle : -angle);
    }

    d = directionTo(obj, target);
    if (d.y != 0.0f || d.z != 0.0f) {
        const float angle = std::min(std::atan2(squareRoot(d.x * d.x + d.y * d.y), d.z), limit);
        pitch(obj, d.y < 0.0f ? angle : -angle);
    }
}

void facePoint(GameObject& obj, Vector3 target)
{
    steerTowards(obj, std::numeric_limits<float>::infinity(), target);
}

}
