#include <gtest/gtest.h>

#include "flight/Ship_FighterMark2.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiRepair.h"

namespace dh {
namespace {

using docktest::DockedGame;
using docktest::text;

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
}

TEST(Repair, TheButtonRepairsOnARelease)
{
    DockedGame docked;
    docked.ship().shield = 1.0f;
    docked.credits() = 1000.0;
    GuiRepair repair(&docked.game);
    repair.width = 484;
    repair.height = 462;
    repair.onMouseMove(20, 430);
    repair.onMouseDown(20, 430, 1);
    EXPECT_EQ(docked.ship().shield, 1.0f);
    repair.onMouseUp(20, 430, 1);
    EXPECT_EQ(docked.ship().shield, docked.ship().maxShield);
}

}
}
