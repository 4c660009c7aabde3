#include "galaxy/Galaxy.h"

#include "flight/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Cells around the start system; GalaxyGoldenTest pins down which hold stars.
constexpr std::uint32_t kBaseX = 23946576;
constexpr std::uint32_t kBaseY = 23624205;

constexpr std::string_view kTwoLetter = "asabitinunenmirecoerulatowdohapajolaanoksufiedhatoorkaopmononeceeyisel";
constexpr std::string_view kThreeLetter =
    "onetwohadforwasbigtheandcascopreatersovcannotsupkaylanrusimpminbughanfewleterscomyouresvodhensh"
    "etendedtooasshudmadviostaminmaxsaybadsadactlodideagekeyredroscro";

bool isSyllable(std::string_view text)
{
    const std::string_view table = text.size() == 2 ? kTwoLetter : kThreeLetter;
    for (std::size_t k = 0; k + text.size() <= table.size(); k += text.size()) {
        if (table.substr(k, text.size()) == text) {
            return true;
        }
    }
    return false;
}

// Ways to cut a lower-case word into exactly `count` syllables of the tables.
bool splitsInto(std::string_view word, int count)
{
    if (count == 0) {
        return word.empty();
    }
    for (std::size_t length = 2; length <= 3 && length <= word.size(); ++length) {
        if (isSyllable(word.substr(0, length)) && splitsInto(word.substr(length), count - 1)) {
            return true;
        }
    }
    return false;
}

std::string lowered(std::string name)
{
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return name;
}

dh::StarSystem systemAt(const dh::Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    dh::StarSystem system;
    dh::getSystem(galaxy, x, y, system);
    return system;
}

void expectSameStar(const dh::StarSystem& a, const dh::StarSystem& b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.sceneSeed, b.sceneSeed);
    EXPECT_EQ(a.starType, b.starType);
    EXPECT_EQ(a.planetType, b.planetType);
    EXPECT_EQ(a.offsetX, b.offsetX);
    EXPECT_EQ(a.offsetY, b.offsetY);
    EXPECT_EQ(a.danger, b.danger);
    EXPECT_EQ(a.stock, b.stock);
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

TEST(Galaxy, CellsGiveTheSameAnswerWhateverTheGeneratorDid)
{
    const dh::Galaxy galaxy;
    const dh::StarSystem star = systemAt(galaxy, kBaseX + 2, kBaseY);
    ASSERT_TRUE(star.hasStar());
    for (std::uint32_t seed : {0u, 643463u, 0xFFFFFFFFu, 0x5BF79876u}) {
        dh::g_randomSeed = seed;
        dh::StarSystem out = star;
        dh::getSystem(galaxy, kBaseX, kBaseY, out);
        EXPECT_FALSE(out.hasStar());
        EXPECT_EQ(out.sceneSeed, 0u);
        EXPECT_EQ(out.starType, 0u);
        EXPECT_EQ(out.planetType, 0u);
        EXPECT_EQ(out.offsetX, 0u);
        EXPECT_EQ(out.offsetY, 0u);
        EXPECT_EQ(out.stock, dh::GoodsCounts{});

        dh::g_randomSeed = seed;
        expectSameStar(systemAt(galaxy, kBaseX + 2, kBaseY), star);
    }
}

TEST(Galaxy, CellsRepeatEvery65536)
{
    const dh::Galaxy galaxy;
    int stars = 0;
    for (std::uint32_t dy = 0; dy < 8; ++dy) {
        for (std::uint32_t dx = 0; dx < 8; ++dx) {
            const dh::StarSystem here = systemAt(galaxy, kBaseX + dx, kBaseY + dy);
            const dh::StarSystem east = systemAt(galaxy, kBaseX + dx + 65536, kBaseY + dy);
            const dh::StarSystem south = systemAt(galaxy, kBaseX + dx, kBaseY + dy - 65536 * 3);
            expectSameStar(here, east);
            expectSameStar(here, south);
            if (here.hasStar()) {
                EXPECT_EQ(east.x, kBaseX + dx + 65536);
                EXPECT_FALSE(here == east);
                ++stars;
            }
        }
    }
    EXPECT_GT(stars, 0);
}

