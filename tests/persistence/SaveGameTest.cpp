#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/Ship_FighterMark2.h"
#include "galaxy/Galaxy.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "persistence/SaveSample.h"
#include "persistence/SaveState.h"

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

// A game changed in everything a save keeps: trade in the start system,
// Croat's market remembered, the start system left for Mided, a Fighter
// Mark II bought, damaged and loaded.
std::unique_ptr<dh::Game> playedGame(const char* name)
{
    auto game = std::make_unique<dh::Game>(name);
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

void expectPlayedState(const dh::Game& game, const char* name)
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
    EXPECT_EQ(game.currentSystem.x, kMidedX);
    EXPECT_EQ(game.currentSystem.y, kMidedY);
    EXPECT_EQ(game.currentSystem.stock, (dh::GoodsCounts{3, 55, 113, 97, 58, 80, 99, 3}));

    EXPECT_EQ(game.galaxy.recent[0].name, "Viovio");
    EXPECT_EQ(game.galaxy.recent[0].stock, (dh::GoodsCounts{12, 185, 83, 72, 107, 45, 23, 193}));
    EXPECT_EQ(game.galaxy.recent[1].name, "Croat");
    EXPECT_EQ(game.galaxy.recent[1].stock, (dh::GoodsCounts{191, 121, 33, 199, 70, 60, 35, 132}));
    EXPECT_FALSE(game.galaxy.recent[2].hasStar());
}

// Everything a save would write, as bytes, to compare whole game states.
Bytes savedBytes(const dh::Game& game)
{
    return dh::encodeSaveFile(dh::captureSaveState(game));
}

}

TEST_F(SaveGameTest, APlayedGameComesBackFromEverySlot)
{
    for (int slot = 1; slot <= 5; ++slot) {
        const std::string name = "Commander " + std::to_string(slot);
        const std::unique_ptr<dh::Game> played = playedGame(name.c_str());
        const dh::SaveGame::Outcome saved = dh::SaveGame::trySave(dh::slotFilePath(slot).c_str(), played.get());
        EXPECT_TRUE(saved.succeeded);
        EXPECT_STREQ(saved.title, "Save game");
        EXPECT_STREQ(saved.text, "Save successful.");
        EXPECT_EQ(fileBytes(dh::slotFilePath(slot)).size(), 5746u);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(testSaveFolder()),
                            std::filesystem::directory_iterator()),
              5);

    for (int slot = 1; slot <= 5; ++slot) {
        SCOPED_TRACE(slot);
        // As from the main menu: a fresh game without a name.
        dh::Game loaded("");
        const dh::SaveGame::Outcome outcome = dh::SaveGame::tryLoad(dh::slotFilePath(slot).c_str(), &loaded);
        EXPECT_TRUE(outcome.succeeded);
        EXPECT_STREQ(outcome.title, "Load game");
        EXPECT_STREQ(outcome.text, "Load successful.");
        expectPlayedState(loaded, ("Commander " + std::to_string(slot)).c_str());
        // The loaded ship is the one the world and the pilot fly.
        EXPECT_EQ(loaded.human->ship(), loaded.playerShip());
        EXPECT_EQ(loaded.aiCount, 0u);
    }
}

TEST_F(SaveGameTest, LoadingIntoARunningGameReplacesItsState)
{
    const std::string path = dh::slotFilePath(2);
    const std::unique_ptr<dh::Game> played = playedGame("Halvard");
    ASSERT_TRUE(dh::SaveGame::trySave(path.c_str(), played.get()).succeeded);

    dh::Game other("Someone else");
    other.human->credits = 5.0;
    other.human->kills = 900;
    ASSERT_TRUE(dh::SaveGame::tryLoad(path.c_str(), &other).succeeded);
    expectPlayedState(other, "Halvard");
    EXPECT_EQ(savedBytes(other), savedBytes(*played));
}

TEST_F(SaveGameTest, MagazinesAreClampedToTheLoadedClass)
{
    Bytes file = sampleFile();
    put32(file, 546, 9);
    put32(file, 550, 40);
    const std::string path = dh::slotFilePath(1);
    writeBytes(path, file);
    dh::Game game("");
    ASSERT_TRUE(dh::SaveGame::tryLoad(path.c_str(), &game).succeeded);
    EXPECT_EQ(game.playerShip()->missiles, 4u);
    EXPECT_EQ(game.playerShip()->empBombs, 16u);
    // A fresh game flies an Explorer Mark I with 10 units of hold; the saved
    // Fighter Mark II's 23 units load all the same.
    EXPECT_EQ(game.playerShip()->cargo, (dh::GoodsCounts{1, 2, 3, 4, 5, 0, 6, 4}));
    EXPECT_EQ(game.currentSystem.name, "Viovio");
    EXPECT_EQ(game.galaxy.recent[1].name, "Mided");
}

