#include "flight/ParticleList.h"

#include "core/Random.h"

namespace dh {

ParticleList::ParticleList()
    : particles_(std::make_unique<std::array<Particle, kCapacity>>()),
      vertices_(std::make_unique<std::array<ParticleVertex, 4 * kCapacity>>())
{
}

void ParticleList::add(const Particle& particle)
{
    if (count_ < kCapacity) {
        (*particles_)[count_++] = particle;
    }
}

namespace {

// A particle's seven draws, all made before any is used.
std::array<float, 7> drawSeven()
{
    std::array<float, 7> u;
    for (float& draw : u)
        draw = random01();
    return u;
}

// The weight u on high, the rest on low.
float mix(float low, float high, float u)
{
    return u * high + (1.0f - u) * low;
}

Particle launched(Vector3 at, Vector3 colour, float size, float life, Vector3 direction, float speed)
{
    Particle p;
    p.position = at;
    p.red = colour.x;
    p.green = colour.y;
    p.blue = colour.z;
    p.size = size;
    p.life = life;
    p.initialLife = life;
    p.velocity = normalized(direction) * speed;
    return p;
}

}

void ParticleList::emitSparks(Vector3 at)
{
    for (std::uint32_t i = 0; i < kSparkCount; ++i) {
        const std::array<float, 7> u = drawSeven();
        add(launched(at, {1.0f, mix(0.5f, 0.9f, u[0]), 0.0f}, mix(16.0f, 32.0f, u[1]), mix(0.5f, 0.8f, u[2]),
                     {u[3] - 0.5f, u[4] - 0.5f, u[5] - 0.5f}, mix(100.0f, 150.0f, u[6])));
    }
}

void ParticleList::emitParticles(const ParticleBurst& k)
{
    for (std::uint32_t i = 0; i < kBurstCount; ++i) {
        const std::array<float, 7> u = drawSeven();
        const Vector3 colour{mix(k.redLow, k.redHigh, u[0]), mix(k.greenLow, 1.0f, u[0]),
                             mix(k.blueLow, k.blueHigh, u[0])};
        const Vector3 direction{mix(k.directionLow.x, k.directionHigh.x, u[3]),
                                mix(k.directionLow.y, k.directionHigh.y, u[4]),
                                mix(k.directionLow.z, k.directionHigh.z, u[5])};
        add(launched(k.position, colour, mix(k.sizeLow, k.sizeHigh, u[1]), mix(k.lifeLow, k.lifeHigh, u[2]),
                     direction, mix(k.speedLow, k.speedHigh, u[6])));
    }
}

void ParticleList::updateParticles(float dt)
{
    auto& all = *particles_;
    for (std::uint32_t i = 0; i < count_;) {
        if (all[i].life <= 0.0f) {
            all[i] = all[--count_];
        } else {
            ++i;
        }
    }
    for (std::uint32_t i = 0; i < count_; ++i) {
        all[i].position += all[i].velocity * dt;
        all[i].life -= dt;
    }
}

namespace {

Vector3 spread(Vector3 direction)
{
    const float x = random01() * 0.1f - 0.05f;
    const float y = random01() * 0.1f - 0.05f;
    const float z = random01() * 0.1f - 0.05f;
    return direction + Vector3{x, y, z};
}

}

void setBurstMotion(ParticleBurst& burst, Vector3 velocity)
{
    const float speed = length(velocity);
    const float u = random01();
    burst.speedHigh = speed * (1.0f - 0.03f * u);
    const float u2 = random01();
    burst.speedLow = burst.speedHigh - 50.0f * u2;
    Vector3 direction = velocity;
    if (velocity == Vector3{}) {
        const float x = random01() - 0.5f;
        const float y = random01() - 0.5f;
        const float z = random01() - 0.5f;
        direction = {x, y, z};
    }
    normalize(direction);
    burst.directionHigh = spread(direction);
    burst.directionLow = spread(direction);
}

Vector3 drawnColour(const Particle& particle)
{
    const float fade = particle.life / particle.initialLife;
    return {particle.red * fade, particle.green * fade, particle.blue * fade};
}

}
