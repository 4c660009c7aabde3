#include <gtest/gtest.h>

#include <string>

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Buy.h"
#include "screens/GuiBuyShip_Select.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::SoundCounter;
using docktest::text;

// A shipyard list as the dock menu fills it, at the top-left of its box.
struct Shipyard {
    Shipyard()
    {
        select.width = 484;
        select.height = 126;
        select.addShipClass(Ship_ExplorerMark1(0.0f, 0.0f));
        select.addShipClass(Ship_FighterMark1(0.0f, 0.0f));
        select.addShipClass(Ship_FighterMark2(0.0f, 0.0f));
    }
    GuiBuyShip_Select select;
};

TEST(BuyShipSelect, ARowPressChoosesAClassAndPlaysTheRowSound)
{
    SoundCounter sounds;
    Shipyard yard;
    ASSERT_NE(yard.select.selectedShip(), nullptr);
    EXPECT_STREQ(yard.select.selectedShip()->name, "Explorer Mark I");
    yard.select.onMouseDown(100, 30 + 12 * 2 + 1, 1);
    EXPECT_STREQ(yard.select.selectedShip()->name, "Fighter Mark II");
    // The same row again plays again.
    yard.select.onMouseDown(100, 30 + 12 * 2 + 11, 1);
    EXPECT_EQ(sounds.take().row, 2);
    // Beyond the last class, above the first row, or another button: nothing.
    yard.select.onMouseDown(100, 30 + 12 * 3 + 1, 1);
    yard.select.onMouseDown(100, 25, 1);
    yard.select.onMouseDown(100, 31, 2);
    EXPECT_EQ(yard.select.selectedIndex, 2);
    EXPECT_EQ(sounds.take().row, 0);
    yard.select.selectedIndex = 3;
    EXPECT_EQ(yard.select.selectedShip(), nullptr);
}

TEST(BuyShip, TooFewCreditsAreRefusedAndChangeNothing)
{
    DockedGame docked;
    Ship_FighterMark1 fighter(0.0f, 0.0f);
    docked.credits() = 6999.99;
    EXPECT_EQ(text(GuiBuyShip_Buy::purchaseRefusal(docked.game, fighter)),
              "Cannot buy ship / You do not have enough credits.");
    docked.credits() = 7000.0;
    EXPECT_EQ(text(GuiBuyShip_Buy::purchaseRefusal(docked.game, fighter)), "");
}

TEST(BuyShip, TheSameShipBecomesTheNewClassWithAnEmptyHoldAndEmptyRacks)
{
    DockedGame docked;
    GameObject_Ship* before = docked.game.playerShip();
    ObjectList* list = before->list;
    const std::size_t moving = list->movingObjects().size();
    before->cargo = {1, 2, 3, 0, 0, 0, 0, 4};
    before->missiles = 2;
    before->empBombs = 5;
    before->shield = 10.0f;
    docked.credits() = 10000.5;
    docked.game.human->kills = 12;
    const GoodsCounts stock = docked.stock();

    Ship_FighterMark1 fighter(0.0f, 0.0f);
    EXPECT_EQ(text(GuiBuyShip_Buy::buyShip(docked.game, fighter)),
              "Ship purchased / Congratulations on your new ship purchase!");
    GameObject_Ship* after = docked.game.playerShip();
    ASSERT_EQ(after, before);
    EXPECT_EQ(after->list, list);
    EXPECT_EQ(list->movingObjects().size(), moving);
    EXPECT_STREQ(after->name, "Fighter Mark I");
    EXPECT_EQ(after->cost, 7000.0f);
    EXPECT_EQ(after->cargoCapacity, 20u);
    EXPECT_EQ(after->missileCapacity, 4u);
    EXPECT_EQ(after->empCapacity, 16u);
    EXPECT_EQ(after->maxShield, 400.0f);
    EXPECT_EQ(after->shield, 400.0f);
    EXPECT_EQ(after->laser.strength, 1200.0f);
    EXPECT_EQ(after->cargo, GoodsCounts{});
    EXPECT_EQ(after->missiles, 0u);
    EXPECT_EQ(after->empBombs, 0u);
    EXPECT_DOUBLE_EQ(docked.credits(), 3000.5);
    // The commander and the station are not part of the ship.
    EXPECT_EQ(docked.game.human->kills, 12u);
    EXPECT_EQ(docked.game.human->commanderName, "Tester");
    EXPECT_EQ(docked.stock(), stock);
}

TEST(BuyShip, BuyingTheClassAlreadyFlownChargesInFullAndEmptiesTheHold)
{
    DockedGame docked;
    docked.ship().cargo = {0, 0, 0, 0, 0, 0, 0, 10};
    docked.credits() = 2500.0;
    Ship_ExplorerMark1 explorer(0.0f, 0.0f);
    EXPECT_EQ(text(GuiBuyShip_Buy::purchaseRefusal(docked.game, explorer)), "");
    GuiBuyShip_Buy::buyShip(docked.game, explorer);
    EXPECT_EQ(docked.credits(), 500.0);
    EXPECT_EQ(docked.ship().cargo, GoodsCounts{});
    EXPECT_STREQ(docked.ship().name, "Explorer Mark I");
}

TEST(BuyShip, WithoutAWindowTheConfirmationAnswersNo)
{
    DockedGame docked;
    Shipyard yard;
    GuiBuyShip_Buy buy(&docked.game, &yard.select);
    buy.width = 484;
    buy.height = 322;
    docked.credits() = 100000.0;
    docked.ship().cargo[0] = 3;
    // "Buy" at (8, 284), 192 x 32: asked, not confirmed, nothing changes.
    buy.onMouseMove(50, 290);
    buy.onMouseDown(50, 290, 1);
    buy.onMouseUp(50, 290, 1);
    EXPECT_EQ(docked.credits(), 100000.0);
    EXPECT_EQ(docked.ship().cargo[0], 3u);
    EXPECT_FALSE(buy.buyButton.pressed);
}

}
}
