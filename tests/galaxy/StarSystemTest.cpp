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

TEST(StarSystem, HyperspaceDistanceAndTheClosestNeighbours)
{
    const dh::StarSystem a = placed(5, 9, 47, 20);
    EXPECT_EQ(dh::hyperspaceDistance(a, a), 0.0);
    EXPECT_EQ(dh::hyperspaceDistance(a, placed(6, 9, 16, 20)), 33.0 / 64.0);
    EXPECT_EQ(dh::hyperspaceDistance(placed(6, 9, 16, 20), a), 33.0 / 64.0);
    EXPECT_EQ(dh::hyperspaceDistance(placed(0, 0, 30, 30), placed(3, 4, 30, 30)), 5.0);
    // Across the wrap of the cell coordinates, and far apart without overflow.
    EXPECT_EQ(dh::hyperspaceDistance(placed(0xFFFFFFFFu, 0, 47, 16), placed(0, 0, 16, 16)), 33.0 / 64.0);
    EXPECT_EQ(dh::hyperspaceDistance(placed(100, 100, 16, 16), placed(40100, 30100, 16, 16)), 50000.0);

    const dh::Galaxy galaxy;
    constexpr std::uint32_t kSide = 48;
    std::array<std::array<dh::StarSystem, kSide>, kSide> cells;
    for (std::uint32_t y = 0; y < kSide; ++y)
        for (std::uint32_t x = 0; x < kSide; ++x)
            dh::getSystem(galaxy, 23946560 + x, 23624190 + y, cells[y][x]);
    double closest = 1e9;
    for (std::uint32_t y = 0; y + 1 < kSide; ++y)
        for (std::uint32_t x = 0; x + 1 < kSide; ++x)
            for (const dh::StarSystem* other : {&cells[y][x + 1], &cells[y + 1][x], &cells[y + 1][x + 1]})
                if (cells[y][x].hasStar() && other->hasStar())
                    closest = std::min(closest, dh::hyperspaceDistance(cells[y][x], *other));
    EXPECT_GE(closest, 33.0 / 64.0);
    EXPECT_LT(closest, 2.0);
}

TEST(StarSystem, ColoursTexturesAndDangerNames)
{
    dh::StarSystem system;
    std::array<float, 3> rgb{};
    system.starType = 0x5A000001u;
    dh::starColour(system, rgb.data());
    EXPECT_EQ(rgb, (std::array{1.0f, 0.95f, 0.6f}));
    system.starType = 0xFFFFFFFEu;
    dh::starColour(system, rgb.data());
    EXPECT_EQ(rgb, (std::array{0.4f, 0.8f, 1.0f}));
    dh::starColour(system, nullptr);

    system.planetType = 0x5B00000Au;
    dh::ambientColour(system, rgb.data());
    EXPECT_EQ(rgb, (std::array{0.2f, 0.2f, 0.2f}));
    system.planetType = 7;
    dh::ambientColour(system, rgb.data());
    EXPECT_EQ(rgb, (std::array{0.15f, 0.15f, 0.1f}));
    dh::ambientColour(system, nullptr);

    system.planetType = 0x5B000000u + 8;
    EXPECT_EQ(dh::planetTexture(system), "planet1");
    system.planetType = 0x5B000000u + 15;
    EXPECT_EQ(dh::planetTexture(system), "planet8");

    const char* dangers[] = {"Unknown danger", "Peaceful",  "Mostly quiet",  "Some danger",
                             "Dangerous",      "Lawless",   "Unknown danger"};
    for (std::uint32_t danger = 0; danger <= 6; ++danger)
        EXPECT_EQ(dh::dangerName(danger), dangers[danger]);
}
