#include "FlightTestWorld.h"

#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Missile.h"
#include "flight/ObjectList.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;

GameObject_Missile* launchAt(test::TestWorld& t, Vector3 at, GameObject* owner, GameObject* target)
{
    return t.add(new GameObject_Missile(at.x, at.y, at.z, owner, target));
}

}

TEST(ShipClasses, CarryTheFiguresOfTheClassTable)
{
    test::TestWorld t;
    // Name, cost, shield, mass, cargo, top speed, acceleration, range, laser strength and
    // cooling, missiles, EMP bombs and the laser's colour.
    using Figures = std::tuple<std::string, float, float, float, std::uint32_t, float, float, float, float, float,
                               std::uint32_t, std::uint32_t, Vector3>;
    const std::pair<GameObject_Ship, Figures> rows[] = {
        {Ship_ExplorerMark1(100.0f, -200.0f),
         {"Explorer Mark I", 2000, 200, 15000, 10, 2500, 1200, 3.0f, 700, 500, 2, 8, {1.0f, 0.0f, 0.0f}}},
        {Ship_ExplorerMark2(100.0f, -200.0f),
         {"Explorer Mark II", 3000, 300, 17000, 15, 2800, 1500, 3.5f, 1000, 600, 2, 8, {1.0f, 0.5f, 0.0f}}},
        {Ship_FighterMark1(100.0f, -200.0f),
         {"Fighter Mark I", 7000, 400, 20000, 20, 3500, 1800, 4.0f, 1200, 600, 4, 16, {0.0f, 1.0f, 0.2f}}},
        {Ship_FighterMark2(100.0f, -200.0f),
         {"Fighter Mark II", 12000, 500, 21000, 25, 4000, 2500, 4.5f, 1500, 800, 4, 16, {0.0f, 0.2f, 1.0f}}},
    };
    for (const auto& [ship, figures] : rows) {
        EXPECT_EQ(Figures(ship.name, ship.cost, ship.shield, ship.mass, ship.cargoCapacity, ship.topSpeed,
                          ship.acceleration, ship.hyperspaceRange, ship.laser.strength, ship.laser.cooling,
                          ship.missileCapacity, ship.empCapacity, ship.laser.colour),
                  figures);
        EXPECT_EQ(ship.maxShield, ship.shield);
        EXPECT_EQ(ship.position, (Vector3{100.0f, 0.0f, -200.0f}));
        EXPECT_TRUE(ship.visible && ship.collidable && ship.targetable && ship.hyperspaceFuel);
        EXPECT_EQ(ship.missiles + ship.empBombs, 0u);
    }
    // The flicker width takes the low 24 bits of one draw, times 2^-25.
    g_randomSeed = 7;
    const Ship_ExplorerMark1 ship(0.0f, 0.0f);
    g_randomSeed = 7;
    EXPECT_EQ(ship.laser.beamWidth, static_cast<float>(dh::random() & 0xFFFFFFu) / 33554432.0f);
}

TEST(Ship, EnginePitchRisesWithSpeedUpToTopSpeed)
{
    Ship_ExplorerMark1 ship(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(ship.enginePitch(), 0.7f);
    ship.velocity = {0.0f, 0.0f, 1250.0f};
    EXPECT_FLOAT_EQ(ship.enginePitch(), 0.855f);
    ship.velocity = {0.0f, 9000.0f, 0.0f};
    EXPECT_FLOAT_EQ(ship.enginePitch(), 1.01f);
}

TEST(Ship, OnlyAShipDestroyedByDamageLeavesAnExplosion)
{
    test::TestWorld t;
    t.objects().deleteObject(t.add(new Ship_ExplorerMark1(0.0f, 0.0f)));
    EXPECT_EQ(t.objects().staticObjects().size(), 0u);
    auto* wreck = t.add(new Ship_ExplorerMark1(500.0f, 700.0f));
    wreck->shield = 0.0f;
    t.objects().deleteObject(wreck);
    ASSERT_EQ(t.objects().staticObjects().size(), 1u);
    EXPECT_EQ(t.objects().staticObjects()[0]->position, (Vector3{500.0f, 0.0f, 700.0f}));

    // A ship that leaves its list (bought away, system left) stops firing and stays whole.
    auto* leaving = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    leaving->fireLaser(0.1f);
    t.objects().detachObject(leaving);
    EXPECT_FALSE(leaving->laser.firing);
    leaving->shield = 0.0f;
    delete leaving;
    EXPECT_EQ(t.objects().staticObjects().size(), 1u);
}

TEST(Laser, HeatsBy700Less500ASecondOverheatsAt2000AndStaysLockedForAQuarterSecondOfHeldFire)
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

    // Heat rises by strength minus cooling a second, and never when cooling wins.
    ship->laser.heat = 0.0f;
    for (int frame = 0; frame < 64; ++frame)
        ship->fireLaser(kStep);
    EXPECT_NEAR(ship->laser.heat, 700.0f - 500.0f, 0.01f);
    ship->laser.strength = 500.0f;
    ship->laser.cooling = 600.0f;
    for (int frame = 0; frame < 64 * 120; ++frame) {
        ship->fireLaser(kStep);
        ASSERT_TRUE(ship->laser.firing);
    }
    EXPECT_EQ(ship->laser.heat, 0.0f);
}

