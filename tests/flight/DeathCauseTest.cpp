#include "FlightTestWorld.h"

#include "flight/Collision.h"
#include "flight/CombatLog.h"
#include "flight/DeathCause.h"
#include "flight/Orientation.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark2.h"

using namespace dh;

// Speeds in units (metres) a second; 1 m/s is 3.6 km/h.
TEST(DeathCauseWording, NamesTheKillerWithItsArticleAndTheSpeedInKilometresAnHour)
{
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Collision, "Fighter Mark II", false, 3200.0f / 3.6f}),
              "Rammed by a Fighter Mark II at 3200 km/h");
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Collision, "Explorer Mark I", false, 250.0f}),
              "Rammed by an Explorer Mark I at 900 km/h");
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Collision, "Spacestation", true, 2000.0f}),
              "Crashed into the Spacestation at 7200 km/h");
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Laser, "Explorer Mark II", false, 0.0f}),
              "Laser fire from an Explorer Mark II");
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Laser, "Fighter Mark I", false, 0.0f}),
              "Laser fire from a Fighter Mark I");
    EXPECT_EQ(describeDeathCause({DeathCause::Kind::Missile, "Missile", false, 0.0f}), "Hit by a missile");
    EXPECT_EQ(describeDeathCause({}), "");
}

// The log remembers the last damage to the ship it watches, and only to it,
// whether or not it writes.
TEST(DeathCauseFromLog, TheLastDamageToTheWatchedShipIsRemembered)
{
    CombatLog::watch(nullptr);
    test::TestWorld t;
    auto* own = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* enemy = t.add(new Ship_ExplorerMark2(0.0f, 600.0f));
    auto* bystander = t.add(new Ship_FighterMark2(5000.0f, 600.0f));
    CombatLog::watch(own);
    EXPECT_EQ(describeDeathCause(CombatLog::lastDamage()), "");

    yaw(*enemy, 3.14159265f);
    enemy->fireLaser(0.1f);
    EXPECT_EQ(describeDeathCause(CombatLog::lastDamage()), "Laser fire from an Explorer Mark II");

    // Another ship's collision is not ours.
    auto* rammer = t.add(new Ship_FighterMark2(5000.0f, 650.0f));
    bystander->velocity = {0.0f, 0.0f, 500.0f};
    collideMoving(ObjectRef{bystander, nullptr}, ObjectRef{rammer, nullptr});
    EXPECT_EQ(describeDeathCause(CombatLog::lastDamage()), "Laser fire from an Explorer Mark II");

    // Rammed head on, 50 apart: 500 + 300 units a second closing.
    auto* fighter = t.add(new Ship_FighterMark2(0.0f, -50.0f));
    own->velocity = {0.0f, 0.0f, -500.0f};
    fighter->velocity = {0.0f, 0.0f, 300.0f};
    collideMoving(ObjectRef{fighter, nullptr}, ObjectRef{own, nullptr});
    EXPECT_EQ(describeDeathCause(CombatLog::lastDamage()), "Rammed by a Fighter Mark II at 2880 km/h");

    // Watching the same ship again keeps what is known; another ship starts afresh.
    CombatLog::watch(own);
    EXPECT_EQ(CombatLog::lastDamage().kind, DeathCause::Kind::Collision);
    CombatLog::watch(enemy);
    EXPECT_EQ(CombatLog::lastDamage().kind, DeathCause::Kind::Unknown);
    CombatLog::watch(nullptr);
}
