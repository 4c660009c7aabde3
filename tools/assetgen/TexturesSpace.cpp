#include "PaintNoise.h"
#include "TexturesParts.h"

#include <cmath>

namespace gfxgen {
namespace {

constexpr Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};

// Drawn additively on the galaxy map: white in the middle, black at the rim.
Image gradientCircle()
{
    const int n = 256;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float r = std::hypot(centred(x, n), centred(y, n));
        const float v = std::pow(std::max(0.0f, 1.0f - r), 1.5f);
        return Colour{v, v, v, 1.0f};
    });
    return img;
}

// A white-hot core in a soft glow with four faint rays; white so that the
// star's own colour tints it, with the light in the alpha.
Image star()
{
    const int n = 128;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float u = centred(x, n), v = centred(y, n);
        const float r = std::hypot(u, v);
        const float core = 1.0f - smoothstep(0.08f, 0.16f, r);
        const float glow = 0.8f * std::exp(-r * r / 0.06f) + 0.4f * std::exp(-r / 0.22f);
        const float rays = 0.45f * (std::exp(-std::fabs(v) / 0.012f) * std::exp(-std::fabs(u) * 3.0f) +
                                    std::exp(-std::fabs(u) / 0.012f) * std::exp(-std::fabs(v) * 3.0f));
        const float edge = 1.0f - smoothstep(0.75f, 1.0f, r);
        return withAlpha(kWhite, clamp01((core + glow + rays) * edge));
    });
    return img;
}

// A soft round blob, drawn additively in the particle's colour.
Image particle()
{
    const int n = 64;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float r = std::hypot(centred(x, n), centred(y, n));
        const float v = std::exp(-r * r * 5.0f) * (1.0f - smoothstep(0.7f, 1.0f, r));
        return Colour{v, v, v, 1.0f};
    });
    return img;
}

// The flare's faint ring, with a hint of colour fringing on its edges.
Image lensRing()
{
    const int n = 128;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float r = std::hypot(centred(x, n), centred(y, n));
        const float ring = std::exp(-std::pow((r - 0.78f) / 0.07f, 2.0f));
        const float inner = 0.04f * (1.0f - smoothstep(0.6f, 0.78f, r));
        const float fringe = clamp01(std::fabs(r - 0.78f) / 0.1f);
        const Colour edgeTint = r > 0.78f ? Colour{1.0f, 0.75f, 0.6f, 1.0f} : Colour{0.65f, 0.8f, 1.0f, 1.0f};
        const Colour tint = mix(kWhite, edgeTint, fringe);
        return withAlpha(tint, clamp01(0.28f * ring + inner) * (1.0f - smoothstep(0.92f, 1.0f, r)));
    });
    return img;
}

// The flare's faint disc: a soft-edged glass disc, a little brighter at its rim.
Image lensDisc()
{
    const int n = 128;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float r = std::hypot(centred(x, n), centred(y, n));
        const float disc = 1.0f - smoothstep(0.62f, 0.72f, r);
        const float alpha = disc * (0.08f + 0.08f * smoothstep(0.3f, 0.68f, r));
        return withAlpha(Colour{0.9f, 0.95f, 1.0f, 1.0f}, alpha);
    });
    return img;
}

// Across the beam (along t) a white core in a wider glow, fading to nothing at
// both edges; along the beam (s) it does not change.
Image beam()
{
    const int n = 64;
    Image img(n, n);
    img.each([&](float, float y) {
        const float d = (y / n - 0.5f) * 2.0f;
        const float core = std::exp(-d * d / 0.02f);
        const float glow = 0.55f * std::exp(-d * d / 0.18f);
        const float fade = 1.0f - smoothstep(0.75f, 1.0f, std::fabs(d));
        return withAlpha(kWhite, clamp01((core + glow) * fade));
    });
    return img;
}

// Streaks along s (the tunnel's length) that tile in both directions: each row
// is a line of light, broken into long dashes.
float streaks(float x, float y, int n, uint32_t seed, int rowsPerTile, float threshold)
{
    const float s = x / n * 2.0f, t = y / n * rowsPerTile;
    const float v = fbm3(s, t, 0.5f, seed, 3, 0.45f, 2, rowsPerTile);
    return smoothstep(threshold, threshold + 0.35f, v + 0.5f);
}

Image hyperspaceBase()
{
    const int n = 256;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float cloud = fbm3(x / n * 2.0f, y / n * 4.0f, 3.0f, 11u, 4, 0.55f, 2, 4) + 0.5f;
        const float line = streaks(x, y, n, 12u, 96, 0.55f);
        const Colour deep{0.02f, 0.03f, 0.14f, 1.0f}, violet{0.30f, 0.10f, 0.55f, 1.0f};
        const Colour streak{0.45f, 0.75f, 1.0f, 1.0f};
        return mix(mix(deep, violet, clamp01(cloud * 1.2f - 0.1f)), streak, line * 0.85f);
    });
    return img;
}

Image hyperspaceSparks()
{
    const int n = 256;
    Image img(n, n);
    img.each([&](float x, float y) {
        const float line = streaks(x, y, n, 21u, 128, 0.72f);
        const float tint = fbm3(x / n * 2.0f, y / n * 2.0f, 7.0f, 22u, 2, 0.5f, 2, 2) + 0.5f;
        const Colour c = mix(Colour{0.7f, 0.85f, 1.0f, 1.0f}, Colour{1.0f, 0.8f, 1.0f, 1.0f}, clamp01(tint));
        return shade(c, line);
    });
    return img;
}

} // namespace

void paintSpaceTextures(const std::filesystem::path& gfxDir)
{
    saveTexture(gfxDir, "gradientCircle", gradientCircle(), TgaDepth::Rgb24);
    saveTexture(gfxDir, "star", star(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "hyperspace1", hyperspaceBase(), TgaDepth::Rgb24);
    saveTexture(gfxDir, "hyperspace2", hyperspaceSparks(), TgaDepth::Rgb24);
    saveTexture(gfxDir, "particle", particle(), TgaDepth::Rgb24);
    saveTexture(gfxDir, "lens1", lensRing(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "lens2", lensDisc(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "beam", beam(), TgaDepth::Rgba32);
}

} // namespace gfxgen
