#include "TexturesParts.h"

#include <cmath>
#include <functional>

namespace gfxgen {
namespace {

using Points = std::vector<sdf::Point>;
using Shape = std::function<float(float, float)>;

constexpr float kScale = 2.0f; // texels per GUI unit
const Colour kInk{0.06f, 0.07f, 0.09f, 1.0f};
const Colour kTeal{0.2f, 0.62f, 0.72f, 1.0f};

// Paints a shape with a dark outline of the given width around it.
void outlined(Image& img, const Shape& shape, float outline, const std::function<Colour(float, float)>& fill)
{
    const float w = static_cast<float>(img.width()), h = static_cast<float>(img.height());
    img.paint(0, 0, w, h, [&](float x, float y) { return shape(x, y) - outline; }, solid(kInk));
    img.paint(0, 0, w, h, shape, fill);
}

Shape box(float cx, float cy, float hw, float hh, float r)
{
    return [=](float x, float y) { return sdf::roundBox(x, y, cx, cy, hw, hh, r); };
}

// Behind the menu title ("Main Menu", "Dock menu" in black at x 16..168,
// y 12..28): a light steel plate. Only its left 208 units show; the content
// panel covers the rest.
Image titlePanel()
{
    const float s = kScale;
    Image img(256 * s, 64 * s);
    outlined(img, box(128 * s, 32 * s, 125 * s, 29 * s, 6 * s), 1.5f * s, [&](float, float y) {
        return mix(Colour{0.88f, 0.91f, 0.94f, 1}, Colour{0.6f, 0.66f, 0.72f, 1}, clamp01(y / (64 * s)));
    });
    img.paint(0, 0, 256 * s, 10 * s, box(128 * s, 5.5f * s, 120 * s, 0.6f * s, 0.5f * s), solid({1, 1, 1, 0.7f}));
    img.paint(0, 0, 256 * s, 64 * s, box(108 * s, 42 * s, 96 * s, 1.5f * s, 1.5f * s), solid(kTeal));
    for (int i = 0; i < 3; ++i) {
        const float x = (178.0f + 8.0f * i) * s;
        const Points chevron{{x, 14 * s}, {x + 5 * s, 14 * s}, {x + 11 * s, 21 * s},
                             {x + 5 * s, 28 * s}, {x, 28 * s},  {x + 6 * s, 21 * s}};
        fillPolygon(img, chevron, solid(withAlpha(kTeal, 0.5f + 0.25f * i)));
    }
    return img;
}

// Behind the column of menu buttons (180 x 35 at x 10, every 40 units from
// y 22): a dark console plate with rails either side of the buttons, grooves
// between them and a faint emblem where no menu places a button.
Image buttonPanel()
{
    const float s = kScale;
    Image img(256 * s, 512 * s);
    outlined(img, box(128 * s, 256 * s, 125 * s, 253 * s, 8 * s), 2.0f * s, [&](float, float y) {
        return mix(Colour{0.24f, 0.28f, 0.33f, 1}, Colour{0.13f, 0.16f, 0.2f, 1}, clamp01(y / (512 * s)));
    });
    img.paint(0, 0, 256 * s, 512 * s, [&](float x, float y) {
        const float d = sdf::roundBox(x, y, 128 * s, 256 * s, 122 * s, 250 * s, 6 * s);
        return std::fabs(d) - 0.5f * s;
    }, solid({0.45f, 0.55f, 0.62f, 0.8f}));
    for (float x : {5.0f, 195.0f})
        img.paint(0, 0, 256 * s, 512 * s, box((x + 1.5f) * s, 256 * s, 1.5f * s, 240 * s, 1.5f * s),
                  solid({0.08f, 0.1f, 0.13f, 1}));
    for (int i = 0; i < 12; ++i) {
        const float y = (19.5f + 40.0f * i) * s;
        img.paint(0, 0, 256 * s, 512 * s, box(100 * s, y, 90 * s, 0.5f * s, 0.5f * s), solid({0.08f, 0.1f, 0.13f, 1}));
        img.paint(0, 0, 256 * s, 512 * s, box(100 * s, y + s, 90 * s, 0.5f * s, 0.5f * s), solid({0.35f, 0.42f, 0.48f, 0.6f}));
    }
    // Emblem: a ringed arrowhead, the hauler's mark.
    const float cx = 100 * s, cy = 287 * s;
    const Colour faint{0.32f, 0.4f, 0.47f, 1};
    img.paint(cx - 60 * s, cy - 60 * s, cx + 60 * s, cy + 60 * s,
              [&](float x, float y) { return sdf::ring(x, y, cx, cy, 48 * s, 3 * s); }, solid(faint));
    const Points arrow{{cx, cy - 36 * s}, {cx + 26 * s, cy + 28 * s}, {cx, cy + 14 * s}, {cx - 26 * s, cy + 28 * s}};
    fillPolygon(img, arrow, solid(faint));
    return img;
}

// Added over a hovered button (and a dialog's title bar) in a dim colour: a
// glow strongest in the middle and along the top.
Image highlight()
{
    Image img(128, 32);
    img.each([&](float x, float y) {
        const float u = x / 128.0f - 0.5f, v = y / 32.0f;
        const float across = 0.5f + 0.5f * std::exp(-u * u / 0.06f);
        const float sheen = 0.55f + 0.45f * (1.0f - v) + 0.3f * std::exp(-std::pow((v - 0.18f) / 0.12f, 2.0f));
        const float k = clamp01(across * sheen);
        return Colour{k, k, k, 1};
    });
    return img;
}

// The galaxy map's home button, 32 x 32 units and drawn opaque: a house on a
// round-cornered key over the map's black.
Image homeButton(bool hovered)
{
    Image img(64, 64, Colour{0, 0, 0, 1});
    const Colour top = hovered ? Colour{0.25f, 0.5f, 0.7f, 1} : Colour{0.12f, 0.24f, 0.38f, 1};
    const Colour bottom = hovered ? Colour{0.12f, 0.28f, 0.42f, 1} : Colour{0.05f, 0.1f, 0.18f, 1};
    const Colour edge = hovered ? Colour{0.8f, 0.95f, 1.0f, 1} : Colour{0.4f, 0.6f, 0.8f, 1};
    img.paint(0, 0, 64, 64, box(32, 32, 29, 29, 8), [&](float, float y) { return mix(top, bottom, y / 64.0f); });
    img.paint(0, 0, 64, 64, [](float x, float y) { return std::fabs(sdf::roundBox(x, y, 32, 32, 28, 28, 7)) - 1.2f; },
              solid(edge));
    const Colour icon = hovered ? Colour{1, 1, 1, 1} : Colour{0.82f, 0.88f, 0.95f, 1};
    fillPolygon(img, {{32, 13}, {51, 31}, {46, 31}, {46, 49}, {18, 49}, {18, 31}, {13, 31}}, solid(icon));
    img.paint(0, 0, 64, 64, box(32, 42, 4.5f, 7.5f, 1), solid(mix(top, bottom, 0.6f)));
    return img;
}

Image coins()
{
    Image img(64, 64);
    const Colour gold{0.98f, 0.78f, 0.25f, 1}, rim{0.62f, 0.42f, 0.08f, 1};
    for (int i = 0; i < 3; ++i) {
        const float cy = 48.0f - 7.0f * i;
        outlined(img, [=](float x, float y) { return std::hypot((x - 26.0f) / 1.0f, (y - cy) / 0.45f) * 0.45f - 9.5f; },
                 1.5f, [&](float, float y) { return mix(gold, rim, clamp01((y - cy + 2.0f) / 6.0f)); });
    }
    outlined(img, [](float x, float y) { return sdf::circle(x, y, 40, 34, 18); }, 1.5f, [&](float x, float y) {
        const float k = clamp01((x + y - 50.0f) / 50.0f);
        return mix(Colour{1.0f, 0.92f, 0.55f, 1}, gold, k);
    });
    img.paint(0, 0, 64, 64, [](float x, float y) { return sdf::ring(x, y, 40, 34, 14, 1.0f); }, solid(rim));
    // "Cr" stamped on the face.
    img.paint(0, 0, 64, 64, [](float x, float y) {
        const float c = sdf::subtract(sdf::ring(x, y, 36, 34, 6, 1.6f), sdf::roundBox(x, y, 42, 34, 3, 3, 0));
        const float r = sdf::unite(sdf::capsule(x, y, 44, 30, 44, 40, 1.5f), sdf::capsule(x, y, 44, 33, 48, 30, 1.5f));
        return sdf::unite(c, r);
    }, solid(rim));
    return img;
}

Image wrench()
{
    Image img(64, 64);
    const Colour steel{0.85f, 0.88f, 0.92f, 1}, shadow{0.5f, 0.55f, 0.62f, 1};
    const Shape tool = [](float x, float y) {
        const float handle = sdf::capsule(x, y, 14, 50, 38, 26, 5);
        const float head = sdf::circle(x, y, 44, 20, 12);
        const float jaw = sdf::unite(sdf::circle(x, y, 50, 13, 6.5f), sdf::capsule(x, y, 44, 20, 54, 9, 4.5f));
        return sdf::subtract(sdf::unite(handle, head), jaw);
    };
    outlined(img, tool, 2.0f, [&](float x, float y) { return mix(steel, shadow, clamp01((x - y + 10.0f) / 40.0f)); });
    img.paint(0, 0, 64, 64, [](float x, float y) { return sdf::circle(x, y, 16, 48, 2.2f); }, solid(kInk));
    return img;
}

Image crate()
{
    Image img(64, 64);
    const Colour wood{0.88f, 0.58f, 0.2f, 1}, dark{0.55f, 0.32f, 0.1f, 1};
    outlined(img, box(32, 34, 24, 22, 2), 2.0f, [&](float, float y) { return mix(wood, dark, clamp01((y - 12) / 60.0f)); });
    for (float y : {24.0f, 34.0f, 44.0f})
        img.paint(0, 0, 64, 64, box(32, y, 22, 0.5f, 0), solid(withAlpha(dark, 0.8f)));
    img.paint(0, 0, 64, 64, [](float x, float y) {
        const float frame = std::fabs(sdf::roundBox(x, y, 32, 34, 21, 19, 1)) - 2.2f;
        return sdf::unite(frame, sdf::unite(sdf::capsule(x, y, 13, 17, 51, 51, 2.2f), sdf::capsule(x, y, 51, 17, 13, 51, 2.2f)));
    }, solid(Colour{0.62f, 0.38f, 0.12f, 1}));
    return img;
}

Image missileIcon()
{
    Image img(64, 64);
    const Shape body = [](float x, float y) { return sdf::capsule(x, y, 14, 50, 44, 20, 5.5f); };
    const Shape fins = [](float x, float y) {
        return sdf::unite(sdf::polygon(x, y, {{24, 40}, {6, 34}, {12, 48}}), sdf::polygon(x, y, {{24, 40}, {30, 58}, {16, 52}}));
    };
    img.paint(0, 0, 64, 64, [](float x, float y) { return sdf::capsule(x, y, 11, 53, 5, 59, 3.0f); },
              solid({1.0f, 0.7f, 0.2f, 1}));
    outlined(img, fins, 2.0f, solid({0.75f, 0.15f, 0.12f, 1}));
    outlined(img, body, 2.0f, [](float x, float y) {
        return mix(Colour{0.92f, 0.93f, 0.95f, 1}, Colour{0.55f, 0.58f, 0.64f, 1}, clamp01((x - y + 20.0f) / 30.0f));
    });
    outlined(img, [](float x, float y) { return sdf::capsule(x, y, 44, 20, 52, 12, 3.0f); }, 1.0f,
             solid({0.85f, 0.2f, 0.15f, 1}));
    return img;
}

Image empIcon()
{
    Image img(64, 64);
    outlined(img, [](float x, float y) { return sdf::circle(x, y, 32, 32, 22); }, 1.5f, [](float x, float y) {
        const float d = std::hypot(x - 26, y - 24) / 34.0f;
        return mix(Colour{0.6f, 0.85f, 1.0f, 1}, Colour{0.08f, 0.25f, 0.6f, 1}, clamp01(d));
    });
    img.paint(0, 0, 64, 64, [](float x, float y) { return sdf::ring(x, y, 32, 32, 27, 1.2f); }, solid({0.5f, 0.8f, 1.0f, 0.8f}));
    outlined(img, [](float x, float y) {
        return sdf::polygon(x, y, {{36, 12}, {22, 35}, {31, 35}, {27, 53}, {43, 28}, {34, 28}});
    }, 1.5f, solid({1.0f, 0.95f, 0.5f, 1}));
    return img;
}

} // namespace

void paintMenuTextures(const std::filesystem::path& gfxDir)
{
    saveTexture(gfxDir, "menuTitlePanel", titlePanel(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "menuButtonPanel", buttonPanel(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "money", coins(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "repair", wrench(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "cargo", crate(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "missile", missileIcon(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "emp", empIcon(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonHighlight", highlight(), TgaDepth::Rgb24);
    saveTexture(gfxDir, "buttonHome", homeButton(false), TgaDepth::Rgb24);
    saveTexture(gfxDir, "buttonHomeH", homeButton(true), TgaDepth::Rgb24);
}

} // namespace gfxgen
