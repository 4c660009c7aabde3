#include "PaintNoise.h"
#include "TexturesParts.h"

#include <cmath>

namespace gfxgen {
namespace {

using Points = std::vector<sdf::Point>;

constexpr int kSize = 512;
// The picture is shown 526 x 534 with black captions over its top (to about
// y 78 here) and bottom (from about y 470): those bands are light plates,
// the scene lies between them.
constexpr float kSceneTop = 84.0f;
constexpr float kSceneBottom = 464.0f;

// Places a shape drawn in its own coordinates (x forward, y to its right)
// at a point of the picture, turned to a heading and scaled.
struct Placement {
    float x, y, angle, scale;
    sdf::Point operator()(float u, float v) const
    {
        const float c = std::cos(angle), s = std::sin(angle);
        return {x + (u * c - v * s) * scale, y + (u * s + v * c) * scale};
    }
    Points map(const Points& local) const
    {
        Points out;
        for (const sdf::Point& p : local)
            out.push_back((*this)(p.x, p.y));
        return out;
    }
};

bool inScene(float y) { return y >= kSceneTop && y < kSceneBottom; }

void glow(Image& img, float cx, float cy, float radius, Colour c)
{
    img.paint(cx - radius * 3, cy - radius * 3, cx + radius * 3, cy + radius * 3, [](float, float) { return -1.0f; },
              [&](float x, float y) {
                  const float d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (radius * radius);
                  return withAlpha(c, inScene(y) ? std::exp(-d2) : 0.0f);
              },
              Blend::Add);
}

void sky(Image& img)
{
    img.each([](float x, float y) {
        const float t = (y - kSceneTop) / (kSceneBottom - kSceneTop);
        const Colour base = mix(Colour{0.02f, 0.03f, 0.09f, 1}, Colour{0.0f, 0.0f, 0.02f, 1}, clamp01(t));
        const float u = x / kSize * 3.0f, v = y / kSize * 3.0f;
        const float warp = fbm3(u, v, 9.0f, 1201u, 3);
        const float gas = clamp01(fbm3(u + warp, v - warp, 0.0f, 1202u, 5, 0.55f) + 0.15f);
        const Colour nebula{0.35f * gas * gas, 0.08f * gas, 0.3f * gas * gas, 1};
        return Colour{base.r + nebula.r, base.g + nebula.g, base.b + nebula.b, 1};
    });
    Rng rng(1203u);
    for (int i = 0; i < 420; ++i) {
        const float x = rng.range(0, kSize), y = rng.range(kSceneTop, kSceneBottom);
        const float level = 0.1f + 0.9f * std::pow(rng.uniform(), 4.0f);
        glow(img, x, y, 0.5f + level, Colour{0.9f, 0.93f, 1.0f, level});
    }
    // The system's sun, off to the upper right.
    glow(img, 470, 118, 10, Colour{1.0f, 0.95f, 0.8f, 1});
    glow(img, 470, 118, 40, Colour{1.0f, 0.7f, 0.4f, 0.35f});
}

void planet(Image& img)
{
    const Image world = jungleWorld(512);
    for (int y = 0; y < world.height(); ++y)
        for (int x = 0; x < world.width(); ++x) {
            const int tx = x + 150, ty = y + 250;
            if (inScene(ty + 0.5f))
                img.put(tx, ty, world.at(x, y), 1.0f, Blend::Over);
        }
}

// The station: a wide slab seen from its front corner, the docking bay lit
// in its face and running lights at its ends.
void station(Image& img)
{
    const Colour face{0.55f, 0.6f, 0.66f, 1}, top{0.78f, 0.82f, 0.87f, 1}, side{0.3f, 0.34f, 0.4f, 1};
    // Solar wings on masts above the slab.
    const Colour mast{0.6f, 0.62f, 0.66f, 1};
    for (float x : {96.0f, 214.0f}) {
        img.paint(x - 3, 96, x + 3, 160, [&](float px, float py) { return sdf::capsule(px, py, x, 158 - (x - 40) * 0.1f, x, 100, 1.3f); },
                  solid(mast));
        for (float side : {-1.0f, 1.0f}) {
            const float x0 = x + side * 6, x1 = x + side * 44;
            const Points wing{{x0, 96}, {x1, 92}, {x1, 108}, {x0, 112}};
            fillPolygon(img, wing, [&](float px, float py) {
                const float cells = (std::fmod(std::fabs(px - x0), 6.0f) < 1.0f || std::fmod(py, 5.0f) < 0.8f) ? 0.6f : 1.0f;
                return shade(Colour{0.18f, 0.3f, 0.6f, 1}, cells);
            });
        }
    }
    const Points front{{40, 170}, {250, 150}, {250, 235}, {40, 262}};
    const Points upper{{40, 170}, {250, 150}, {282, 134}, {76, 150}};
    const Points right{{250, 150}, {282, 134}, {282, 212}, {250, 235}};
    fillPolygon(img, upper, solid(top));
    fillPolygon(img, right, solid(side));
    fillPolygon(img, front, [&](float x, float) { return shade(face, 1.05f - (x - 40) / 600.0f); });
    // Panel seams and windows.
    for (int i = 1; i < 6; ++i) {
        const float x = 40 + 35.0f * i, y0 = 170 - 20.0f * (x - 40) / 210, y1 = 262 - 27.0f * (x - 40) / 210;
        img.paint(x - 1, y0, x + 1, y1, [&](float px, float) { return std::fabs(px - x) - 0.5f; },
                  solid({0.35f, 0.38f, 0.43f, 1}));
    }
    Rng rng(1301u);
    for (int i = 0; i < 40; ++i) {
        const float u = rng.range(0.05f, 0.95f), v = rng.range(0.1f, 0.9f);
        if (u > 0.38f && u < 0.62f)
            continue;
        const float x = 40 + 210 * u, y = 170 - 20 * u + (92 - 7 * u) * v;
        img.paint(x - 2, y - 2, x + 2, y + 2, [&](float px, float py) { return sdf::roundBox(px, py, x, y, 1.5f, 1.0f, 0.3f); },
                  solid({1.0f, 0.9f, 0.6f, 1}));
    }
    // The docking bay: a lit square opening in the middle of the face.
    const Points bay{{126, 181}, {166, 177}, {166, 222}, {126, 227}};
    fillPolygon(img, bay, [](float, float y) { return mix(Colour{0.1f, 0.12f, 0.2f, 1}, Colour{0.45f, 0.55f, 0.75f, 1}, clamp01((y - 178) / 50)); });
    framePolygon(img, bay, 2.0f, solid({1.0f, 0.85f, 0.4f, 1}));
    glow(img, 146, 202, 16, Colour{0.6f, 0.7f, 1.0f, 0.25f});
    glow(img, 40, 170, 3, Colour{1, 0.2f, 0.2f, 1});
    glow(img, 40, 262, 3, Colour{1, 0.2f, 0.2f, 1});
    glow(img, 282, 134, 3, Colour{0.2f, 1, 0.3f, 1});
    glow(img, 282, 212, 3, Colour{0.2f, 1, 0.3f, 1});
}

// The player's hauler: a stubby trader with cargo pods, flying towards the
// station's bay with its engines burning.
void hauler(Image& img, const Placement& p)
{
    const Colour hull{0.82f, 0.78f, 0.66f, 1}, dark{0.45f, 0.43f, 0.4f, 1}, pod{0.9f, 0.55f, 0.15f, 1};
    const sdf::Point back = p(-44, 0);
    glow(img, back.x, back.y, 18, Colour{0.3f, 0.55f, 1.0f, 0.9f});
    glow(img, back.x, back.y, 6, Colour{0.8f, 0.9f, 1.0f, 1});
    for (float side : {-1.0f, 1.0f})
        fillPolygon(img, p.map({{-34, 13 * side}, {8, 13 * side}, {8, 25 * side}, {-34, 25 * side}}),
                    solid(side < 0 ? pod : shade(pod, 0.7f)));
    fillPolygon(img, p.map({{-42, -15}, {24, -15}, {40, -7}, {40, 7}, {24, 15}, {-42, 15}}),
                [&](float x, float y) {
                    const sdf::Point c = p(0, 0);
                    return mix(hull, dark, clamp01(0.5f + ((x - c.x) * 0.3f + (y - c.y) * 0.9f) / 30.0f));
                });
    fillPolygon(img, p.map({{26, -9}, {36, -5}, {36, 5}, {26, 9}}), solid({0.25f, 0.55f, 0.8f, 1}));
    for (float u : {-30.0f, -18.0f, -6.0f})
        fillPolygon(img, p.map({{u, -15}, {u + 2, -15}, {u + 2, 15}, {u, 15}}), solid(shade(dark, 0.8f)));
    fillPolygon(img, p.map({{-48, -10}, {-42, -12}, {-42, 12}, {-48, 10}}), solid(dark));
}

// The fighter's laser, ending in sparks where it strikes the hauler.
void laser(Image& img, sdf::Point muzzle, sdf::Point aim)
{
    img.paint(std::min(muzzle.x, aim.x) - 6, std::min(muzzle.y, aim.y) - 6, std::max(muzzle.x, aim.x) + 6,
              std::max(muzzle.y, aim.y) + 6,
              [&](float x, float y) { return sdf::capsule(x, y, muzzle.x, muzzle.y, aim.x, aim.y, 1.2f); },
              solid({1.0f, 0.35f, 0.25f, 1}), Blend::Add);
    img.paint(std::min(muzzle.x, aim.x) - 8, std::min(muzzle.y, aim.y) - 8, std::max(muzzle.x, aim.x) + 8,
              std::max(muzzle.y, aim.y) + 8,
              [&](float x, float y) { return sdf::capsule(x, y, muzzle.x, muzzle.y, aim.x, aim.y, 4.0f); },
              solid({1.0f, 0.15f, 0.1f, 0.35f}), Blend::Add);
    glow(img, aim.x, aim.y, 7, Colour{1.0f, 0.8f, 0.4f, 1});
    Rng rng(1501u);
    for (int i = 0; i < 10; ++i) {
        const float a = rng.uniform() * 6.2831853f, r = rng.range(4, 14);
        glow(img, aim.x + std::cos(a) * r, aim.y + std::sin(a) * r, 1.2f, Colour{1.0f, 0.75f, 0.3f, 1});
    }
}

// A pirate fighter: a sleek red-striped arrowhead.
void fighter(Image& img, const Placement& p)
{
    const sdf::Point back = p(-16, 0);
    glow(img, back.x, back.y, 9, Colour{1.0f, 0.5f, 0.2f, 0.8f});
    fillPolygon(img, p.map({{32, 0}, {-18, -26}, {-10, 0}, {-18, 26}}),
                [&](float x, float y) {
                    const sdf::Point c = p(0, 0);
                    return mix(Colour{0.7f, 0.72f, 0.78f, 1}, Colour{0.3f, 0.32f, 0.38f, 1},
                               clamp01(0.5f + ((x - c.x) * 0.4f + (y - c.y) * 0.9f) / 25.0f));
                });
    for (float side : {-1.0f, 1.0f})
        fillPolygon(img, p.map({{-2, 8 * side}, {2, 9 * side}, {-12, 22 * side}, {-15, 21 * side}}),
                    solid({0.8f, 0.12f, 0.1f, 1}));
    fillPolygon(img, p.map({{18, -3}, {8, -5}, {8, 5}, {18, 3}}), solid({0.3f, 0.8f, 1.0f, 1}));
}

void explosionBurst(Image& img, float cx, float cy)
{
    glow(img, cx, cy, 14, Colour{1.0f, 0.55f, 0.15f, 1});
    glow(img, cx, cy, 6, Colour{1.0f, 0.95f, 0.7f, 1});
    Rng rng(1401u);
    for (int i = 0; i < 14; ++i) {
        const float a = rng.uniform() * 6.2831853f, r = rng.range(8, 26);
        glow(img, cx + std::cos(a) * r, cy + std::sin(a) * r, rng.range(1, 2.5f), Colour{1.0f, 0.7f, 0.3f, 1});
    }
}

// Light steel plates for the captions, like the menu's title plate.
void plates(Image& img)
{
    img.each([](float, float y) {
        const bool header = y < kSceneTop;
        const float t = header ? y / kSceneTop : (y - kSceneBottom) / (kSize - kSceneBottom);
        return mix(Colour{0.88f, 0.91f, 0.94f, 1}, Colour{0.66f, 0.71f, 0.77f, 1}, clamp01(t));
    });
}

void sceneFrame(Image& img)
{
    for (float y : {kSceneTop - 3.0f, kSceneBottom})
        img.paint(0, y, kSize, y + 3, [&](float, float py) { return std::fabs(py - (y + 1.5f)) - 1.5f; },
                  solid({0.2f, 0.62f, 0.72f, 1}));
}

} // namespace

void paintTitleScreen(const std::filesystem::path& gfxDir)
{
    Image img(kSize, kSize, Colour{0, 0, 0, 1});
    plates(img);
    Image scene(kSize, kSize, Colour{0, 0, 0, 1});
    sky(scene);
    planet(scene);
    station(scene);
    explosionBurst(scene, 392, 188);
    const Placement ship{300, 296, 3.14159265f + 0.55f, 1.3f};
    const Placement pirate{440, 396, 3.14159265f + 0.62f, 1.1f};
    hauler(scene, ship);
    laser(scene, pirate(30, 0), ship(-26, -20));
    fighter(scene, pirate);
    for (int y = static_cast<int>(kSceneTop); y < static_cast<int>(kSceneBottom); ++y)
        for (int x = 0; x < kSize; ++x)
            img.at(x, y) = scene.at(x, y);
    sceneFrame(img);
    saveTexture(gfxDir, "titlescreen", img, TgaDepth::Rgb24);
}

} // namespace gfxgen
