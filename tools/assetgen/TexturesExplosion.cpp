#include "PaintNoise.h"
#include "TexturesParts.h"

#include <cmath>
#include <string>
#include <vector>

namespace gfxgen {
namespace {

constexpr int kSize = 128;
constexpr int kFrames = 18;

// Black body colours from cool embers to white heat.
Colour heatColour(float heat)
{
    static const std::vector<Colour> stops{{0.0f, 0.0f, 0.0f, 1}, {0.45f, 0.04f, 0.0f, 1}, {0.95f, 0.32f, 0.03f, 1},
                                           {1.0f, 0.7f, 0.2f, 1},  {1.0f, 0.95f, 0.7f, 1},  {1.0f, 1.0f, 1.0f, 1}};
    const float t = clamp01(heat) * static_cast<float>(stops.size() - 1);
    const size_t i = std::min(static_cast<size_t>(t), stops.size() - 2);
    return mix(stops[i], stops[i + 1], t - static_cast<float>(i));
}

// One frame of the fireball, t from 0 (ignition) to 1 (gone): a white flash
// that swells into a lumpy orange ball, cools to red and breaks up into
// fading embers. Drawn additively, so black is empty.
Image fireball(float t)
{
    Image img(kSize, kSize);
    const float size = 0.2f + 0.68f * (1.0f - std::pow(1.0f - t, 2.5f));
    const float heat = std::pow(1.0f - t, 1.1f);
    const float flash = std::exp(-t * 16.0f);
    img.each([&](float x, float y) {
        const float u = centred(x, kSize), v = centred(y, kSize);
        const float r = std::hypot(u, v);
        const float time = t * 1.8f;
        const float lumps = fbm3(u * 2.5f, v * 2.5f, time, 901u, 5, 0.55f);
        const float swirl = fbm3(u * 5.0f + lumps, v * 5.0f - lumps, time * 1.5f, 902u, 4);
        const float edge = size * (0.8f + 0.6f * lumps);
        const float body = 1.0f - smoothstep(edge * 0.5f, edge, r);
        // Billows: bright knots with darker folds between them.
        const float billow = clamp01(swirl * 2.2f + 0.55f);
        // Late frames burn through into separate embers.
        const float embers = smoothstep(t - 0.45f, t - 0.15f, swirl + 0.5f + 0.25f * (1.0f - r));
        const float breakup = t < 0.35f ? 1.0f : 1.0f + (embers - 1.0f) * (t - 0.35f) / 0.65f;
        const float inner = 1.0f - r / std::max(edge, 1e-3f);
        const float temperature = heat * (0.45f + 0.55f * inner + 0.45f * billow) + flash * std::exp(-r * r / 0.06f);
        const float brightness = body * breakup * (0.3f + 0.7f * heat) * (0.55f + 0.6f * billow) +
                                 flash * (std::exp(-r * r / 0.04f) + 0.35f * std::exp(-r * r / 0.25f));
        const float fade = 1.0f - smoothstep(0.8f, 0.98f, r);
        const Colour c = heatColour(temperature);
        const float k = clamp01(brightness) * fade;
        return Colour{c.r * k, c.g * k, c.b * k, 1.0f};
    });
    return img;
}

} // namespace

void paintExplosionTextures(const std::filesystem::path& gfxDir)
{
    for (int i = 0; i < kFrames; ++i)
        saveTexture(gfxDir, "explosion" + std::to_string(i + 1), fireball(static_cast<float>(i) / (kFrames - 1)),
                    TgaDepth::Rgb24);
}

} // namespace gfxgen
