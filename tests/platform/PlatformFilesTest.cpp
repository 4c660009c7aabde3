#include "platform/PlatformFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

TEST(PlatformFiles, AssetPathsAreNormalisedAndResolvedBesideTheExecutable)
{
    EXPECT_EQ(dh::normalizeAssetPath("gfx\\star.tga"), "gfx/star.tga");
    EXPECT_EQ(dh::normalizeAssetPath("snd//dock.wav"), "snd/dock.wav");
    EXPECT_EQ(dh::normalizeAssetPath("\\save1.sav"), "save1.sav");
    const std::filesystem::path resolved = dh::assetPath("gfx\\star.tga");
    EXPECT_TRUE(resolved.is_absolute());
    EXPECT_EQ(resolved.parent_path().filename(), "gfx");
    EXPECT_TRUE(std::filesystem::exists(resolved.parent_path().parent_path() / "test_platform"));
}

TEST(PlatformFiles, AssetsAreFoundBesideTheExecutableFirstThenInTheSharedFolderOfItsPrefix)
{
    namespace fs = std::filesystem;
    const fs::path prefix = fs::temp_directory_path() / ("dh-assets-" + std::to_string(::getpid()));
    fs::remove_all(prefix);
    const fs::path bin = prefix / "bin";
    const fs::path shared = prefix / "share" / "drift-hauler";
    const auto makeFolders = [](const fs::path& base, std::initializer_list<const char*> names) {
        for (const char* name : names)
            fs::create_directories(base / name);
    };
    fs::create_directories(bin);
    EXPECT_EQ(dh::findAssetFolder(bin), std::nullopt);

    // A folder missing one of the five is not an asset folder.
    makeFolders(shared, {"gfx", "fnt", "mdl", "snd"});
    EXPECT_EQ(dh::findAssetFolder(bin), std::nullopt);
    makeFolders(shared, {"mus"});
    EXPECT_EQ(dh::findAssetFolder(bin), shared);
    EXPECT_EQ(dh::findAssetFolder(bin / ""), shared);

    makeFolders(bin, {"gfx", "fnt", "mdl", "snd", "mus"});
    EXPECT_EQ(dh::findAssetFolder(bin), bin);

    // A moved prefix finds its own shared folder.
    const fs::path moved = prefix.string() + "-moved";
    fs::remove_all(moved);
    fs::rename(prefix, moved);
    fs::remove_all(moved / "bin" / "gfx");
    EXPECT_EQ(dh::findAssetFolder(moved / "bin"), moved / "share" / "drift-hauler");
    fs::remove_all(moved);
}
