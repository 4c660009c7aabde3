#pragma once

#include "core/Vector3.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace dh {

struct Camera;

struct Particle {
    Vector3 position;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    Vector3 velocity;
    float size = 0.0f;
    float life = 0.0f;
    float initialLife = 0.0f;
};

// One corner of a particle's quad as it is drawn.
struct ParticleVertex {
    float s = 0.0f;
    float t = 0.0f;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    Vector3 position;
};

// The bounds of one emitted burst, in the order of the twenty emitter values.
// Each particle mixes a "high" and a "low" bound with its own random weight.
struct ParticleBurst {
    Vector3 position;
    float redHigh = 0.0f;
    float blueHigh = 0.0f;
    float redLow = 0.0f;
    float greenLow = 0.0f;
    float blueLow = 0.0f;
    float sizeHigh = 0.0f;
    float sizeLow = 0.0f;
    float speedHigh = 0.0f;
    float speedLow = 0.0f;
    Vector3 directionHigh;
    Vector3 directionLow;
    float lifeHigh = 0.0f;
    float lifeLow = 0.0f;
};

// The sparks, exhaust, smoke and station lights of one world: up to 4096
// particles, densely packed. A full list drops new particles, but every
// emitted particle still makes its random draws, so the frame's sequence of
// draws does not depend on how full the list is.
class ParticleList {
public:
    static constexpr std::uint32_t kCapacity = 4096;
    static constexpr std::uint32_t kSparkCount = 32;
    static constexpr std::uint32_t kBurstCount = 24;

    ParticleList();

    void add(const Particle& particle);
    void emitSparks(Vector3 at);
    void emitParticles(const ParticleBurst& burst);
    void updateParticles(float dt);
    void drawParticles(const Camera* camera) const;

    std::span<const Particle> particles() const { return {particles_->data(), count_}; }
    std::uint32_t count() const { return count_; }

private:
    std::uint32_t fillVertices(const Camera& camera) const;

    std::unique_ptr<std::array<Particle, kCapacity>> particles_;
    std::uint32_t count_ = 0;
    // The quads of the last draw, filled afresh each frame.
    std::unique_ptr<std::array<ParticleVertex, 4 * kCapacity>> vertices_;
};

// The speed and direction bounds of a burst that leaves an object moving at
// `velocity`: nearly its speed, and its direction spread a little (a random
// direction for an object at rest). Makes its random draws in a fixed order.
void setBurstMotion(ParticleBurst& burst, Vector3 velocity);

// A particle fades with its life: its colour scaled by life / initial life.
Vector3 drawnColour(const Particle& particle);

}
