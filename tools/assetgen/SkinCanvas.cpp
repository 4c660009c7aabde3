#include "SkinCanvas.h"

#include <algorithm>
#include <cmath>

namespace modelgen {

namespace {

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

std::uint8_t channel(float v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

GifColour shadeOf(GifColour base, int shade)
{
    const float t = static_cast<float>(shade) / SkinCanvas::kBase;
    if (t <= 1.0f) {
        const float k = 0.08f + 0.92f * t;
        return {channel(base.r * k), channel(base.g * k), channel(base.b * k)};
    }
    const float w = (t - 1.0f) / ((15.0f - SkinCanvas::kBase) / SkinCanvas::kBase) * 0.75f;
    auto lift = [w](std::uint8_t c) { return channel(c + (255.0f - c) * w); };
    return {lift(base.r), lift(base.g), lift(base.b)};
}

}  // namespace

PixelRect regionRect(const SkinRegion& region)
{
    return {static_cast<float>(region.x), static_cast<float>(region.y),
            static_cast<float>(region.x + region.w), static_cast<float>(region.y + region.h)};
}

PixelRect worldRect(const SkinRegion& region, float a0, float a1, float b0, float b1)
{
    const float xa = region.pixelX(a0), xb = region.pixelX(a1);
    const float ya = region.pixelY(b0), yb = region.pixelY(b1);
    return {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
}

SkinCanvas::SkinCanvas(int width, int height, const std::array<GifColour, 16>& ramps)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, 0)
{
    for (int ramp = 0; ramp < 16; ++ramp)
        for (int shade = 0; shade < 16; ++shade)
            palette_[static_cast<std::size_t>(ramp * 16 + shade)] = shadeOf(ramps[ramp], shade);
}

void SkinCanvas::put(int x, int y, int ramp, int shade)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] =
        static_cast<std::uint8_t>((ramp & 15) * 16 + std::clamp(shade, 0, 15));
}

template <typename F>
void SkinCanvas::forPixels(PixelRect r, F f)
{
    const int x0 = std::max(0, static_cast<int>(std::ceil(r.x0 - 0.5f)));
    const int y0 = std::max(0, static_cast<int>(std::ceil(r.y0 - 0.5f)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(r.x1 - 0.5f)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(r.y1 - 0.5f)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            f(x, y);
}

void SkinCanvas::fill(PixelRect r, int ramp, int shade)
{
    forPixels(r, [&](int x, int y) { put(x, y, ramp, shade); });
}

void SkinCanvas::grain(PixelRect r, int ramp, int shade, int spread, std::uint32_t seed)
{
    forPixels(r, [&](int x, int y) {
        const int offset = static_cast<int>(hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) %
                                            static_cast<std::uint32_t>(2 * spread + 1)) - spread;
        put(x, y, ramp, shade + offset);
    });
}

void SkinCanvas::shadeBy(PixelRect r, int delta)
{
    forPixels(r, [&](int x, int y) {
        const std::uint8_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];
        put(x, y, p / 16, p % 16 + delta);
    });
}

void SkinCanvas::outline(PixelRect r, int ramp, int shade)
{
    fill({r.x0, r.y0, r.x1, r.y0 + 1}, ramp, shade);
    fill({r.x0, r.y1 - 1, r.x1, r.y1}, ramp, shade);
    fill({r.x0, r.y0, r.x0 + 1, r.y1}, ramp, shade);
    fill({r.x1 - 1, r.y0, r.x1, r.y1}, ramp, shade);
}

void SkinCanvas::plates(PixelRect r, int cols, int rows, int ramp, int shade, std::uint32_t seed)
{
    const float w = (r.x1 - r.x0) / static_cast<float>(cols);
    const float h = (r.y1 - r.y0) / static_cast<float>(rows);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const PixelRect plate{r.x0 + col * w, r.y0 + row * h, r.x0 + (col + 1) * w, r.y0 + (row + 1) * h};
            const int tone = static_cast<int>(hash(static_cast<std::uint32_t>(col), static_cast<std::uint32_t>(row), seed) % 3) - 1;
            grain(plate, ramp, shade + tone, 1, seed + 1);
            outline(plate, ramp, shade - 4);
            if (w > 6 && h > 6)
                for (const auto& [px, py] : {std::pair{plate.x0 + 2.5f, plate.y0 + 2.5f},
                                             std::pair{plate.x1 - 2.5f, plate.y0 + 2.5f},
                                             std::pair{plate.x0 + 2.5f, plate.y1 - 2.5f},
                                             std::pair{plate.x1 - 2.5f, plate.y1 - 2.5f}})
                    fill({px - 0.5f, py - 0.5f, px + 0.5f, py + 0.5f}, ramp, shade + 3);
        }
}

void SkinCanvas::stripes(PixelRect r, float period, int rampA, int shadeA, int rampB, int shadeB)
{
    forPixels(r, [&](int x, int y) {
        const bool first = static_cast<int>(std::floor((x + y) / period)) % 2 == 0;
        put(x, y, first ? rampA : rampB, first ? shadeA : shadeB);
    });
}

void SkinCanvas::disc(float cx, float cy, float radius, int ramp, int centreShade, int edgeShade)
{
    forPixels({cx - radius, cy - radius, cx + radius, cy + radius}, [&](int x, int y) {
        const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
        if (d <= 1.0f)
            put(x, y, ramp, static_cast<int>(std::lround(centreShade + (edgeShade - centreShade) * d)));
    });
}

void SkinCanvas::diamond(float cx, float cy, float radius, int ramp, int shade)
{
    forPixels({cx - radius, cy - radius, cx + radius, cy + radius}, [&](int x, int y) {
        if (std::fabs(x + 0.5f - cx) + std::fabs(y + 0.5f - cy) <= radius)
            put(x, y, ramp, shade);
    });
}

void SkinCanvas::windowRow(PixelRect r, int count, float fillRatio, int ramp, int shade)
{
    const float slot = (r.x1 - r.x0) / static_cast<float>(count);
    const float margin = slot * (1.0f - fillRatio) * 0.5f;
    for (int i = 0; i < count; ++i) {
        const float x0 = r.x0 + i * slot + margin;
        fill({x0, r.y0, x0 + slot - 2 * margin, r.y1}, ramp, shade);
        fill({x0, r.y0, x0 + slot - 2 * margin, r.y0 + 1}, ramp, shade + 3);
    }
}

void SkinCanvas::write(const std::filesystem::path& file) const
{
    writeGif(file, width_, height_, pixels_, palette_);
}

}  // namespace modelgen
