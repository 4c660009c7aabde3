#include "flight/MovingGameObject.h"

#include "flight/CollisionSound.h"
#include "core/Random.h"

namespace dh {

void MovingGameObject::playCollisionSound()
{
    if (list == nullptr) {
        return;
    }
    const char* sample = (random() & 1u) != 0 ? "snd//collision2.wav" : "snd//collision1.wav";
    playCollisionSample(*list, sample, position);
}

}
