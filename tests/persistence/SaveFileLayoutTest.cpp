#include "flight/GameObject_Ship.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveSample.h"

#include <gtest/gtest.h>

namespace {

using namespace savetest;

dh::StarSystem cell(const char* name, std::uint32_t x, std::uint32_t y, dh::GoodsCounts stock)
{
    dh::StarSystem system;
    system.name = name;
    system.x = x;
    system.y = y;
    system.stock = stock;
    return system;
}

dh::SaveState sampleState()
{
    dh::SaveState state;
    state.commanderName = "Halvard";
    state.credits = 1234.5;
    state.kills = 37;
    state.shipClass = 3;
    state.shield = 150.25f;
    state.missiles = 3;
    state.empBombs = 11;
    state.cargo = {1, 2, 3, 4, 5, 0, 6, 4};
    state.recent[0] = cell("Croat", kCroatX, kCroatY, {90, 91, 92, 93, 94, 95, 96, 97});
    state.recent[1] = cell("Mided", kMidedX, kMidedY, {1, 2, 3, 4, 5, 6, 7, 8});
    state.currentSystem = cell("Viovio", kViovioX, kViovioY, {150, 185, 83, 72, 107, 45, 23, 200});
    return state;
}

}

TEST(SaveFileLayout, EveryFieldLandsAtItsOffset)
{
    const Bytes encoded = dh::encodeSaveFile(sampleState());
    ASSERT_EQ(encoded.size(), 5746u);
    const Bytes expected = sampleFile();
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(encoded[i], expected[i]) << "byte " << i;
}

TEST(SaveFileLayout, AHandMadeFileReadsBackWithItsSystemsRegenerated)
{
    const dh::SaveState state = dh::decodeSaveFile(sampleFile(), dh::Galaxy{});
    EXPECT_EQ(state.commanderName, "Halvard");
    EXPECT_EQ(state.credits, 1234.5);
    EXPECT_EQ(state.kills, 37u);
    EXPECT_EQ(state.shipClass, 3);
    EXPECT_EQ(state.shield, 150.25f);
    EXPECT_EQ(state.missiles, 3u);
    EXPECT_EQ(state.empBombs, 11u);
    EXPECT_EQ(state.cargo, (dh::GoodsCounts{1, 2, 3, 4, 5, 0, 6, 4}));

    EXPECT_EQ(state.recent[0].name, "Croat");
    EXPECT_EQ(state.recent[0].danger, 2u);
    EXPECT_EQ(state.recent[0].sceneSeed, 0x5BBE4804u);
    EXPECT_EQ(state.recent[0].stock, (dh::GoodsCounts{90, 91, 92, 93, 94, 95, 96, 97}));
    EXPECT_EQ(state.recent[1].name, "Mided");
    EXPECT_EQ(state.recent[1].stock, (dh::GoodsCounts{1, 2, 3, 4, 5, 6, 7, 8}));
    // Unused entries stay without a star: cell (0, 0) holds none.
    for (std::size_t i = 2; i < dh::kRecentSystems; ++i)
        EXPECT_FALSE(state.recent[i].hasStar()) << i;

    EXPECT_EQ(state.currentSystem.name, "Viovio");
    EXPECT_EQ(state.currentSystem.x, kViovioX);
    EXPECT_EQ(state.currentSystem.y, kViovioY);
    EXPECT_EQ(state.currentSystem.danger, 4u);
    EXPECT_EQ(state.currentSystem.sceneSeed, 0x5AD5DB33u);
    EXPECT_EQ(state.currentSystem.stock, (dh::GoodsCounts{150, 185, 83, 72, 107, 45, 23, 200}));

    EXPECT_EQ(dh::encodeSaveFile(state), sampleFile());
}

TEST(SaveFileLayout, TheSystemNameFieldIsShownButNeverLoaded)
{
    Bytes file = sampleFile();
    putText(file, 16, "Elsewhere");
    const dh::SaveState state = dh::decodeSaveFile(file, dh::Galaxy{});
    EXPECT_EQ(state.currentSystem.name, "Viovio");
}

TEST(SaveFileLayout, NamesAreCutToTheirFieldAndExtraBytesAreIgnored)
{
    dh::SaveState state = sampleState();
    state.commanderName = std::string(300, 'q');
    const Bytes encoded = dh::encodeSaveFile(state);
    ASSERT_EQ(encoded.size(), 5746u);
    EXPECT_EQ(encoded[270], 0);
    EXPECT_EQ(encoded[271 + 254], 'q');
    EXPECT_EQ(encoded[526], 0x00);

    Bytes longer = sampleFile();
    longer.insert(longer.end(), 100, 0xAB);
    EXPECT_EQ(dh::decodeSaveFile(longer, dh::Galaxy{}).commanderName, "Halvard");
}

TEST(SaveFileLayout, ClassCodesMapToTheFourShips)
{
    Bytes file = sampleFile();
    put32(file, 542, 0x42C80000u);  // 100.0f, within every class's shield
    put32(file, 554, 0);
    put32(file, 558, 0);
    put32(file, 562, 0);
    put32(file, 566, 0);
    put32(file, 570, 0);
    put32(file, 578, 0);
    put32(file, 582, 0);
    const std::int32_t codes[] = {-1, 0, 1, 2, 3, -2147483647 - 1};
    const std::int32_t expected[] = {0, 0, 1, 2, 3, 0};
    for (int i = 0; i < 6; ++i) {
        put32(file, 538, static_cast<std::uint32_t>(codes[i]));
        EXPECT_EQ(dh::decodeSaveFile(file, dh::Galaxy{}).shipClass, expected[i]) << codes[i];
    }
    EXPECT_STREQ(dh::shipClassOfCode(0).name, "Explorer Mark I");
    EXPECT_STREQ(dh::shipClassOfCode(1).name, "Explorer Mark II");
    EXPECT_STREQ(dh::shipClassOfCode(2).name, "Fighter Mark I");
    EXPECT_STREQ(dh::shipClassOfCode(3).name, "Fighter Mark II");
}
