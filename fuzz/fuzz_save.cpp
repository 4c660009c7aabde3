// A save file's bytes: the load's check either refuses them with one of its two
// messages, leaving the galaxy as it was, or accepts values within the load's
// bounds that encode to a file decoding to the same values. The slot list then
// reads its names from the same bytes as a file.
#include "FuzzSupport.h"
#include "flight/GameObject_Ship.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"

#include <cstring>
#include <limits>
#include <string>

namespace {

using fuzz::check;

bool sameSystem(const dh::StarSystem& a, const dh::StarSystem& b)
{
    return a.x == b.x && a.y == b.y && a.name == b.name && a.stock == b.stock;
}

bool sameState(const dh::SaveState& a, const dh::SaveState& b)
{
    bool same = a.commanderName == b.commanderName && std::memcmp(&a.credits, &b.credits, sizeof a.credits) == 0 &&
                a.kills == b.kills && a.shipClass == b.shipClass && a.shield == b.shield &&
                a.missiles == b.missiles && a.empBombs == b.empBombs && a.cargo == b.cargo &&
                sameSystem(a.currentSystem, b.currentSystem);
    for (std::size_t i = 0; i < a.recent.size(); ++i) {
        same = same && sameSystem(a.recent[i], b.recent[i]);
    }
    return same;
}

void checkBounds(const dh::SaveState& state)
{
    check(!state.commanderName.empty() && state.commanderName.size() <= dh::kSaveNameField, "commander name");
    check(state.credits >= 0.0 && state.credits <= double(std::numeric_limits<float>::max()), "credits");
    check(state.shipClass >= 0 && state.shipClass < dh::kShipClassCount, "ship class");
    const dh::ShipClass& shipClass = dh::shipClassOfCode(state.shipClass);
    check(state.shield >= 0.0f && state.shield <= shipClass.shield, "shield");
    std::uint64_t cargo = 0;
    for (std::uint32_t count : state.cargo) {
        cargo += count;
    }
    check(cargo <= shipClass.cargoCapacity, "cargo");
    check(state.currentSystem.hasStar(), "current system");
}

void checkSlotNames(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::TemporaryFolder folder("fuzz_save");
    const std::string path = folder.write("save1.sav", data, size).string();
    std::string system;
    std::string commander;
    check(dh::readSaveFileNames(path, system, commander), "the slot's file is there");
    check(system.size() <= dh::kSaveNameField && commander.size() <= dh::kSaveNameField, "slot names");
    check(system.find('\0') == std::string::npos && commander.find('\0') == std::string::npos, "slot names end");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const dh::Galaxy galaxy;
    const std::span<const std::uint8_t> bytes(data, size);
    dh::SaveState state;
    try {
        state = dh::decodeSaveFile(bytes, galaxy);
    } catch (const dh::SaveGame::SaveException& refusal) {
        const std::string message = refusal.message;
        check(message == "Error reading from save file." || message == "Invalid or corrupt save file.", "message");
        for (const dh::StarSystem& entry : galaxy.recent) {
            check(!entry.hasStar(), "the galaxy is untouched");
        }
        checkSlotNames(data, size);
        return 0;
    }
    checkBounds(state);
    const dh::SaveBytes again = dh::encodeSaveFile(state);
    check(again.size() == dh::SaveGame::kFileSize, "encoded size");
    check(sameState(dh::decodeSaveFile(again, galaxy), state), "the encoded state decodes to the same values");
    checkSlotNames(data, size);
    return 0;
}
