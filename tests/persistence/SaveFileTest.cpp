#include "flight/GameObject_Ship.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace savetest;

constexpr const char* kReadFailed = "Error reading from save file.";
constexpr const char* kInvalid = "Invalid or corrupt save file.";
constexpr const char* kAccepted = "accepted";

std::string verdict(const Bytes& file)
{
    try {
        dh::decodeSaveFile(file, dh::Galaxy{});
    } catch (const dh::SaveGame::SaveException& error) {
        return error.message;
    }
    return kAccepted;
}

Bytes sampleWith(std::size_t at, std::initializer_list<std::uint32_t> words)
{
    Bytes file = sampleFile();
    put32(file, at, words);
    return file;
}

// The sample with a value's bytes in place at an offset (credits at 526, shield at 542).
template <typename T>
Bytes sampleWithValue(std::size_t at, T value)
{
    Bytes file = sampleFile();
    std::memcpy(file.data() + at, &value, sizeof value);
    return file;
}
Bytes withCredits(double credits) { return sampleWithValue(526, credits); }
Bytes withShield(float shield) { return sampleWithValue(542, shield); }

// A class, a shield of 100 and a hold with only the first and last goods.
Bytes withCargo(std::int32_t shipClass, std::uint32_t first, std::uint32_t last)
{
    return sampleWith(538, {static_cast<std::uint32_t>(shipClass), 0x42C80000u, 3, 11, first, 0, 0, 0, 0, 0, 0, last});
}

}