// Sparks and hit sounds are spaced 60 ms apart: the hit timer starts ready and
// four steps reach 0.06 s. 500 shield against 700 a second takes 0.71 s.
TEST(Laser, AnExplorerMarkOneDestroysAnUndamagedFighterMarkTwoInAboutSevenTenthsOfASecond)
{
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_FighterMark2(0.0f, 600.0f));
    float contact = 0.0f;
    for (const std::uint32_t sparks : {32u, 32u, 32u, 32u, 64u}) {
        shooter->fireLaser(kStep);
        contact += kStep;
        EXPECT_EQ(t.world->particles.count(), sparks);
    }
    while (target->shield > 0.0f && contact < 2.0f) {
        shooter->fireLaser(kStep);
        contact += kStep;
    }
    EXPECT_NEAR(contact, 500.0f / 700.0f, kStep);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 600.0f - 50.0f, 0.01f) << "the beam ends on the nearest face";
}

TEST(Laser, AHitOnAZeroShieldObjectStillReportsDamageAndEndsTheBeamThere)
{
    flighttest::Events spied;
    test::TestWorld t;
    auto* shooter = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* spy = flighttest::add<flighttest::TestMover>(t.objects(), &spied, t.shipMesh.get(), {0.0f, 0.0f, 400.0f});
    spy->shield = 0.0f;
    spy->indestructible = true;
    shooter->fireLaser(kStep);
    EXPECT_EQ(spied.damaged, 1);
    EXPECT_EQ(spy->lastAttacker, shooter);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 350.0f, 0.01f);

    spy->position = {0.0f, 0.0f, -400.0f};
    shooter->fireLaser(kStep);
    EXPECT_EQ(spied.damaged, 1);
    EXPECT_NEAR(shooter->laser.beamEnd.z, 55.0f + 999999.0f, 1.0f) << "nothing ahead: full range";
}

TEST(Magazines, ClampToCapacityAndLaunchFromAlternateSides)
{
    test::TestWorld t;
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_ExplorerMark1(0.0f, 5000.0f));
    ship->setEmpBombs(20);
    EXPECT_EQ(ship->empBombs, 8u);
    ship->fireMissile(target);
    EXPECT_EQ(ship->missiles, 0u) << "no missiles, no launch";
    ship->setMissiles(3);
    EXPECT_EQ(ship->missiles, 2u);
    ship->fireMissile(nullptr);
    EXPECT_EQ(ship->missiles, 2u) << "no target, no launch";
    ship->fireMissile(target);
    ship->fireMissile(target);
    const auto moving = t.objects().movingObjects();
    ASSERT_EQ(moving.size(), 4u);
    EXPECT_EQ(moving[2]->position.x, t.shipMesh->boundRadius);
    EXPECT_EQ(moving[3]->position.x, -t.shipMesh->boundRadius);
}

TEST(Missile, NeverHitsItsOwnerButExplodesOnAnythingWithinEightRadiiAhead)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* missile = launchAt(t, {0.0f, 0.0f, -60.0f}, owner, nullptr);
    missile->update(kStep);
    EXPECT_EQ(owner->shield, 200.0f);
    EXPECT_EQ(t.countNamed("Missile"), 1u);

    // The target's rear face is 50 units behind its position.
    auto* far = t.add(new Ship_FighterMark1(0.0f, 3000.0f));
    const float reach = 8.0f * t.missileMesh->boundRadius;
    launchAt(t, {0.0f, 0.0f, 2950.0f - reach - 0.5f}, owner, nullptr)->update(kStep);
    EXPECT_EQ(far->shield, 400.0f);
    launchAt(t, {0.0f, 0.0f, 2950.0f - reach + 0.5f}, owner, nullptr)->update(kStep);
    EXPECT_EQ(far->shield, 0.0f) << "1500 damage, clamped";
    EXPECT_EQ(t.countNamed("Missile"), 2u);
    EXPECT_EQ(t.objects().staticObjects().size(), 1u) << "the missile exploded";
}

