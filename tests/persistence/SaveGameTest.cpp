#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_FighterMark2.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveState.h"
#include "persistence/SaveTestSupport.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <memory>

namespace {

using namespace savetest;

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override { clearSaveFolder(); }
};

// Trade in the start system, Croat's market remembered, on to Mided, a damaged
// and loaded Fighter Mark II bought.
std::unique_ptr<dh::Game> playedGame(const std::string& name)
{
    auto game = std::make_unique<dh::Game>(name.c_str());
    game->human->credits = 98765.25;
    game->human->kills = 42;
    game->currentSystem.stock[0] = 12;
    dh::StarSystem croat;
    dh::getSystem(game->galaxy, kCroatX, kCroatY, croat);
    croat.stock[3] = 199;
    dh::rememberSystem(game->galaxy, croat);
    dh::rememberSystem(game->galaxy, game->currentSystem);
    dh::StarSystem mided;
    dh::getSystem(game->galaxy, kMidedX, kMidedY, mided);
    mided.stock[7] = 3;
    game->enterSystem(mided, false, false);

    auto* ship = new dh::Ship_FighterMark2(0.0f, 0.0f);
    ship->shield = 321.5f;
    ship->setMissiles(4);
    ship->setEmpBombs(13);
    ship->cargo = {5, 0, 0, 3, 0, 0, 9, 8};
    game->replacePlayerShip(ship);
    return game;
}

void expectPlayedState(const dh::Game& game, const std::string& name)
{
    EXPECT_EQ(game.human->commanderName, name);
    EXPECT_EQ(game.human->credits, 98765.25);
    EXPECT_EQ(game.human->kills, 42u);
    const dh::GameObject_Ship* ship = game.playerShip();
    ASSERT_NE(ship, nullptr);
    EXPECT_STREQ(ship->name, "Fighter Mark II");
    EXPECT_EQ(ship->maxShield, 500.0f);
    EXPECT_EQ(ship->shield, 321.5f);
    EXPECT_EQ(ship->missiles, 4u);
    EXPECT_EQ(ship->empBombs, 13u);
    EXPECT_EQ(ship->cargo, (dh::GoodsCounts{5, 0, 0, 3, 0, 0, 9, 8}));
    EXPECT_EQ(game.currentSystem.name, "Mided");
    EXPECT_EQ(game.currentSystem.stock, (dh::GoodsCounts{3, 55, 113, 97, 58, 80, 99, 3}));
    EXPECT_EQ(game.galaxy.recent[0].name, "Viovio");
    EXPECT_EQ(game.galaxy.recent[0].stock, (dh::GoodsCounts{12, 185, 83, 72, 107, 45, 23, 193}));
    EXPECT_EQ(game.galaxy.recent[1].name, "Croat");
    EXPECT_EQ(game.galaxy.recent[1].stock, (dh::GoodsCounts{191, 121, 33, 199, 70, 60, 35, 132}));
    EXPECT_FALSE(game.galaxy.recent[2].hasStar());
    EXPECT_EQ(game.human->ship(), game.playerShip());
    EXPECT_EQ(game.aiCount, 0u);
}

Bytes savedBytes(const dh::Game& game)
{
    return dh::encodeSaveFile(dh::captureSaveState(game));
}

void expectOutcome(const dh::SaveGame::Outcome& outcome, bool succeeded, const char* title, const char* text)
{
    EXPECT_EQ(outcome.succeeded, succeeded);
    EXPECT_STREQ(outcome.title, title);
    EXPECT_STREQ(outcome.text, text);
}

}

TEST_F(SaveGameTest, APlayedGameComesBackFromEverySlot)
{
    std::vector<std::unique_ptr<dh::Game>> played;
    for (int slot = 1; slot <= 5; ++slot) {
        played.push_back(playedGame("Commander " + std::to_string(slot)));
        expectOutcome(dh::SaveGame::trySave(dh::slotFilePath(slot).c_str(), played.back().get()), true, "Save game",
                      "Save successful.");
        EXPECT_EQ(fileBytes(dh::slotFilePath(slot)).size(), 5746u);
    }
    const std::filesystem::directory_iterator files(testSaveFolder());
    EXPECT_EQ(std::distance(begin(files), end(files)), 5);

    for (int slot = 1; slot <= 5; ++slot) {
        SCOPED_TRACE(slot);
        // From the main menu a fresh game without a name; slot 1 into a running game.
        dh::Game loaded(slot == 1 ? "Someone else" : "");
        loaded.human->credits = 5.0;
        loaded.human->kills = 900;
        expectOutcome(dh::SaveGame::tryLoad(dh::slotFilePath(slot).c_str(), &loaded), true, "Load game",
                      "Load successful.");
        expectPlayedState(loaded, "Commander " + std::to_string(slot));
        EXPECT_EQ(savedBytes(loaded), savedBytes(*played[slot - 1]));
    }
}

