#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFileAndNoTemporary)
{
    const fs::path folder = fs::temp_directory_path() / ("dh-atomic-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "settings.ini").string();

    ASSERT_EQ(dh::writeFileAtomically(path, "first\n"), dh::AtomicWrite::written);
    ASSERT_EQ(dh::writeFileAtomically(path, std::string("second\0line\n", 12)), dh::AtomicWrite::written);
    EXPECT_EQ(contents(path), std::string("second\0line\n", 12));
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    EXPECT_EQ(dh::writeFileAtomically((folder / "missing" / "x.ini").string(), "x"), dh::AtomicWrite::cannotOpen);
    EXPECT_EQ(dh::writeFileAtomically("", "x"), dh::AtomicWrite::cannotOpen);

    // A folder standing where the file should be cannot be replaced by a rename.
    const fs::path blocked = folder / "blocked";
    fs::create_directories(blocked / "inside");
    EXPECT_EQ(dh::writeFileAtomically(blocked.string(), "x"), dh::AtomicWrite::failed);
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_FALSE(fs::exists(blocked.string() + ".tmp"));
    fs::remove_all(folder);
}
