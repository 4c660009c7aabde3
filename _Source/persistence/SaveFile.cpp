#include "persistence/SaveFile.h"

#include "flight/GameObject_Ship.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGame.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <limits>
#include <memory>

namespace dh {

namespace {

constexpr const char* kCannotOpen = "Couldn't open file specified.";
constexpr const char* kWriteFailed = "Error writing to file";
constexpr const char* kReadFailed = "Error reading from save file.";
constexpr const char* kInvalid = "Invalid or corrupt save file.";

class ByteWriter {
public:
    explicit ByteWriter(SaveBytes& out) : out_(out) {}

    void u32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            out_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void u64(std::uint64_t value)
    {
        u32(static_cast<std::uint32_t>(value));
        u32(static_cast<std::uint32_t>(value >> 32));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void f32(float value) { u32(std::bit_cast<std::uint32_t>(value)); }
    void f64(double value) { u64(std::bit_cast<std::uint64_t>(value)); }

    // A zero-filled field that receives at most its size of the text.
    void name(const std::string& text)
    {
        const std::size_t length = std::min(text.size(), kSaveNameField);
        out_.insert(out_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
        out_.insert(out_.end(), kSaveNameField - length, 0);
    }
    void system(const StarSystem& system)
    {
        u32(system.x);
        u32(system.y);
        for (std::uint32_t count : system.stock) {
            u32(count);
        }
    }

private:
    SaveBytes& out_;
};

// Every read checks that the field lies inside the file.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::span<const std::uint8_t> take(std::size_t size)
    {
        if (bytes_.size() - at_ < size) {
            throw SaveGame::SaveException(kReadFailed);
        }
        const std::span<const std::uint8_t> field = bytes_.subspan(at_, size);
        at_ += size;
        return field;
    }
    std::uint32_t u32()
    {
        const std::span<const std::uint8_t> b = take(4);
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    std::uint64_t u64()
    {
        const std::uint64_t low = u32();
        return low | static_cast<std::uint64_t>(u32()) << 32;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    double f64() { return std::bit_cast<double>(u64()); }

    // The text before the first NUL of the field.
    std::string name()
    {
        const std::span<const std::uint8_t> field = take(kSaveNameField);
        const auto end = std::find(field.begin(), field.end(), 0);
        return std::string(field.begin(), end);
    }
    void stock(GoodsCounts& stock)
    {
        for (std::uint32_t& count : stock) {
            count = u32();
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

void require(bool valid)
{
    if (!valid) {
        throw SaveGame::SaveException(kInvalid);
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr long kNamesOffset = 16;

std::string readName(std::FILE* in)
{
    std::array<char, kSaveNameField + 1> field{};
    const std::size_t got = std::fread(field.data(), 1, kSaveNameField, in);
    const auto end = std::find(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(got), '\0');
    return std::string(field.begin(), end);
}

}

SaveBytes encodeSaveFile(const SaveState& state)
{
    SaveBytes bytes;
    bytes.reserve(SaveGame::kFileSize);
    ByteWriter out(bytes);
    for (std::uint32_t word : SaveGame::kSignature) {
        out.u32(word);
    }
    out.name(state.currentSystem.name);
    out.name(state.commanderName);
    out.f64(state.credits);
    out.u32(state.kills);
    out.i32(state.shipClass);
    out.f32(state.shield);
    out.u32(state.missiles);
    out.u32(state.empBombs);
    for (std::uint32_t count : state.cargo) {
        out.u32(count);
    }
    for (const StarSystem& entry : state.recent) {
        out.system(entry);
    }
    out.system(state.currentSystem);
    return bytes;
}

SaveState decodeSaveFile(std::span<const std::uint8_t> bytes, const Galaxy& galaxy)
{
    ByteReader in(bytes);
    for (std::uint32_t word : SaveGame::kSignature) {
        require(in.u32() == word);
    }
    in.take(kSaveNameField);

    SaveState state;
    state.commanderName = in.name();
    require(!state.commanderName.empty());
    state.credits = in.f64();
    // Credits are shown in single precision; beyond its range they would read as infinite.
    require(state.credits >= 0.0 && state.credits <= double(std::numeric_limits<float>::max()));
    state.kills = in.u32();
    const std::int32_t code = in.i32();
    require(code < kShipClassCount);
    state.shipClass = std::max(code, 0);
    const ShipClass& shipClass = shipClassOfCode(state.shipClass);
    // A shield above the class's full strength would make a repair pay the player.
    state.shield = in.f32();
    require(state.shield >= 0.0f && state.shield <= shipClass.shield);
    state.missiles = in.u32();
    state.empBombs = in.u32();
    std::uint64_t cargoTotal = 0;
    for (std::uint32_t& count : state.cargo) {
        count = in.u32();
        cargoTotal += count;
    }
    require(cargoTotal <= shipClass.cargoCapacity);

    // Each entry is generated against the list as rebuilt so far.
    Galaxy rebuilt = galaxy;
    for (StarSystem& entry : rebuilt.recent) {
        const std::uint32_t x = in.u32();
        const std::uint32_t y = in.u32();
        StarSystem system;
        getSystem(rebuilt, x, y, system);
        in.stock(system.stock);
        entry = std::move(system);
    }
    state.recent = rebuilt.recent;

    const std::uint32_t x = in.u32();
    const std::uint32_t y = in.u32();
    getSystem(rebuilt, x, y, state.currentSystem);
    require(state.currentSystem.hasStar());
    in.stock(state.currentSystem.stock);
    return state;
}

void writeSaveFile(const std::string& path, const SaveBytes& bytes)
{
    removeStaleTemporarySaveFile(path);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    switch (writeFileAtomically(path, text)) {
    case AtomicWrite::written:
        return;
    case AtomicWrite::cannotOpen:
        throw SaveGame::SaveException(kCannotOpen);
    case AtomicWrite::failed:
        throw SaveGame::SaveException(kWriteFailed);
    }
}

bool readSaveFileNames(const std::string& path, std::string& systemName, std::string& commanderName)
{
    systemName.clear();
    commanderName.clear();
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(path.c_str(), "rb"));
    if (!in) {
        return false;
    }
    if (std::fseek(in.get(), kNamesOffset, SEEK_SET) == 0) {
        systemName = readName(in.get());
        commanderName = readName(in.get());
    }
    return true;
}

SaveBytes readSaveFile(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(path.c_str(), "rb"));
    if (!in) {
        throw SaveGame::SaveException(kCannotOpen);
    }
    SaveBytes bytes(SaveGame::kFileSize);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
    if (std::ferror(in.get())) {
        throw SaveGame::SaveException(kReadFailed);
    }
    return bytes;
}

}
