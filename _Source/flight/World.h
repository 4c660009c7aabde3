#pragma once

#include "audio/SoundSet.h"
#include "flight/LightSet.h"
#include "flight/ObjectList.h"
#include "flight/ParticleList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace dh {

class GameObject;
class SpaceBackground;

// Builds the sky, planet, sun and star points of a world. Construction draws
// from the shared random generator, so it runs at its place in the world's
// construction. The real one needs the OpenGL context; without one a world has
// no background.
using BackgroundBuilder =
    std::function<std::shared_ptr<SpaceBackground>(const float* sunColour, std::string_view planetTexture)>;

// Everything of one star system: lights, particles, objects, background and
// the positional sounds. Destroying it stops the sounds first, so that the
// objects' own teardown finds nothing left playing.
class World {
public:
    World(const float* starColour, const float* ambientColour, std::string_view planetTexture,
          std::uint32_t driverLights, const BackgroundBuilder& buildBackground = {});
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // The world whose object list this is, or null.
    static World* of(const ObjectList* list);

    // The 3D passes of a flight frame, in order: sky, lights, meshes, object
    // effects, particles, star points and lens flare.
    void draw(const Camera& camera);

    LightSet lights;
    ParticleList particles;
    ObjectList objects;
    std::shared_ptr<SpaceBackground> background;
    SoundSet sounds;

private:
    World* next_ = nullptr;
};

// The sound set and the particles of the world an object is in; null while it is in none.
SoundSet* worldSounds(const GameObject& obj);
ParticleList* worldParticles(const GameObject& obj);

// Positional sounds of the world an object is in; silent while it is in none.
std::uint32_t playWorldSound(const GameObject& obj, const SoundSample* sample, Vector3 at, float range,
                             bool looping);
// Stops the sound and forgets its handle.
void stopWorldSound(const GameObject& obj, std::uint32_t& handle);
void moveWorldSound(const GameObject& obj, std::uint32_t handle, Vector3 at);

}
