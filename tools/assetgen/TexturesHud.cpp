#include "PaintText.h"
#include "TexturesParts.h"

#include <cmath>
#include <string>

namespace gfxgen {
namespace {

using Points = std::vector<sdf::Point>;

// The console art is laid out in the HUD's virtual units (one pixel each at
// 800 x 600) and painted at two texels per unit so it stays sharp on larger
// screens. All its slanted edges run at 45 degrees, so the
// buttons, gauges and console panel fit against each other.
constexpr float kScale = 2.0f;

Points scaled(Points pts)
{
    for (sdf::Point& p : pts) {
        p.x *= kScale;
        p.y *= kScale;
    }
    return pts;
}

struct Style {
    Colour top, bottom, edge;
};

const Style kNormal{{0.17f, 0.22f, 0.27f, 0.92f}, {0.07f, 0.09f, 0.12f, 0.92f}, {0.38f, 0.66f, 0.76f, 1.0f}};
const Style kHovered{{0.25f, 0.40f, 0.48f, 0.95f}, {0.12f, 0.22f, 0.28f, 0.95f}, {0.75f, 0.97f, 1.0f, 1.0f}};
const Colour kSlot{0.02f, 0.03f, 0.04f, 0.96f};
const Colour kSlotEdge{0.25f, 0.42f, 0.48f, 1.0f};

// A console panel: vertical gradient body and a bright edge just inside.
void panel(Image& img, const Points& outline, const Style& style, float heightUnits)
{
    const Points pts = scaled(outline);
    fillPolygon(img, pts, [&](float, float y) { return mix(style.top, style.bottom, clamp01(y / (heightUnits * kScale))); });
    framePolygon(img, pts, 1.1f * kScale, solid(style.edge));
}

void slot(Image& img, const Points& outline)
{
    const Points pts = scaled(outline);
    fillPolygon(img, pts, solid(kSlot));
    framePolygon(img, pts, 0.75f * kScale, solid(kSlotEdge));
}

void line(Image& img, float ax, float ay, float bx, float by, float width, Colour c)
{
    img.paint(std::min(ax, bx) * kScale - width * kScale, std::min(ay, by) * kScale - width * kScale,
              std::max(ax, bx) * kScale + width * kScale, std::max(ay, by) * kScale + width * kScale,
              [&](float x, float y) {
                  return sdf::capsule(x, y, ax * kScale, ay * kScale, bx * kScale, by * kScale, width * kScale * 0.5f);
              },
              solid(c));
}

// Speed console, 256 x 32 units: a trapezoid whose slanted sides continue
// the menu button's below it, a readout window for the speed text (y 6..14)
// and the slot the two bars fill (x 64..192, y 20..28).
Image speedGauge()
{
    Image img(256 * kScale, 32 * kScale);
    panel(img, {{32, 32}, {60, 4}, {196, 4}, {224, 32}}, kNormal, 32);
    slot(img, {{78, 5}, {178, 5}, {178, 15}, {78, 15}});
    slot(img, {{62, 18}, {194, 18}, {194, 30}, {62, 30}});
    for (int k = 0; k <= 8; ++k) {
        const float x = 64.0f + 16.0f * k;
        line(img, x, 16.0f, x, 17.5f, k % 4 == 0 ? 1.2f : 0.7f, kNormal.edge);
    }
    return img;
}

// Laser heat gauge, 128 x 64 units (the hull gauge is the same art mirrored):
// a housing that fills the 45-degree gap between the missile and menu
// buttons and the speed console, around the slot of the bar that climbs from
// (16..32, 56) to (64..80, 8). The right part stays clear: the speed bars
// and text show through there.
Image heatGauge()
{
    Image img(128 * kScale, 64 * kScale);
    panel(img, {{2, 62}, {34, 62}, {94, 2}, {62, 2}}, kNormal, 64);
    slot(img, {{12, 58}, {34, 58}, {86, 6}, {64, 6}});
    for (int k = 0; k <= 6; ++k) {
        const float y = 56.0f - 8.0f * k;
        const float left = 8.0f + (56.0f - y);
        line(img, left + 1.0f, y, left + 4.0f, y, k % 3 == 0 ? 1.2f : 0.7f, kNormal.edge);
    }
    return img;
}

void label(Image& img, const std::string& text, float centreX, float baselineY, int pixelSize, Colour colour)
{
    const FontFace face(kSansBoldFont, pixelSize);
    face.draw(img, text, static_cast<int>(std::lround(centreX * kScale - face.textWidth(text) * 0.5f)),
              static_cast<int>(std::lround(baselineY * kScale)), colour);
}

// The menu button: the trapezoid of its hit area, (0,32) (32,0) (224,0) (256,32).
Image menuButton(const Style& style)
{
    Image img(256 * kScale, 32 * kScale);
    panel(img, {{0, 32}, {32, 0}, {224, 0}, {256, 32}}, style, 32);
    label(img, "MENU", 128.0f, 22.0f, 24, mix(style.edge, Colour{1, 1, 1, 1}, 0.4f));
    return img;
}

// A small missile pointing right, centred at (cx, cy).
void missileIcon(Image& img, float cx, float cy, Colour c)
{
    line(img, cx - 8.0f, cy, cx + 6.0f, cy, 3.0f, c);
    const Points nose = scaled({{cx + 6.0f, cy - 1.5f}, {cx + 10.0f, cy}, {cx + 6.0f, cy + 1.5f}});
    fillPolygon(img, nose, solid(c));
    const Points fins = scaled({{cx - 9.0f, cy - 4.0f}, {cx - 5.0f, cy - 1.0f}, {cx - 5.0f, cy + 1.0f},
                                {cx - 9.0f, cy + 4.0f}});
    fillPolygon(img, fins, solid(c));
}

// A lightning bolt inside a ring, centred at (cx, cy).
void empIcon(Image& img, float cx, float cy, Colour c)
{
    const float s = kScale;
    img.paint((cx - 7) * s, (cy - 7) * s, (cx + 7) * s, (cy + 7) * s,
              [&](float x, float y) { return sdf::ring(x, y, cx * s, cy * s, 5.5f * s, 0.6f * s); }, solid(c));
    const Points bolt = scaled({{cx + 1.0f, cy - 5.0f}, {cx - 2.5f, cy + 0.8f}, {cx + 0.2f, cy + 0.5f},
                                {cx - 1.0f, cy + 5.0f}, {cx + 2.5f, cy - 0.8f}, {cx - 0.2f, cy - 0.5f}});
    fillPolygon(img, bolt, solid(c));
}

// The count window, light so the black count printed there reads.
void countWindow(Image& img, float cx, float cy)
{
    const float s = kScale;
    img.paint((cx - 11) * s, (cy - 7) * s, (cx + 11) * s, (cy + 7) * s,
              [&](float x, float y) { return sdf::roundBox(x, y, cx * s, cy * s, 10 * s, 6 * s, 2.5f * s); },
              [&](float, float y) {
                  return mix(Colour{0.92f, 0.96f, 0.9f, 1}, Colour{0.7f, 0.78f, 0.72f, 1}, clamp01((y / s - cy + 6) / 12));
              });
}

// The missile button leans left, (0,32) (32,0) (64,0) (32,32); its count is
// printed at x 20..28, y 20..28.
Image missileButton(const Style& style)
{
    Image img(64 * kScale, 32 * kScale);
    panel(img, {{0, 32}, {32, 0}, {64, 0}, {32, 32}}, style, 32);
    missileIcon(img, 42.0f, 8.5f, style.edge);
    countWindow(img, 24.0f, 24.0f);
    return img;
}

// The EMP button is its mirror, (0,0) (32,0) (64,32) (32,32); count at x 36..44.
Image empButton(const Style& style)
{
    Image img(64 * kScale, 32 * kScale);
    panel(img, {{0, 0}, {32, 0}, {64, 32}, {32, 32}}, style, 32);
    empIcon(img, 23.0f, 9.0f, style.edge);
    countWindow(img, 40.0f, 24.0f);
    return img;
}

// Corner brackets drawn 64 x 64 around the target, with a dark outline so
// they read against bright ships and the station.
Image targetBracket()
{
    Image img(64 * kScale, 64 * kScale);
    const Colour outline{0.0f, 0.0f, 0.0f, 0.55f}, amber{1.0f, 0.82f, 0.35f, 1.0f};
    for (int pass = 0; pass < 2; ++pass) {
        const float w = pass == 0 ? 4.0f : 2.0f;
        const Colour c = pass == 0 ? outline : amber;
        for (int corner = 0; corner < 4; ++corner) {
            const float x = (corner & 1) ? 60.0f : 4.0f, y = (corner & 2) ? 60.0f : 4.0f;
            const float dx = (corner & 1) ? -14.0f : 14.0f, dy = (corner & 2) ? -14.0f : 14.0f;
            line(img, x, y, x + dx, y, w, c);
            line(img, x, y, x, y + dy, w, c);
        }
        line(img, 32.0f, 2.0f, 32.0f, 8.0f, w, c);
        line(img, 32.0f, 56.0f, 32.0f, 62.0f, w, c);
        line(img, 2.0f, 32.0f, 8.0f, 32.0f, w, c);
        line(img, 56.0f, 32.0f, 62.0f, 32.0f, w, c);
    }
    return img;
}

// The aiming cross, 32 x 32 at one texel per unit: pixel art in four palette
// colours, index 0 the transparent colour key.
void writeCrosshair(const std::filesystem::path& gfxDir)
{
    const int n = 32;
    const std::vector<Colour> palette{{0.0f, 0.0f, 0.0f, 0.0f},
                                      {0.02f, 0.08f, 0.04f, 1.0f},
                                      {0.6f, 1.0f, 0.65f, 1.0f},
                                      {0.3f, 0.72f, 0.42f, 1.0f}};
    std::vector<uint8_t> px(static_cast<size_t>(n) * n, 0);
    auto set = [&](int x, int y, uint8_t v) {
        if (x >= 0 && y >= 0 && x < n && y < n)
            px[static_cast<size_t>(y) * n + x] = v;
    };
    // A broken ring of radius 11 around the centre (16, 16).
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float d = std::hypot(x + 0.5f - 16.0f, y + 0.5f - 16.0f);
            const bool nearArm = std::abs(x - 15.5f) < 4.0f || std::abs(y - 15.5f) < 4.0f;
            if (std::fabs(d - 11.0f) < 0.55f && !nearArm)
                set(x, y, 3);
        }
    // Four arms two pixels wide from radius 4 to 14, outlined, and a centre dot.
    auto arm = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0 - 1; y <= y1 + 1; ++y)
            for (int x = x0 - 1; x <= x1 + 1; ++x)
                set(x, y, 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, 2);
    };
    arm(15, 2, 16, 11);
    arm(15, 20, 16, 29);
    arm(2, 15, 11, 16);
    arm(20, 15, 29, 16);
    arm(15, 15, 16, 16);
    writeFile(gfxDir / "crosshair.tga", encodeTgaPaletted(n, n, px, palette));
}

} // namespace

void paintHudTextures(const std::filesystem::path& gfxDir)
{
    writeCrosshair(gfxDir);
    saveTexture(gfxDir, "target", targetBracket(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "guageSpeeds", speedGauge(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "guageHeatHull", heatGauge(), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonMenu", menuButton(kNormal), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonMenuH", menuButton(kHovered), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonMissile", missileButton(kNormal), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonMissileH", missileButton(kHovered), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonEmp", empButton(kNormal), TgaDepth::Rgba32);
    saveTexture(gfxDir, "buttonEmpH", empButton(kHovered), TgaDepth::Rgba32);
}

} // namespace gfxgen
