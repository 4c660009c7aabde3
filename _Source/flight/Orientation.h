#pragma once

#include "core/Vector3.h"

namespace dh {

class GameObject;

// Object turns about the object's own axes (multiplying its orientation on the
// left), each followed by re-orthonormalisation. A positive yaw turns the nose
// towards the right axis, a positive pitch towards the negative up axis.
void yaw(GameObject& obj, float angle);
void pitch(GameObject& obj, float angle);
void roll(GameObject& obj, float angle);

// Copies the nine orientation floats (row order) when `out` is not null.
void getOrientation(const GameObject& obj, float* out);
// p := orientation * (p - position)
void worldToLocal(const GameObject& obj, Vector3& p);

// Turns the nose towards `target`: first about the up axis, then about the
// right axis, each by at most |turnLimit| radians.
void steerTowards(GameObject& obj, float turnLimit, Vector3 target);
// steerTowards without a limit.
void facePoint(GameObject& obj, Vector3 target);

}
