#include "TexturesParts.h"

#include <cmath>

namespace gfxgen {
namespace {

// The scanner is drawn as a 160-unit square of the HUD; its picture is 256
// texels across, 1.6 per unit, its centre at (128, 128).
constexpr float kTexelsPerUnit = 1.6f;
constexpr float kCentre = 128.0f;
// The plane disc the game plots on: 68 units either side, flattened by half.
constexpr float kPlaneRadius = 68.0f;
constexpr float kFlattening = 0.5f;

const Colour kBezelTop{0.17f, 0.22f, 0.27f, 0.92f};
const Colour kBezelBottom{0.07f, 0.09f, 0.12f, 0.92f};
const Colour kEdge{0.38f, 0.66f, 0.76f, 1.0f};
const Colour kGlass{0.02f, 0.03f, 0.04f, 0.82f};
const Colour kRing{0.25f, 0.42f, 0.48f, 1.0f};

float units(float u) { return u * kTexelsPerUnit; }

// Signed distance in texels to an ellipse around the centre, close to exact
// near its outline.
float ellipse(float x, float y, float a, float b)
{
    const float dx = x - kCentre, dy = y - kCentre;
    const float f = std::sqrt(dx * dx / (a * a) + dy * dy / (b * b));
    if (f <= 0.0f)
        return -b;
    const float gx = dx / (a * a * f), gy = dy / (b * b * f);
    return (f - 1.0f) / std::max(std::hypot(gx, gy), 1e-6f);
}

void ellipseRing(Image& img, float radiusUnits, float widthUnits, Colour c)
{
    const float a = units(kPlaneRadius * radiusUnits), b = a * kFlattening;
    img.paint(kCentre - a - 2, kCentre - b - 2, kCentre + a + 2, kCentre + b + 2,
              [&](float x, float y) { return std::fabs(ellipse(x, y, a, b)) - units(widthUnits) * 0.5f; }, solid(c));
}

void line(Image& img, float ax, float ay, float bx, float by, float widthUnits, Colour c)
{
    const float r = units(widthUnits) * 0.5f;
    img.paint(std::min(ax, bx) - r - 1, std::min(ay, by) - r - 1, std::max(ax, bx) + r + 1, std::max(ay, by) + r + 1,
              [&](float x, float y) { return sdf::capsule(x, y, ax, ay, bx, by, r); }, solid(c));
}

// A round console bezel around dark glass, and on the glass the ship's plane
// seen from above and behind: range rings at 1, 8 and 25 km on the game's
// square-root scale, the axes, and the ship itself in the middle.
Image scannerDisc()
{
    Image img(256, 256);
    const float outer = units(79.0f), glass = units(73.0f);
    img.paint(0, 0, 256, 256, [&](float x, float y) { return sdf::circle(x, y, kCentre, kCentre, outer); },
              [&](float, float y) { return mix(kBezelTop, kBezelBottom, clamp01(y / 256.0f)); });
    img.paint(0, 0, 256, 256, [&](float x, float y) { return sdf::ring(x, y, kCentre, kCentre, outer - 1.2f, 0.9f); },
              solid(kEdge));
    img.paint(0, 0, 256, 256, [&](float x, float y) { return sdf::circle(x, y, kCentre, kCentre, glass); },
              solid(kGlass), Blend::Replace);
    img.paint(0, 0, 256, 256, [&](float x, float y) { return sdf::ring(x, y, kCentre, kCentre, glass, 0.8f); },
              solid(kRing));

    const float a = units(kPlaneRadius), b = a * kFlattening;
    line(img, kCentre - a, kCentre, kCentre + a, kCentre, 0.6f, withAlpha(kRing, 0.7f));
    line(img, kCentre, kCentre - b, kCentre, kCentre + b, 0.6f, withAlpha(kRing, 0.7f));
    ellipseRing(img, std::sqrt(1.0f / 25.0f), 0.6f, withAlpha(kRing, 0.8f));
    ellipseRing(img, std::sqrt(8.0f / 25.0f), 0.8f, kRing);
    ellipseRing(img, 1.0f, 1.1f, kEdge);

    const std::vector<sdf::Point> ship{{kCentre, kCentre - units(3.5f)},
                                       {kCentre + units(2.5f), kCentre + units(2.5f)},
                                       {kCentre - units(2.5f), kCentre + units(2.5f)}};
    fillPolygon(img, ship, solid(kEdge));
    return img;
}

} // namespace

void paintAssistTextures(const std::filesystem::path& gfxDir)
{
    saveTexture(gfxDir, "scanner", scannerDisc(), TgaDepth::Rgba32);
}

} // namespace gfxgen
