#include "flight/World.h"

#include "audio/SoundEffects.h"
#include "flight/GameObject.h"

#include <algorithm>
#include <cmath>

namespace dh {

namespace {

World* g_firstWorld = nullptr;

std::unique_ptr<Light> directionalLight(Vector3 direction, const float* colour)
{
    auto light = std::make_unique<Light>();
    const float scale = std::sqrt(1.26f);
    light->position = {direction.x / scale, direction.y / scale, direction.z / scale, 0.0f};
    for (int i = 0; i < 3; ++i) {
        light->colour[i] = std::clamp(colour[i], 0.0f, 1.0f);
    }
    light->colour[3] = 1.0f;
    light->range = 1.0f;
    return light;
}

}

World::World(const float* starColour, const float* ambientColour, std::string_view planetTexture,
             std::uint32_t driverLights, const BackgroundBuilder& buildBackground)
    : lights(driverLights),
      background(buildBackground ? buildBackground(starColour, planetTexture) : nullptr),
      sounds(g_soundDevice)
{
    lights.add(directionalLight({0.5f, 0.1f, 1.0f}, starColour));
    lights.add(directionalLight({-0.5f, -0.1f, -1.0f}, ambientColour));
    next_ = g_firstWorld;
    g_firstWorld = this;
}

World::~World()
{
    clearSoundSet(sounds);
    background.reset();
    objects.clearObjects();
    for (World** link = &g_firstWorld; *link != nullptr; link = &(*link)->next_) {
        if (*link == this) {
            *link = next_;
            break;
        }
    }
}

World* World::of(const ObjectList* list)
{
    if (list == nullptr) {
        return nullptr;
    }
    for (World* world = g_firstWorld; world != nullptr; world = world->next_) {
        if (&world->objects == list) {
            return world;
        }
    }
    return nullptr;
}

SoundSet* worldSounds(const GameObject& obj)
{
    World* world = World::of(obj.list);
    return world != nullptr ? &world->sounds : nullptr;
}

ParticleList* worldParticles(const GameObject& obj)
{
    World* world = World::of(obj.list);
    return world != nullptr ? &world->particles : nullptr;
}

std::uint32_t playWorldSound(const GameObject& obj, const SoundSample* sample, Vector3 at, float range,
                             bool looping)
{
    SoundSet* sounds = worldSounds(obj);
    return sounds != nullptr ? playSoundAt(*sounds, sample, at.x, at.y, at.z, range, 1.0f, looping) : 0u;
}

void stopWorldSound(const GameObject& obj, std::uint32_t& handle)
{
    if (SoundSet* sounds = worldSounds(obj)) {
        stopSound(*sounds, handle);
    }
    handle = 0;
}

void moveWorldSound(const GameObject& obj, std::uint32_t handle, Vector3 at)
{
    if (SoundSet* sounds = worldSounds(obj)) {
        setSoundPosition(*sounds, handle, at.x, at.y, at.z);
    }
}

}
