#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_FighterMark2.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveState.h"
#include "persistence/SaveTestSupport.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace savetest;

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun runTool(const std::string& arguments)
{
    const std::string command = std::string(DH_BUILD_DIR) + "/drift-hauler-save " + arguments + " 2>/dev/null";
    ToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A commander in a Fighter Mark II in Mided, Croat remembered, saved by the game's encoder.
Bytes playedSave()
{
    auto game = std::make_unique<dh::Game>("Ada Vance");
    game->human->credits = 4321.75;
    game->human->kills = 17;
    dh::StarSystem croat;
    dh::getSystem(game->galaxy, kCroatX, kCroatY, croat);
    dh::rememberSystem(game->galaxy, croat);
    dh::StarSystem mided;
    dh::getSystem(game->galaxy, kMidedX, kMidedY, mided);
    game->enterSystem(mided, false, false);
    auto* ship = new dh::Ship_FighterMark2(0.0f, 0.0f);
    ship->shield = 200.5f;
    ship->setMissiles(4);
    ship->setEmpBombs(2);
    ship->cargo = {5, 0, 0, 3, 0, 0, 0, 1};
    game->replacePlayerShip(ship);
    return dh::encodeSaveFile(dh::captureSaveState(*game));
}

}

TEST(SaveTool, ShowsTheFieldsOfASaveTheGameWroteAndThatTheGameLoadsIt)
{
    clearSaveFolder();
    dh::StarSystem mided;
    dh::getSystem(dh::Galaxy{}, kMidedX, kMidedY, mided);
    const std::string path = testSaveFolder() + "/backup of slot 1.sav";
    writeBytes(path, playedSave());

    const ToolRun run = runTool("show " + quoted(path));
    EXPECT_EQ(run.status, 0) << run.out;
    for (const std::string& line : std::vector<std::string>{
             "Commander:          Ada Vance", "Credits:            Cr 4321.75", "Kills:              17",
          "Ship:               Fighter Mark II", "Shield:             200.5", "Missiles:           4",
          "EMP bombs:          2", "Cargo:              5 Foodstuffs, 3 Computers, 1 Jewellery",
          "Current system:     " + mided.name + " (cell 23946580 23624206)", "Verdict:            the game loads this file"})
        EXPECT_TRUE(has(run.out, line + "\n")) << line << "\n" << run.out;
    EXPECT_FALSE(has(run.out, "Remembered systems: 0\n")) << run.out;

    // A slot number names the slot's file in the save folder.
    writeBytes(dh::slotFilePath(4), playedSave());
    const ToolRun slot = runTool("show 4");
    EXPECT_EQ(slot.status, 0) << slot.out;
    EXPECT_TRUE(has(slot.out, "File:               " + dh::slotFilePath(4) + "\n")) << slot.out;
}

TEST(SaveTool, ADamagedOrMissingSaveIsRefusedWithTheGamesOwnMessage)
{
    clearSaveFolder();
    const std::string path = testSaveFolder() + "/damaged.sav";
    const auto expectRefused = [&](const std::string& arguments, const std::string& message) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_TRUE(has(run.out, "\nError reading from save file\n" + message + "\n")) << run.out;
        EXPECT_FALSE(has(run.out, "Commander:")) << run.out;
    };

    Bytes file = playedSave();
    file[5] ^= 0x40;
    writeBytes(path, file);
    expectRefused("show " + quoted(path), "Invalid or corrupt save file.");

    file = playedSave();
    file.pop_back();
    writeBytes(path, file);
    expectRefused("show " + quoted(path), "Error reading from save file.");

    expectRefused("show 2", "Couldn't open file specified.");
}

TEST(SaveTool, BadArgumentsGiveTheUsageAndHelpNamesTheVersion)
{
    for (const char* arguments : {"", "show", "show ''", "show 1 2", "list 1", "--help 1"}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    const ToolRun help = runTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(has(help.out, "usage: drift-hauler-save show FILE|SLOT\n")) << help.out;
    EXPECT_TRUE(has(help.out, "\nDrift Hauler 1.04\n")) << help.out;
}
