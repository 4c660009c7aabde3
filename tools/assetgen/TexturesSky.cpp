#include "PaintNoise.h"
#include "TexturesParts.h"

#include <cmath>

namespace gfxgen {
namespace {

constexpr int kSize = 256;

// The sprites are added on top of each other into black sky faces, so each
// fades to black well inside its square and never shows an edge.
float vignette(float x, float y)
{
    const float r = std::hypot(centred(x, kSize), centred(y, kSize));
    return 1.0f - smoothstep(0.45f, 0.95f, r);
}

Colour starTint(Rng& rng)
{
    const float t = rng.uniform();
    if (t < 0.55f)
        return {0.85f, 0.9f, 1.0f, 1.0f};
    if (t < 0.85f)
        return {1.0f, 0.95f, 0.85f, 1.0f};
    return {1.0f, 0.75f, 0.6f, 1.0f};
}

// Small stars: many faint, a few bright, within spread of the centre and the
// more bunched towards it the higher bunching (0 to 1).
void scatterStars(Image& img, Rng& rng, int count, float spread, float brightness, float bunching)
{
    for (int i = 0; i < count; ++i) {
        const float a = rng.uniform() * 6.2831853f;
        const float r = spread * std::sqrt(rng.uniform()) * (1.0f - bunching * 0.65f * rng.uniform());
        const float cx = kSize * 0.5f + std::cos(a) * r * kSize * 0.5f;
        const float cy = kSize * 0.5f + std::sin(a) * r * kSize * 0.5f;
        const float level = brightness * std::pow(rng.uniform(), 3.0f) + 0.08f;
        const float sigma = 0.55f + 1.1f * level;
        const Colour tint = starTint(rng);
        img.paint(cx - 4, cy - 4, cx + 4, cy + 4, [](float, float) { return -1.0f; },
                  [&](float x, float y) {
                      const float d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                      return withAlpha(tint, level * std::exp(-d2 / (2.0f * sigma * sigma)) * vignette(x, y));
                  },
                  Blend::Add);
    }
}

// Glowing gas: warped noise, coloured from dark to bright by density.
Image nebula(uint32_t seed, Colour dark, Colour bright, float ridged, float strength)
{
    Image img(kSize, kSize, Colour{0, 0, 0, 1});
    img.each([&](float x, float y) {
        const float u = x / kSize * 2.2f, v = y / kSize * 2.2f;
        const float wu = fbm3(u, v, 1.0f, seed + 1, 3), wv = fbm3(u, v, 2.0f, seed + 2, 3);
        const float n = fbm3(u + wu, v + wv, 0.0f, seed, 6, 0.6f);
        const float ridge = 1.0f - std::fabs(n) * 3.0f;
        const float density = clamp01((n + 0.35f) * 1.6f) * (1.0f - ridged) + clamp01(ridge) * ridged;
        const float r = std::hypot(centred(x, kSize), centred(y, kSize));
        const float v2 = std::pow(density, 1.8f) * vignette(x, y) * strength * (1.2f - 0.9f * r);
        const Colour c = mix(dark, bright, clamp01(density * density));
        return Colour{c.r * v2, c.g * v2, c.b * v2, 1.0f};
    });
    return img;
}

Image starField()
{
    Image img(kSize, kSize, Colour{0, 0, 0, 1});
    img.each([&](float x, float y) {
        const float dust = clamp01(fbm3(x / kSize * 3.0f, y / kSize * 3.0f, 5.0f, 31u, 4) + 0.1f);
        const float v = 0.05f * dust * vignette(x, y);
        return Colour{v * 0.8f, v * 0.85f, v, 1.0f};
    });
    Rng rng(2024u);
    scatterStars(img, rng, 220, 1.0f, 0.9f, 0.0f);
    return img;
}

Image cluster()
{
    Image img(kSize, kSize, Colour{0, 0, 0, 1});
    img.each([&](float x, float y) {
        const float r = std::hypot(centred(x, kSize), centred(y, kSize));
        const float v = 0.22f * std::exp(-r * r / 0.05f) + 0.05f * std::exp(-r * r / 0.2f);
        return Colour{v, v * 0.9f, v * 0.7f, 1.0f};
    });
    Rng rng(77u);
    scatterStars(img, rng, 260, 0.45f, 0.8f, 1.0f);
    scatterStars(img, rng, 60, 0.9f, 0.6f, 0.5f);
    return img;
}

} // namespace

void paintSkyTextures(const std::filesystem::path& gfxDir)
{
    Image red = nebula(41u, Colour{0.35f, 0.02f, 0.12f, 1}, Colour{1.0f, 0.45f, 0.35f, 1}, 0.0f, 0.8f);
    Rng rng1(5u);
    scatterStars(red, rng1, 40, 0.9f, 0.7f, 0.3f);
    saveTexture(gfxDir, "stars1", red, TgaDepth::Rgb24);
    saveTexture(gfxDir, "stars2", starField(), TgaDepth::Rgb24);
    Image blue = nebula(53u, Colour{0.02f, 0.1f, 0.35f, 1}, Colour{0.4f, 0.85f, 1.0f, 1}, 0.0f, 0.9f);
    Rng rng3(9u);
    scatterStars(blue, rng3, 40, 0.9f, 0.7f, 0.3f);
    saveTexture(gfxDir, "stars3", blue, TgaDepth::Rgb24);
    saveTexture(gfxDir, "stars4", cluster(), TgaDepth::Rgb24);
}

} // namespace gfxgen
