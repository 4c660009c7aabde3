#include "FlightTestWorld.h"

#include "flight/GameObject_Explosion.h"
#include "flight/ObjectList.h"
#include "flight/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <gtest/gtest.h>

using namespace dh;

TEST(ShipClasses, CarryTheFiguresOfTheClassTable)
{
    test::TestWorld t;
    g_randomSeed = 7;
    Ship_ExplorerMark1 e1(100.0f, -200.0f);
    Ship_ExplorerMark2 e2(0.0f, 0.0f);
    Ship_FighterMark1 f1(0.0f, 0.0f);
    Ship_FighterMark2 f2(0.0f, 0.0f);

    EXPECT_STREQ(e1.name, "Explorer Mark I");
    EXPECT_EQ(e1.position, (Vector3{100.0f, 0.0f, -200.0f}));
    EXPECT_EQ(e1.cost, 2000.0f);
    EXPECT_EQ(e1.shield, 200.0f);
    EXPECT_EQ(e1.maxShield, 200.0f);
    EXPECT_EQ(e1.mass, 15000.0f);
    EXPECT_EQ(e1.cargoCapacity, 10u);
    EXPECT_EQ(e1.topSpeed, 2500.0f);
    EXPECT_EQ(e1.acceleration, 1200.0f);
    EXPECT_EQ(e1.hyperspaceRange, 3.0f);
    EXPECT_EQ(e1.laser.strength, 700.0f);
    EXPECT_EQ(e1.laser.cooling, 500.0f);
    EXPECT_EQ(e1.missileCapacity, 2u);
    EXPECT_EQ(e1.empCapacity, 8u);
    EXPECT_EQ(e1.laser.colour, (Vector3{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(e1.mesh, &t.shipMesh);

    EXPECT_STREQ(e2.name, "Explorer Mark II");
    EXPECT_EQ(e2.cost, 3000.0f);
    EXPECT_EQ(e2.shield, 300.0f);
    EXPECT_EQ(e2.mass, 17000.0f);
    EXPECT_EQ(e2.cargoCapacity, 15u);
    EXPECT_EQ(e2.topSpeed, 2800.0f);
    EXPECT_EQ(e2.acceleration, 1500.0f);
    EXPECT_EQ(e2.hyperspaceRange, 3.5f);
    EXPECT_EQ(e2.laser.strength, 1000.0f);
    EXPECT_EQ(e2.laser.cooling, 600.0f);
    EXPECT_EQ(e2.laser.colour, (Vector3{1.0f, 0.5f, 0.0f}));

    EXPECT_STREQ(f1.name, "Fighter Mark I");
    EXPECT_EQ(f1.cost, 7000.0f);
    EXPECT_EQ(f1.shield, 400.0f);
    EXPECT_EQ(f1.mass, 20000.0f);
    EXPECT_EQ(f1.cargoCapacity, 20u);
    EXPECT_EQ(f1.topSpeed, 3500.0f);
    EXPECT_EQ(f1.acceleration, 1800.0f);
    EXPECT_EQ(f1.hyperspaceRange, 4.0f);
    EXPECT_EQ(f1.laser.strength, 1200.0f);
    EXPECT_EQ(f1.laser.cooling, 600.0f);
    EXPECT_EQ(f1.missileCapacity, 4u);
    EXPECT_EQ(f1.empCapacity, 16u);
    EXPECT_EQ(f1.laser.colour, (Vector3{0.0f, 1.0f, 0.2f}));

    EXPECT_STREQ(f2.name, "Fighter Mark II");
    EXPECT_EQ(f2.cost, 12000.0f);
    EXPECT_EQ(f2.shield, 500.0f);
    EXPECT_EQ(f2.mass, 21000.0f);
    EXPECT_EQ(f2.cargoCapacity, 25u);
    EXPECT_EQ(f2.topSpeed, 4000.0f);
    EXPECT_EQ(f2.acceleration, 2500.0f);
    EXPECT_EQ(f2.hyperspaceRange, 4.5f);
    EXPECT_EQ(f2.laser.strength, 1500.0f);
    EXPECT_EQ(f2.laser.cooling, 800.0f);
    EXPECT_EQ(f2.laser.colour, (Vector3{0.0f, 0.2f, 1.0f}));

    for (const GameObject_Ship* ship : {static_cast<GameObject_Ship*>(&e1), static_cast<GameObject_Ship*>(&f2)}) {
        EXPECT_TRUE(ship->visible && ship->collidable && ship->targetable);
        EXPECT_FALSE(ship->indestructible);
        EXPECT_TRUE(ship->hyperspaceFuel);
        EXPECT_EQ(ship->missiles, 0u);
        EXPECT_EQ(ship->targetSpeed, 0.0f);
        EXPECT_EQ(ship->laser.hitTimer, 0.06f);
        EXPECT_GE(ship->laser.beamWidth, 0.0f);
        EXPECT_LT(ship->laser.beamWidth, 0.5f);
    }
    // The flicker width takes the low 24 bits of one draw.
    g_randomSeed = 7;
    const float expectedWidth = static_cast<float>(dh::random() & 0xFFFFFFu) / 33554432.0f;
    EXPECT_EQ(e1.laser.beamWidth, expectedWidth);
}

TEST(Ship, EnginePitchRisesWithSpeedUpToTopSpeed)
{
    Ship_ExplorerMark1 ship(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(ship.enginePitch(), 0.7f);
    ship.velocity = {0.0f, 0.0f, 1250.0f};
    EXPECT_FLOAT_EQ(ship.enginePitch(), 0.855f);
    ship.velocity = {0.0f, 0.0f, 2500.0f};
    EXPECT_FLOAT_EQ(ship.enginePitch(), 1.01f);
    ship.velocity = {0.0f, 9000.0f, 0.0f};
    EXPECT_FLOAT_EQ(ship.enginePitch(), 1.01f);
}

TEST(Ship, OnlyAShipDestroyedByDamageLeavesAnExplosion)
{
    test::TestWorld t;
    auto* intact = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    t.objects().deleteObject(intact);
    EXPECT_EQ(t.objects().staticObjects().size(), 0u);

    auto* wreck = t.add(new Ship_ExplorerMark1(500.0f, 700.0f));
    wreck->shield = 0.0f;
    t.objects().deleteObject(wreck);
    ASSERT_EQ(t.objects().staticObjects().size(), 1u);
    const auto* explosion = static_cast<const GameObject_Explosion*>(t.objects().staticObjects()[0]);
    EXPECT_EQ(explosion->position, (Vector3{500.0f, 0.0f, 700.0f}));
    for (const auto& fireball : explosion->fireballs) {
        EXPECT_LE(fireball.size, 6.0f * t.shipMesh.boundRadius);
    }

    // A ship that leaves its list (bought away, system left) stops firing and stays whole.
    auto* leaving = t.add(new Ship_ExplorerMark1(0.0f, 0.0f));
    leaving->fireLaser(0.1f);
    ASSERT_TRUE(leaving->laser.firing);
    const float heat = leaving->laser.heat;
    t.objects().detachObject(leaving);
    EXPECT_FALSE(leaving->laser.firing);
    EXPECT_FLOAT_EQ(leaving->laser.heat, heat - 5.0f);
    leaving->shield = 0.0f;
    delete leaving;
    EXPECT_EQ(t.objects().staticObjects().size(), 1u);
}

TEST(Ship, CopyAssignmentTakesEveryFigureButKeepsTheListMembership)
{
    test::TestWorld t;
    auto* player = t.add(new Ship_ExplorerMark1(10.0f, 20.0f));
    player->setMissiles(2);
    player->cargo[3] = 7;
    const std::uint32_t slot = player->index;

    Ship_FighterMark2 bought(0.0f, 0.0f);
    bought.setMissiles(1);
    const GameObject_Ship copy(bought);
    EXPECT_EQ(copy.list, nullptr);
    EXPECT_STREQ(copy.name, "Fighter Mark II");

    t.objects().detachObject(player);
    GameObject_Ship& playerShip = *player;
    playerShip = copy;
    t.objects().addObject(player);
    EXPECT_EQ(player->list, &t.objects());
    EXPECT_EQ(player->index, slot);
    EXPECT_STREQ(player->name, "Fighter Mark II");
    EXPECT_EQ(player->maxShield, 500.0f);
    EXPECT_EQ(player->laser.strength, 1500.0f);
    EXPECT_EQ(player->missiles, 1u);
    EXPECT_EQ(player->cargo[3], 0u);
    EXPECT_EQ(player->position, Vector3{});
}
