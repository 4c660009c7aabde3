#pragma once

#include "core/Vector3.h"

namespace dh {

class ObjectList;

// Plays a collision sample once at a point of the world that holds `list`
// (audible range 32000, normal pitch). Silent for a list that belongs to no world.
void playCollisionSample(ObjectList& list, const char* sample, Vector3 position);

}
