#include "GalaxyMapTestSupport.h"

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "platform/PlatformEvents.h"
#include "screens/GuiCargoInfo.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiMeshViewer.h"
#include "screens/GuiPlayerInfo.h"
#include "screens/GuiShipInfo.h"

#include <climits>

namespace dh {
namespace {

using maptest::kCopit;
using maptest::kViovio;
using maptest::MapTest;

TEST(InfoPanels, RanksByKills)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {4, "Hopeless"},   {5, "Harmless"},   {10, "Able"},   {24, "Able"},          {25, "Competent"},
        {50, "Skilled"},   {100, "Dangerous"}, {249, "Dangerous"}, {250, "Deadly"}, {500, "Lethal"},
        {UINT_MAX, "Lethal"},
    };
    for (auto [kills, rank] : cases)
        EXPECT_STREQ(GuiPlayerInfo::rankName(kills), rank) << kills;
}

TEST(InfoPanels, ShipFiguresAndHoldLine)
{
    Ship_ExplorerMark1 ship(0.0f, 0.0f);
    const std::array<std::string, 12> explorer = {
        "Class:                   Explorer Mark I", "Cost:                    Cr 2000.00 ",
        "Shield strenght:         200.00 units",    "Weight:                  15000.00 kg",
        "Cargo capacity:          10 units",        "Top Speed:               9000.00 kmph",
        "Acceleration:            1200.00 m/s2",    "Hyperspace range:        3.00 ly",
        "Laser strenght:          700.00 mw",       "Laser cooling strenght:  500.00 mw/s",
        "Missile capacity:        2 missiles",      "Emp bomb capacity:       8 emp bombs"};
    EXPECT_EQ(GuiShipInfo::figureLines(ship), explorer);
    EXPECT_EQ(GuiShipInfo::figureLines(Ship_FighterMark2(0.0f, 0.0f))[5], "Top Speed:               14400.00 kmph");

    // The capacity is padded to two places.
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "0 / 10");
    ship.cargo = {1, 0, 2, 0, 0, 4, 0, 0};
    ship.cargoCapacity = 5;
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "7 /  5");
    ship.cargo = {100, 0, 0, 0, 0, 0, 0, 25};
    ship.cargoCapacity = 125;
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "125 / 125");
}

TEST_F(MapTest, CommanderLinesAndMarketPrices)
{
    GuiPlayerInfo player(game.get());
    game->human->credits = 1234.5;
    game->human->kills = 12;
    const std::array<std::string, 4> lines{"Name:     Tester", "Credits:  Cr 1234.50", "Kills:    12",
                                           "Rank:     Able"};
    EXPECT_EQ(player.commanderLines(), lines);
    // Credits are shown at single precision: 2^24 + 1 reads 2^24.
    game->human->credits = 16777217.0;
    EXPECT_EQ(player.commanderLines()[1], "Credits:  Cr 16777216.00");

    // Buy prices here and sell prices elsewhere, as the galaxy tool prints them.
    GuiMarketInfo market(game.get(), map.get());
    pointAt(kViovio);
    const std::array<std::string, 9> viovio = {"Buy price", "Cr 23.28",  "Cr 45.59",  "Cr 76.91", "Cr 104.20",
                                               "Cr 123.74", "Cr 162.38", "Cr 223.10", "Cr 271.82"};
    EXPECT_EQ(market.priceColumn(map->hoveredSystem), viovio);
    pointAt(kCopit);
    const std::array<std::string, 9> copit = {"Sell price", "Cr 24.32",  "Cr 49.30",  "Cr 68.67", "Cr 108.79",
                                              "Cr 112.17",  "Cr 132.25", "Cr 185.26", "Cr 301.04"};
    EXPECT_EQ(market.priceColumn(map->hoveredSystem), copit);
}

TEST(InfoPanels, SupplyBarsFillAtTwoHundredUnits)
{
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(1), 0);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(161), 80);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(200), 100);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(UINT_MAX), 100);
    EXPECT_FLOAT_EQ(GuiMarketInfo::supplyFill(40), 0.2f);
    EXPECT_FLOAT_EQ(GuiMarketInfo::supplyFill(250), 1.0f);
}


TEST(MeshViewer, SpinsOneRadianPerSecondOfItsOwnTimeAcrossAClockWrap)
{
    std::uint32_t now = 0xFFFFFF00u;
    platformOverrideClock(&now);
    GuiMeshViewer first;
    now = 0xFFFFFF00u + 500;
    GuiMeshViewer second;
    second.spinX = false;
    second.angleX = 0.5f;
    now = 0x100;
    first.advanceSpin(now);
    second.advanceSpin(now);
    EXPECT_FLOAT_EQ(first.angleY, 0.512f);
    EXPECT_FLOAT_EQ(first.angleX, 0.512f);
    EXPECT_FLOAT_EQ(second.angleY, 0.012f);
    EXPECT_FLOAT_EQ(second.angleX, 0.5f);
    // Not painted for a while: the whole gap at once.
    first.advanceSpin(0x100 + 60000);
    EXPECT_FLOAT_EQ(first.angleY, 60.512f);
    platformOverrideClock(nullptr);
}

}
}
