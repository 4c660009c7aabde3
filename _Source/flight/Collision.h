#pragma once

#include "flight/ObjectRef.h"
#include "core/Vector3.h"

namespace dh {

class GameObject;

// The collision tests of one physics step. Both arguments are tracked
// references to collidable objects with meshes; `mover` holds a moving object.
// A callback (sound, damage, collision notice) that deletes either object ends
// the resolution there, so nothing touches a destroyed object.

// The mover's bounding sphere against the other object's triangles: pushes the
// mover out, mirrors its velocity at the contact plane, keeps 0.75 of its speed
// and damages it for hard impacts. The static object does not move.
void collideWithStatic(const ObjectRef& mover, const ObjectRef& other);

// Bounding sphere against bounding sphere: pushes the mover out by the whole
// overlap, damages both for hard impacts and exchanges their velocities.
void collideMoving(const ObjectRef& mover, const ObjectRef& other);

// Whether the ray from `from` along `dir` hits a front-facing triangle of a
// collidable object; `hitPoint` receives the nearest hit in world coordinates.
bool rayHitsObject(Vector3 from, Vector3 dir, const GameObject& obj, Vector3& hitPoint);

}
