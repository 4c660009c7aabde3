#include <gtest/gtest.h>

#include <string>

#include "screens/DockTestSupport.h"
#include "screens/GuiUpgrade.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::SoundCounter;
using docktest::text;

TEST(UpgradeMissiles, BoughtAtOneHundredAndSoldBackAtFullPrice)
{
    SoundCounter sounds;
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.missiles = 0;
    docked.credits() = 100.0;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)), "");
    EXPECT_EQ(docked.credits(), 0.0);
    EXPECT_EQ(ship.missiles, 1u);
    EXPECT_EQ(text(GuiUpgrade::sellMissile(docked.game)), "");
    EXPECT_EQ(docked.credits(), 100.0);
    EXPECT_EQ(ship.missiles, 0u);
    EXPECT_EQ(sounds.take().trade, 2);
    EXPECT_EQ(text(GuiUpgrade::sellMissile(docked.game)), "Cannot sell missile / You have no missiles on board.");
    docked.credits() = 99.99;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)), "Cannot buy missile / You do not have enough credits.");
    EXPECT_EQ(docked.credits(), 99.99);
    EXPECT_EQ(ship.missiles, 0u);
    EXPECT_EQ(sounds.take().trade, 0);
}

TEST(UpgradeMissiles, AFullRackRefusesAndReportsCreditsFirst)
{
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    // The Explorer Mark I carries 2 missiles.
    ship.missiles = 2;
    docked.credits() = 50.0;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)), "Cannot buy missile / You do not have enough credits.");
    docked.credits() = 1000.0;
    EXPECT_EQ(text(GuiUpgrade::buyMissile(docked.game)),
              "Cannot buy missile / Your ship cannot hold any more missiles.");
    EXPECT_EQ(ship.missiles, 2u);
    EXPECT_EQ(docked.credits(), 1000.0);
}

TEST(UpgradeEmpBombs, FiftyCreditsEachUpToTheCapacity)
{
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.empBombs = 0;
    docked.credits() = 400.0;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)), "");
    EXPECT_EQ(ship.empBombs, 8u);
    EXPECT_EQ(docked.credits(), 0.0);
    EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)), "Cannot buy emp bomb / You do not have enough credits.");
    docked.credits() = 50.0;
    EXPECT_EQ(text(GuiUpgrade::buyEmpBomb(docked.game)),
              "Cannot buy emp bomb / Your ship cannot hold any more emp bombs.");
    EXPECT_EQ(text(GuiUpgrade::sellEmpBomb(docked.game)), "");
    EXPECT_EQ(docked.credits(), 100.0);
    EXPECT_EQ(ship.empBombs, 7u);
    ship.empBombs = 0;
    EXPECT_EQ(text(GuiUpgrade::sellEmpBomb(docked.game)), "Cannot sell emp bomb / You have no emp bombs on board.");
    EXPECT_EQ(docked.credits(), 100.0);
}

TEST(UpgradeButtons, AReleaseActsOnlyOnTheButtonThePressBeganOn)
{
    SoundCounter sounds;
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
    ship.missiles = 0;
    ship.empBombs = 0;
    docked.credits() = 1000.0;
    GuiUpgrade upgrade(&docked.game);
    upgrade.width = 484;
    upgrade.height = 462;
    // Missile "Buy" at (288, 172), 92 x 32.
    upgrade.onMouseMove(300, 180);
    upgrade.onMouseDown(300, 180, 1);
    upgrade.onMouseUp(300, 180, 1);
    EXPECT_EQ(ship.missiles, 1u);
    EXPECT_FALSE(upgrade.buyMissileButton.pressed);
    // Pressed on EMP "Buy", released on EMP "Sell": nothing.
    upgrade.onMouseMove(300, 380);
    upgrade.onMouseDown(300, 380, 1);
    upgrade.onMouseMove(400, 380);
    upgrade.onMouseUp(400, 380, 1);
    EXPECT_EQ(ship.empBombs, 0u);
    // Pressed and released on EMP "Buy", with the right button too.
    upgrade.onMouseMove(300, 380);
    upgrade.onMouseDown(300, 380, 2);
    upgrade.onMouseUp(300, 380, 2);
    EXPECT_EQ(ship.empBombs, 1u);
    // Missile "Sell" at (384, 172).
    upgrade.onMouseMove(400, 190);
    upgrade.onMouseDown(400, 190, 1);
    upgrade.onMouseUp(400, 190, 1);
    EXPECT_EQ(ship.missiles, 0u);
    EXPECT_DOUBLE_EQ(docked.credits(), 950.0);
    EXPECT_EQ(sounds.take().trade, 3);
    // The pointer leaving the view cancels a press.
    upgrade.onMouseMove(300, 180);
    upgrade.onMouseDown(300, 180, 1);
    upgrade.onMouseLeave();
    upgrade.onMouseUp(300, 180, 1);
    EXPECT_EQ(ship.missiles, 0u);
}

}
}
