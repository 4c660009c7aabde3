#include "persistence/SaveFile.h"
#include "persistence/SaveSample.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace savetest;
using namespace std::chrono;

void setWriteTime(const std::string& path, sys_days day, hours hour, minutes minute)
{
    std::filesystem::last_write_time(path, file_clock::from_sys(time_point_cast<system_clock::duration>(day + hour + minute)));
}

}

TEST(SaveFolder, SlotsAreFiveFilesInTheCommandersFolder)
{
    const std::string folder = testSaveFolder();
    EXPECT_EQ(folder, std::string(std::getenv("XDG_DATA_HOME")) + "/Quillon Marsh/Drift Hauler");
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(dh::slotFilePath(slot), folder + "/save" + std::to_string(slot) + ".sav");
    EXPECT_EQ(dh::slotFilePath(0), "");
    EXPECT_EQ(dh::slotFilePath(6), "");
}

TEST(SaveFolder, AMissingFolderIsMadeAgain)
{
    std::filesystem::remove_all(std::filesystem::path(testSaveFolder()).parent_path());
    dh::ensureSaveFolder();
    EXPECT_TRUE(std::filesystem::is_directory(testSaveFolder()));
    dh::ensureSaveFolder();
    EXPECT_TRUE(std::filesystem::is_directory(testSaveFolder()));
}

TEST(SaveFolder, SlotFilesTellTheirWriteTimeInUtcAndCanBeDeleted)
{
    clearSaveFolder();
    const std::string path = dh::slotFilePath(2);
    EXPECT_FALSE(dh::saveFileTime(path));
    EXPECT_FALSE(dh::deleteSaveFile(path));

    writeBytes(path, sampleFile());
    setWriteTime(path, sys_days{2026y / December / 5}, hours{17}, minutes{5});
    const std::optional<std::tm> written = dh::saveFileTime(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->tm_year + 1900, 2026);
    EXPECT_EQ(written->tm_mon + 1, 12);
    EXPECT_EQ(written->tm_mday, 5);
    EXPECT_EQ(written->tm_wday, 6);  // a Saturday
    EXPECT_EQ(written->tm_hour, 17);
    EXPECT_EQ(written->tm_min, 5);

    EXPECT_TRUE(dh::deleteSaveFile(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(dh::saveFileTime(path));

    // A folder where a slot file should be is no save.
    std::filesystem::create_directory(path);
    EXPECT_FALSE(dh::saveFileTime(path));
}

TEST(SaveFolder, SlotNamesAreReadFromAnyFileWithoutChecks)
{
    clearSaveFolder();
    const std::string path = dh::slotFilePath(1);
    std::string system = "stale";
    std::string commander = "stale";
    EXPECT_FALSE(dh::readSaveFileNames(path, system, commander));
    EXPECT_EQ(system, "");
    EXPECT_EQ(commander, "");

    Bytes file = sampleFile();
    file[0] = 'X';
    writeBytes(path, file);
    EXPECT_TRUE(dh::readSaveFileNames(path, system, commander));
    EXPECT_EQ(system, "Viovio");
    EXPECT_EQ(commander, "Halvard");

    // Fields filled to the brim, and a file that ends inside the second one.
    Bytes full(16 + 255 + 100, 'a');
    std::fill(full.begin() + 16 + 255, full.end(), 'b');
    writeBytes(path, full);
    EXPECT_TRUE(dh::readSaveFileNames(path, system, commander));
    EXPECT_EQ(system, std::string(255, 'a'));
    EXPECT_EQ(commander, std::string(100, 'b'));

    writeBytes(path, Bytes(10, 'z'));
    EXPECT_TRUE(dh::readSaveFileNames(path, system, commander));
    EXPECT_EQ(system, "");
    EXPECT_EQ(commander, "");
}
