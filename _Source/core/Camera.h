#pragma once

#include "core/Matrix3.h"
#include "core/Matrix4.h"
#include "core/Vector3.h"

namespace dh {

class GameObject;

// A viewpoint of a flight frame. A camera that follows an object keeps its
// position in that object's frame, through the copy of the object's
// orientation and position taken when it was attached. It looks along its
// negative third axis.
struct Camera {
    Matrix3 rotation;
    Vector3 position;
    bool outsideView = false;
    GameObject* followed = nullptr;
    Matrix3 followedRotation;
    Vector3 followedPosition;
};

// The camera turns multiply on the right, unlike the object turns. A positive
// yaw swings the view from straight ahead (-z) towards +x, a positive pitch
// from straight ahead towards -y: so a camera placed on an object's left
// (-x) and yawed by -pi/2 looks back at the object, and one above it (+y)
// pitched by -pi/2 looks down at it.
void turnCameraYaw(Camera& camera, float angle);
void turnCameraPitch(Camera& camera, float angle);

// World-to-eye transform (row order).
Matrix4 getViewMatrix(const Camera& camera);
// The rotation part of getViewMatrix: world directions to eye directions.
Matrix3 getViewRotation(const Camera& camera);
Vector3 getEyePosition(const Camera& camera);

}
