#include "ModelShapes.h"
#include "Models.h"

namespace modelgen {

namespace {

// Shared skin regions of a ship: plan views top and bottom (x across, nose
// up), side elevation (nose right), front and back, and the canopy glass.
struct ShipRegions {
    SkinRegion top, bottom, side, front, back, glassTop, glassSide;
    RegionPicker hull() const { return pickByAxis({side, side, top, bottom, front, back}); }
    RegionPicker glass() const
    {
        return pickByAxis({glassSide, glassSide, glassTop, glassTop, glassTop, glassTop});
    }
};

// Paints `r` of a plan, front or back view and its mirror image across x = 0.
template <typename Paint>
void mirrored(const SkinRegion& region, float a0, float a1, float b0, float b1, Paint paint)
{
    paint(worldRect(region, a0, a1, b0, b1));
    paint(worldRect(region, -a1, -a0, b0, b1));
}

void canopyGlass(SkinCanvas& skin, const ShipRegions& r, int glass, int frame, float zBar0, float zBar1)
{
    for (const SkinRegion* g : {&r.glassTop, &r.glassSide}) {
        skin.grain(regionRect(*g), glass, SkinCanvas::kBase - 2, 1, 7);
        const PixelRect all = regionRect(*g);
        skin.fill({all.x0, all.y0 + 3, all.x1, all.y0 + 6}, glass, SkinCanvas::kBase + 2);
    }
    for (float z : {zBar0, zBar1}) {
        skin.fill(worldRect(r.glassTop, -20, 20, z - 0.6f, z + 0.6f), frame, 4);
        skin.fill(worldRect(r.glassSide, z - 0.6f, z + 0.6f, -20, 40), frame, 4);
    }
}

namespace explorer {

enum { Hull, Orange, Metal, Glass, Glow, Hazard, Dark, PortRed, StarboardGreen, Lamp };

const ShipRegions kRegions{
        {0, 0, 112, 160, 0, 2, -46, 46, -56, 60},   {112, 0, 112, 160, 0, 2, -46, 46, -56, 60},
        {0, 160, 144, 64, 2, 1, -56, 60, -14, 24},  {144, 160, 56, 48, 0, 1, -46, 46, -14, 24},
        {200, 160, 56, 48, 0, 1, -46, 46, -14, 24}, {224, 0, 32, 80, 0, 2, -10, 10, 14, 52},
        {224, 80, 32, 80, 2, 1, 14, 52, 6, 20}};

// A stubby trader: a fat rounded hull with a raised hold on its back, two
// engine pods half sunk into its flanks and a bubble canopy.
ModelMesh mesh()
{
    const ShipRegions& r = kRegions;
    ModelMesh mesh(256, 256);
    mesh.addSolid(loft({ringZ(0, 0, -48, 24, 13, 12, 3), ringZ(0, 0, -36, 30, 17, 12, 3),
                        ringZ(0, 0, 12, 30, 17, 12, 3), ringZ(0, -1, 36, 24, 13, 12, 3),
                        ringZ(0, -1, 50, 14, 8, 12, 3), ringZ(0, -1, 57, 6, 4, 12, 3)}),
                  r.hull());
    mesh.addSolid(loft({ringZ(0, 0, -53, 9, 9, 12), ringZ(0, 0, -44, 9, 9, 12)}), r.hull());
    mesh.addSolid(box({-18, 12, -42}, {18, 21, -6}), r.hull());
    const Solid pod = loft({ringZ(36, -3, -52, 8, 8, 10), ringZ(36, -3, -47, 9, 9, 10),
                            ringZ(36, -3, -8, 9, 9, 10), ringZ(36, -3, 2, 5, 5, 10), Ring{{36, -3, 7}}});
    mesh.addSolid(pod, r.hull());
    mesh.addSolid(mirroredX(pod), r.hull());
    mesh.addSolid(loft({Ring{{0, 13, 15}}, ringZ(0, 15, 22, 8, 4.5f, 10), ringZ(0, 14.5f, 34, 9, 4.5f, 10),
                        ringZ(0, 11, 45, 6, 3.5f, 10), Ring{{0, 8, 51}}}),
                  r.glass());
    return mesh;
}

SkinCanvas skin()
{
    const ShipRegions& r = kRegions;
    SkinCanvas skin(256, 256, {{{200, 182, 140}, {228, 118, 32}, {112, 118, 128}, {70, 150, 210},
                                {120, 185, 255}, {240, 200, 40}, {34, 34, 40}, {255, 50, 40},
                                {50, 230, 70}, {255, 236, 170}, {128, 128, 128}, {128, 128, 128},
                                {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}});
    skin.fill({0, 0, 256, 256}, Dark, 6);
    const int base = SkinCanvas::kBase;

    // Plan views: cream plating, orange trade bands, the raised hold with its hatches.
    skin.plates(regionRect(r.top), 7, 10, Hull, base - 1, 11);
    mirrored(r.top, 19, 25, -46, 40, [&](PixelRect p) { skin.fill(p, Orange, base); });
    skin.plates(worldRect(r.top, -18, 18, -42, -6), 2, 3, Orange, base - 2, 12);
    skin.stripes(worldRect(r.top, -18, 18, -9, -6), 3, Hazard, base, Dark, 4);
    skin.fill(worldRect(r.top, -7, 7, 44, 58), Dark, 5);
    mirrored(r.top, 27, 45, -52, 7, [&](PixelRect p) { skin.plates(p, 1, 5, Metal, base - 1, 13); });
    mirrored(r.top, 33, 39, -2, 7, [&](PixelRect p) { skin.fill(p, Orange, base); });
    skin.disc(r.top.pixelX(42), r.top.pixelY(-30), 2.5f, PortRed, 15, 11);
    skin.disc(r.top.pixelX(-42), r.top.pixelY(-30), 2.5f, StarboardGreen, 15, 11);
    skin.plates(regionRect(r.bottom), 5, 8, Hull, base - 4, 14);
    mirrored(r.bottom, 10, 18, -30, -14, [&](PixelRect p) { skin.stripes(p, 3, Hazard, base, Dark, 4); });
    skin.fill(worldRect(r.bottom, -6, 6, 30, 42), Dark, 4);

    // Side: plating, a lit row of cabin windows, the orange band and a hull code.
    skin.plates(regionRect(r.side), 9, 3, Hull, base - 1, 15);
    skin.fill(worldRect(r.side, -50, 56, -6, -2), Orange, base);
    skin.windowRow(worldRect(r.side, -4, 30, 3, 7), 6, 0.6f, Lamp, base + 1);
    for (int i = 0; i < 4; ++i)
        skin.fill(worldRect(r.side, -40 + i * 6.0f, -36 + i * 6.0f, 8, 13), Dark, 3);
    skin.fill(worldRect(r.side, -56, -36, -14, 24), Metal, base - 2);

    // Front: dark nose ring with headlights; back: engine bells glowing blue.
    skin.plates(regionRect(r.front), 3, 2, Metal, base - 2, 16);
    skin.fill(worldRect(r.front, -14, 14, -9, 7), Dark, 5);
    mirrored(r.front, 8, 12, -4, 0, [&](PixelRect p) { skin.fill(p, Lamp, 15); });
    skin.fill(regionRect(r.back), Metal, base - 4);
    skin.disc(r.back.pixelX(0), r.back.pixelY(0), 9 * r.back.w / 92.0f, Glow, 15, 7);
    for (float x : {-36.0f, 36.0f})
        skin.disc(r.back.pixelX(x), r.back.pixelY(-3), 8 * r.back.w / 92.0f, Glow, 15, 7);

    canopyGlass(skin, r, Glass, Dark, 27, 39);
    return skin;
}

}  // namespace explorer

namespace fighter {

enum { Hull, Red, Dark, Glass, Glow, Yellow, White, StarboardGreen, PortRed };

const ShipRegions kRegions{
        {0, 0, 128, 160, 0, 2, -48, 48, -54, 64},   {128, 0, 128, 160, 0, 2, -48, 48, -54, 64},
        {0, 160, 160, 48, 2, 1, -54, 64, -8, 18},   {160, 160, 48, 48, 0, 1, -48, 48, -8, 18},
        {208, 160, 48, 48, 0, 1, -48, 48, -8, 18},  {160, 208, 48, 48, 0, 2, -6, 6, -2, 42},
        {208, 208, 48, 48, 2, 1, -2, 42, 2, 12}};

// A sleek fighter: a slim pointed fuselage with side intakes, swept delta
// wings with missile rails at the tips and twin canted fins.
ModelMesh mesh()
{
    const ShipRegions& r = kRegions;
    ModelMesh mesh(256, 256);
    mesh.addSolid(loft({ringZ(0, 0, -50, 6, 5, 10, 2.5f), ringZ(0, 0, -42, 9, 7, 10, 2.5f),
                        ringZ(0, 0, 0, 8, 7, 10, 2.5f), ringZ(0, -0.5f, 30, 5.5f, 5, 10, 2.5f),
                        ringZ(0, -0.5f, 50, 3, 2.5f, 10, 2.5f), Ring{{0, -1, 62}}}),
                  r.hull());
    mesh.addSolid(loft({ringZ(0, 0, -53, 5, 5, 10), ringZ(0, 0, -46, 5, 5, 10)}), r.hull());
    const Solid intake = box({6, -5, -30}, {11, 1, 5});
    const Solid wing = prism({{5, -2, -44}, {46, -2, -48}, {46, -2, -40}, {6, -2, 16}}, {0, 2.5f, 0});
    const Solid rail = loft({ringZ(46, -0.7f, -50, 1.6f, 1.6f, 6), ringZ(46, -0.7f, -20, 1.6f, 1.6f, 6),
                             Ring{{46, -0.7f, -12}}});
    const Solid fin = prism({{6, 4, -46}, {6, 4, -28}, {13, 17, -40}, {13, 17, -50}}, {1.2f, 0, 0});
    for (const Solid* part : {&intake, &wing, &rail, &fin}) {
        mesh.addSolid(*part, r.hull());
        mesh.addSolid(mirroredX(*part), r.hull());
    }
    mesh.addSolid(loft({Ring{{0, 4, 2}}, ringZ(0, 6.5f, 10, 3.8f, 3.2f, 10), ringZ(0, 6.5f, 22, 4.2f, 3.2f, 10),
                        ringZ(0, 5, 32, 3, 2, 10), Ring{{0, 3, 40}}}),
                  r.glass());
    return mesh;
}

SkinCanvas skin()
{
    const ShipRegions& r = kRegions;
    SkinCanvas skin(256, 256, {{{96, 102, 114}, {196, 30, 42}, {38, 40, 46}, {235, 165, 45},
                                {110, 170, 255}, {235, 200, 50}, {235, 235, 240}, {50, 230, 70},
                                {255, 50, 40}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128},
                                {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}});
    skin.fill({0, 0, 256, 256}, Dark, 6);
    const int base = SkinCanvas::kBase;

    // Plan views: gunmetal plating, red spine and nose, wing chevrons and roundels.
    skin.plates(regionRect(r.top), 8, 12, Hull, base - 1, 21);
    skin.fill(worldRect(r.top, -1.5f, 1.5f, -48, 4), Red, base);
    skin.fill(worldRect(r.top, -6, 6, 48, 64), Red, base);
    mirrored(r.top, 30, 44, -46, -38, [&](PixelRect p) { skin.stripes(p, 4, Red, base, Dark, 5); });
    mirrored(r.top, 6, 46, -40, -36, [&](PixelRect p) { skin.shadeBy(p, -2); });
    // Squadron mark: a yellow diamond edged in black with a red heart.
    for (float x : {-24.0f, 24.0f}) {
        skin.diamond(r.top.pixelX(x), r.top.pixelY(-28), 8, Dark, 3);
        skin.diamond(r.top.pixelX(x), r.top.pixelY(-28), 6.5f, Yellow, base);
        skin.diamond(r.top.pixelX(x), r.top.pixelY(-28), 2.5f, Red, base);
    }
    skin.disc(r.top.pixelX(46), r.top.pixelY(-14), 2.5f, PortRed, 15, 11);
    skin.disc(r.top.pixelX(-46), r.top.pixelY(-14), 2.5f, StarboardGreen, 15, 11);
    skin.plates(regionRect(r.bottom), 6, 10, Hull, base - 4, 22);
    mirrored(r.bottom, 14, 40, -36, -33, [&](PixelRect p) { skin.fill(p, White, base - 1); });
    mirrored(r.bottom, 6, 11, -30, 5, [&](PixelRect p) { skin.fill(p, Dark, 5); });

    // Side: red flash along the fuselage, squadron number blocks, dark intakes.
    skin.plates(regionRect(r.side), 10, 2, Hull, base - 1, 23);
    skin.fill(worldRect(r.side, -44, 48, -2, 0.5f), Red, base);
    skin.fill(worldRect(r.side, 50, 64, -8, 18), Red, base);
    skin.fill(worldRect(r.side, -30, 5, -5, 1), Dark, 5);
    for (int i = 0; i < 3; ++i)
        skin.fill(worldRect(r.side, -24 + i * 5.0f, -21 + i * 5.0f, 2, 5), Yellow, base);

    // Front: black intake mouths; back: the engine bell glowing blue.
    skin.plates(regionRect(r.front), 4, 2, Hull, base - 2, 24);
    mirrored(r.front, 6, 11, -5, 1, [&](PixelRect p) { skin.fill(p, Dark, 1); });
    skin.fill(regionRect(r.back), Dark, 6);
    skin.disc(r.back.pixelX(0), r.back.pixelY(0), 5 * r.back.w / 96.0f + 1, Glow, 15, 8);

    canopyGlass(skin, r, Glass, Dark, 14, 26);
    return skin;
}

}  // namespace fighter

}  // namespace

BuiltModel buildExplorer() { return {explorer::mesh(), explorer::skin(), std::nullopt}; }

BuiltModel buildFighter() { return {fighter::mesh(), fighter::skin(), std::nullopt}; }

}  // namespace modelgen
