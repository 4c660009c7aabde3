#pragma once
#include <cstdint>

namespace gfxgen {

// The generator's own random numbers (xorshift32): the same sequence on every
// build, whatever the standard library.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    float uniform() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state_;
};

// Gradient noise in about [-1, 1]. A period of 0 on an axis means no repeat;
// otherwise the noise repeats every period units there (for tiling pictures).
float noise3(float x, float y, float z, uint32_t seed, int periodX = 0, int periodY = 0);

// Sum of octaves of noise3, each at twice the frequency and gain times the
// amplitude of the one before; periods double with the frequency.
float fbm3(float x, float y, float z, uint32_t seed, int octaves, float gain = 0.5f, int periodX = 0,
           int periodY = 0);

} // namespace gfxgen
