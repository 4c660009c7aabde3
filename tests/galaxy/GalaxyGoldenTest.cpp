// The start system and its neighbours as computed by galaxy_golden.py, a
// separate Python implementation of the generator. Saved games store cells,
// not systems, so these values must never change.
#include "galaxy/Galaxy.h"

#include "core/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

struct Golden {
    std::uint32_t x, y;
    const char* name;
    std::uint32_t sceneSeed, starType, planetType, offsetX, offsetY, danger;
    std::array<std::uint32_t, 8> stock;
};

const Golden kStart = {23946579u, 23624208u, "Viovio", 0x5AD5DB33u, 0x5B9E5EA4u, 0x5BEF5023u, 32u, 30u, 4u, {161u, 185u, 83u, 72u, 107u, 45u, 23u, 193u}};

// The stars of the 7 x 7 block of cells around the start system; the other cells are empty.
const std::vector<Golden> kBlockStars = {
    {23946578u, 23624205u, "Croat", 0x5BBE4804u, 0x5AE86AB4u, 0x5BF353ABu, 34u, 44u, 2u, {191u, 121u, 33u, 62u, 70u, 60u, 35u, 132u}},
    {23946579u, 23624205u, "Enne", 0x5AA3A4E9u, 0x5B2BEB38u, 0x5B2B6148u, 21u, 32u, 3u, {179u, 153u, 41u, 114u, 175u, 58u, 19u, 9u}},
    {23946580u, 23624206u, "Mided", 0x5B844127u, 0x5A87D241u, 0x5A362498u, 36u, 32u, 3u, {3u, 55u, 113u, 97u, 58u, 80u, 99u, 113u}},
    {23946582u, 23624206u, "Sovfi", 0x5BA90D51u, 0x5BBF53DEu, 0x5A8A2C22u, 35u, 43u, 4u, {192u, 7u, 74u, 191u, 26u, 145u, 109u, 69u}},
    {23946576u, 23624207u, "Tooas", 0x5B084FBDu, 0x5BF3AB93u, 0x5AAD9B09u, 36u, 19u, 5u, {110u, 13u, 74u, 118u, 67u, 132u, 148u, 67u}},
    {23946580u, 23624207u, "Copit", 0x5BF3A18Du, 0x5BBB9DD4u, 0x5B8F0359u, 35u, 26u, 4u, {98u, 89u, 147u, 19u, 168u, 189u, 136u, 77u}},
    {23946581u, 23624207u, "Oris", 0x5B466CF1u, 0x5BC22FC1u, 0x5B53BD32u, 29u, 46u, 2u, {96u, 96u, 83u, 70u, 164u, 132u, 180u, 20u}},
    {23946579u, 23624208u, "Viovio", 0x5AD5DB33u, 0x5B9E5EA4u, 0x5BEF5023u, 32u, 30u, 4u, {161u, 185u, 83u, 72u, 107u, 45u, 23u, 193u}},
    {23946577u, 23624209u, "Elmin", 0x5BC62967u, 0x5BE1331Au, 0x596EB8F6u, 26u, 36u, 5u, {25u, 103u, 168u, 76u, 95u, 9u, 114u, 116u}},
    {23946578u, 23624209u, "Forros", 0x5B8ECD6Du, 0x5B8ACD5Eu, 0x5BCBCA0Au, 43u, 39u, 3u, {23u, 80u, 83u, 46u, 73u, 55u, 7u, 86u}},
    {23946582u, 23624209u, "Okhud", 0x582C8832u, 0x5B598778u, 0x5B9C2BC6u, 27u, 45u, 2u, {11u, 64u, 181u, 194u, 70u, 190u, 1u, 104u}},
    {23946576u, 23624210u, "Mocom", 0x5B8F391Au, 0x5970084Eu, 0x5B8992C4u, 19u, 16u, 1u, {125u, 141u, 32u, 94u, 60u, 100u, 95u, 150u}},
    {23946577u, 23624211u, "Theone", 0x5BEA52CDu, 0x5B58DAC5u, 0x5B91C13Bu, 44u, 31u, 3u, {27u, 142u, 16u, 143u, 113u, 131u, 4u, 65u}},
    {23946579u, 23624211u, "Ersfi", 0x5B35C4B5u, 0x5B8FD612u, 0x5B15720Du, 21u, 40u, 1u, {15u, 57u, 182u, 88u, 7u, 77u, 165u, 62u}},
};

void expectSystem(const dh::StarSystem& system, const Golden& golden)
{
    SCOPED_TRACE(testing::Message() << "cell " << golden.x << " " << golden.y);
    EXPECT_EQ(system.name, golden.name);
    EXPECT_EQ(system.sceneSeed, golden.sceneSeed);
    EXPECT_EQ(system.starType, golden.starType);
    EXPECT_EQ(system.planetType, golden.planetType);
    EXPECT_EQ(system.offsetX, golden.offsetX);
    EXPECT_EQ(system.offsetY, golden.offsetY);
    EXPECT_EQ(system.stock, golden.stock);
    if (system.hasStar()) {
        EXPECT_EQ(system.x, golden.x);
        EXPECT_EQ(system.y, golden.y);
        EXPECT_EQ(system.danger, golden.danger);
    }
}

const Golden* blockStar(std::uint32_t x, std::uint32_t y)
{
    for (const Golden& golden : kBlockStars)
        if (golden.x == x && golden.y == y)
            return &golden;
    return nullptr;
}

}

TEST(GalaxyGolden, StartSystemAndTheCellsAroundIt)
{
    const dh::Galaxy galaxy;
    dh::StarSystem system;
    dh::g_randomSeed = 12345;
    dh::pickStartSystem(galaxy, system);
    expectSystem(system, kStart);

    for (std::uint32_t y = kStart.y - 3; y <= kStart.y + 3; ++y) {
        for (std::uint32_t x = kStart.x - 3; x <= kStart.x + 3; ++x) {
            dh::getSystem(galaxy, x, y, system);
            const Golden* star = blockStar(x, y);
            expectSystem(system, star ? *star : Golden{x, y, "", 0u, 0u, 0u, 0u, 0u, 0u, {}});
        }
    }
    dh::getSystem(galaxy, 0, 0, system);
    expectSystem(system, {0u, 0u, "", 0u, 0u, 0u, 0u, 0u, 0u, {}});
}
