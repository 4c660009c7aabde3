#include "FlightTestWorld.h"

#include "flight/Collision.h"
#include "flight/CombatLog.h"
#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/Orientation.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "platform/PlatformEvents.h"

#include <cstdio>
#include <numbers>
#include <string>

using namespace dh;

namespace {

// The log written into a file of the test's own, on a clock of its own.
class CombatLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        platformOverrideClock(&now);
        CombatLog::setOutput(file);
    }
    void TearDown() override
    {
        CombatLog::setOutput(nullptr);
        platformOverrideClock(nullptr);
        std::fclose(file);
    }

    // Everything written since the last call.
    std::string written()
    {
        std::string text;
        std::fflush(file);
        std::fseek(file, static_cast<long>(readSoFar), SEEK_SET);
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            text += static_cast<char>(c);
        readSoFar += text.size();
        return text;
    }

    std::FILE* file = nullptr;
    std::size_t readSoFar = 0;
    std::uint32_t now = 12345;
};

std::string label(const GameObject& obj)
{
    char text[128];
    std::snprintf(text, sizeof text, "\"%s\"@%p", obj.name, static_cast<const void*>(&obj));
    return text;
}

std::string address(const void* p)
{
    char text[64];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

}

TEST_F(CombatLogTest, ALaserHitNamesBothShipsTheDamageTheShieldLeftAndTheClosingSpeed)
{
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_FighterMark2(0.0f, 600.0f));
    shooter->velocity = {0.0f, 0.0f, 200.0f};
    target->velocity = {30.0f, 0.0f, -100.0f};
    shooter->fireLaser(0.1f);
    // 700 a second for 0.1 s off a shield of 500; 200 + 100 units/s closing.
    EXPECT_EQ(written(), "combat t=12.345 victim=" + label(*target) + " cause=laser attacker=" + label(*shooter)
                             + " amount=70.000 shield=430.000 closing=300.0\n");
}

TEST_F(CombatLogTest, AMissileHitNamesTheShipThatFiredItOrSaysItIsGone)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_FighterMark1(0.0f, 3000.0f));
    const float reach = 8.0f * t.missileMesh->boundRadius;
    auto* missile = t.add(new GameObject_Missile(0.0f, 0.0f, 2950.0f - reach + 0.5f, owner, target));
    missile->velocity = {0.0f, 0.0f, 4000.0f};
    now = 61000;
    missile->update(1.0f / 64.0f);
    EXPECT_EQ(written(), "combat t=61.000 victim=" + label(*target) + " cause=missile attacker=" + label(*owner)
                             + " amount=1500.000 shield=0.000 closing=4000.0\n");

    // A missile outlives the ship that fired it.
    auto* second = t.add(new Ship_FighterMark2(0.0f, 3000.0f));
    t.objects().deleteObject(target);
    auto* late = t.add(new GameObject_Missile(0.0f, 0.0f, 2950.0f - reach + 0.5f, owner, second));
    const void* lost = owner;
    t.objects().deleteObject(owner);
    late->update(1.0f / 64.0f);
    EXPECT_EQ(written(), "combat t=61.000 victim=" + label(*second) + " cause=missile attacker=gone@" + address(lost)
                             + " amount=1500.000 shield=0.000 closing=0.0\n");
}

TEST_F(CombatLogTest, AnEmpBlastNamesTheMissileItDestroysAndTheShipThatDroppedTheBomb)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* shooter = t.add(new Ship_FighterMark1(0.0f, 9000.0f));
    auto* missile = t.add(new GameObject_Missile(0.0f, 5000.0f, 0.0f, shooter, owner));
    missile->velocity = {0.0f, -1000.0f, 0.0f};
    owner->setEmpBombs(1);
    owner->dropEmpBomb();
    static_cast<GameObject_Emp*>(t.objects().movingObjects().back())->update(1.0f / 60.0f);
    EXPECT_EQ(written(), "combat t=12.345 victim=" + label(*missile) + " cause=EMP attacker=" + label(*owner)
                             + " amount=100000000.000 shield=0.000 closing=1000.0\n");
}

// A collision between two ships is one line for each, the other ship named as
// what was hit; a ship flown into the station reports its speed at impact.
TEST_F(CombatLogTest, CollisionsNameWhatWasHitAndTheSpeedOfTheImpact)
{
    test::TestWorld t;
    auto* a = t.add(new Ship_ExplorerMark1(0.0f, 5000.0f));
    auto* b = t.add(new Ship_ExplorerMark1(0.0f, 5050.0f));
    a->velocity = {0.0f, 0.0f, 500.0f};
    b->velocity = {0.0f, 0.0f, -300.0f};
    collideMoving(ObjectRef{a, nullptr}, ObjectRef{b, nullptr});
    // Both lose half of 800 x 0.1.
    EXPECT_EQ(written(), "combat t=12.345 victim=" + label(*a) + " cause=collision with=" + label(*b)
                             + " attacker=none amount=40.000 shield=160.000 closing=800.0\n"
                             + "combat t=12.345 victim=" + label(*b) + " cause=collision with=" + label(*a)
                             + " attacker=none amount=40.000 shield=160.000 closing=800.0\n");

    test::RecordingGame game;
    auto* station = t.add(new GameObject_SpaceStation(&game.hooks));
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 256.0f + t.shipMesh->boundRadius + 10.0f));
    yaw(*ship, std::numbers::pi_v<float>);
    ship->velocity = {0.0f, 0.0f, -2000.0f};
    ship->targetSpeed = 2000.0f;
    t.objects().deleteObject(a);
    t.objects().deleteObject(b);
    now = 13000;
    t.objects().stepPhysics(0.02f);
    // A quarter of the speed is lost, and 0.15 of that is the damage.
    EXPECT_EQ(written(), "combat t=13.000 victim=" + label(*ship) + " cause=collision with=" + label(*station)
                             + " attacker=none amount=75.000 shield=125.000 closing=2000.0\n");
}

TEST_F(CombatLogTest, SwitchedOffItWritesNothing)
{
    CombatLog::setOutput(nullptr);
    EXPECT_FALSE(CombatLog::enabled());
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_FighterMark2(0.0f, 600.0f));
    shooter->fireLaser(0.1f);
    EXPECT_EQ(target->shield, 430.0f);
    EXPECT_EQ(written(), "");
}

TEST(CombatLogSwitch, TheVariableNamesTheLogAmongOthers)
{
    for (const char* on : {"combat", "sound,combat", "combat,", "a,combat,b"})
        EXPECT_TRUE(CombatLog::namesCombat(on)) << on;
    for (const char* off : {"", "combatant", "Combat", "com,bat", ",", "sound"})
        EXPECT_FALSE(CombatLog::namesCombat(off)) << off;
    EXPECT_FALSE(CombatLog::namesCombat(nullptr));
}
