#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveSample.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace savetest;

constexpr const char* kReadFailed = "Error reading from save file.";
constexpr const char* kInvalid = "Invalid or corrupt save file.";

// The message a file is refused with, or "accepted".
std::string verdict(const Bytes& file)
{
    try {
        dh::decodeSaveFile(file, dh::Galaxy{});
    } catch (const dh::SaveGame::SaveException& error) {
        return error.message;
    }
    return "accepted";
}

Bytes with32(std::size_t at, std::uint32_t value)
{
    Bytes file = sampleFile();
    put32(file, at, value);
    return file;
}

Bytes withCredits(double credits)
{
    Bytes file = sampleFile();
    std::uint64_t bits;
    std::memcpy(&bits, &credits, sizeof bits);
    put64(file, 526, bits);
    return file;
}

Bytes withShield(float shield)
{
    std::uint32_t bits;
    std::memcpy(&bits, &shield, sizeof bits);
    return with32(542, bits);
}

Bytes withCargo(std::int32_t shipClass, std::uint32_t first, std::uint32_t second)
{
    Bytes file = with32(538, static_cast<std::uint32_t>(shipClass));
    put32(file, 542, 0x42C80000u);  // 100.0f
    for (int i = 0; i < 8; ++i)
        put32(file, 554 + 4 * i, 0);
    put32(file, 554, first);
    put32(file, 582, second);
    return file;
}

}

TEST(SaveFileRefusal, EveryTruncationIsAReadError)
{
    const Bytes full = sampleFile();
    for (std::size_t size = 0; size < full.size(); ++size) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        ASSERT_EQ(verdict(cut), kReadFailed) << size << " bytes";
    }
    EXPECT_EQ(verdict(full), "accepted");
}

TEST(SaveFileRefusal, ForeignFilesFailOnTheSignature)
{
    const char* text = "This is not a save file at all.";
    EXPECT_EQ(verdict(Bytes(text, text + std::strlen(text))), kInvalid);
    EXPECT_EQ(verdict(Bytes(5746, 0)), kInvalid);
    const std::size_t words[] = {0, 4, 8, 12};
    for (std::size_t at : words) {
        Bytes file = sampleFile();
        file[at + 3] ^= 0x01;
        EXPECT_EQ(verdict(file), kInvalid) << "word at " << at;
    }
    // Words in the wrong byte order are not the signature either.
    EXPECT_EQ(verdict(with32(0, 0x1212F024u)), kInvalid);
}

TEST(SaveFileRefusal, FieldsOutsideTheirRangeAreCorrupt)
{
    Bytes unnamed = sampleFile();
    unnamed[271] = 0;
    EXPECT_EQ(verdict(unnamed), kInvalid);

    EXPECT_EQ(verdict(withCredits(-0.01)), kInvalid);
    EXPECT_EQ(verdict(withCredits(std::numeric_limits<double>::quiet_NaN())), kInvalid);
    EXPECT_EQ(verdict(withCredits(std::numeric_limits<double>::infinity())), kInvalid);
    EXPECT_EQ(verdict(withCredits(0.0)), "accepted");
    EXPECT_EQ(verdict(withCredits(1.0e12)), "accepted");

    EXPECT_EQ(verdict(with32(538, 4)), kInvalid);
    EXPECT_EQ(verdict(with32(538, 0x7FFFFFFFu)), kInvalid);

    EXPECT_EQ(verdict(withShield(-1.0f)), kInvalid);
    EXPECT_EQ(verdict(withShield(std::numeric_limits<float>::quiet_NaN())), kInvalid);
    EXPECT_EQ(verdict(withShield(std::numeric_limits<float>::infinity())), kInvalid);
    // The Fighter Mark II's full shield is 500.
    EXPECT_EQ(verdict(withShield(500.5f)), kInvalid);
    EXPECT_EQ(verdict(withShield(500.0f)), "accepted");
    EXPECT_EQ(verdict(withShield(0.0f)), "accepted");

    // Holds: Explorer Mark I 10 units, Fighter Mark II 25.
    EXPECT_EQ(verdict(withCargo(0, 6, 4)), "accepted");
    EXPECT_EQ(verdict(withCargo(0, 6, 5)), kInvalid);
    EXPECT_EQ(verdict(withCargo(3, 20, 5)), "accepted");
    EXPECT_EQ(verdict(withCargo(3, 20, 6)), kInvalid);
    // Counts that wrap round to a small total in 32 bits.
    EXPECT_EQ(verdict(withCargo(3, 0xFFFFFFFFu, 2)), kInvalid);
}

TEST(SaveFileRefusal, TheCurrentSystemMustHoldAStar)
{
    Bytes file = sampleFile();
    put32(file, 5706, kEmptyX);
    put32(file, 5710, kEmptyY);
    EXPECT_EQ(verdict(file), kInvalid);
    // The star is looked for before the system's stock is read.
    file.resize(5714);
    EXPECT_EQ(verdict(file), kInvalid);
    Bytes origin = with32(5706, 0);
    put32(origin, 5710, 0);
    EXPECT_EQ(verdict(origin), kInvalid);

    // A remembered cell without a star is no error: it stays an unused entry.
    Bytes remembered = sampleFile();
    put32(remembered, 586, kEmptyX);
    put32(remembered, 590, kEmptyY);
    const dh::SaveState state = dh::decodeSaveFile(remembered, dh::Galaxy{});
    EXPECT_FALSE(state.recent[0].hasStar());
    EXPECT_EQ(state.recent[1].name, "Mided");
}

TEST(SaveFileRefusal, DecodingLeavesTheGivenGalaxyAlone)
{
    dh::Galaxy galaxy;
    galaxy.recent[0].name = "Croat";
    galaxy.recent[0].x = kCroatX;
    galaxy.recent[0].y = kCroatY;
    galaxy.recent[0].stock = {7, 7, 7, 7, 7, 7, 7, 7};
    const dh::SaveState state = dh::decodeSaveFile(sampleFile(), galaxy);
    EXPECT_EQ(state.recent[0].stock, (dh::GoodsCounts{90, 91, 92, 93, 94, 95, 96, 97}));
    EXPECT_EQ(galaxy.recent[0].stock, (dh::GoodsCounts{7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_FALSE(galaxy.recent[1].hasStar());
}
