#include "GameTestSupport.h"

#include "flight/Random.h"
#include "galaxy/Galaxy.h"

#include <cmath>
#include <optional>

using gametest::GameTest;

namespace {

// Goods 7 is the dearest, at 300 credits a unit.
constexpr std::size_t kJewellery = 7;

// The nearest cell to (x, y) other than itself that holds a star.
std::optional<dh::StarSystem> neighbourOf(const dh::Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    for (std::uint32_t r = 1; r < 8; ++r) {
        for (std::uint32_t dy = 0; dy <= 2 * r; ++dy) {
            for (std::uint32_t dx = 0; dx <= 2 * r; ++dx) {
                dh::StarSystem system;
                dh::getSystem(galaxy, x + dx - r, y + dy - r, system);
                if (system.hasStar()) {
                    return system;
                }
            }
        }
    }
    return std::nullopt;
}

}

// The chance per attempt is (V + 500) x D / 35294.1 (V the hold's base
// value, D the danger), so danger 0 never spawns and a product from 35295
// up always gives all 16.
TEST_F(GameTest, SpawningFollowsDangerAndCargoValue)
{
    ship().cargo = {};
    ship().cargo[kJewellery] = 1000;
    for (std::uint32_t clock = 1; clock < 4000; clock += 37) {
        game->currentSystem.danger = 0;
        now = clock;
        game->frameTimer->reset();
        game->spawnComputerShips();
        ASSERT_EQ(game->aiCount, 0u) << "clock " << clock;
    }

    // 116 units of jewellery: (34800 + 500) x 1 = 35300.
    ship().cargo[kJewellery] = 116;
    game->currentSystem.danger = 1;
    for (std::uint32_t clock = 1; clock < 4000; clock += 37) {
        now = clock;
        game->frameTimer->reset();
        game->enterSystem(game->currentSystem, true, true);
        ASSERT_EQ(game->aiCount, 16u) << "clock " << clock;
    }

    // An empty hold in a lawless system: a chance of 500 x 5 / 35294.1 each.
    ship().cargo = {};
    game->currentSystem.danger = 5;
    std::uint32_t total = 0;
    constexpr int kArrivals = 200;
    for (int i = 0; i < kArrivals; ++i) {
        now = 7919u * static_cast<std::uint32_t>(i) + 1u;
        game->frameTimer->reset();
        game->enterSystem(game->currentSystem, true, true);
        total += game->aiCount;
    }
    const double mean = static_cast<double>(total) / kArrivals;
    EXPECT_NEAR(mean, 16.0 * 2500.0 / 35294.1, 0.35);
}

TEST_F(GameTest, SpawnedShipsStartFarOutHeadingAway)
{
    ship().cargo[kJewellery] = 200;
    game->currentSystem.danger = 5;
    game->enterSystem(game->currentSystem, true, true);
    ASSERT_EQ(game->aiCount, 16u);
    const dh::Vector3 player = ship().position;
    for (std::uint32_t i = 0; i < game->aiCount; ++i) {
        const auto* hostile = static_cast<const dh::GameObject_Ship*>(game->aiShipRefs[i]->object);
        ASSERT_NE(hostile, nullptr);
        EXPECT_EQ(game->aiPilots[i]->shipRef, game->aiShipRefs[i].get());
        EXPECT_EQ(hostile->position.y, 0.0f);
        EXPECT_NEAR(dh::length(hostile->position), 16000.0f, 0.5f);
        dh::Vector3 toPlayer = player - hostile->position;
        dh::normalize(toPlayer);
        EXPECT_NEAR(dh::dot(hostile->forward(), toPlayer), -1.0f, 1e-3f);
        EXPECT_LE(hostile->missiles, hostile->missileCapacity / 2);
        EXPECT_TRUE(game->world->objects.containsObject(hostile));
    }
}

TEST_F(GameTest, AJumpArrivesFacingTheStationWithoutFuel)
{
    const dh::StarSystem home = game->currentSystem;
    const std::optional<dh::StarSystem> destination = neighbourOf(game->galaxy, home.x, home.y);
    ASSERT_TRUE(destination.has_value());
    ship().cargo[kJewellery] = 200;
    ship().velocity = {0.0f, 0.0f, 300.0f};
    ship().targetSpeed = 300.0f;
    for (int i = 0; i < 8; ++i) {
        frame(40);
    }

    game->hyperspaceJump(destination->x, destination->y);

    EXPECT_EQ(game->currentSystem, *destination);
    EXPECT_EQ(game->currentSystem.name, destination->name);
    EXPECT_EQ(game->galaxy.recent[0], home);
    ASSERT_NE(game->station(), nullptr);
    EXPECT_TRUE(game->world->objects.containsObject(game->playerShip()));
    EXPECT_EQ(game->timeStep, 0.0f);
    EXPECT_EQ(game->frameCount, 0u);

    const dh::Vector3 station = game->station()->position;
    EXPECT_NEAR(dh::length(ship().position - station), 32000.0f, 1.0f);
    EXPECT_EQ(ship().position.y, 0.0f);
    dh::Vector3 toStation = station - ship().position;
    dh::normalize(toStation);
    EXPECT_NEAR(dh::dot(ship().forward(), toStation), 1.0f, 1e-4f);
    EXPECT_EQ(ship().velocity, dh::Vector3{});
    EXPECT_EQ(ship().targetSpeed, 0.0f);
    EXPECT_FALSE(ship().hyperspaceFuel);
    EXPECT_GT(game->aiCount, 0u);

    // Docking refuels the drive again.
    ship().position = station + game->station()->forward() * 200.0f;
    frame(40);
    EXPECT_TRUE(ship().hyperspaceFuel);
}

TEST_F(GameTest, NoJumpToAnEmptyCellOrWithoutAShip)
{
    const dh::StarSystem home = game->currentSystem;
    std::uint32_t x = home.x;
    dh::StarSystem probe;
    do {
        ++x;
        dh::getSystem(game->galaxy, x, home.y, probe);
    } while (probe.hasStar());
    const dh::Vector3 position = ship().position;
    game->hyperspaceJump(x, home.y);
    EXPECT_EQ(game->currentSystem, home);
    EXPECT_TRUE(ship().hyperspaceFuel);
    EXPECT_EQ(ship().position, position);

    const std::optional<dh::StarSystem> destination = neighbourOf(game->galaxy, home.x, home.y);
    ASSERT_TRUE(destination.has_value());
    game->world->objects.deleteObject(game->playerShip());
    game->hyperspaceJump(destination->x, destination->y);
    EXPECT_EQ(game->currentSystem, home);
}

TEST_F(GameTest, EnteringASystemWithoutRandomPlacementPutsTheShipByTheStation)
{
    addComputerShip(5000.0f, 0.0f);
    game->enterSystem(game->currentSystem, false, false);
    EXPECT_EQ(game->aiCount, 0u);
    EXPECT_EQ(ship().position, (dh::Vector3{0.0f, 0.0f, 4000.0f}));
    EXPECT_EQ(ship().velocity, dh::Vector3{});
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    EXPECT_EQ(game->human->kills, 0u);

    // A record without a star changes nothing.
    dh::StarSystem empty = game->currentSystem;
    empty.clear();
    dh::World* before = game->world.get();
    game->enterSystem(empty, true, true);
    EXPECT_EQ(game->world.get(), before);
}
