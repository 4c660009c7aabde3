#include "core/Vector3.h"

#include <cmath>

namespace dh {

float squareRoot(float value)
{
    return std::sqrt(value);
}

float length(Vector3 a)
{
    return squareRoot(lengthSquared(a));
}

void normalize(Vector3& v)
{
    if (v.x == 0.0f && v.y == 0.0f && v.z == 0.0f) {
        v = {1.0f, 0.0f, 0.0f};
        return;
    }
    float squared = lengthSquared(v);
    if (squared == 0.0f) {
        // The squares underflowed; scaling by a power of two keeps the direction
        // exact and avoids a division by zero that would give infinities and NaN.
        v *= 0x1p100f;
        squared = lengthSquared(v);
    }
    v *= 1.0f / squareRoot(squared);
}

Vector3 normalized(Vector3 v)
{
    normalize(v);
    return v;
}

void rotateAboutY(Vector3& v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    v = {v.x * c - v.z * s, v.y, v.x * s + v.z * c};
}

void rotateAboutZ(Vector3& v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    v = {v.x * c + v.y * s, v.y * c - v.x * s, v.z};
}

void reflectAbout(Vector3& v, Vector3 axis)
{
    const Vector3 n = normalized(axis);
    v = 2.0f * dot(v, n) * n - v;
}

}
