#pragma once

namespace dh {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator-(Vector3 a) { return {-a.x, -a.y, -a.z}; }
inline Vector3 operator*(Vector3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vector3 operator*(float s, Vector3 a) { return a * s; }
inline Vector3& operator+=(Vector3& a, Vector3 b) { return a = a + b; }
inline Vector3& operator-=(Vector3& a, Vector3 b) { return a = a - b; }
inline Vector3& operator*=(Vector3& a, float s) { return a = a * s; }
inline bool operator==(Vector3 a, Vector3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

inline float dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 cross(Vector3 a, Vector3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float lengthSquared(Vector3 a) { return dot(a, a); }

float squareRoot(float value);
float length(Vector3 a);

// Makes v unit length; the zero vector becomes (1, 0, 0).
void normalize(Vector3& v);
Vector3 normalized(Vector3 v);

void rotateAboutY(Vector3& v, float angle);
void rotateAboutZ(Vector3& v, float angle);
// Mirrors v about the axis through the origin along `axis` (which need not be unit length).
void reflectAbout(Vector3& v, Vector3 axis);

}
