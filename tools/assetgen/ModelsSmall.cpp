#include "ModelShapes.h"
#include "Models.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <utility>

namespace modelgen {

namespace {

// One region for every face of a part that is painted all over alike.
RegionPicker pickOnly(const SkinRegion& region)
{
    return pickByAxis({region, region, region, region, region, region});
}

// Quarter turn about the z axis.
Vec3 quarterZ(Vec3 p) { return {-p.y, p.x, p.z}; }

Vec3 quarterX(Vec3 p) { return {p.x, -p.z, p.y}; }

const std::array<GifColour, 16> kRamps{{{232, 232, 236}, {205, 35, 35}, {38, 40, 46}, {235, 195, 45},
                                        {130, 200, 255}, {205, 120, 60}, {95, 100, 110}, {225, 120, 30},
                                        {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128},
                                        {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}};
enum { White, Red, Dark, Yellow, Glow, Copper, Metal, Orange };

}  // namespace

BuiltModel buildMissile()
{
    // Side views run nose to the right (a = z); b is y for faces facing +-x
    // and x for faces facing +-y, so fins and body share one painting.
    const SkinRegion bodyX{0, 0, 96, 64, 2, 1, -11, 13, -6, 6};
    const SkinRegion bodyY{0, 0, 96, 64, 2, 0, -11, 13, -6, 6};
    const SkinRegion tail{96, 0, 32, 32, 0, 1, -6, 6, -6, 6};
    const RegionPicker pick = pickByAxis({bodyX, bodyX, bodyY, bodyY, bodyX, tail});

    ModelMesh mesh(128, 64);
    mesh.addSolid(loft({ringZ(0, 0, -11, 1.8f, 1.8f, 8), ringZ(0, 0, -10, 2.1f, 2.1f, 8),
                        ringZ(0, 0, 6, 2.1f, 2.1f, 8), ringZ(0, 0, 9, 1.7f, 1.7f, 8), Ring{{0, 0, 13}}}),
                  pick);
    Solid fin = prism({{1.5f, -0.3f, -11}, {5.5f, -0.3f, -11}, {5.5f, -0.3f, -8}, {1.5f, -0.3f, -3}}, {0, 0.6f, 0});
    Solid canard = prism({{1.5f, -0.25f, 3.5f}, {3.4f, -0.25f, 4.5f}, {3.4f, -0.25f, 5.5f}, {1.5f, -0.25f, 6.5f}},
                         {0, 0.5f, 0});
    for (int i = 0; i < 4; ++i) {
        mesh.addSolid(fin, pick);
        mesh.addSolid(canard, pick);
        fin = transformed(fin, quarterZ);
        canard = transformed(canard, quarterZ);
    }

    SkinCanvas skin(128, 64, kRamps);
    const int base = SkinCanvas::kBase;
    skin.grain(regionRect(bodyX), White, base, 1, 51);
    skin.fill(worldRect(bodyX, 7, 13, -6, 6), Red, base);
    skin.fill(worldRect(bodyX, 2.5f, 3.5f, -6, 6), Yellow, base);
    skin.fill(worldRect(bodyX, -3, -1.5f, -6, 6), Dark, 4);
    for (float sign : {-1.0f, 1.0f}) {
        skin.fill(worldRect(bodyX, -11, 7, sign * 2.2f, sign * 6), Metal, base - 2);
        skin.fill(worldRect(bodyX, -11, -9.5f, sign * 2.2f, sign * 6), Red, base);
    }
    skin.fill(regionRect(tail), Dark, 3);
    skin.disc(tail.pixelX(0), tail.pixelY(0), 6, Glow, 15, 9);
    return {std::move(mesh), std::move(skin), std::nullopt};
}

BuiltModel buildEmp()
{
    const SkinRegion shellX{0, 0, 64, 64, 2, 1, -8, 8, -8, 8};
    const SkinRegion shellY{64, 0, 64, 64, 0, 2, -8, 8, -8, 8};
    const SkinRegion shellZ{0, 64, 64, 64, 0, 1, -8, 8, -8, 8};
    const SkinRegion band{64, 64, 64, 16, 0, 1, -9.5f, 9.5f, -1.7f, 1.7f};
    const SkinRegion prong{64, 80, 64, 16, 0, 1, -14, 14, -14, 14};
    const SkinRegion tip{64, 96, 64, 32, 0, 1, -16, 16, -16, 16};

    ModelMesh mesh(128, 128);
    mesh.addSolid(ellipsoid({0, 0, 0}, {8, 8, 8}, 7, 14), pickByAxis({shellX, shellX, shellY, shellY, shellZ, shellZ}));
    mesh.addSolid(loft({ringY(0, -1.6f, 0, 9.3f, 9.3f, 16), ringY(0, 1.6f, 0, 9.3f, 9.3f, 16)}), pickOnly(band));
    Solid rod = box({-0.7f, -0.7f, 6}, {0.7f, 0.7f, 13});
    Solid ball = loft({Ring{{0, 0, 11.8f}}, ringZ(0, 0, 14, 2.2f, 2.2f, 6), Ring{{0, 0, 16.2f}}});
    // Electrodes along +-x, +-y and +-z.
    const std::array<std::function<Vec3(Vec3)>, 6> turns{
        [](Vec3 p) { return p; },
        [](Vec3 p) { return Vec3{p.x, p.y, -p.z}; },
        [](Vec3 p) { return Vec3{p.z, p.y, p.x}; },
        [](Vec3 p) { return Vec3{-p.z, p.y, p.x}; },
        [](Vec3 p) { return quarterX(p); },
        [](Vec3 p) { return Vec3{p.x, p.z, p.y}; }};
    for (const auto& turn : turns) {
        mesh.addSolid(transformed(rod, turn), pickOnly(prong));
        mesh.addSolid(transformed(ball, turn), pickOnly(tip));
    }

    SkinCanvas skin(128, 128, kRamps);
    const int base = SkinCanvas::kBase;
    for (const SkinRegion* s : {&shellX, &shellY, &shellZ}) {
        skin.plates(regionRect(*s), 4, 4, Metal, base - 3, 52);
        skin.stripes(worldRect(*s, -8, 8, 4, 6), 3, Yellow, base, Dark, 3);
    }
    skin.grain(regionRect(band), Glow, base + 1, 2, 53);
    for (float a = -9; a < 9.5f; a += 3)
        skin.fill(worldRect(band, a, a + 0.6f, -2, 2), Dark, 4);
    skin.grain(regionRect(prong), Copper, base, 1, 54);
    skin.grain(regionRect(tip), Glow, 14, 1, 59);
    return {std::move(mesh), std::move(skin), std::nullopt};
}

BuiltModel buildCargo()
{
    const SkinRegion sideX{0, 0, 128, 64, 2, 1, -15, 15, -17, 17};
    const SkinRegion sideZ{0, 0, 128, 64, 0, 1, -15, 15, -17, 17};
    const SkinRegion ends{0, 64, 64, 64, 0, 2, -15, 15, -15, 15};
    const SkinRegion valve{64, 64, 64, 64, 0, 1, -5, 5, 14, 20};
    const RegionPicker pick = pickByAxis({sideX, sideX, ends, ends, sideZ, sideZ});

    ModelMesh mesh(128, 128);
    std::vector<Ring> rings;
    for (const auto& [y, radius] : std::initializer_list<std::pair<float, float>>{
             {-16, 12.5f}, {-15, 14.5f}, {-12, 14.5f}, {-11, 13.5f}, {11, 13.5f}, {12, 14.5f}, {15, 14.5f}, {16, 12.5f}})
        rings.push_back(ringY(0, y, 0, radius, radius, 12));
    mesh.addSolid(loft(rings), pick);
    mesh.addSolid(loft({ringY(0, 15.5f, 0, 3.5f, 3.5f, 8), ringY(0, 18.5f, 0, 3.5f, 3.5f, 8),
                        ringY(0, 19.5f, 0, 2.5f, 2.5f, 8)}),
                  pickOnly(valve));

    SkinCanvas skin(128, 128, kRamps);
    const int base = SkinCanvas::kBase;
    skin.grain(regionRect(sideX), Orange, base - 1, 1, 55);
    for (float a = -15; a < 15; a += 2.5f)
        skin.fill(worldRect(sideX, a, a + 0.4f, -11, 11), Orange, base - 4);
    for (float sign : {-1.0f, 1.0f})
        skin.plates(worldRect(sideX, -15, 15, sign * 11, sign * 17), 6, 1, Metal, base - 1, 56);
    skin.stripes(worldRect(sideX, -15, 15, -9, -6), 4, Yellow, base, Dark, 3);
    skin.fill(worldRect(sideX, -6, 6, 1, 9), White, base);
    for (int i = 0; i < 10; ++i)
        skin.fill(worldRect(sideX, -5 + i * 1.1f, -4.6f + i * 1.1f + (i % 3) * 0.3f, 2, 5.5f), Dark, 2);
    skin.fill(worldRect(sideX, -5, 1, 6.5f, 8), Dark, 3);
    skin.plates(regionRect(ends), 3, 3, Metal, base - 2, 57);
    skin.disc(ends.x + 32, ends.y + 32, 18, Dark, 5, 6);
    skin.disc(ends.x + 32, ends.y + 32, 12, Metal, base, base - 3);
    skin.grain(regionRect(valve), Red, base - 1, 1, 58);
    return {std::move(mesh), std::move(skin), std::nullopt};
}

}  // namespace modelgen
