#include "platform/PlatformFiles.h"

#include <gtest/gtest.h>

TEST(PlatformFiles, AssetPathsAreNormalised)
{
    EXPECT_EQ(dh::normalizeAssetPath("gfx\\star.tga"), "gfx/star.tga");
    EXPECT_EQ(dh::normalizeAssetPath("snd//dock.wav"), "snd/dock.wav");
    EXPECT_EQ(dh::normalizeAssetPath("mus\\intro\\intro.mid"), "mus/intro/intro.mid");
    EXPECT_EQ(dh::normalizeAssetPath("fnt\\\\main.tga"), "fnt/main.tga");
    EXPECT_EQ(dh::normalizeAssetPath("\\save1.sav"), "save1.sav");
    EXPECT_EQ(dh::normalizeAssetPath("mdl/gfx/Missile.gif"), "mdl/gfx/Missile.gif");
}

TEST(PlatformFiles, AssetsResolveBesideTheExecutable)
{
    const std::filesystem::path resolved = dh::assetPath("gfx\\star.tga");
    EXPECT_TRUE(resolved.is_absolute());
    EXPECT_EQ(resolved.filename(), "star.tga");
    EXPECT_EQ(resolved.parent_path().filename(), "gfx");
    EXPECT_TRUE(std::filesystem::exists(resolved.parent_path().parent_path() / "test_platform"));
}
