#include "flight/CollisionSound.h"

namespace dh {

void playCollisionSample(ObjectList&, const char*, Vector3) {}

}
