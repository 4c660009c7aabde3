#pragma once
#include "GifWriter.h"
#include "ModelMesh.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace modelgen {

// A rectangle in skin pixels; a pixel belongs to it when its centre does.
struct PixelRect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

PixelRect regionRect(const SkinRegion& region);
// The pixels that show world a0..a1 by b0..b1 of the region.
PixelRect worldRect(const SkinRegion& region, float a0, float a1, float b0, float b1);

// A paletted skin painted in ramps: 16 colours, each in 16 shades from near
// black through the colour itself (kBase) to near white.
class SkinCanvas {
public:
    static constexpr int kBase = 11;

    SkinCanvas(int width, int height, const std::array<GifColour, 16>& ramps);

    int width() const { return width_; }
    int height() const { return height_; }

    void fill(PixelRect r, int ramp, int shade);
    // Shade varies by up to +-spread per pixel (a fixed hash, not a random draw).
    void grain(PixelRect r, int ramp, int shade, int spread, std::uint32_t seed);
    void shadeBy(PixelRect r, int delta);
    void outline(PixelRect r, int ramp, int shade);
    // Hull plating: cols x rows plates of slightly differing shade, dark seams
    // and a rivet at each plate corner.
    void plates(PixelRect r, int cols, int rows, int ramp, int shade, std::uint32_t seed);
    // Diagonal bands `period` pixels wide, alternating the two colours.
    void stripes(PixelRect r, float period, int rampA, int shadeA, int rampB, int shadeB);
    // Round spot whose shade runs from `centreShade` to `edgeShade`.
    void disc(float cx, float cy, float radius, int ramp, int centreShade, int edgeShade);
    // Square turned 45 degrees, corner to centre `radius`.
    void diamond(float cx, float cy, float radius, int ramp, int shade);
    // `count` evenly spaced lit windows across r, each `fillRatio` of its slot wide.
    void windowRow(PixelRect r, int count, float fillRatio, int ramp, int shade);

    void write(const std::filesystem::path& file) const;

private:
    void put(int x, int y, int ramp, int shade);
    template <typename F>
    void forPixels(PixelRect r, F f);

    int width_;
    int height_;
    std::array<GifColour, 256> palette_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace modelgen
