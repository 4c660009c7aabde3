#include "ModelShapes.h"
#include "Models.h"

#include <cmath>

namespace modelgen {

namespace {

// Grid lines of the station's box frame. Cells: towers at the ends of x, the
// hub in the middle (holding the docking tunnel), and between them the top
// and bottom spars with a solar array in the z = 0 plane.
const std::vector<float> kXs{-1300, -1150, -300, -100, 100, 300, 1150, 1300};
const std::vector<float> kYs{-650, -525, -475, -100, 100, 475, 525, 650};
const std::vector<float> kZs{-200, -150, -10, 10, 150, 200};

bool frameCell(int i, int j, int k)
{
    const bool tower = i == 0 || i == 6;
    const bool hub = i >= 2 && i <= 4;
    const bool tunnel = i == 3 && j == 3 && k >= 1;
    const bool spar = (j == 0 || j == 6) && k >= 1 && k <= 3;
    const bool array = j >= 2 && j <= 4 && k == 2;
    return tower || (hub && !tunnel) || (!hub && (spar || array));
}

struct StationRegions {
    SkinRegion front{0, 0, 512, 256, 0, 1, -1300, 1300, -650, 650};
    SkinRegion back{0, 256, 256, 128, 0, 1, -1300, 1300, -650, 650};
    SkinRegion side{256, 256, 64, 128, 2, 1, -200, 200, -650, 650};
    SkinRegion plan{0, 384, 512, 64, 0, 2, -1300, 1300, -200, 200};
    SkinRegion tunnelX{320, 256, 96, 64, 2, 1, -150, 200, -100, 100};
    SkinRegion tunnelY{320, 256, 96, 64, 2, 0, -150, 200, -100, 100};
    SkinRegion tunnelEnd{416, 256, 64, 64, 0, 1, -100, 100, -100, 100};
    SkinRegion drumX{320, 320, 192, 64, 2, 1, -490, -190, -560, 560};
    SkinRegion drumY{320, 320, 192, 64, 2, 0, -490, -190, -560, 560};
    SkinRegion drumEnd{0, 448, 64, 64, 0, 1, -560, 560, -560, 560};
    SkinRegion mast{480, 256, 32, 64, 2, 1, -700, -190, -800, 800};
};

enum { Hull, Dark, Window, Solar, Hazard, Red, Green, BayLight, White, Foil };

void paintFront(SkinCanvas& skin, const SkinRegion& f)
{
    const int base = SkinCanvas::kBase;
    skin.plates(regionRect(f), 26, 13, Hull, base - 1, 31);
    for (float sign : {-1.0f, 1.0f}) {
        const float x0 = sign < 0 ? -1150.0f : 300.0f;
        skin.fill(worldRect(f, x0, x0 + 850, -475, 475), Solar, base - 5);
        for (float x = x0 + 10; x < x0 + 840; x += 52.5f)
            for (float y = -465; y < 465; y += 58)
                skin.grain(worldRect(f, x, x + 45, y, y + 50), Solar, base - 2, 1, 32);
        skin.fill(worldRect(f, x0, x0 + 850, -8, 8), Foil, base);
        skin.fill(worldRect(f, x0, x0 + 850, 525, 545), Hazard, base);
        skin.fill(worldRect(f, x0, x0 + 850, -545, -525), Hazard, base);
        const float tower = sign < 0 ? -1300.0f : 1150.0f;
        for (float y = -560; y < 560; y += 70)
            skin.windowRow(worldRect(f, tower + 20, tower + 130, y, y + 25), 3, 0.6f, Window, base + 1);
    }
    for (float y = 140; y < 620; y += 60) {
        skin.windowRow(worldRect(f, -290, 290, y, y + 22), 10, 0.55f, Window, base + 1);
        skin.windowRow(worldRect(f, -290, 290, -y - 22, -y), 10, 0.55f, Window, base + 1);
    }
    skin.stripes(worldRect(f, -160, 160, -160, 160), 5, Hazard, base, Dark, 3);
    skin.fill(worldRect(f, -100, 100, -100, 100), Dark, 2);
    for (float x : {-130.0f, 130.0f}) {
        skin.disc(f.pixelX(x), f.pixelY(130), 3, Red, 15, 11);
        skin.disc(f.pixelX(x), f.pixelY(-130), 3, Green, 15, 11);
    }
    // Lamp housings under the running lights along the arms.
    for (float x : {250.0f, 650.0f, 950.0f, 1300.0f})
        for (float sx : {-1.0f, 1.0f})
            for (float y : {-640.0f, 640.0f})
                skin.disc(f.pixelX(sx * x), f.pixelY(y), 2.5f, Red, 13, 9);
}

void paintOthers(SkinCanvas& skin, const StationRegions& r)
{
    const int base = SkinCanvas::kBase;
    skin.plates(regionRect(r.back), 20, 10, Hull, base - 2, 33);
    for (float x0 : {-1150.0f, 300.0f}) {
        skin.fill(worldRect(r.back, x0, x0 + 850, -475, 475), Foil, base - 3);
        for (float x = x0; x < x0 + 850; x += 106.25f)
            skin.fill(worldRect(r.back, x, x + 8, -475, 475), Dark, 4);
    }

    skin.plates(regionRect(r.side), 3, 10, Hull, base - 1, 34);
    for (float y = -600; y < 600; y += 80)
        skin.windowRow(worldRect(r.side, -160, 160, y, y + 25), 4, 0.6f, Window, base + 1);
    skin.plates(regionRect(r.plan), 40, 4, Hull, base - 1, 35);
    for (float x0 : {-1150.0f, 300.0f})
        skin.stripes(worldRect(r.plan, x0, x0 + 850, -20, 20), 4, Hazard, base, Dark, 3);

}

// The tunnel: dark walls ringed by landing lights every 50 units, a lit frame
// on the end wall.
void paintTunnel(SkinCanvas& skin, const StationRegions& r)
{
    const int base = SkinCanvas::kBase;
    skin.grain(regionRect(r.tunnelX), Dark, 6, 1, 36);
    for (float z = -125; z < 200; z += 50)
        skin.fill(worldRect(r.tunnelX, z - 4, z + 4, -100, 100), BayLight, base + 2);
    skin.stripes(worldRect(r.tunnelX, 170, 200, -100, 100), 4, Hazard, base, Dark, 3);
    skin.grain(regionRect(r.tunnelEnd), Dark, 5, 1, 37);
    skin.outline(worldRect(r.tunnelEnd, -80, 80, -80, 80), Green, 14);
    skin.outline(worldRect(r.tunnelEnd, -76, 76, -76, 76), Green, 12);
}

// Drum and habitat ring in gold foil with rows of windows; the antenna masts.
void paintDrum(SkinCanvas& skin, const StationRegions& r)
{
    const int base = SkinCanvas::kBase;
    skin.plates(regionRect(r.drumX), 12, 8, Foil, base - 1, 38);
    for (float b = -540; b < 540; b += 60)
        skin.windowRow(worldRect(r.drumX, -480, -200, b, b + 20), 10, 0.5f, Window, base + 1);
    skin.stripes(worldRect(r.drumX, -410, -330, -560, 560), 6, Hull, base, Hull, base - 3);
    for (float b = -530; b < 530; b += 45)
        skin.windowRow(worldRect(r.drumX, -400, -340, b, b + 15), 3, 0.5f, Window, base + 2);
    // Ends of the drum and ring: plating, the ring's lit window band, the hatch.
    const float cx = r.drumEnd.pixelX(0), cy = r.drumEnd.pixelY(0);
    const float unit = r.drumEnd.w / 1120.0f;
    skin.plates(regionRect(r.drumEnd), 4, 4, Hull, base - 2, 40);
    skin.disc(cx, cy, 500 * unit, Window, base + 1, base + 1);
    skin.disc(cx, cy, 470 * unit, Hull, base - 2, base - 2);
    skin.disc(cx, cy, 270 * unit, Foil, base - 2, base);
    skin.disc(cx, cy, 90 * unit, Dark, 4, 6);
    skin.disc(cx, cy, 25 * unit, Red, 15, 12);
    skin.grain(regionRect(r.mast), Hull, base - 3, 1, 39);
    for (float b = 660; b < 800; b += 30)
        for (float sign : {-1.0f, 1.0f})
            skin.fill(worldRect(r.mast, -700, -190, sign * b, sign * (b + 12)), Red, base);
}

Vec3 quarterTurnZ(Vec3 p) { return {-p.y, p.x, p.z}; }

ModelMesh stationMesh(const StationRegions& r)
{
    const RegionPicker outer = pickByAxis({r.side, r.side, r.plan, r.plan, r.front, r.back});
    const RegionPicker frame = [&r, outer](Vec3 c, Vec3 n) -> const SkinRegion& {
        const bool inTunnel = std::fabs(c.x) < 101 && std::fabs(c.y) < 101 && c.z < 199 && c.z > -151;
        if (!inTunnel)
            return outer(c, n);
        if (std::fabs(n.z) > std::fabs(n.x) && std::fabs(n.z) > std::fabs(n.y))
            return r.tunnelEnd;
        return std::fabs(n.x) > std::fabs(n.y) ? r.tunnelX : r.tunnelY;
    };
    const RegionPicker drum = pickByAxis({r.drumX, r.drumX, r.drumY, r.drumY, r.drumEnd, r.drumEnd});
    const RegionPicker mast = pickByAxis({r.mast, r.mast, r.mast, r.mast, r.drumEnd, r.drumEnd});
    const RegionPicker post = pickByAxis({r.mast, r.mast, r.mast, r.mast, r.mast, r.mast});

    ModelMesh mesh(512, 512);
    mesh.addSolid(gridSolid(kXs, kYs, kZs, frameCell), frame);
    mesh.addSolid(loft({ringZ(0, 0, -190, 280, 280, 16), ringZ(0, 0, -460, 280, 280, 16),
                        ringZ(0, 0, -485, 200, 200, 16)}),
                  drum);
    // Habitat ring on four spokes round the drum.
    mesh.addSolid(annulusZ(-410, -330, 340, 560, 24), drum);
    Solid spoke = box({270, -25, -395}, {350, 25, -345});
    for (int quarter = 0; quarter < 4; ++quarter) {
        mesh.addSolid(spoke, drum);
        spoke = transformed(spoke, quarterTurnZ);
    }
    // Beacon masts on the four tower ends; an antenna and dish behind the drum.
    for (float sx : {-1.0f, 1.0f})
        for (float sy : {-1.0f, 1.0f}) {
            const auto place = [foot = Vec3{sx * 1225, sy * 650, 0}, sy](Vec3 p) {
                return foot + Vec3{p.x, sy * p.y, p.z};
            };
            mesh.addSolid(transformed(box({-12.5f, 0, -12.5f}, {12.5f, 100, 12.5f}), place), post);
            mesh.addSolid(transformed(ellipsoid({0, 118, 0}, {22, 22, 22}, 3, 8), place), post);
        }
    mesh.addSolid(box({-12.5f, -12.5f, -700}, {12.5f, 12.5f, -470}), mast);
    mesh.addSolid(loft({Ring{{0, 0, -600}}, ringZ(0, 0, -640, 110, 110, 16), Ring{{0, 0, -625}}}), mast);
    return mesh;
}

}  // namespace

BuiltModel buildSpacestation()
{
    const StationRegions r;
    SkinCanvas skin(512, 512, {{{172, 177, 188}, {30, 32, 38}, {255, 222, 140}, {50, 80, 175},
                                {235, 190, 40}, {230, 40, 30}, {40, 220, 90}, {130, 200, 255},
                                {240, 240, 245}, {205, 165, 70}, {128, 128, 128}, {128, 128, 128},
                                {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}});
    skin.fill({0, 0, 512, 512}, Dark, 5);
    paintFront(skin, r.front);
    paintOthers(skin, r);
    paintTunnel(skin, r);
    paintDrum(skin, r);
    ModelMesh mesh = stationMesh(r);
    // The frame's corners all fall on this byte lattice, so the bay edges at
    // +-100 and the arm ends at +-1300 and +-650 stay exact in the file.
    const Md2Grid grid{{12.5f, 6.25f, 5.0f}, {-1300, -800, -700}};
    return {std::move(mesh), std::move(skin), grid};
}

}  // namespace modelgen
