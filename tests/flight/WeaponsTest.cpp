#include "FlightTestWorld.h"

#include "flight/GameObject_Emp.h"
#include "flight/GameObject_Explosion.h"
#include "flight/GameObject_Missile.h"
#include "flight/ObjectList.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_FighterMark1.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dh;

namespace {

constexpr float kStep = 1.0f / 64.0f;

GameObject_Missile* launchAt(test::TestWorld& t, Vector3 at, GameObject* owner, GameObject* target)
{
    return t.add(new GameObject_Missile(at.x, at.y, at.z, owner, target));
}

}

TEST(Magazines, CountsAreClampedToTheClassCapacity)
{
    Ship_ExplorerMark1 explorer(0.0f, 0.0f);
    explorer.setMissiles(3);
    EXPECT_EQ(explorer.missiles, 2u);
    explorer.setEmpBombs(20);
    EXPECT_EQ(explorer.empBombs, 8u);
    Ship_FighterMark1 fighter(0.0f, 0.0f);
    fighter.setEmpBombs(20);
    EXPECT_EQ(fighter.empBombs, 16u);
    fighter.setMissiles(1);
    EXPECT_EQ(fighter.missiles, 1u);
}

TEST(Magazines, MissilesLeaveFromAlternateSidesAndOnlyWithATargetAndStock)
{
    test::TestWorld t;
    auto* ship = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_ExplorerMark1(0.0f, 5000.0f));
    ship->velocity = {0.0f, 0.0f, 300.0f};

    ship->fireMissile(target);
    EXPECT_EQ(ship->missiles, 0u) << "no missiles, no launch";
    ship->setMissiles(2);
    ship->fireMissile(nullptr);
    EXPECT_EQ(ship->missiles, 2u) << "no target, no launch";

    ship->fireMissile(target);
    ship->fireMissile(target);
    EXPECT_EQ(ship->missiles, 0u);
    const auto moving = t.objects().movingObjects();
    ASSERT_EQ(moving.size(), 4u);
    const float r = t.shipMesh.boundRadius;
    EXPECT_EQ(moving[2]->position.x, r);
    EXPECT_EQ(moving[3]->position.x, -r);
    EXPECT_EQ(static_cast<GameObject_Missile*>(moving[2])->velocity, ship->velocity);
    EXPECT_EQ(static_cast<GameObject_Missile*>(moving[3])->owner, ship);
}

TEST(Missile, NeverHitsItsOwnerButAnythingElseCloseAheadOfItsNose)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    // Just behind the owner's tail, nose towards it.
    auto* missile = launchAt(t, {0.0f, 0.0f, -60.0f}, owner, nullptr);
    missile->update(kStep);
    EXPECT_EQ(owner->shield, 200.0f);
    EXPECT_EQ(t.countNamed("Missile"), 1u);

    auto* other = t.add(new Ship_FighterMark1(0.0f, 0.0f));
    other->position = {0.0f, 0.0f, 0.0f};
    missile->update(kStep);
    EXPECT_EQ(other->shield, 0.0f) << "1500 damage, clamped";
    EXPECT_EQ(owner->shield, 200.0f);
    EXPECT_EQ(t.countNamed("Missile"), 0u);
    EXPECT_EQ(t.objects().staticObjects().size(), 1u) << "the missile exploded";
}

TEST(Missile, ExplodesWithinEightRadiiAheadButNotBeyond)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, -3000.0f));
    const float reach = 8.0f * t.missileMesh.boundRadius;
    auto* far = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    // The target's rear face is 50 units behind its position.
    launchAt(t, {0.0f, 0.0f, -50.0f - reach - 0.5f}, owner, nullptr)->update(kStep);
    EXPECT_EQ(far->shield, 200.0f);
    EXPECT_EQ(t.countNamed("Missile"), 1u);
    launchAt(t, {0.0f, 0.0f, -50.0f - reach + 0.5f}, owner, nullptr)->update(kStep);
    EXPECT_EQ(far->shield, 0.0f);
    EXPECT_EQ(t.countNamed("Missile"), 1u);
}

