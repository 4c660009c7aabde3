#include "GalaxyMapTestSupport.h"

#include "flight/ObjectList.h"
#include "flight/World.h"
#include "screens/GuiStarInfo.h"

namespace dh {
namespace {

using namespace maptest;

TEST_F(MapTest, StarInfoShowsThePointedAtSystem)
{
    GuiStarInfo info(map.get(), game.get());
    const StarSystem& shown = info.map->hoveredSystem;
    struct Case {
        KnownStar star;
        const char* planet;
        const char* danger;
        const char* range;
    };
    for (const Case& c : {Case{kCopit, "planet2", "Dangerous", "In range"},
                          Case{kViovio, "planet4", nullptr, "Within system"},
                          Case{kMided, "planet1", "Some danger", "In range"},
                          Case{kMocom, nullptr, "Peaceful", "Out of range"}}) {
        pointAt(c.star);
        if (c.planet) {
            EXPECT_EQ(planetTexture(shown), c.planet) << c.star.name;
        }
        if (c.danger) {
            EXPECT_EQ(dangerName(shown.danger), c.danger) << c.star.name;
        }
        EXPECT_EQ(info.rangeText(shown), c.range) << c.star.name;
    }
    ship().hyperspaceRange = 3.7f;
    EXPECT_EQ(info.rangeText(shown), "In range");
    game->world->objects.deleteObject(game->playerShip());
    EXPECT_EQ(info.rangeText(shown), "");
}

}
}