TEST(Missile, HomesWhileItsTargetExistsThenFliesStraightAndTimesOutAfterEightSeconds)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_ExplorerMark1(20000.0f, 20000.0f));
    auto* missile = launchAt(t, {0.0f, 0.0f, 100.0f}, owner, target);
    missile->update(kStep);
    EXPECT_NEAR(dot(missile->forward(), normalized(target->position - missile->position)), 1.0f, 1e-5f);

    t.objects().deleteObject(target);
    const Matrix3 heading = missile->orientation;
    test::TrackedRef ref(t.objects(), missile);
    int frames = 1;
    while (ref.ref.object != nullptr && frames < 1000) {
        missile->update(kStep);
        ASSERT_TRUE(ref.ref.object == nullptr || missile->orientation.m == heading.m);
        ++frames;
    }
    EXPECT_EQ(frames, 512) << "8 s of 1/64 s steps";
    EXPECT_EQ(t.objects().staticObjects().size(), 1u) << "the missile explodes";
}

TEST(Emp, DestroysMissilesInsideItsShrinkingBlastAndLeavesShipsAlone)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* bystander = t.add(new Ship_FighterMark1(0.0f, 3000.0f));
    auto* farMissile = launchAt(t, {14000.0f, 0.0f, 0.0f}, bystander, owner);
    owner->setEmpBombs(1);
    owner->dropEmpBomb();
    EXPECT_EQ(owner->empBombs, 0u);
    auto* bomb = static_cast<GameObject_Emp*>(t.objects().movingObjects().back());
    bomb->update(1.0f / 60.0f);
    EXPECT_EQ(farMissile->shield, 0.0f) << "radius 15000 shrinks by 6000 per second";
    EXPECT_EQ(bystander->shield, 400.0f);
    EXPECT_EQ(owner->shield, 200.0f);

    auto* nearMissile = launchAt(t, {0.0f, 5000.0f, 0.0f}, bystander, owner);
    nearMissile->shield = 1.0f;
    bomb->lifetime = 5000.0f / 6000.0f - 0.01f + kStep;
    bomb->update(kStep);
    EXPECT_EQ(nearMissile->shield, 1.0f);
    bomb->lifetime = 5000.0f / 6000.0f + 0.01f + kStep;
    bomb->update(kStep);
    EXPECT_EQ(nearMissile->shield, 0.0f);
    owner->position = {100.0f, 0.0f, 0.0f};
    bomb->update(kStep);
    EXPECT_EQ(bomb->centre, owner->position) << "the bomb rides with its owner";

    // Its life runs out and it goes without an explosion; destroyed missiles explode.
    test::TrackedRef ref(t.objects(), bomb);
    bomb->update(3.0f);
    EXPECT_EQ(ref.ref.object, nullptr);
    EXPECT_EQ(t.objects().staticObjects().size(), 0u);
    t.objects().stepPhysics(0.0f);
    EXPECT_EQ(t.objects().staticObjects().size(), 2u);

    // Each arc runs outwards into one octant in steps of 50 to 400 along each axis.
    const GameObject_Emp other(owner);
    for (const auto& arc : other.arcs) {
        Vector3 previous;
        for (const Vector3& point : arc) {
            const Vector3 step = point - previous, end = arc.back();
            for (const auto& [s, e] : {std::pair(step.x, end.x), std::pair(step.y, end.y), std::pair(step.z, end.z)})
                EXPECT_TRUE(std::fabs(s) >= 50.0f && std::fabs(s) <= 400.0f && s * e > 0.0f) << s << " towards " << e;
            previous = point;
        }
    }
}

TEST(Explosion, PlaysEighteenFramesEndingOnTheLastThenGoes)
{
    test::TestWorld t;
    auto* explosion = t.add(new GameObject_Explosion(10.0f, 20.0f, 30.0f, 300.0f));
    EXPECT_EQ(explosion->frame(), 1);
    test::TrackedRef ref(t.objects(), explosion);
    int lastFrame = 0;
    while (ref.ref.object != nullptr) {
        explosion->update(1.0f / 60.0f);
        if (explosion->remaining > 0.0f) {
            EXPECT_GE(explosion->frame(), lastFrame);
            lastFrame = explosion->frame();
        }
        t.objects().stepPhysics(1.0f / 60.0f);
    }
    EXPECT_EQ(lastFrame, 18);
}
