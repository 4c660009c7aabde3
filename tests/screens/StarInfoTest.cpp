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
    EXPECT_EQ(info.width, 100);
    EXPECT_EQ(info.height, 20);

    pointAt(kCopit);
    const StarSystem& copit = info.map->hoveredSystem;
    EXPECT_EQ(copit.name, "Copit");
    EXPECT_EQ(planetTexture(copit), "planet2");
    EXPECT_EQ(dangerName(copit.danger), "Dangerous");
    EXPECT_EQ(info.rangeText(copit), "In range");

    pointAt(kViovio);
    EXPECT_EQ(planetTexture(map->hoveredSystem), "planet4");
    EXPECT_EQ(info.rangeText(map->hoveredSystem), "Within system");

    pointAt(kMided);
    EXPECT_EQ(dangerName(map->hoveredSystem.danger), "Some danger");
    EXPECT_EQ(planetTexture(map->hoveredSystem), "planet1");
    EXPECT_EQ(info.rangeText(map->hoveredSystem), "In range");

    pointAt(kMocom);
    EXPECT_EQ(dangerName(map->hoveredSystem.danger), "Peaceful");
    EXPECT_EQ(info.rangeText(map->hoveredSystem), "Out of range");
    // With a longer range the same star comes in reach.
    ship().hyperspaceRange = 3.7f;
    EXPECT_EQ(info.rangeText(map->hoveredSystem), "In range");

    game->world->objects.deleteObject(game->playerShip());
    EXPECT_EQ(info.rangeText(map->hoveredSystem), "");
}

}
}
