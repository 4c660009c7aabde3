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

    // Each turn is by the whole angle between the nose and the target, so a
    // target off both axes is reached over several calls, weaving about it.
    Vector3 d = directionTo(obj, target);
    float z = std::clamp(d.z, -1.0f, 1.0f);
    float angle = std::min(std::acos(z), limit);
    if (d.x != 0.0f || z != 0.0f) {
        yaw(obj, d.x > 0.0f ? angle : -angle);
    }

    d = directionTo(obj, target);
    z = std::clamp(d.z, -1.0f, 1.0f);
    angle = std::min(std::acos(z), limit);
    if (d.y != 0.0f || z != 0.0f) {
        pitch(obj, d.y < 0.0f ? angle : -angle);
    }
}

void facePoint(GameObject& obj, Vector3 target)
{
    steerTowards(obj, std::numeric_limits<float>::infinity(), target);
}

}