TEST(SaveFileLayout, TheHandMadeFileDecodesWithRegeneratedSystemsAndEncodesBackByteForByte)
{
    Bytes file = sampleFile();
    putText(file, 16, "Elsewhere");  // shown in the slot list, never loaded
    file.insert(file.end(), 100, 0xAB);
    const dh::SaveState state = dh::decodeSaveFile(file, dh::Galaxy{});
    EXPECT_EQ(state.commanderName, "Halvard");
    EXPECT_EQ(state.credits, 1234.5);
    EXPECT_EQ(state.kills, 37u);
    EXPECT_EQ(state.shipClass, 3);
    EXPECT_EQ(state.shield, 150.25f);
    EXPECT_EQ(state.missiles, 3u);
    EXPECT_EQ(state.empBombs, 11u);
    EXPECT_EQ(state.cargo, (dh::GoodsCounts{1, 2, 3, 4, 5, 0, 6, 4}));
    EXPECT_EQ(state.recent[0].name, "Croat");
    EXPECT_EQ(state.recent[0].sceneSeed, 0x5BBE4804u);
    EXPECT_EQ(state.recent[0].stock, (dh::GoodsCounts{90, 91, 92, 93, 94, 95, 96, 97}));
    EXPECT_EQ(state.recent[1].name, "Mided");
    EXPECT_FALSE(state.recent[2].hasStar());
    EXPECT_FALSE(state.recent[dh::kRecentSystems - 1].hasStar());
    EXPECT_EQ(state.currentSystem.name, "Viovio");
    EXPECT_EQ(state.currentSystem.danger, 4u);

    // The system name is written from the current system.
    const Bytes encoded = dh::encodeSaveFile(state);
    const Bytes expected = sampleFile();
    ASSERT_EQ(encoded.size(), expected.size());
    EXPECT_EQ(std::ranges::mismatch(encoded, expected).in1 - encoded.begin(), std::ssize(expected)) << "first wrong byte";

    // Over-long names are cut to their field, which keeps its terminator.
    dh::SaveState longName = state;
    longName.commanderName = std::string(300, 'q');
    const Bytes cut = dh::encodeSaveFile(longName);
    ASSERT_EQ(cut.size(), 5746u);
    EXPECT_EQ(cut[271 + 254], 'q');
    EXPECT_EQ(cut[526], 0x00);

    // Decoding reads the galaxy's remembered systems but leaves them alone.
    dh::Galaxy galaxy;
    galaxy.recent[0] = state.recent[0];
    galaxy.recent[0].stock.fill(7);
    EXPECT_EQ(dh::decodeSaveFile(file, galaxy).recent[0].stock, state.recent[0].stock);
    EXPECT_EQ(galaxy.recent[0].stock, (dh::GoodsCounts{7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_FALSE(galaxy.recent[1].hasStar());

    // Negative class codes are the first ship.
    for (const std::int32_t code : {-1, -2147483647 - 1})
        EXPECT_EQ(dh::decodeSaveFile(withCargo(code, 0, 0), galaxy).shipClass, 0) << code;
    const char* names[] = {"Explorer Mark I", "Explorer Mark II", "Fighter Mark I", "Fighter Mark II"};
    for (int code = 0; code < 4; ++code) {
        EXPECT_EQ(dh::decodeSaveFile(withCargo(code, 0, 0), galaxy).shipClass, code);
        EXPECT_STREQ(dh::shipClassOfCode(code).name, names[code]);
    }
}

TEST(SaveFileRefusal, EveryTruncationIsAReadErrorAndAForeignSignatureIsCorrupt)
{
    const Bytes full = sampleFile();
    for (std::size_t size = 0; size < full.size(); ++size)
        ASSERT_EQ(verdict(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size))), kReadFailed) << size;
    EXPECT_EQ(verdict(full), kAccepted);

    const char* text = "This is not a save file at all.";
    EXPECT_EQ(verdict(Bytes(text, text + std::strlen(text))), kInvalid);
    EXPECT_EQ(verdict(Bytes(5746, 0)), kInvalid);
    for (std::size_t at : {0, 4, 8, 12}) {
        Bytes file = sampleFile();
        file[at + 3] ^= 0x01;
        EXPECT_EQ(verdict(file), kInvalid) << "word at " << at;
    }
    EXPECT_EQ(verdict(sampleWith(0, {0x1212F024u})), kInvalid);
}

TEST(SaveFileRefusal, FieldsOutsideTheirRangeAreCorrupt)
{
    Bytes unnamed = sampleFile();
    unnamed[271] = 0;
    Bytes starless = sampleWith(5706, {kEmptyX, kEmptyY});
    Bytes starlessShort = starless;
    starlessShort.resize(5714);  // the star is looked for before the stock is read
    const float nanF = std::numeric_limits<float>::quiet_NaN();
    const double nanD = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        Bytes file;
        const char* verdict;
    } cases[] = {
        {"no commander name", unnamed, kInvalid},
        {"credits -0.01", withCredits(-0.01), kInvalid},
        {"credits NaN", withCredits(nanD), kInvalid},
        {"credits infinite", withCredits(std::numeric_limits<double>::infinity()), kInvalid},
        {"credits 0", withCredits(0.0), kAccepted},
        {"credits 1e12", withCredits(1.0e12), kAccepted},
        // The commander panel shows credits in single precision: more would read "Cr inf".
        {"credits 1e308", withCredits(1.0e308), kInvalid},
        {"credits just above the largest float",
         withCredits(std::nextafter(double(std::numeric_limits<float>::max()), 1.0e300)), kInvalid},
        {"credits the largest float", withCredits(double(std::numeric_limits<float>::max())), kAccepted},
        {"class 4", sampleWith(538, {4}), kInvalid},
        {"class 0x7FFFFFFF", sampleWith(538, {0x7FFFFFFFu}), kInvalid},
        {"shield -1", withShield(-1.0f), kInvalid},
        {"shield NaN", withShield(nanF), kInvalid},
        {"shield over 500", withShield(500.5f), kInvalid},
        {"shield 500", withShield(500.0f), kAccepted},
        {"Explorer Mark I hold 10", withCargo(0, 6, 4), kAccepted},
        {"Explorer Mark I hold 11", withCargo(0, 6, 5), kInvalid},
        {"Fighter Mark II hold 25", withCargo(3, 20, 5), kAccepted},
        {"Fighter Mark II hold 26", withCargo(3, 20, 6), kInvalid},
        {"hold wrapping in 32 bits", withCargo(3, 0xFFFFFFFFu, 2), kInvalid},
        {"current cell without a star", starless, kInvalid},
        {"starless and short", starlessShort, kInvalid},
        {"current cell (0, 0)", sampleWith(5706, {0, 0}), kInvalid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verdict(c.file), c.verdict) << c.what;

    // A remembered cell without a star is no error: it stays an unused entry.
    const dh::SaveState state = dh::decodeSaveFile(sampleWith(586, {kEmptyX, kEmptyY}), dh::Galaxy{});
    EXPECT_FALSE(state.recent[0].hasStar());
    EXPECT_EQ(state.recent[1].name, "Mided");
}