TEST_F(SaveGameTest, ARefusedFileChangesNothingInTheGame)
{
    const std::unique_ptr<dh::Game> game = playedGame("Halvard");
    const Bytes before = savedBytes(*game);
    const dh::GameObject_Ship* ship = game->playerShip();
    const dh::World* world = game->world.get();
    const std::string path = dh::slotFilePath(3);

    struct Case {
        const char* what;
        Bytes file;
        const char* text;
    };
    Bytes foreignSignature = sampleFile();
    foreignSignature[0] = 'P';
    Bytes lastWordShort = sampleFile();
    lastWordShort.pop_back();
    Bytes starless = sampleFile();
    put32(starless, 5706, kEmptyX);
    put32(starless, 5710, kEmptyY);
    Bytes badClass = sampleFile();
    put32(badClass, 538, 4);
    const Case cases[] = {
        {"empty file", Bytes(), "Error reading from save file."},
        {"one byte short", lastWordShort, "Error reading from save file."},
        {"wrong signature", foreignSignature, "Invalid or corrupt save file."},
        {"class code 4", badClass, "Invalid or corrupt save file."},
        // Its remembered systems were all read before the refusal.
        {"current cell without a star", starless, "Invalid or corrupt save file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, c.file);
        const dh::SaveGame::Outcome outcome = dh::SaveGame::tryLoad(path.c_str(), game.get());
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_STREQ(outcome.title, "Error reading from save file");
        EXPECT_STREQ(outcome.text, c.text);
        EXPECT_EQ(savedBytes(*game), before);
        EXPECT_EQ(game->playerShip(), ship);
        EXPECT_EQ(game->world.get(), world);
    }

    std::filesystem::remove(path);
    const dh::SaveGame::Outcome missing = dh::SaveGame::tryLoad(path.c_str(), game.get());
    EXPECT_STREQ(missing.title, "Error reading from save file");
    EXPECT_STREQ(missing.text, "Couldn't open file specified.");
    EXPECT_EQ(savedBytes(*game), before);
}

TEST_F(SaveGameTest, NothingHappensWithoutAPathOrAGame)
{
    dh::Game game("Halvard");
    const dh::SaveGame::Outcome noPath = dh::SaveGame::trySave(nullptr, &game);
    EXPECT_EQ(noPath.title, nullptr);
    EXPECT_EQ(dh::SaveGame::trySave(dh::slotFilePath(1).c_str(), nullptr).title, nullptr);
    EXPECT_EQ(dh::SaveGame::tryLoad(nullptr, &game).title, nullptr);
    EXPECT_EQ(dh::SaveGame::tryLoad(dh::slotFilePath(1).c_str(), nullptr).title, nullptr);
    EXPECT_FALSE(std::filesystem::exists(dh::slotFilePath(1)));
}

TEST_F(SaveGameTest, ASaveThatCannotStartLeavesThePreviousOneAlone)
{
    const std::string path = dh::slotFilePath(4);
    dh::Game old("Oldtimer");
    ASSERT_TRUE(dh::SaveGame::trySave(path.c_str(), &old).succeeded);
    const Bytes previous = fileBytes(path);

    // The temporary file beside the slot cannot be created.
    std::filesystem::create_directory(path + ".tmp");
    const std::unique_ptr<dh::Game> played = playedGame("Halvard");
    const dh::SaveGame::Outcome outcome = dh::SaveGame::trySave(path.c_str(), played.get());
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_STREQ(outcome.title, "Error saving game");
    EXPECT_STREQ(outcome.text, "Couldn't open file specified.");
    EXPECT_EQ(fileBytes(path), previous);

    const std::string nowhere = testSaveFolder() + "/missing folder/save1.sav";
    EXPECT_STREQ(dh::SaveGame::trySave(nowhere.c_str(), played.get()).text, "Couldn't open file specified.");
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(SaveGameTest, ADiskFullInTheMiddleOfASaveLeavesThePreviousOneAlone)
{
    const std::string path = dh::slotFilePath(5);
    dh::Game old("Oldtimer");
    ASSERT_TRUE(dh::SaveGame::trySave(path.c_str(), &old).succeeded);
    const Bytes previous = fileBytes(path);
    const std::unique_ptr<dh::Game> played = playedGame("Halvard");

    // Files may grow to 1000 bytes only: the write stops part way through.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const dh::SaveGame::Outcome outcome = dh::SaveGame::trySave(path.c_str(), played.get());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(outcome.succeeded);
    EXPECT_STREQ(outcome.title, "Error saving game");
    EXPECT_STREQ(outcome.text, "Error writing to file");
    EXPECT_EQ(fileBytes(path), previous);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    dh::Game reloaded("");
    ASSERT_TRUE(dh::SaveGame::tryLoad(path.c_str(), &reloaded).succeeded);
    EXPECT_EQ(reloaded.human->commanderName, "Oldtimer");
}
