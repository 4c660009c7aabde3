#include "FlightTestWorld.h"

#include "flight/ObjectList.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <gtest/gtest.h>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;

struct DamageSpy : MovingGameObject {
    explicit DamageSpy(Mesh* model)
    {
        mesh = model;
        collidable = true;
        position = {0.0f, 0.0f, 400.0f};
    }
    void onDamaged(GameObject* attacker) override
    {
        ++reports;
        lastAttacker = attacker;
    }
    int reports = 0;
    GameObject* lastAttacker = nullptr;
};

}

TEST(Laser, OverheatsAtExactly2000AndStaysLockedForAQuarterSecondOfHeldFire)
{
    test::TestWorld t;
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    ship->laser.heat = 1999.99f;
    ship->fireLaser(kStep);
    EXPECT_TRUE(ship->laser.firing);
    ship->laser.heat = 2000.0f;
    ship->fireLaser(kStep);
    EXPECT_FALSE(ship->laser.firing);
    ship->stopLaser(kStep);
    EXPECT_EQ(ship->laser.lockout, 0.25f) << "only held fire counts the lockout down";

    float heldOff = 0.0f;
    for (int frame = 0; frame < 100 && !ship->laser.firing; ++frame) {
        ship->fireLaser(kStep);
        heldOff += ship->laser.firing ? 0.0f : kStep;
    }
    EXPECT_TRUE(ship->laser.firing);
    EXPECT_GE(heldOff, 0.25f);
    EXPECT_LT(heldOff, 0.25f + 2.0f * kStep);
}

TEST(Laser, HeatFollowsStrengthMinusCoolingAndNeverOverheatsWhenCoolingWins)
{
    test::TestWorld t;
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    for (int frame = 0; frame < 64; ++frame) {
        ship->fireLaser(kStep);
    }
    EXPECT_NEAR(ship->laser.heat, 700.0f - 500.0f, 0.01f);
    ship->laser.strength = 500.0f;
    ship->laser.cooling = 600.0f;
    for (int frame = 0; frame < 64 * 120; ++frame) {
        ship->fireLaser(kStep);
        ASSERT_TRUE(ship->laser.firing);
    }
    EXPECT_EQ(ship->laser.heat, 0.0f);
}

TEST(Laser, ExplorerMarkOneDestroysAnUndamagedFighterMarkTwoInAboutSevenTenthsOfASecond)
{
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_FighterMark2(0.0f, 600.0f));
    const float step = 1.0f / 60.0f;
    float contact = 0.0f;
    while (target->shield > 0.0f && contact < 2.0f) {
        shooter->fireLaser(step);
        contact += step;
    }
    EXPECT_NEAR(contact, 500.0f / 700.0f, step);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 600.0f - 50.0f, 0.01f) << "the beam ends on the nearest face";
}

TEST(Laser, AHitOnAZeroShieldObjectStillReportsDamageAndEndsTheBeamThere)
{
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* spy = t.add(new DamageSpy(t.shipMesh.get()));
    spy->shield = 0.0f;
    spy->indestructible = true;
    shooter->fireLaser(kStep);
    EXPECT_EQ(spy->reports, 1);
    EXPECT_EQ(spy->lastAttacker, shooter);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 350.0f, 0.01f);

    spy->position = {0.0f, 0.0f, -400.0f};
    shooter->fireLaser(kStep);
    EXPECT_EQ(spy->reports, 1);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 55.0f + 999999.0f, 1.0f) << "nothing ahead: full range";
}

TEST(Laser, SparksAndHitSoundsAreSpacedSixtyMillisecondsApart)
{
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    t.add(new Ship_FighterMark1(0.0f, 600.0f));
    const ParticleList& particles = t.world->particles;
    const std::uint32_t perStep[] = {32, 32, 32, 32, 64};
    for (const std::uint32_t expected : perStep) {
        shooter->fireLaser(kStep);
        EXPECT_EQ(particles.count(), expected) << "the hit timer starts ready; four steps reach 0.06 s";
    }
}
