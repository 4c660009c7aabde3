// drift-hauler-save: shows what a save file holds and whether the game would
// load it, with the game's own reader and load checks, so a player can tell a
// good backup from a damaged one without starting the game.
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "galaxy/Market.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveState.h"
#include "platform/Version.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kLoads = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

void printUsage(std::FILE* to)
{
    std::fprintf(to,
                 "usage: drift-hauler-save show FILE|SLOT\n"
                 "Prints a save file's commander, ship, cargo and star system, and whether\n"
                 "the game would load it. SLOT is 1 to 5, a slot of the save folder\n"
                 "  %s\n"
                 "Exit status: 0 when the game would load the file, 1 when it would refuse\n"
                 "it (its message is printed), 2 on bad arguments.\n"
                 "Drift Hauler %s\n",
                 dh::saveFolderPath().c_str(), DH_VERSION);
}

// "1" to "5" name a slot; anything else is a file.
std::string savePath(std::string_view argument)
{
    if (argument.size() == 1 && argument[0] >= '1' && argument[0] - '0' <= dh::kSaveSlots)
        return dh::slotFilePath(argument[0] - '0');
    return std::string(argument);
}

std::optional<dh::SaveState> decode(const std::string& path, const dh::Galaxy& galaxy)
{
    try {
        return dh::decodeSaveFile(dh::readSaveFile(path), galaxy);
    } catch (const dh::SaveGame::SaveException&) {
        return std::nullopt;
    }
}

void printCargo(const dh::GoodsCounts& cargo)
{
    std::string list;
    for (std::size_t i = 0; i < cargo.size(); ++i) {
        if (cargo[i] == 0)
            continue;
        list += (list.empty() ? "" : ", ") + std::to_string(cargo[i]) + " " + std::string(dh::kGoods[i].name);
    }
    std::printf("Cargo:              %s\n", list.empty() ? "none" : list.c_str());
}

void printState(const dh::SaveState& state)
{
    const auto remembered = std::count_if(state.recent.begin(), state.recent.end(),
                                          [](const dh::StarSystem& system) { return system.hasStar(); });
    std::printf("Commander:          %s\n", state.commanderName.c_str());
    std::printf("Credits:            Cr %1.2f\n", state.credits);
    std::printf("Kills:              %u\n", state.kills);
    std::printf("Ship:               %s\n", dh::shipClassOfCode(state.shipClass).name);
    std::printf("Shield:             %.1f\n", static_cast<double>(state.shield));
    std::printf("Missiles:           %u\n", state.missiles);
    std::printf("EMP bombs:          %u\n", state.empBombs);
    printCargo(state.cargo);
    std::printf("Current system:     %s (cell %u %u)\n", state.currentSystem.name.c_str(), state.currentSystem.x,
                state.currentSystem.y);
    std::printf("Remembered systems: %ld\n", static_cast<long>(remembered));
}

// The file is read as the start menu's Load does: into a fresh game.
int show(const std::string& path)
{
    std::printf("File:               %s\n", path.c_str());
    const auto game = std::make_unique<dh::Game>("");
    if (const std::optional<dh::SaveState> state = decode(path, game->galaxy))
        printState(*state);
    const dh::SaveGame::Outcome outcome = dh::SaveGame::tryLoad(path.c_str(), game.get());
    if (outcome.succeeded) {
        std::printf("Verdict:            the game loads this file\n");
        return kLoads;
    }
    std::printf("Verdict:            the game refuses this file with the message\n%s\n%s\n",
                outcome.title != nullptr ? outcome.title : "", outcome.text != nullptr ? outcome.text : "");
    return kRefused;
}

}

int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc == 2 && (command == "--help" || command == "-h" || command == "help")) {
        printUsage(stdout);
        return 0;
    }
    if (argc != 3 || command != "show" || std::string_view(argv[2]).empty()) {
        printUsage(stderr);
        return kUsage;
    }
    return show(savePath(argv[2]));
}
