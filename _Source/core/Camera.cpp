#include "core/Camera.h"

#include <cmath>

namespace dh {

void turnCameraYaw(Camera& camera, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 turn;
    turn.m = {c, 0.0f, -s, 0.0f, 1.0f, 0.0f, s, 0.0f, c};
    multiply3Right(camera.rotation, turn);
    reorthonormalize(camera.rotation);
}

void turnCameraPitch(Camera& camera, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 turn;
    turn.m = {1.0f, 0.0f, 0.0f, 0.0f, c, s, 0.0f, -s, c};
    multiply3Right(camera.rotation, turn);
    reorthonormalize(camera.rotation);
}

Matrix3 getViewRotation(const Camera& camera)
{
    if (camera.followed == nullptr) {
        return camera.rotation;
    }
    Matrix3 rotation = camera.followedRotation;
    multiply3(camera.rotation, rotation);
    return rotation;
}

Matrix4 getViewMatrix(const Camera& camera)
{
    const Matrix3 rotation = getViewRotation(camera);
    // A following camera first takes p into the followed object's frame,
    // q = F (p - followedPosition), then applies rotation (q - position).
    Vector3 offset = camera.position;
    if (camera.followed != nullptr) {
        offset += transform(camera.followedRotation, camera.followedPosition);
    }
    const Vector3 translation = -transform(camera.rotation, offset);
    Matrix4 view;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            view.m[4 * r + c] = rotation.m[3 * r + c];
        }
    }
    view.m[3] = translation.x;
    view.m[7] = translation.y;
    view.m[11] = translation.z;
    return view;
}

Vector3 getEyePosition(const Camera& camera)
{
    if (camera.followed == nullptr) {
        return camera.position;
    }
    return camera.followedPosition + transformTransposed(camera.followedRotation, camera.position);
}

}
