#include "galaxy/Galaxy.h"
#include "galaxy/StarSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

dh::StarSystem placed(std::uint32_t x, std::uint32_t y, std::uint32_t offsetX, std::uint32_t offsetY)
{
    dh::StarSystem system;
    system.name = "Test";
    system.x = x;
    system.y = y;
    system.offsetX = offsetX;
    system.offsetY = offsetY;
    return system;
}

}

TEST(StarSystem, HyperspaceDistance)
{
    const dh::StarSystem a = placed(5, 9, 47, 20);
    EXPECT_EQ(dh::hyperspaceDistance(a, a), 0.0);
    EXPECT_EQ(dh::hyperspaceDistance(a, placed(6, 9, 16, 20)), 33.0 / 64.0);
    EXPECT_EQ(dh::hyperspaceDistance(placed(6, 9, 16, 20), a), 33.0 / 64.0);
    // 3-4-5 triangle of whole cells.
    EXPECT_EQ(dh::hyperspaceDistance(placed(0, 0, 30, 30), placed(3, 4, 30, 30)), 5.0);
    // Neighbours across the wrap of the cell coordinates.
    EXPECT_EQ(dh::hyperspaceDistance(placed(0xFFFFFFFFu, 0, 47, 16), placed(0, 0, 16, 16)), 33.0 / 64.0);
    // Far systems do not overflow.
    EXPECT_EQ(dh::hyperspaceDistance(placed(100, 100, 16, 16), placed(40100, 30100, 16, 16)), 50000.0);
}

TEST(StarSystem, NeighbouringStarsAreAtLeast33SixtyFourthsApart)
{
    const dh::Galaxy galaxy;
    constexpr std::uint32_t kSide = 48;
    std::array<std::array<dh::StarSystem, kSide>, kSide> cells;
    for (std::uint32_t y = 0; y < kSide; ++y) {
        for (std::uint32_t x = 0; x < kSide; ++x) {
            dh::getSystem(galaxy, 23946560 + x, 23624190 + y, cells[y][x]);
        }
    }
    double closest = 1e9;
    for (std::uint32_t y = 0; y + 1 < kSide; ++y) {
        for (std::uint32_t x = 0; x + 1 < kSide; ++x) {
            const dh::StarSystem& here = cells[y][x];
            for (const dh::StarSystem* other : {&cells[y][x + 1], &cells[y + 1][x], &cells[y + 1][x + 1]}) {
                if (here.hasStar() && other->hasStar()) {
                    closest = std::min(closest, dh::hyperspaceDistance(here, *other));
                }
            }
        }
    }
    EXPECT_GE(closest, 33.0 / 64.0);
    EXPECT_LT(closest, 2.0);
}

TEST(StarSystem, Lookups)
{
    dh::StarSystem system;
    float rgb[3] = {};
    system.starType = 0x5A000001u;
    dh::starColour(system, rgb);
    EXPECT_EQ(rgb[0], 1.0f);
    EXPECT_EQ(rgb[1], 0.95f);
    EXPECT_EQ(rgb[2], 0.6f);
    system.starType = 0xFFFFFFFEu;
    dh::starColour(system, rgb);
    EXPECT_EQ(rgb[0], 0.4f);
    EXPECT_EQ(rgb[1], 0.8f);
    EXPECT_EQ(rgb[2], 1.0f);
    dh::starColour(system, nullptr);

    system.planetType = 0x5B00000Au;
    dh::ambientColour(system, rgb);
    EXPECT_EQ(rgb[0], 0.2f);
    EXPECT_EQ(rgb[1], 0.2f);
    EXPECT_EQ(rgb[2], 0.2f);
    system.planetType = 7;
    dh::ambientColour(system, rgb);
    EXPECT_EQ(rgb[0], 0.15f);
    EXPECT_EQ(rgb[1], 0.15f);
    EXPECT_EQ(rgb[2], 0.1f);
    dh::ambientColour(system, nullptr);

    const char* stems[] = {"planet1", "planet2", "planet3", "planet4", "planet5", "planet6", "planet7", "planet8"};
    for (std::uint32_t i = 0; i < 8; ++i) {
        system.planetType = 0x5B000000u + 8 + i;
        EXPECT_EQ(dh::planetTexture(system), stems[i]);
    }

    EXPECT_EQ(dh::dangerName(0), "Unknown danger");
    EXPECT_EQ(dh::dangerName(1), "Peaceful");
    EXPECT_EQ(dh::dangerName(2), "Mostly quiet");
    EXPECT_EQ(dh::dangerName(3), "Some danger");
    EXPECT_EQ(dh::dangerName(4), "Dangerous");
    EXPECT_EQ(dh::dangerName(5), "Lawless");
    EXPECT_EQ(dh::dangerName(6), "Unknown danger");
}
