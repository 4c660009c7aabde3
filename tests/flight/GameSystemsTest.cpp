#include "GameTestSupport.h"

#include "flight/Random.h"
#include "galaxy/Galaxy.h"

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

// The chance per attempt is (V + 500) x D / 35294.1 (V the hold's base value,
// D the danger): danger 0 never spawns, a product from 35295 up always gives 16.
TEST_F(GameTest, SpawningFollowsDangerAndCargoValue)
{
    const struct {
        std::uint32_t jewellery, danger, ships;
    } sure[] = {{1000, 0, 0}, {116, 1, 16}};  // 116 units: (34800 + 500) x 1 = 35300
    for (const auto& c : sure) {
        ship().cargo[kJewellery] = c.jewellery;
        game->currentSystem.danger = c.danger;
        for (std::uint32_t clock = 1; clock < 4000; clock += 37) {
            now = clock;
            game->frameTimer->reset();
            game->enterSystem(game->currentSystem, true, true);
            ASSERT_EQ(game->aiCount, c.ships) << "clock " << clock;
        }
    }

    ship().cargo = {};
    game->currentSystem.danger = 5;
    std::uint32_t total = 0;
    for (std::uint32_t i = 0; i < 200; ++i) {
        now = 7919u * i + 1u;
        game->frameTimer->reset();
        game->enterSystem(game->currentSystem, true, true);
        total += game->aiCount;
    }
    EXPECT_NEAR(total / 200.0, 16.0 * 2500.0 / 35294.1, 0.35);
}

TEST_F(GameTest, AJumpArrivesFacingTheStationWithoutFuelAndComputerShipsHeadAway)
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
    EXPECT_EQ(game->galaxy.recent[0], home);
    EXPECT_EQ(game->timeStep, 0.0f);

    const dh::Vector3 station = game->station()->position;
    EXPECT_NEAR(dh::length(ship().position - station), 32000.0f, 1.0f);
    EXPECT_NEAR(dh::dot(ship().forward(), dh::normalized(station - ship().position)), 1.0f, 1e-4f);
    EXPECT_EQ(ship().velocity, dh::Vector3{});
    EXPECT_EQ(ship().targetSpeed, 0.0f);
    EXPECT_FALSE(ship().hyperspaceFuel);

    ASSERT_GT(game->aiCount, 0u);
    for (std::uint32_t i = 0; i < game->aiCount; ++i) {
        const auto* hostile = static_cast<const dh::GameObject_Ship*>(game->aiShipRefs[i]->object);
        ASSERT_NE(hostile, nullptr);
        EXPECT_NEAR(dh::length(hostile->position), 16000.0f, 0.5f);
        EXPECT_NEAR(dh::dot(hostile->forward(), dh::normalized(ship().position - hostile->position)), -1.0f, 1e-3f);
        EXPECT_LE(hostile->missiles, hostile->missileCapacity / 2);
    }
}

TEST_F(GameTest, NoJumpToAnEmptyCellOrWithoutAShip)
{
    const dh::StarSystem home = game->currentSystem;
    std::uint32_t x = home.x;
    dh::StarSystem probe;
    do {
        dh::getSystem(game->galaxy, ++x, home.y, probe);
    } while (probe.hasStar());
    const dh::Vector3 position = ship().position;
    game->hyperspaceJump(x, home.y);
    EXPECT_EQ(game->currentSystem, home);
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
    EXPECT_EQ(game->world->objects.movingObjects().size(), 1u);
    EXPECT_EQ(game->human->kills, 0u);

    dh::StarSystem empty = game->currentSystem;
    empty.clear();
    dh::World* before = game->world.get();
    game->enterSystem(empty, true, true);
    EXPECT_EQ(game->world.get(), before) << "a record without a star changes nothing";
}
