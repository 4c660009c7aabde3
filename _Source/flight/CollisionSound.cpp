#include "flight/CollisionSound.h"

#include "audio/SoundEffects.h"
#include "flight/World.h"

#include <cstring>

namespace dh {

void playCollisionSample(ObjectList& list, const char* sample, Vector3 position)
{
    World* world = World::of(&list);
    if (world == nullptr) {
        return;
    }
    const SoundSample* effect = std::strcmp(sample, "snd//collision2.wav") == 0 ? sample::collision2
                                                                                : sample::collision1;
    playSoundAt(world->sounds, effect, position.x, position.y, position.z, 32000.0f, 1.0f, false);
}

}
