#include "galaxy/Galaxy.h"

#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

namespace {

// Cells around the start system; GalaxyGoldenTest pins down which hold stars.
constexpr std::uint32_t kBaseX = 23946576;
constexpr std::uint32_t kBaseY = 23624205;

constexpr std::string_view kTwoLetter = "asabitinunenmirecoerulatowdohapajolaanoksufiedhatoorkaopmononeceeyisel";
constexpr std::string_view kThreeLetter =
    "onetwohadforwasbigtheandcascopreatersovcannotsupkaylanrusimpminbughanfewleterscomyouresvodhensh"
    "etendedtooasshudmadviostaminmaxsaybadsadactlodideagekeyredroscro";

// Whether a name, first letter lowered, is `count` syllables of the tables.
bool splitsInto(std::string name, int count)
{
    std::string syllables;
    for (const auto& [table, length] : {std::pair{kTwoLetter, 2u}, {kThreeLetter, 3u}})
        for (std::size_t k = 0; k < table.size(); k += length)
            syllables += (syllables.empty() ? "" : "|") + std::string(table.substr(k, length));
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return std::regex_match(name, std::regex("(" + syllables + "){" + std::to_string(count) + "}"));
}

dh::StarSystem systemAt(const dh::Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    dh::StarSystem system;
    dh::getSystem(galaxy, x, y, system);
    return system;
}

bool sameStar(const dh::StarSystem& a, const dh::StarSystem& b)
{
    return a.name == b.name && a.sceneSeed == b.sceneSeed && a.starType == b.starType && a.planetType == b.planetType
        && a.offsetX == b.offsetX && a.offsetY == b.offsetY && a.danger == b.danger && a.stock == b.stock;
}

// No star: everything but the cell and the danger, which clearing keeps, is zero.
bool isCleared(const dh::StarSystem& system)
{
    dh::StarSystem empty;
    empty.danger = system.danger;
    return sameStar(system, empty);
}

dh::StarSystem namedSystem(std::uint32_t x, std::uint32_t y)
{
    dh::StarSystem system;
    system.name = "Test";
    system.x = x;
    system.y = y;
    return system;
}

}

TEST(Galaxy, CellsDependOnlyOnTheirCoordinatesModulo65536)
{
    const dh::Galaxy galaxy;
    const dh::StarSystem star = systemAt(galaxy, kBaseX + 2, kBaseY);
    ASSERT_TRUE(star.hasStar());
    for (std::uint32_t seed : {0u, 0xFFFFFFFFu, 0x5BF79876u}) {
        dh::g_randomSeed = seed;
        dh::StarSystem out = star;
        dh::getSystem(galaxy, kBaseX, kBaseY, out);
        EXPECT_TRUE(isCleared(out)) << seed;
        dh::g_randomSeed = seed;
        EXPECT_TRUE(sameStar(systemAt(galaxy, kBaseX + 2, kBaseY), star)) << seed;
    }
    for (std::uint32_t dy = 0; dy < 8; ++dy) {
        for (std::uint32_t dx = 0; dx < 8; ++dx) {
            const dh::StarSystem here = systemAt(galaxy, kBaseX + dx, kBaseY + dy);
            const dh::StarSystem east = systemAt(galaxy, kBaseX + dx + 65536, kBaseY + dy);
            EXPECT_TRUE(sameStar(here, east)) << dx << " " << dy;
            EXPECT_TRUE(sameStar(here, systemAt(galaxy, kBaseX + dx, kBaseY + dy - 65536 * 3))) << dx << " " << dy;
            EXPECT_TRUE(!here.hasStar() || east.x == kBaseX + dx + 65536);
        }
    }
}

