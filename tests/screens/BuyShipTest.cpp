#include <gtest/gtest.h>

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Buy.h"
#include "screens/GuiBuyShip_Select.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::text;

TEST(BuyShipSelect, ARowPressChoosesAClassAndPlaysTheRowSound)
{
    docktest::SoundCounter sounds;
    GuiBuyShip_Select select;
    select.width = 484;
    select.height = 126;
    select.addShipClass(Ship_ExplorerMark1(0.0f, 0.0f));
    select.addShipClass(Ship_FighterMark1(0.0f, 0.0f));
    select.addShipClass(Ship_FighterMark2(0.0f, 0.0f));
    EXPECT_STREQ(select.selectedShip()->name, "Explorer Mark I");
    select.onMouseDown(100, 30 + 12 * 2 + 1, 1);
    EXPECT_STREQ(select.selectedShip()->name, "Fighter Mark II");
    EXPECT_EQ(sounds.take().row, 1);
    // Beyond the last class, above the first row, or another button: nothing.
    select.onMouseDown(100, 30 + 12 * 3 + 1, 1);
    select.onMouseDown(100, 25, 1);
    select.onMouseDown(100, 31, 2);
    EXPECT_EQ(select.selectedIndex, 2);
    EXPECT_EQ(sounds.take().row, 0);
}

TEST(BuyShip, TheSameShipBecomesTheNewClassWithAnEmptyHoldAndEmptyRacks)
{
    DockedGame docked;
    GameObject_Ship* before = docked.game.playerShip();
    before->cargo = {1, 2, 3, 0, 0, 0, 0, 4};
    before->missiles = 2;
    before->shield = 10.0f;
    docked.game.human->kills = 12;
    const GoodsCounts stock = docked.stock();

    Ship_FighterMark1 fighter(0.0f, 0.0f);
    docked.credits() = 6999.99;
    EXPECT_EQ(text(GuiBuyShip_Buy::purchaseRefusal(docked.game, fighter)),
              "Cannot buy ship / You do not have enough credits.");
    docked.credits() = 7000.5;
    EXPECT_EQ(text(GuiBuyShip_Buy::purchaseRefusal(docked.game, fighter)), "");
    EXPECT_EQ(text(GuiBuyShip_Buy::buyShip(docked.game, fighter)),
              "Ship purchased / Congratulations on your new ship purchase!");
    GameObject_Ship* after = docked.game.playerShip();
    ASSERT_EQ(after, before);
    EXPECT_STREQ(after->name, "Fighter Mark I");
    EXPECT_EQ(after->cargoCapacity, 20u);
    EXPECT_EQ(after->shield, 400.0f);
    EXPECT_EQ(after->cargo, GoodsCounts{});
    EXPECT_EQ(after->missiles, 0u);
    EXPECT_DOUBLE_EQ(docked.credits(), 0.5);
    EXPECT_EQ(docked.game.human->kills, 12u);
    EXPECT_EQ(docked.stock(), stock);

    // The class already flown is charged in full too.
    docked.credits() = 7000.0;
    GuiBuyShip_Buy::buyShip(docked.game, fighter);
    EXPECT_EQ(docked.credits(), 0.0);
}

}
}
