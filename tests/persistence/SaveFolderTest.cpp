#include "persistence/SaveFile.h"
#include "persistence/SaveTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace savetest;

TEST(SaveFolder, FiveSlotFilesInTheCommandersFolderWhichIsMadeAgainWhenMissing)
{
    const std::string folder = testSaveFolder();
    EXPECT_EQ(folder, std::string(std::getenv("XDG_DATA_HOME")) + "/Quillon Marsh/Drift Hauler");
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(dh::slotFilePath(slot), folder + "/save" + std::to_string(slot) + ".sav");
    EXPECT_EQ(dh::slotFilePath(0), "");
    EXPECT_EQ(dh::slotFilePath(6), "");

    std::filesystem::remove_all(std::filesystem::path(folder).parent_path());
    dh::ensureSaveFolder();
    dh::ensureSaveFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(SaveFolder, SlotNamesAreReadFromAnyFileWithoutChecks)
{
    clearSaveFolder();
    const std::string path = dh::slotFilePath(1);
    std::string system = "stale";
    std::string commander = "stale";
    const auto expectNames = [&](bool found, const std::string& s, const std::string& c) {
        EXPECT_EQ(dh::readSaveFileNames(path, system, commander), found);
        EXPECT_EQ(system, s);
        EXPECT_EQ(commander, c);
    };
    expectNames(false, "", "");

    Bytes file = sampleFile();
    file[0] = 'X';
    writeBytes(path, file);
    expectNames(true, "Viovio", "Halvard");

    // Fields filled to the brim, and a file that ends inside the second one.
    Bytes full(16 + 255 + 100, 'a');
    std::fill(full.begin() + 16 + 255, full.end(), 'b');
    writeBytes(path, full);
    expectNames(true, std::string(255, 'a'), std::string(100, 'b'));
    writeBytes(path, Bytes(10, 'z'));
    expectNames(true, "", "");
}

// A save killed between writing its temporary file and the rename leaves the
// temporary behind; the next slot list or the next save of the slot removes it.
TEST(SaveFolder, TemporaryFilesOfKilledSavesAreRemovedAndNothingElse)
{
    clearSaveFolder();
    const std::string folder = testSaveFolder();
    for (const char* name : {"save2.sav.tmp", "save5.sav.tmp", "save2.sav", "save6.sav.tmp", "notes.tmp"})
        writeBytes(folder + "/" + name, Bytes(40, 'x'));
    std::filesystem::create_directory(folder + "/save3.sav.tmp");
    dh::ensureSaveFolder();
    EXPECT_FALSE(std::filesystem::exists(folder + "/save2.sav.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/save5.sav.tmp"));
    EXPECT_EQ(fileBytes(folder + "/save2.sav"), Bytes(40, 'x'));
    EXPECT_TRUE(std::filesystem::exists(folder + "/save6.sav.tmp")) << "no slot of that number";
    EXPECT_TRUE(std::filesystem::exists(folder + "/notes.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/save3.sav.tmp")) << "not a file a save leaves";

    const std::string slot4 = dh::slotFilePath(4);
    writeBytes(slot4 + ".tmp", Bytes(9000, 'y'));
    dh::writeSaveFile(slot4, sampleFile());
    EXPECT_EQ(fileBytes(slot4), sampleFile());
    EXPECT_FALSE(std::filesystem::exists(slot4 + ".tmp"));
}
