#include "flight/ParticleList.h"

#include "flight/Random.h"

namespace dh {

ParticleList::ParticleList() : particles_(std::make_unique<std::array<Particle, kCapacity>>()) {}

void ParticleList::add(const Particle& particle)
{
    if (count_ < kCapacity) {
        (*particles_)[count_++] = particle;
    }
}

void ParticleList::emitSparks(Vector3 at)
{
    for (std::uint32_t i = 0; i < kSparkCount; ++i) {
        const float u1 = random01();
        const float u2 = random01();
        const float u3 = random01();
        const float u4 = random01();
        const float u5 = random01();
        const float u6 = random01();
        const float u7 = random01();
        Particle p;
        p.position = at;
        p.red = 1.0f;
        p.green = 0.5f * (1.0f - u1) + 0.9f * u1;
        p.blue = 0.0f;
        p.size = 16.0f * (1.0f - u2) + 32.0f * u2;
        p.life = 0.5f * (1.0f - u3) + 0.8f * u3;
        p.initialLife = p.life;
        const Vector3 direction = normalized({u4 - 0.5f, u5 - 0.5f, u6 - 0.5f});
        const float speed = 100.0f * (1.0f - u7) + 150.0f * u7;
        p.velocity = direction * speed;
        add(p);
    }
}

void ParticleList::emitParticles(const ParticleBurst& k)
{
    for (std::uint32_t i = 0; i < kBurstCount; ++i) {
        const float u1 = random01();
        const float u2 = random01();
        const float u3 = random01();
        const float u4 = random01();
        const float u5 = random01();
        const float u6 = random01();
        const float u7 = random01();
        Particle p;
        p.position = k.position;
        p.red = u1 * k.redHigh + (1.0f - u1) * k.redLow;
        p.green = u1 + (1.0f - u1) * k.greenLow;
        p.blue = u1 * k.blueHigh + (1.0f - u1) * k.blueLow;
        p.size = u2 * k.sizeHigh + (1.0f - u2) * k.sizeLow;
        p.life = u3 * k.lifeHigh + (1.0f - u3) * k.lifeLow;
        p.initialLife = p.life;
        const Vector3 direction = normalized({u4 * k.directionHigh.x + (1.0f - u4) * k.directionLow.x,
                                              u5 * k.directionHigh.y + (1.0f - u5) * k.directionLow.y,
                                              u6 * k.directionHigh.z + (1.0f - u6) * k.directionLow.z});
        const float speed = u7 * k.speedHigh + (1.0f - u7) * k.speedLow;
        p.velocity = direction * speed;
        add(p);
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
