#include "rendering/gl/TestImages.h"
#include "platform/PlatformFiles.h"
#include "rendering/GLFont.h"
#include "rendering/GLTexture.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"

namespace {

using rendertest::textureTexels;

class Textures : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        while (glGetError() != GL_NO_ERROR)
            continue;
    }
};

bool isCheckerboard(const dh::GLTexture& tex)
{
    std::vector<std::uint8_t> board;
    for (unsigned i = 0; i < 16 * 16; ++i) {
        const std::uint8_t shade = (i % 16 + i / 16) % 2 == 0 ? 255 : 0;
        board.insert(board.end(), {shade, shade, shade, 255});
    }
    return tex.width == 16 && tex.height == 16 && tex.textureId != 0 && textureTexels(tex.textureId, 16, 16) == board;
}

}

TEST_F(Textures, MissingOrBrokenFileIsTheCheckerboard)
{
    const dh::GLTexture missing("gfx\\no-such-texture.tga");
    EXPECT_TRUE(isCheckerboard(missing));
    EXPECT_FALSE(missing.hasAlpha);

    rendertest::writeFile("garbage.tga", {1, 2, 3, 4, 5, 6, 7});
    const dh::GLTexture garbage(rendertest::assetName("garbage.tga"));
    EXPECT_TRUE(isCheckerboard(garbage));

    const dh::GLTexture placeholder(static_cast<const std::uint8_t*>(nullptr));
    EXPECT_TRUE(isCheckerboard(placeholder));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Textures, PaletteImageIsTransparentExactlyOnTheColourKey)
{
    // Index 2 is the key; 8 x 4 texels with the indices 0..3 in every row pair.
    const std::vector<std::uint8_t> palette{200, 10, 20, 255, 30, 220, 40, 255, 50, 60, 240, 0, 90, 100, 110, 255};
    std::vector<std::uint8_t> indices(32);
    for (unsigned i = 0; i < indices.size(); ++i)
        indices[i] = static_cast<std::uint8_t>((i + i / 8) % 4);
    rendertest::writeTgaPaletted("keyed.tga", 8, 4, indices, palette);
    const dh::GLTexture keyed(rendertest::assetName("keyed.tga"));
    ASSERT_EQ(keyed.width, 8u);
    ASSERT_EQ(keyed.height, 4u);
    EXPECT_TRUE(keyed.hasAlpha);
    const std::vector<std::uint8_t> texels = textureTexels(keyed.textureId, 8, 4);
    std::vector<std::uint8_t> expected;
    for (std::uint8_t index : indices)
        expected.insert(expected.end(), {palette[4 * index], palette[4 * index + 1], palette[4 * index + 2],
                                         std::uint8_t(index == 2 ? 0 : 255)});
    EXPECT_EQ(texels, expected);
}

TEST_F(Textures, TrueColourFileAndPixelBlockKeepTheirTexelsAndRowOrder)
{
    std::vector<std::uint8_t> rgba(4 * 4 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<std::uint8_t>(i * 37 % 256);
    rendertest::writeTga32("colours.tga", 4, 4, rgba);
    const dh::GLTexture file(rendertest::assetName("colours.tga"));
    EXPECT_TRUE(file.hasAlpha);
    ASSERT_EQ(file.width, 4u);
    EXPECT_EQ(textureTexels(file.textureId, 4, 4), rgba);

    std::vector<std::uint8_t> block(512 * 512 * 4);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7 % 251);
    const dh::GLTexture tex(block.data());
    EXPECT_EQ(tex.width, 512u);
    EXPECT_EQ(tex.height, 512u);
    EXPECT_FALSE(tex.hasAlpha);
    EXPECT_EQ(textureTexels(tex.textureId, 512, 512), block);
}

TEST_F(Textures, TheListLoadsEveryGeneratedTextureAndReleasesTwiceHarmlessly)
{
    if (!std::filesystem::exists(dh::assetPath("gfx\\buttonEmpH.tga"))) {
        GTEST_SKIP() << "the generated textures are not built yet";
    }
    dh::loadTextures();
    for (std::size_t i = 0; i < dh::kTextureCount; ++i) {
        SCOPED_TRACE(dh::kTextureStems[i]);
        ASSERT_NE(dh::g_textures[i], nullptr);
        EXPECT_NE(dh::g_textures[i]->textureId, 0u);
        EXPECT_FALSE(isCheckerboard(*dh::g_textures[i]));
    }
    EXPECT_EQ(dh::findTexture("planet3"), dh::g_textures[4]);
    EXPECT_EQ(dh::findTexture("buttonEmpH"), dh::g_textures[53]);
    EXPECT_EQ(dh::findTexture("explosion19"), nullptr);
    EXPECT_EQ(dh::explosionTexture(0), dh::texture(dh::Tex::explosion1));
    EXPECT_EQ(dh::explosionTexture(17), dh::texture(dh::Tex::explosion18));
    // The crosshair is the palette image with a colour key.
    EXPECT_TRUE(dh::texture(dh::Tex::crosshair)->hasAlpha);
    dh::releaseTextures();
    dh::releaseTextures();
    EXPECT_EQ(std::count(dh::g_textures.begin(), dh::g_textures.end(), nullptr), static_cast<std::ptrdiff_t>(dh::kTextureCount));

    dh::loadFonts();
    ASSERT_NE(dh::g_fontMain, nullptr);
    ASSERT_NE(dh::g_fontBig, nullptr);
    EXPECT_FALSE(isCheckerboard(*dh::g_fontMain->texture));
    EXPECT_FALSE(isCheckerboard(*dh::g_fontBig->texture));
    dh::releaseFonts();
    EXPECT_EQ(dh::g_fontMain, nullptr);
    EXPECT_EQ(dh::g_fontBig, nullptr);
}