TEST(Missile, HomesWhileItsTargetExistsThenFliesStraightAndTimesOutAfterEightSeconds)
{
    test::TestWorld t;
    auto* owner = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    auto* target = t.add(new Ship_ExplorerMark1(20000.0f, 20000.0f));
    auto* missile = launchAt(t, {0.0f, 0.0f, 100.0f}, owner, target);
    missile->update(kStep);
    const Vector3 aim = normalized(target->position - missile->position);
    EXPECT_NEAR(dot(missile->forward(), aim), 1.0f, 1e-5f);

    t.objects().deleteObject(target);
    const Matrix3 heading = missile->orientation;
    test::TrackedRef ref(t.objects(), missile);
    int frames = 1;
    while (ref.ref.object != nullptr && frames < 1000) {
        missile->update(kStep);
        ASSERT_EQ(ref.ref.object == nullptr || missile->orientation.m == heading.m, true);
        ++frames;
    }
    EXPECT_EQ(frames, 512) << "8 s of 1/64 s steps";
    EXPECT_EQ(t.objects().staticObjects().size(), 1u) << "the missile explodes; the target went intact";
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
    ASSERT_EQ(bomb->lifetime, 2.5f);

    bomb->update(1.0f / 60.0f);
    EXPECT_EQ(farMissile->shield, 0.0f) << "radius 15000 shrinks by 6000 per second";
    EXPECT_EQ(bystander->shield, 400.0f);
    EXPECT_EQ(owner->shield, 200.0f);

    // A missile 5000 units out survives once less than 5000/6000 s remain.
    auto* nearMissile = launchAt(t, {0.0f, 5000.0f, 0.0f}, bystander, owner);
    bomb->lifetime = 5000.0f / 6000.0f + 0.01f + kStep;
    bomb->update(kStep);
    EXPECT_EQ(nearMissile->shield, 0.0f);
    nearMissile->shield = 1.0f;
    bomb->lifetime = 5000.0f / 6000.0f - 0.01f + kStep;
    bomb->update(kStep);
    EXPECT_EQ(nearMissile->shield, 1.0f);

    // The bomb rides with its owner.
    owner->position = {100.0f, 0.0f, 0.0f};
    bomb->update(kStep);
    EXPECT_EQ(bomb->centre, owner->position);

    // Its life runs out and it goes without an explosion; destroyed missiles explode.
    test::TrackedRef ref(t.objects(), bomb);
    const std::size_t statics = t.objects().staticObjects().size();
    bomb->update(1.0f);
    EXPECT_EQ(ref.ref.object, nullptr);
    EXPECT_EQ(t.objects().staticObjects().size(), statics);
    t.objects().stepPhysics(0.0f);
    EXPECT_EQ(t.countNamed("Missile"), 1u);
    EXPECT_EQ(t.objects().staticObjects().size(), statics + 1);
}

TEST(Emp, ArcsRunOutwardsIntoOneOctantInStepsOf50To400)
{
    Ship_ExplorerMark1 owner(0.0f, 0.0f);
    GameObject_Emp bomb(&owner);
    for (const auto& arc : bomb.arcs) {
        Vector3 previous;
        const Vector3 last = arc.back();
        for (const Vector3& point : arc) {
            const Vector3 step = point - previous;
            for (float s : {step.x, step.y, step.z}) {
                EXPECT_GE(std::fabs(s), 50.0f);
                EXPECT_LE(std::fabs(s), 400.0f);
            }
            EXPECT_GT(step.x * last.x, 0.0f);
            EXPECT_GT(step.y * last.y, 0.0f);
            EXPECT_GT(step.z * last.z, 0.0f);
            previous = point;
        }
    }
}

TEST(Explosion, PlaysEighteenFramesEndingOnTheLastThenGoes)
{
    test::TestWorld t;
    auto* explosion = t.add(new GameObject_Explosion(10.0f, 20.0f, 30.0f, 300.0f));
    EXPECT_EQ(explosion->frame(), 1);
    for (const auto& fireball : explosion->fireballs) {
        EXPECT_LE(std::fabs(fireball.centre.x - 10.0f), 150.0f);
        EXPECT_LE(fireball.size, 300.0f);
    }
    test::TrackedRef ref(t.objects(), explosion);
    int lastFrame = 0;
    int previous = 1;
    while (ref.ref.object != nullptr) {
        explosion->update(1.0f / 60.0f);
        if (explosion->remaining > 0.0f) {
            lastFrame = explosion->frame();
            EXPECT_GE(lastFrame, previous);
            previous = lastFrame;
        }
        t.objects().stepPhysics(1.0f / 60.0f);
    }
    EXPECT_EQ(lastFrame, 18);
}
