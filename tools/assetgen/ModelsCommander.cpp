#include "ModelShapes.h"
#include "Models.h"

namespace modelgen {

namespace {

// A pilot in a flight suit and a white helmet, facing +z (the viewer).
struct CommanderRegions {
    SkinRegion suitFront{0, 0, 128, 128, 0, 1, -29, 29, -31, 0};
    SkinRegion suitBack{128, 0, 128, 128, 0, 1, -29, 29, -31, 0};
    SkinRegion suitSide{0, 128, 64, 64, 2, 1, -16, 16, -31, 0};
    SkinRegion suitTop{64, 128, 64, 64, 0, 2, -29, 29, -16, 16};
    SkinRegion helmetFront{128, 128, 64, 64, 0, 1, -18, 18, 1, 38};
    SkinRegion helmetSide{192, 128, 64, 64, 2, 1, -18, 18, 1, 38};
    SkinRegion helmetBack{128, 192, 64, 64, 0, 1, -18, 18, 1, 38};
    SkinRegion helmetTop{192, 192, 64, 64, 0, 2, -18, 18, -18, 18};
    SkinRegion neck{0, 192, 64, 64, 0, 1, -9, 9, -4, 9};
};

enum { Suit, Dark, HelmetWhite, Visor, Red, Gold, Skin, Metal };

void paintSuit(SkinCanvas& skin, const CommanderRegions& r)
{
    const int base = SkinCanvas::kBase;
    for (const SkinRegion* s : {&r.suitFront, &r.suitBack, &r.suitSide, &r.suitTop})
        skin.grain(regionRect(*s), Suit, base - 1, 1, 61);
    // Harness straps over the shoulders, the chest buckle, badge and name tag.
    for (float x : {-13.0f, 9.0f}) {
        skin.fill(worldRect(r.suitFront, x, x + 4, -31, -2), Dark, 5);
        skin.fill(worldRect(r.suitBack, x, x + 4, -31, -2), Dark, 5);
        skin.fill(worldRect(r.suitTop, x, x + 4, -16, 16), Dark, 5);
    }
    skin.fill(worldRect(r.suitFront, -14, 14, -22, -19.5f), Dark, 5);
    skin.fill(worldRect(r.suitFront, -2.5f, 2.5f, -23.5f, -18), Metal, base + 2);
    skin.disc(r.suitFront.pixelX(-20), r.suitFront.pixelY(-12), 7, Gold, base + 2, base - 2);
    skin.disc(r.suitFront.pixelX(-20), r.suitFront.pixelY(-12), 3.5f, Red, base, base);
    skin.fill(worldRect(r.suitFront, 15, 26, -14, -10), HelmetWhite, base);
    skin.fill(worldRect(r.suitFront, 16, 24, -12.5f, -11.5f), Dark, 4);
    skin.fill(worldRect(r.suitSide, -16, 16, -9, -6), Red, base - 1);
    skin.disc(r.suitSide.pixelX(0), r.suitSide.pixelY(-14), 5, Gold, base + 1, base - 2);
    skin.grain(regionRect(r.neck), Dark, 5, 1, 62);
}

void paintHelmet(SkinCanvas& skin, const CommanderRegions& r)
{
    const int base = SkinCanvas::kBase;
    for (const SkinRegion* s : {&r.helmetFront, &r.helmetSide, &r.helmetBack, &r.helmetTop})
        skin.grain(regionRect(*s), HelmetWhite, base - 1, 1, 63);
    // Visor: dark glass with a sky reflection; breathing mask below it.
    skin.fill(worldRect(r.helmetFront, -13.2f, 13.2f, 14, 28), Visor, base - 6);
    skin.fill(worldRect(r.helmetFront, -12, 12, 24.2f, 26), Visor, base);
    skin.fill(worldRect(r.helmetFront, -8.4f, -2.4f, 16.4f, 23), Visor, base - 3);
    skin.outline(worldRect(r.helmetFront, -13.8f, 13.8f, 13.4f, 28.6f), Metal, base - 2);
    skin.fill(worldRect(r.helmetFront, -6.6f, 6.6f, 5, 12.8f), Metal, base - 3);
    for (float y = 6.2f; y < 12.2f; y += 1.8f)
        skin.fill(worldRect(r.helmetFront, -4.2f, 4.2f, y, y + 0.7f), Dark, 4);
    skin.fill(worldRect(r.helmetSide, 8.4f, 18, 14, 28), Visor, base - 6);
    skin.disc(r.helmetSide.pixelX(-1.2f), r.helmetSide.pixelY(17.6f), 9, Metal, base - 1, base - 4);
    // The commander's stripe over the crown.
    skin.fill(worldRect(r.helmetTop, -2.4f, 2.4f, -18, 18), Red, base);
    skin.fill(worldRect(r.helmetFront, -2.4f, 2.4f, 28.6f, 38), Red, base);
    skin.fill(worldRect(r.helmetBack, -2.4f, 2.4f, 11.6f, 38), Red, base);
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
    mesh.addSolid(loft({ringY(0, -30, -1, 27, 14, 16, 3), ringY(0, -15, 0, 28, 14, 16, 3),
                        ringY(0, -8, 0, 26, 13, 16, 3), ringY(0, -3.5f, 0, 19, 10.5f, 16, 3),
                        ringY(0, -0.5f, 0, 10.5f, 8.5f, 16, 3)}),
                  suit);
    mesh.addSolid(loft({ringY(0, -3, 0.5f, 9.5f, 9.5f, 12), ringY(0, 3, 0.5f, 9.5f, 9.5f, 12)}), suit);
    mesh.addSolid(loft({ringY(0, -2, 0.5f, 6.5f, 6.5f, 10), ringY(0, 8, 0.5f, 6.5f, 6.5f, 10)}), neck);
    mesh.addSolid(ellipsoid({0, 18.5f, 0.5f}, {15, 16.8f, 16.2f}, 8, 16), helmet);
    const Solid earCup = loft({ring({12, 18, 0}, {0, 1, 0}, {0, 0, 1}, 6, 6, 10),
                               ring({17.4f, 18, 0}, {0, 1, 0}, {0, 0, 1}, 6, 6, 10)});
    mesh.addSolid(earCup, helmet);
    mesh.addSolid(mirroredX(earCup), helmet);
    mesh.addSolid(box({-1.8f, 33, -11}, {1.8f, 37.2f, 6}), helmet);

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
