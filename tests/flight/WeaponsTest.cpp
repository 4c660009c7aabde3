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
}

TEST(Emp, ArcsRunOutwardsIntoOneOctantInStepsOf50To400)
{
    Ship_ExplorerMark1 owner(0.0f, 0.0f);
    const GameObject_Emp bomb(&owner);
    for (const auto& arc : bomb.arcs) {
        Vector3 previous;
        for (const Vector3& point : arc) {
            const Vector3 step = point - previous;
            for (const float s : {step.x, step.y, step.z}) {
                EXPECT_TRUE(std::fabs(s) >= 50.0f && std::fabs(s) <= 400.0f) << s;
            }
            EXPECT_GT(step.x * arc.back().x, 0.0f);
            EXPECT_GT(step.y * arc.back().y, 0.0f);
            EXPECT_GT(step.z * arc.back().z, 0.0f);
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
