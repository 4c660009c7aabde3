#include "GalaxyMapTestSupport.h"

#include "flight/ObjectList.h"
#include "flight/World.h"

namespace dh {
namespace {

using namespace maptest;

TEST_F(MapTest, RefusalsComeInTheirOrder)
{
    std::unique_ptr<GuiGalaxyMap> docked = makeMap(false);
    docked->onMouseMove(screenX(kViovio), screenY(kViovio));
    EXPECT_STREQ(docked->travelRefusal(ship()), "You cannot travel while docked at a spacestation.");
    pointAt(kViovio);
    EXPECT_STREQ(map->travelRefusal(ship()), "You are already at this system.");
    // Mocom is 3.66 ly away, beyond an Explorer's 3.0, fuel or not.
    pointAt(kMocom);
    ship().hyperspaceFuel = false;
    EXPECT_STREQ(map->travelRefusal(ship()), "System is beyond the range of your hyperspace engines.");
    pointAt(kMided);
    EXPECT_STREQ(map->travelRefusal(ship()), "You must refuel by docking at a spacestation before travelling again.");
    ship().hyperspaceFuel = true;
    EXPECT_EQ(map->travelRefusal(ship()), nullptr);
    EXPECT_STREQ(GuiGalaxyMap::kRefusalCaption, "Unable to travel");

    // Two cells straight down with the same offsets: exactly 2 ly.
    StarSystem target = game->currentSystem;
    target.y += 2;
    map->hoveredSystem = target;
    ship().hyperspaceRange = 2.0f;
    EXPECT_EQ(map->travelRefusal(ship()), nullptr);
    ship().hyperspaceRange = 1.9999999f;
    EXPECT_NE(map->travelRefusal(ship()), nullptr);
}

TEST_F(MapTest, ClickingAStarInRangeJumpsAndClosesTheScreen)
{
    owner.running = true;
    // Refused, middle-button and empty-space clicks change nothing.
    pointAt(kMocom);
    map->onMouseDown(screenX(kMocom), screenY(kMocom), 1);
    pointAt(kCopit);
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 4);
    map->onMouseMove(screenX(kCopit) + 20, screenY(kCopit));
    map->onMouseDown(screenX(kCopit) + 20, screenY(kCopit), 1);
    EXPECT_TRUE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Viovio");

    pointAt(kCopit);
    sounds.take();
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_FALSE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Copit");
    EXPECT_EQ(game->galaxy.recent[0].name, "Viovio");
    EXPECT_FALSE(ship().hyperspaceFuel);
}

TEST_F(MapTest, WithoutAShipAClickOnlySounds)
{
    owner.running = true;
    pointAt(kCopit);
    game->world->objects.deleteObject(game->playerShip());
    sounds.take();
    map->onMouseDown(screenX(kCopit), screenY(kCopit), 1);
    EXPECT_EQ(sounds.take().click, 1);
    EXPECT_TRUE(owner.running);
    EXPECT_EQ(game->currentSystem.name, "Viovio");
}

}
}
