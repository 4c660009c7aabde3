#include "GalaxyMapTestSupport.h"

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "screens/GuiCargoInfo.h"
#include "screens/GuiMarketInfo.h"
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
        {0, "Hopeless"},   {4, "Hopeless"},   {5, "Harmless"},   {9, "Harmless"},   {10, "Able"},
        {24, "Able"},      {25, "Competent"}, {49, "Competent"}, {50, "Skilled"},   {99, "Skilled"},
        {100, "Dangerous"}, {249, "Dangerous"}, {250, "Deadly"},  {499, "Deadly"},   {500, "Lethal"},
        {UINT_MAX, "Lethal"},
    };
    for (auto [kills, rank] : cases)
        EXPECT_STREQ(GuiPlayerInfo::rankName(kills), rank) << kills;
}

TEST(InfoPanels, ShipFiguresOfAnExplorerMarkI)
{
    // Figures of the class table: 2000, 200, 15000, 10, 2500, 1200, 3.0, 700, 500, 2, 8.
    Ship_ExplorerMark1 ship(0.0f, 0.0f);
    const auto lines = GuiShipInfo::figureLines(ship);
    EXPECT_EQ(lines[0], "Class:                   Explorer Mark I");
    EXPECT_EQ(lines[1], "Cost:                    Cr 2000.00 ");
    EXPECT_EQ(lines[2], "Shield strenght:         200.00 units");
    EXPECT_EQ(lines[3], "Weight:                  15000.00 kg");
    EXPECT_EQ(lines[4], "Cargo capacity:          10 units");
    EXPECT_EQ(lines[5], "Top Speed:               9000.00 kmph");
    EXPECT_EQ(lines[6], "Acceleration:            1200.00 m/s2");
    EXPECT_EQ(lines[7], "Hyperspace range:        3.00 ly");
    EXPECT_EQ(lines[8], "Laser strenght:          700.00 mw");
    EXPECT_EQ(lines[9], "Laser cooling strenght:  500.00 mw/s");
    EXPECT_EQ(lines[10], "Missile capacity:        2 missiles");
    EXPECT_EQ(lines[11], "Emp bomb capacity:       8 emp bombs");

    Ship_FighterMark2 fighter(0.0f, 0.0f);
    const auto fighterLines = GuiShipInfo::figureLines(fighter);
    EXPECT_EQ(fighterLines[0], "Class:                   Fighter Mark II");
    EXPECT_EQ(fighterLines[5], "Top Speed:               14400.00 kmph");
    EXPECT_EQ(fighterLines[7], "Hyperspace range:        4.50 ly");
    EXPECT_EQ(fighterLines[11], "Emp bomb capacity:       16 emp bombs");
}

TEST(InfoPanels, HoldLinePadsTheCapacityToTwoPlaces)
{
    Ship_ExplorerMark1 ship(0.0f, 0.0f);
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "0 / 10");
    ship.cargo = {1, 0, 2, 0, 0, 4, 0, 0};
    ship.cargoCapacity = 20;
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "7 / 20");
    ship.cargoCapacity = 5;
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "7 /  5");
    ship.cargo = {100, 0, 0, 0, 0, 0, 0, 25};
    ship.cargoCapacity = 125;
    EXPECT_EQ(GuiCargoInfo::holdLine(ship), "125 / 125");
}

TEST_F(MapTest, CommanderLinesOfAKnownCommander)
{
    GuiPlayerInfo info(game.get());
    game->human->credits = 1234.5;
    game->human->kills = 12;
    auto lines = info.commanderLines();
    EXPECT_EQ(lines[0], "Name:     Tester");
    EXPECT_EQ(lines[1], "Credits:  Cr 1234.50");
    EXPECT_EQ(lines[2], "Kills:    12");
    EXPECT_EQ(lines[3], "Rank:     Able");
    // Credits are shown at single precision: 2^24 + 1 reads 2^24.
    game->human->credits = 16777217.0;
    game->human->kills = 500;
    lines = info.commanderLines();
    EXPECT_EQ(lines[1], "Credits:  Cr 16777216.00");
    EXPECT_EQ(lines[3], "Rank:     Lethal");
}

TEST_F(MapTest, MarketInfoBuysHereAndSellsElsewhere)
{
    GuiMarketInfo info(game.get(), map.get());
    // Viovio's and Copit's prices as the galaxy tool prints them.
    pointAt(kViovio);
    const auto here = info.priceColumn(map->hoveredSystem);
    const std::array<std::string, 9> viovio = {"Buy price", "Cr 23.28",  "Cr 45.59",  "Cr 76.91", "Cr 104.20",
                                               "Cr 123.74", "Cr 162.38", "Cr 223.10", "Cr 271.82"};
    EXPECT_EQ(here, viovio);
    pointAt(kCopit);
    const auto there = info.priceColumn(map->hoveredSystem);
    const std::array<std::string, 9> copit = {"Sell price", "Cr 24.32",  "Cr 49.30",  "Cr 68.67", "Cr 108.79",
                                              "Cr 112.17",  "Cr 132.25", "Cr 185.26", "Cr 301.04"};
    EXPECT_EQ(there, copit);
}

TEST(InfoPanels, SupplyBarsFillAtTwoHundredUnits)
{
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(0), 0);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(1), 0);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(2), 1);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(100), 50);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(161), 80);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(200), 100);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(250), 100);
    EXPECT_EQ(GuiMarketInfo::supplyBarWidth(UINT_MAX), 100);
    EXPECT_FLOAT_EQ(GuiMarketInfo::supplyFill(250), 1.0f);
    EXPECT_FLOAT_EQ(GuiMarketInfo::supplyFill(40), 0.2f);
}

}
}
