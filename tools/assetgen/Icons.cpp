// The game's application icon: an amber hauler seen from above, climbing out
// of a dark blue tile with its engine lit. Drawn anew for every size so that
// the 16-pixel one stays a clean silhouette.
#include "AssetGenerators.h"
#include "Image.h"
#include "PngWriter.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace gfxgen;

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

constexpr Colour kTileTop{0.13f, 0.22f, 0.46f, 1.0f};
constexpr Colour kTileBottom{0.03f, 0.05f, 0.15f, 1.0f};
constexpr Colour kHull{1.0f, 0.66f, 0.14f, 1.0f};
constexpr Colour kHullShade{0.78f, 0.38f, 0.06f, 1.0f};
constexpr Colour kEngine{0.45f, 0.95f, 1.0f, 1.0f};
constexpr Colour kStar{0.9f, 0.93f, 1.0f, 1.0f};

// A few fixed stars, in units of the icon's side; only drawn where they are
// bigger than a pixel's fraction.
constexpr sdf::Point kStars[] = {{0.20f, 0.22f}, {0.78f, 0.30f}, {0.30f, 0.52f}, {0.84f, 0.62f}, {0.64f, 0.14f}};

Image drawIcon(int size)
{
    const float s = static_cast<float>(size);
    Image icon(size, size);
    const float margin = s / 32.0f;
    icon.paint(0, 0, s, s,
               [&](float x, float y) { return sdf::roundBox(x, y, s / 2, s / 2, s / 2 - margin, s / 2 - margin, s * 0.2f); },
               [&](float, float y) { return mix(kTileTop, kTileBottom, y / s); });

    if (size >= 32) {
        for (const sdf::Point& star : kStars)
            icon.paint(0, 0, s, s, [&](float x, float y) { return sdf::circle(x, y, star.x * s, star.y * s, s / 96.0f + 0.3f); },
                       solid(withAlpha(kStar, 0.8f)));
    }

    const auto at = [s](float x, float y) { return sdf::Point{x * s, y * s}; };
    const std::vector<sdf::Point> hull{at(0.5f, 0.12f), at(0.86f, 0.80f), at(0.5f, 0.66f), at(0.14f, 0.80f)};
    const std::vector<sdf::Point> rightHalf{at(0.5f, 0.12f), at(0.86f, 0.80f), at(0.5f, 0.66f)};
    fillPolygon(icon, hull, solid(kHull));
    if (size >= 24)
        fillPolygon(icon, rightHalf, solid(kHullShade));

    const float engineRadius = std::max(s * 0.07f, 1.2f);
    icon.paint(0, 0, s, s, [&](float x, float y) { return sdf::circle(x, y, 0.5f * s, 0.78f * s, engineRadius); },
               solid(kEngine));
    return icon;
}

} // namespace

void generateIcons(const std::filesystem::path& iconsDir)
{
    for (int size : kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = iconsDir / "hicolor" / name / "apps";
        std::filesystem::create_directories(folder);
        writePng(folder / "drift-hauler.png", drawIcon(size));
    }
}
