#include "FlightTestWorld.h"

#include "flight/GameObject_Explosion.h"
#include "flight/ObjectList.h"
#include "flight/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

using namespace dh;

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

TEST(Ship, CopyAssignmentTakesEveryFigureButKeepsTheListMembership)
{
    test::TestWorld t;
    auto* player = t.add(new Ship_ExplorerMark1(10.0f, 20.0f));
    player->cargo[3] = 7;
    const std::uint32_t slot = player->index;
    Ship_FighterMark2 bought(0.0f, 0.0f);
    bought.setMissiles(1);
    const GameObject_Ship copy(bought);
    EXPECT_EQ(copy.list, nullptr);

    t.objects().detachObject(player);
    static_cast<GameObject_Ship&>(*player) = copy;
    t.objects().addObject(player);
    EXPECT_EQ(player->index, slot);
    EXPECT_STREQ(player->name, "Fighter Mark II");
    EXPECT_EQ(player->laser.strength, 1500.0f);
    EXPECT_EQ(player->missiles, 1u);
    EXPECT_EQ(player->cargo[3], 0u);
    EXPECT_EQ(player->position, Vector3{});
}
