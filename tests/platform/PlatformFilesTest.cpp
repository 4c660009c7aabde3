#include "platform/PlatformFiles.h"

#include <gtest/gtest.h>

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
