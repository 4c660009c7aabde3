#include "flight/GameObject_Explosion.h"

#include "audio/SoundEffects.h"
#include "core/Random.h"
#include "flight/World.h"

namespace dh {

namespace {

// The texture turned by 0, 90, 180 or 270 degrees on the quad.
constexpr std::array<std::array<float, 8>, 4> kTurns{{
    {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f},
    {0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f},
    {1.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f},
    {1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f},
}};

}

GameObject_Explosion::GameObject_Explosion(float x, float y, float z, float size)
{
    name = "";
    visible = true;
    collidable = true;
    indestructible = true;
    targetable = true;
    position = {x, y, z};
    for (Fireball& fireball : fireballs) {
        const float ux = random01();
        const float uy = random01();
        const float uz = random01();
        fireball.centre = position + Vector3{(ux - 0.5f) * size, (uy - 0.5f) * size, (uz - 0.5f) * size};
        fireball.size = random01() * size;
        fireball.texCoords = kTurns[random() & 3u];
    }
}

void GameObject_Explosion::update(float dt)
{
    if (!started) {
        started = true;
        playWorldSound(*this, sample::explosion, position, 64000.0f, false);
    }
    remaining -= dt;
    if (remaining <= 0.0f) {
        indestructible = false;
        shield = 0.0f;
    }
}

int GameObject_Explosion::frame() const
{
    const int k = static_cast<int>(remaining / duration * static_cast<float>(kFrames));
    return k >= kFrames ? 1 : kFrames - k;
}

}
