#include "ModelShapes.h"
#include "Models.h"

namespace modelgen {

namespace {

// A pilot in a flight suit and a white helmet, facing +z (the viewer).
struct CommanderRegions {
    SkinRegion suitFront{0, 0, 128, 128, 0, 1, -32, 32, -44, 0};
    SkinRegion suitBack{128, 0, 128, 128, 0, 1, -32, 32, -44, 0};
    SkinRegion suitSide{0, 128, 64, 64, 2, 1, -20, 20, -44, 0};
    SkinRegion suitTop{64, 128, 64, 64, 0, 2, -32, 32, -20, 20};
    SkinRegion helmetFront{128, 128, 64, 64, 0, 1, -15, 15, 2, 31};
    SkinRegion helmetSide{192, 128, 64, 64, 2, 1, -15, 15, 2, 31};
    SkinRegion helmetBack{128, 192, 64, 64, 0, 1, -15, 15, 2, 31};
    SkinRegion helmetTop{192, 192, 64, 64, 0, 2, -15, 15, -15, 15};
    SkinRegion neck{0, 192, 64, 64, 0, 1, -9, 9, -4, 9};
};

enum { Suit, Dark, HelmetWhite, Visor, Red, Gold, Skin, Metal };

void paintSuit(SkinCanvas& skin, const CommanderRegions& r)
{
    const int base = SkinCanvas::kBase;
    for (const SkinRegion* s : {&r.suitFront, &r.suitBack, &r.suitSide, &r.suitTop})
        skin.grain(regionRect(*s), Suit, base - 1, 1, 61);
    // Harness straps over the shoulders, the chest buckle, badge and name tag.
    for (float x : {-15.0f, 11.0f}) {
        skin.fill(worldRect(r.suitFront, x, x + 4, -44, -2), Dark, 5);
        skin.fill(worldRect(r.suitBack, x, x + 4, -44, -2), Dark, 5);
        skin.fill(worldRect(r.suitTop, x, x + 4, -20, 20), Dark, 5);
    }
    skin.fill(worldRect(r.suitFront, -15, 15, -30, -27), Dark, 5);
    skin.fill(worldRect(r.suitFront, -3, 3, -32, -25), Metal, base + 2);
    skin.disc(r.suitFront.pixelX(-22), r.suitFront.pixelY(-16), 6, Gold, base + 2, base - 2);
    skin.disc(r.suitFront.pixelX(-22), r.suitFront.pixelY(-16), 3, Red, base, base);
    skin.fill(worldRect(r.suitFront, 17, 30, -18, -14), HelmetWhite, base);
    skin.fill(worldRect(r.suitFront, 18, 27, -16.5f, -15.5f), Dark, 4);
    skin.fill(worldRect(r.suitSide, -20, 20, -10, -6), Red, base - 1);
    skin.disc(r.suitSide.pixelX(0), r.suitSide.pixelY(-16), 5, Gold, base + 1, base - 2);
    skin.grain(regionRect(r.neck), Dark, 5, 1, 62);
}

void paintHelmet(SkinCanvas& skin, const CommanderRegions& r)
{
    const int base = SkinCanvas::kBase;
    for (const SkinRegion* s : {&r.helmetFront, &r.helmetSide, &r.helmetBack, &r.helmetTop})
        skin.grain(regionRect(*s), HelmetWhite, base - 1, 1, 63);
    // Visor: dark glass with a sky reflection; breathing mask below it.
    skin.fill(worldRect(r.helmetFront, -11, 11, 12, 23.5f), Visor, base - 6);
    skin.fill(worldRect(r.helmetFront, -10, 10, 20.5f, 22), Visor, base);
    skin.fill(worldRect(r.helmetFront, -7, -2, 14, 19.5f), Visor, base - 3);
    skin.outline(worldRect(r.helmetFront, -11.5f, 11.5f, 11.5f, 24), Metal, base - 2);
    skin.fill(worldRect(r.helmetFront, -5.5f, 5.5f, 4.5f, 11), Metal, base - 3);
    for (float y = 5.5f; y < 10.5f; y += 1.5f)
        skin.fill(worldRect(r.helmetFront, -3.5f, 3.5f, y, y + 0.6f), Dark, 4);
    skin.fill(worldRect(r.helmetSide, 7, 15, 12, 23.5f), Visor, base - 6);
    skin.disc(r.helmetSide.pixelX(-1), r.helmetSide.pixelY(15), 8, Metal, base - 1, base - 4);
    // The commander's stripe over the crown.
    skin.fill(worldRect(r.helmetTop, -2, 2, -15, 15), Red, base);
    skin.fill(worldRect(r.helmetFront, -2, 2, 24, 31), Red, base);
    skin.fill(worldRect(r.helmetBack, -2, 2, 10, 31), Red, base);
}

}  // namespace

BuiltModel buildCommander()
{
    const CommanderRegions r;
    const RegionPicker suit =
        pickByAxis({r.suitSide, r.suitSide, r.suitTop, r.suitTop, r.suitFront, r.suitBack});
    const RegionPicker helmet =
        pickByAxis({r.helmetSide, r.helmetSide, r.helmetTop, r.helmetTop, r.helmetFront, r.helmetBack});
    const RegionPicker neck = pickByAxis({r.neck, r.neck, r.neck, r.neck, r.neck, r.neck});

    ModelMesh mesh(256, 256);
    mesh.addSolid(loft({ringY(0, -42, -1, 30, 15, 16, 3), ringY(0, -20, 0, 31, 15, 16, 3),
                        ringY(0, -11, 0, 29, 14, 16, 3), ringY(0, -5, 0, 21, 11, 16, 3),
                        ringY(0, -1, 0, 11, 9, 16, 3)}),
                  suit);
    mesh.addSolid(loft({ringY(0, -3, 0.5f, 8.5f, 8.5f, 12), ringY(0, 2, 0.5f, 8.5f, 8.5f, 12)}), suit);
    mesh.addSolid(loft({ringY(0, -2, 0.5f, 5.5f, 5.5f, 10), ringY(0, 8, 0.5f, 5.5f, 5.5f, 10)}), neck);
    mesh.addSolid(ellipsoid({0, 16, 0.5f}, {12.5f, 14, 13.5f}, 8, 16), helmet);
    const Solid earCup = loft({ring({10, 15, 0}, {0, 1, 0}, {0, 0, 1}, 5, 5, 10),
                               ring({14.5f, 15, 0}, {0, 1, 0}, {0, 0, 1}, 5, 5, 10)});
    mesh.addSolid(earCup, helmet);
    mesh.addSolid(mirroredX(earCup), helmet);
    mesh.addSolid(box({-1.5f, 27.5f, -9}, {1.5f, 31, 5}), helmet);

    SkinCanvas skin(256, 256, {{{62, 84, 118}, {36, 38, 44}, {230, 232, 236}, {70, 110, 150},
                                {200, 40, 40}, {220, 180, 60}, {210, 160, 130}, {140, 145, 155},
                                {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128},
                                {128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}});
    skin.fill({0, 0, 256, 256}, Dark, 5);
    paintSuit(skin, r);
    paintHelmet(skin, r);
    return {std::move(mesh), std::move(skin), std::nullopt};
}

}  // namespace modelgen