TEST(Galaxy, NamesHaveTwoSyllablesAndACapitalOutsideTheGalaxyUpToThree)
{
    const dh::Galaxy galaxy;
    int stars = 0;
    for (std::uint32_t y = 0; y < 64; ++y) {
        for (std::uint32_t x = 0; x < 64; ++x) {
            const dh::StarSystem system = systemAt(galaxy, kBaseX + x * 977, y * 40503);
            if (!system.hasStar())
                continue;
            ++stars;
            ASSERT_TRUE(system.name[0] >= 'A' && system.name[0] <= 'Z') << system.name;
            EXPECT_TRUE(splitsInto(system.name, 2)) << system.name;
            EXPECT_TRUE(system.offsetX >= 16 && system.offsetX <= 47 && system.offsetY >= 16 && system.offsetY <= 47);
            EXPECT_TRUE(system.danger >= 1 && system.danger <= 5);
            EXPECT_LE(*std::max_element(system.stock.begin(), system.stock.end()), 200u);
        }
    }
    // About one cell in four holds a star.
    EXPECT_GT(stars, 4096 / 5);
    EXPECT_LT(stars, 4096 / 3);

    int threes = 0;
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        dh::g_randomSeed = seed * 7919;
        const std::string name = dh::generateStarName();
        threes += splitsInto(name, 3);
        EXPECT_TRUE(splitsInto(name, 3) || splitsInto(name, 2)) << name;
    }
    EXPECT_GT(threes, 0);
}

TEST(Galaxy, RememberedSystemKeepsItsStockFor128Departures)
{
    dh::Galaxy galaxy;
    dh::StarSystem home = systemAt(galaxy, kBaseX + 3, kBaseY + 3);
    ASSERT_TRUE(home.hasStar());
    const dh::GoodsCounts generated = home.stock;
    home.stock = {0, 1, 2, 3, 4, 5, 6, 7};
    dh::rememberSystem(galaxy, home);
    for (std::uint32_t i = 0; i < 127; ++i)
        dh::rememberSystem(galaxy, namedSystem(1000 + i, 7));
    EXPECT_EQ(galaxy.recent[127], home);
    EXPECT_EQ(systemAt(galaxy, kBaseX + 3, kBaseY + 3).stock, home.stock);

    dh::rememberSystem(galaxy, namedSystem(5000, 7));
    const dh::StarSystem fresh = systemAt(galaxy, kBaseX + 3, kBaseY + 3);
    EXPECT_EQ(fresh.stock, generated);
    EXPECT_EQ(fresh.name, home.name);
}

TEST(Galaxy, RememberingAgainMovesTheSystemToTheFront)
{
    dh::Galaxy galaxy;
    for (std::uint32_t x : {1u, 2u, 3u, 4u})
        dh::rememberSystem(galaxy, namedSystem(x, 0));
    dh::StarSystem again = namedSystem(2, 0);
    again.stock[0] = 42;
    dh::rememberSystem(galaxy, again);
    EXPECT_EQ((std::array{galaxy.recent[0].x, galaxy.recent[1].x, galaxy.recent[2].x, galaxy.recent[3].x}),
              (std::array{2u, 4u, 3u, 1u}));
    EXPECT_EQ(galaxy.recent[0].stock[0], 42u);
    EXPECT_FALSE(galaxy.recent[4].hasStar());

    // An entry of the list itself may be remembered.
    dh::rememberSystem(galaxy, galaxy.recent[3]);
    EXPECT_EQ(galaxy.recent[0].x, 1u);
    EXPECT_EQ(galaxy.recent[0].name, "Test");
    EXPECT_EQ(galaxy.recent[3].x, 3u);
}

TEST(Galaxy, ClearedListEntriesDoNotHideTheStarOfCellZero)
{
    // A galaxy whose cell (0, 0) holds a star; a new list is all x = y = 0.
    dh::Galaxy galaxy;
    for (galaxy.seed = 1;; ++galaxy.seed) {
        dh::g_randomSeed = galaxy.seed;
        if ((dh::random() & 3u) == 0)
            break;
    }
    const dh::StarSystem origin = systemAt(galaxy, 0, 0);
    EXPECT_TRUE(origin.hasStar());
    EXPECT_EQ(origin.x, 0u);
}
