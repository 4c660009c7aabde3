#include "PaintNoise.h"

#include <cmath>

namespace gfxgen {
namespace {

uint32_t hash(int x, int y, int z, uint32_t seed)
{
    uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<uint32_t>(z) * 0x165667b1u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float gradient(uint32_t h, float x, float y, float z)
{
    // The twelve edge directions of a cube.
    switch (h % 12u) {
    case 0: return x + y;
    case 1: return -x + y;
    case 2: return x - y;
    case 3: return -x - y;
    case 4: return x + z;
    case 5: return -x + z;
    case 6: return x - z;
    case 7: return -x - z;
    case 8: return y + z;
    case 9: return -y + z;
    case 10: return y - z;
    default: return -y - z;
    }
}

float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }
int wrap(int v, int period) { return period > 0 ? ((v % period) + period) % period : v; }

} // namespace

float noise3(float x, float y, float z, uint32_t seed, int periodX, int periodY)
{
    const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const float dx = x - fx, dy = y - fy, dz = z - fz;
    float corner[8];
    for (int i = 0; i < 8; ++i) {
        const int ox = i & 1, oy = (i >> 1) & 1, oz = (i >> 2) & 1;
        const uint32_t h = hash(wrap(ix + ox, periodX), wrap(iy + oy, periodY), iz + oz, seed);
        corner[i] = gradient(h, dx - ox, dy - oy, dz - oz);
    }
    const float u = fade(dx), v = fade(dy), w = fade(dz);
    const float x00 = lerp(corner[0], corner[1], u), x10 = lerp(corner[2], corner[3], u);
    const float x01 = lerp(corner[4], corner[5], u), x11 = lerp(corner[6], corner[7], u);
    return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float fbm3(float x, float y, float z, uint32_t seed, int octaves, float gain, int periodX, int periodY)
{
    float sum = 0.0f, amplitude = 1.0f, norm = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise3(x, y, z, seed + static_cast<uint32_t>(i) * 1013u, periodX, periodY);
        norm += amplitude;
        amplitude *= gain;
        x *= 2.0f;
        y *= 2.0f;
        z *= 2.0f;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

} // namespace gfxgen
