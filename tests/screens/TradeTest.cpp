#include <gtest/gtest.h>

#include <tuple>

#include "screens/DockTestSupport.h"
#include "screens/GuiTrade_Buy.h"
#include "screens/GuiTrade_Sell.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::SoundCounter;

// A table as the trade view places it, with the pointer over it.
template <typename Table>
void place(Table& table)
{
    std::tie(table.width, table.height, table.hovered) = std::tuple{484, 166, true};
}

int rowY(int row) { return 30 + 12 * row + 5; }

TEST(TradeBuy, PaysThePriceOfTheStockBeforeThePurchaseAndRefusesInTheOrderStockCreditsRoom)
{
    SoundCounter sounds;
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    docked.stock()[3] = 100;
    docked.credits() = 1000.0;
    ship.cargo = {};
    // Computers at the neutral stock cost their base price of 100.
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 3), "");
    EXPECT_DOUBLE_EQ(docked.credits(), 900.0);
    EXPECT_EQ(docked.stock()[3], 99u);
    // One unit scarcer: 100 x (1 + 1 x 0.0015), in single precision.
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 3), "");
    EXPECT_DOUBLE_EQ(docked.credits(), 900.0 - static_cast<double>(static_cast<float>(100.15)));
    EXPECT_EQ(ship.cargo[3], 2u);
    // The last unit of Medicines for exactly the credits: 50 x (1 + 99 x 0.0015).
    docked.stock()[1] = 1;
    docked.credits() = static_cast<float>(50.0 * (1.0 + 99 * 0.0015));
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 1), "");
    EXPECT_EQ(docked.credits(), 0.0);
    EXPECT_EQ(docked.stock()[1], 0u);
    EXPECT_EQ(sounds.take().trade, 3);

    // With no stock, no credits and no room the stock is reported first; refusals change nothing.
    ship.cargo[0] = ship.cargoCapacity - 3;
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 1), "Item is out of stock");
    docked.stock()[7] = 5;
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 7), "You do not have sufficient credits");
    docked.credits() = 100000.0;
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 7), "You do not have any more room on board");
    EXPECT_EQ(docked.stock()[7], 5u);
    EXPECT_DOUBLE_EQ(docked.credits(), 100000.0);
    EXPECT_EQ(sounds.take().trade, 0);
    ship.cargo[0] -= 1;
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 7), "");
    EXPECT_EQ(sounds.take().trade, 1);
}

TEST(TradeBuy, ALeftPressOnARowBuysThatGood)
{
    SoundCounter sounds;
    DockedGame docked;
    docked.ship().cargo = {};
    docked.credits() = 10000.0;
    docked.stock() = {50, 50, 50, 50, 50, 50, 50, 50};
    GuiTrade_Buy table(&docked.game);
    place(table);
    table.onMouseDown(200, rowY(5), 1);
    table.onMouseDown(201, rowY(5), 1);
    EXPECT_EQ(docked.stock()[5], 48u);
    EXPECT_EQ(table.selectedRow, 5);
    // A second unit, no second row sound.
    SoundCounter::Counts heard = sounds.take();
    EXPECT_EQ(heard.row, 1);
    EXPECT_EQ(heard.trade, 2);
    // Right button, the header, below the last row, and a table not pointed at.
    table.onMouseDown(200, rowY(2), 2);
    table.onMouseDown(200, 25, 1);
    table.onMouseDown(200, rowY(8), 1);
    table.hovered = false;
    table.onMouseDown(200, rowY(2), 1);
    EXPECT_EQ(docked.ship().cargo, (GoodsCounts{0, 0, 0, 0, 0, 2, 0, 0}));
    EXPECT_EQ(table.selectedRow, -1);
}

TEST(TradeSell, ListsOnlyGoodsOnBoardSellsAtTheStockBeforeTheSaleAndNothingWithoutAShip)
{
    DockedGame docked;
    docked.ship().cargo = {0, 2, 0, 0, 0, 0, 1, 0};
    docked.stock() = {100, 100, 100, 100, 100, 100, 100, 100};
    docked.credits() = 0.0;
    GuiTrade_Sell table(&docked.game);
    place(table);
    // A third row's band holds nothing to sell.
    table.onMouseDown(200, rowY(2), 1);
    EXPECT_EQ(docked.ship().cargo, (GoodsCounts{0, 2, 0, 0, 0, 0, 1, 0}));
    // Nanites at stock 100 fetch 200 x 0.97.
    table.onMouseDown(200, rowY(1), 1);
    EXPECT_DOUBLE_EQ(docked.credits(), static_cast<double>(static_cast<float>(200.0f * 0.97)));
    EXPECT_EQ(docked.stock()[6], 101u);
    // Sold out, the Nanites row is gone: its band now holds nothing.
    table.onMouseDown(200, rowY(1), 1);
    table.onMouseDown(200, rowY(0), 1);
    EXPECT_EQ(docked.ship().cargo, (GoodsCounts{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(docked.stock()[1], 101u);

    // Without a ship nothing is listed, sold or bought.
    docked.game.world->objects.deleteObject(docked.game.playerShip());
    EXPECT_EQ(GuiTrade_Sell::listGoods(docked.game).count, 0);
    const GoodsCounts before = docked.stock();
    table.onMouseDown(200, rowY(0), 1);
    docked.credits() = 1000.0;
    EXPECT_EQ(GuiTrade_Buy::buy(docked.game, 0), "");
    EXPECT_EQ(docked.stock(), before);
    EXPECT_DOUBLE_EQ(docked.credits(), 1000.0);
}

}
}
