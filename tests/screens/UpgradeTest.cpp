#include <gtest/gtest.h>

#include "screens/DockTestSupport.h"
#include "screens/GuiUpgrade.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::text;

TEST(Upgrade, MissilesAtOneHundredSoldBackInFullCreditsRefusedBeforeRoom)
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
}

TEST(Upgrade, EmpBombsAtFiftyUpToTheCapacity)
{
    DockedGame docked;
    GameObject_Ship& ship = docked.ship();
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

}
}
