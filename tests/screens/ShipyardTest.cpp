#include <gtest/gtest.h>

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Buy.h"
#include "screens/GuiBuyShip_Select.h"
#include "screens/GuiRepair.h"
#include "screens/GuiUpgrade.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::text;

TEST(Upgrade, MissilesAtOneHundredEmpBombsAtFiftySoldBackInFullCreditsRefusedBeforeRoom)
{
    docktest::SoundCounter sounds;
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.missiles = 1;
    docked.credits() = 100.0;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)), "");
    EXPECT_EQ(docked.credits(), 0.0);
    EXPECT_EQ(ship.missiles, 2u);
    // The Explorer Mark I carries 2 missiles.
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)), "Cannot buy missile / You do not have enough credits.");
    docked.credits() = 1000.0;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)),
              "Cannot buy missile / Your ship cannot hold any more missiles.");
    EXPECT_EQ(text(GuiUpgrade::sellMissile(docked.game)), "");
    EXPECT_EQ(text(GuiUpgrade::sellMissile(docked.game)), "");
    EXPECT_EQ(docked.credits(), 1200.0);
    EXPECT_EQ(text(GuiUpgrade::sellMissile(docked.game)), "Cannot sell missile / You have no missiles on board.");
    EXPECT_EQ(sounds.take().trade, 3);

    // It carries 8 EMP bombs.
    ship.empBombs = 7;
    docked.credits() = 50.0;
    EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)), "");
    EXPECT_EQ(ship.empBombs, 8u);
    EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)), "Cannot buy emp bomb / You do not have enough credits.");
    docked.credits() = 50.0;
    EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)),
              "Cannot buy emp bomb / Your ship cannot hold any more emp bombs.");
    ship.empBombs = 1;
    EXPECT_EQ(text(GuiUpgrade::sellEmpBomb(docked.game)), "");
    EXPECT_EQ(docked.credits(), 100.0);
    EXPECT_EQ(text(GuiUpgrade::sellEmpBomb(docked.game)), "Cannot sell emp bomb / You have no emp bombs on board.");
    EXPECT_EQ(docked.credits(), 100.0);
}

TEST(Upgrade, AReleaseActsOnlyOnTheButtonThePressBeganOn)
{
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.missiles = 0;
    ship.empBombs = 0;
    docked.credits() = 1000.0;
    GuiUpgrade upgrade(&docked.game);
    upgrade.width = 484;
    upgrade.height = 462;
    auto press = [&](int x0, int y0, int x1, int y1, int button = 1) {
        upgrade.onMouseMove(x0, y0);
        upgrade.onMouseDown(x0, y0, button);
        upgrade.onMouseMove(x1, y1);
        upgrade.onMouseUp(x1, y1, button);
    };
    // Missile "Buy" at (288, 172), 92 x 32; EMP "Buy" and "Sell" 200 lower.
    press(300, 180, 300, 180);
    EXPECT_EQ(ship.missiles, 1u);
    press(300, 380, 400, 380);
    EXPECT_EQ(ship.empBombs, 0u);
    press(300, 380, 300, 380, 2);
    EXPECT_EQ(ship.empBombs, 1u);
    EXPECT_DOUBLE_EQ(docked.credits(), 850.0);
    // The pointer leaving the view cancels a press.
    upgrade.onMouseMove(400, 190);
    upgrade.onMouseDown(400, 190, 1);
    upgrade.onMouseLeave();
    upgrade.onMouseUp(400, 190, 1);
    EXPECT_EQ(ship.missiles, 1u);
}

TEST(Repair, SixtyCentsAPointRestoresTheWholeShieldOrNothing)
{
    docktest::SoundCounter sounds;
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.shield = ship.maxShield;
    docked.credits() = 0.0;
    EXPECT_EQ(text(GuiRepair::repair(docked.game)),
              "Cannot repair ship / Your ship already in the best possible shape.");

    ship.shield = ship.maxShield - 100.0f;
    docked.credits() = 59.0;
    EXPECT_EQ(text(GuiRepair::repair(docked.game)), "Cannot repair ship / You do not have enough credits.");
    EXPECT_EQ(ship.shield, ship.maxShield - 100.0f);
    EXPECT_EQ(sounds.take().repair, 0);
    docked.credits() = static_cast<double>(100.0f * 0.6f);
    EXPECT_EQ(text(GuiRepair::repair(docked.game)), "Ship repaired / Ship successfuly repaired.");
    EXPECT_EQ(docked.credits(), 0.0);
    EXPECT_EQ(ship.shield, ship.maxShield);
    EXPECT_EQ(sounds.take().repair, 1);

    docked.game.replacePlayerShip(new Ship_FighterMark2(0.0f, 0.0f));
    docked.ship().shield = 250.0f;
    docked.credits() = 1234567.89;
    GuiRepair::repair(docked.game);
    EXPECT_NEAR(docked.credits(), 1234567.89 - 150.0, 1e-5);
    EXPECT_EQ(docked.ship().shield, 500.0f);
    // The gauge of that damage: trunc(455 x 250 / 500).
    EXPECT_EQ(GuiRepair::gaugeLength(250.0f, 500.0f), 227);

    // The view's button repairs on the release only.
    docked.ship().shield = 1.0f;
    GuiRepair repair(&docked.game);
    repair.width = 484;
    repair.height = 462;
    repair.onMouseMove(20, 430);
    repair.onMouseDown(20, 430, 1);
    EXPECT_EQ(docked.ship().shield, 1.0f);
    repair.onMouseUp(20, 430, 1);
    EXPECT_EQ(docked.ship().shield, docked.ship().maxShield);
}

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