TEST(Galaxy, NamesHaveTwoSyllablesAndACapital)
{
    const dh::Galaxy galaxy;
    int stars = 0;
    for (std::uint32_t y = 0; y < 64; ++y) {
        for (std::uint32_t x = 0; x < 64; ++x) {
            const dh::StarSystem system = systemAt(galaxy, kBaseX + x * 977, y * 40503);
            if (!system.hasStar()) {
                continue;
            }
            ++stars;
            const std::string& name = system.name;
            ASSERT_GE(name.size(), 4u);
            ASSERT_LE(name.size(), 6u);
            EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
            EXPECT_TRUE(splitsInto(lowered(name), 2)) << name;
            EXPECT_GE(system.offsetX, 16u);
            EXPECT_LE(system.offsetX, 47u);
            EXPECT_GE(system.offsetY, 16u);
            EXPECT_LE(system.offsetY, 47u);
            EXPECT_GE(system.danger, 1u);
            EXPECT_LE(system.danger, 5u);
            for (std::uint32_t level : system.stock) {
                EXPECT_LE(level, 200u);
            }
        }
    }
    // About one cell in four holds a star.
    EXPECT_GT(stars, 4096 / 5);
    EXPECT_LT(stars, 4096 / 3);
}

TEST(Galaxy, StarNamesOutsideTheGalaxyMayHaveThreeSyllables)
{
    int threes = 0;
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        dh::g_randomSeed = seed * 7919;
        const std::string name = dh::generateStarName();
        ASSERT_GE(name.size(), 4u);
        const bool three = splitsInto(lowered(name), 3);
        EXPECT_TRUE(three || splitsInto(lowered(name), 2)) << name;
        threes += three ? 1 : 0;
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
    EXPECT_EQ(systemAt(galaxy, kBaseX + 3, kBaseY + 3).stock, home.stock);

    for (std::uint32_t i = 0; i < 127; ++i) {
        dh::rememberSystem(galaxy, namedSystem(1000 + i, 7));
    }
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
    for (std::uint32_t x : {1u, 2u, 3u, 4u}) {
        dh::rememberSystem(galaxy, namedSystem(x, 0));
    }
    dh::StarSystem again = namedSystem(2, 0);
    again.stock[0] = 42;
    dh::rememberSystem(galaxy, again);
    const std::vector<std::uint32_t> order = {2, 4, 3, 1};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(galaxy.recent[i].x, order[i]);
    }
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
    // A galaxy whose cell (0, 0) holds a star; the new list is all x = y = 0.
    dh::Galaxy galaxy;
    for (galaxy.seed = 1;; ++galaxy.seed) {
        dh::g_randomSeed = galaxy.seed;
        if ((dh::random() & 3u) == 0) {
            break;
        }
    }
    const dh::StarSystem origin = systemAt(galaxy, 0, 0);
    EXPECT_TRUE(origin.hasStar());
    EXPECT_EQ(origin.x, 0u);
    EXPECT_EQ(origin.y, 0u);
}

TEST(Galaxy, RecordEqualityAndClear)
{
    dh::StarSystem a = namedSystem(3, 4);
    a.danger = 2;
    a.offsetX = 20;
    a.stock[7] = 9;
    dh::StarSystem b = namedSystem(3, 4);
    b.name = "Other";
    EXPECT_TRUE(a == b);
    b.y = 5;
    EXPECT_FALSE(a == b);

    a.clear();
    EXPECT_FALSE(a.hasStar());
    EXPECT_EQ(a.offsetX, 0u);
    EXPECT_EQ(a.stock, dh::GoodsCounts{});
    EXPECT_EQ(a.x, 3u);
    EXPECT_EQ(a.y, 4u);
    EXPECT_EQ(a.danger, 2u);

    const dh::Galaxy galaxy;
    EXPECT_EQ(galaxy.seed, 34433u);
    for (const dh::StarSystem& entry : galaxy.recent) {
        EXPECT_FALSE(entry.hasStar());
        EXPECT_EQ(entry.x, 0u);
        EXPECT_EQ(entry.stock, dh::GoodsCounts{});
    }
}