TEST_F(SaveGameTest, MagazinesAreClampedToTheLoadedClassButTheCargoLoads)
{
    const std::string path = dh::slotFilePath(1);
    Bytes file = sampleFile();
    put32(file, 546, {9, 40});
    writeBytes(path, file);
    dh::Game game("");
    ASSERT_TRUE(dh::SaveGame::tryLoad(path.c_str(), &game).succeeded);
    EXPECT_EQ(game.playerShip()->missiles, 4u);
    EXPECT_EQ(game.playerShip()->empBombs, 16u);
    // More than a fresh game's 10-unit hold.
    EXPECT_EQ(game.playerShip()->cargo, (dh::GoodsCounts{1, 2, 3, 4, 5, 0, 6, 4}));
}

TEST_F(SaveGameTest, ARefusedFileChangesNothingInTheGame)
{
    const std::unique_ptr<dh::Game> game = playedGame("Halvard");
    const Bytes before = savedBytes(*game);
    const dh::GameObject_Ship* ship = game->playerShip();
    const dh::World* world = game->world.get();
    const std::string path = dh::slotFilePath(3);

    Bytes oneShort = sampleFile();
    oneShort.pop_back();
    Bytes badClass = sampleFile();
    put32(badClass, 538, {4});
    Bytes starless = sampleFile();  // its remembered systems are read before the refusal
    put32(starless, 5706, {kEmptyX, kEmptyY});
    const struct {
        Bytes file;
        const char* text;
    } cases[] = {
        {oneShort, "Error reading from save file."},
        {badClass, "Invalid or corrupt save file."},
        {starless, "Invalid or corrupt save file."},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.file);
        expectOutcome(dh::SaveGame::tryLoad(path.c_str(), game.get()), false, "Error reading from save file", c.text);
        EXPECT_EQ(savedBytes(*game), before);
        EXPECT_EQ(game->playerShip(), ship);
        EXPECT_EQ(game->world.get(), world);
    }
    std::filesystem::remove(path);
    expectOutcome(dh::SaveGame::tryLoad(path.c_str(), game.get()), false, "Error reading from save file",
                  "Couldn't open file specified.");
    EXPECT_EQ(savedBytes(*game), before);

    EXPECT_EQ(dh::SaveGame::trySave(nullptr, game.get()).title, nullptr);
    EXPECT_EQ(dh::SaveGame::trySave(path.c_str(), nullptr).title, nullptr);
    EXPECT_EQ(dh::SaveGame::tryLoad(nullptr, game.get()).title, nullptr);
    EXPECT_EQ(dh::SaveGame::tryLoad(path.c_str(), nullptr).title, nullptr);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SaveGameTest, AFailedSaveLeavesThePreviousOneAlone)
{
    const std::string path = dh::slotFilePath(4);
    dh::Game old("Oldtimer");
    ASSERT_TRUE(dh::SaveGame::trySave(path.c_str(), &old).succeeded);
    const Bytes previous = fileBytes(path);
    const std::unique_ptr<dh::Game> played = playedGame("Halvard");

    // The temporary file beside the slot cannot be created.
    std::filesystem::create_directory(path + ".tmp");
    expectOutcome(dh::SaveGame::trySave(path.c_str(), played.get()), false, "Error saving game",
                  "Couldn't open file specified.");
    EXPECT_EQ(fileBytes(path), previous);
    std::filesystem::remove(path + ".tmp");
    const std::string nowhere = testSaveFolder() + "/missing folder/save1.sav";
    EXPECT_STREQ(dh::SaveGame::trySave(nowhere.c_str(), played.get()).text, "Couldn't open file specified.");

    // The disk fills up part way through: files may grow to 1000 bytes only.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const dh::SaveGame::Outcome outcome = dh::SaveGame::trySave(path.c_str(), played.get());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    expectOutcome(outcome, false, "Error saving game", "Error writing to file");
    EXPECT_EQ(fileBytes(path), previous);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    dh::Game reloaded("");
    ASSERT_TRUE(dh::SaveGame::tryLoad(path.c_str(), &reloaded).succeeded);
    EXPECT_EQ(reloaded.human->commanderName, "Oldtimer");
}
