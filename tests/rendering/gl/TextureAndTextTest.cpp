#include "rendering/gl/TestImages.h"
#include "platform/PlatformFiles.h"
#include "rendering/GLFont.h"
#include "rendering/GLTexture.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

#include <memory>

namespace {

using rendertest::Rgba;
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

// Every 16 x 16 cell of the 256 x 256 sheet in its own colour: red encodes the
// column, green the row.
Rgba cellColour(int column, int row) { return {column * 16 + 8, row * 16 + 8, 255, 255}; }
constexpr Rgba kBlack{0, 0, 0, 0};
constexpr Rgba kWhite{255, 255, 255, 0};

class Text : public Textures {
protected:
    void SetUp() override
    {
        Textures::SetUp();
        std::vector<std::uint8_t> sheet;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const Rgba c = cellColour(x / 16, y / 16);
                sheet.insert(sheet.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b), 255});
            }
        cells = std::make_unique<dh::GLFont>(rendertest::writeTga("cells.tga", 256, 256, sheet));
        white = std::make_unique<dh::GLFont>(
            rendertest::writeTga("white.tga", 16, 16, std::vector<std::uint8_t>(16 * 16 * 4, 255)));
        ASSERT_EQ(cells->texture->width, 256u);
        dh::setOrthoProjection();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // The colour at each (x, y), alpha ignored.
    static void expectColours(std::initializer_list<std::pair<std::array<int, 2>, Rgba>> expected)
    {
        for (const auto& [xy, colour] : expected) {
            const Rgba p = rendertest::pixelAt(xy[0], xy[1]);
            EXPECT_TRUE(p.r == colour.r && p.g == colour.g && p.b == colour.b)
                << "(" << xy[0] << ", " << xy[1] << ") is " << p.r << " " << p.g << " " << p.b;
        }
    }

    std::unique_ptr<dh::GLFont> cells;
    std::unique_ptr<dh::GLFont> white;
};

}

TEST_F(Textures, MissingOrBrokenFileIsTheCheckerboard)
{
    const dh::GLTexture missing("gfx\\no-such-texture.tga");
    EXPECT_TRUE(isCheckerboard(missing));
    EXPECT_FALSE(missing.hasAlpha);
    EXPECT_TRUE(isCheckerboard(dh::GLTexture(rendertest::writeFile("garbage.tga", {1, 2, 3, 4, 5, 6, 7}))));
    EXPECT_TRUE(isCheckerboard(dh::GLTexture(static_cast<const std::uint8_t*>(nullptr))));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Files whose headers declare more than the machine should give: each is
// refused before decoding with one line naming it, and shows the checkerboard.
TEST_F(Textures, ImagesThatCouldTakeTheMachineAreRefusedWithOneLineEach)
{
    // 34 bytes: a true-colour TGA header declaring 6400 x 61240, then 16 bytes.
    std::vector<std::uint8_t> tga{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x19, 0x38, 0xEF, 32, 0x28};
    tga.resize(34, 0x7F);
    // 63 bytes: a GIF whose screen and image declare 14443 x 24887.
    std::vector<std::uint8_t> gif{'G', 'I', 'F', '8', '9', 'a', 0x6B, 0x38, 0x37, 0x61, 0x80, 0, 0, 0, 0, 0,
                                  255, 255, 255, 0x2C, 0, 0, 0, 0, 0x6B, 0x38, 0x37, 0x61, 0, 2, 2, 0x44, 0x01, 0};
    gif.resize(62, 0);
    gif.push_back(0x3B);
    std::vector<std::uint8_t> svg{'<', 's', 'v', 'g', '>'};
    const std::string files[] = {rendertest::writeFile("huge.tga", tga), rendertest::writeFile("huge.gif", gif),
                                 rendertest::writeFile("drawing.gif", svg), rendertest::writeFile("drawing.svg", svg)};
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        testing::internal::CaptureStderr();
        const dh::GLTexture texture(file);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(isCheckerboard(texture));
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
        EXPECT_NE(said.find(dh::assetPath(file).string()), std::string::npos) << said;
    }
    // A missing file stays as quiet as before.
    testing::internal::CaptureStderr();
    EXPECT_TRUE(isCheckerboard(dh::GLTexture("gfx\\no-such-texture.tga")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(Textures, PaletteImageIsTransparentExactlyOnTheColourKey)
{
    // Index 2 is the key; 8 x 4 texels with the indices 0..3 in every row pair.
    const std::vector<std::uint8_t> palette{200, 10, 20, 255, 30, 220, 40, 255, 50, 60, 240, 0, 90, 100, 110, 255};
    std::vector<std::uint8_t> indices(32);
    std::vector<std::uint8_t> expected;
    for (unsigned i = 0; i < indices.size(); ++i) {
        const std::uint8_t index = indices[i] = static_cast<std::uint8_t>((i + i / 8) % 4);
        expected.insert(expected.end(), {palette[4 * index], palette[4 * index + 1], palette[4 * index + 2],
                                         std::uint8_t(index == 2 ? 0 : 255)});
    }
    const dh::GLTexture keyed(rendertest::writeTga("keyed.tga", 8, 4, indices, palette));
    ASSERT_EQ(keyed.width, 8u);
    ASSERT_EQ(keyed.height, 4u);
    EXPECT_TRUE(keyed.hasAlpha);
    EXPECT_EQ(textureTexels(keyed.textureId, 8, 4), expected);
}

TEST_F(Textures, TrueColourFileAndPixelBlockKeepTheirTexelsAndRowOrder)
{
    std::vector<std::uint8_t> rgba(4 * 4 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<std::uint8_t>(i * 37 % 256);
    const dh::GLTexture file(rendertest::writeTga("colours.tga", 4, 4, rgba));
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
    if (!std::filesystem::exists(dh::assetPath("gfx\\buttonEmpH.tga")))
        GTEST_SKIP() << "the generated textures are not built yet";
    dh::loadTextures();
    for (std::size_t i = 0; i < dh::kTextureCount; ++i) {
        SCOPED_TRACE(dh::kTextureStems[i]);
        ASSERT_NE(dh::g_textures[i], nullptr);
        EXPECT_NE(dh::g_textures[i]->textureId, 0u);
        EXPECT_FALSE(isCheckerboard(*dh::g_textures[i]));
    }
    EXPECT_EQ(dh::findTexture("planet3"), dh::g_textures[4].get());
    EXPECT_EQ(dh::findTexture("explosion19"), nullptr);
    EXPECT_EQ(dh::explosionTexture(0), dh::texture(dh::Tex::explosion1));
    EXPECT_EQ(dh::explosionTexture(40), dh::texture(dh::Tex::explosion18));
    // The crosshair is the palette image with a colour key.
    EXPECT_TRUE(dh::texture(dh::Tex::crosshair)->hasAlpha);
    dh::releaseTextures();
    dh::releaseTextures();
    EXPECT_EQ(std::count(dh::g_textures.begin(), dh::g_textures.end(), nullptr), std::ptrdiff_t(dh::kTextureCount));

    dh::loadFonts();
    ASSERT_TRUE(dh::g_fontMain && dh::g_fontBig);
    EXPECT_FALSE(isCheckerboard(*dh::g_fontMain->texture));
    EXPECT_FALSE(isCheckerboard(*dh::g_fontBig->texture));
    dh::releaseFonts();
    EXPECT_EQ(dh::g_fontMain, nullptr);
    EXPECT_EQ(dh::g_fontBig, nullptr);
}

// The byte value chooses the cell, carriage return is a glyph too, and a
// second line starts one size lower at the starting x.
TEST_F(Text, GlyphsComeFromTheirCellsLineByLine)
{
    dh::drawText(cells.get(), "A\nB", 100, 100, 16, 1, 1, 1);
    const char text[] = {static_cast<char>(200), '\r', 0};
    dh::drawText(cells.get(), text, 0, 0, 16, 1, 1, 1);
    dh::drawText(white.get(), "x", 40, 40, 8, 1, 0, 0);
    expectColours({{{108, 108}, cellColour('A' % 16, 'A' / 16)},
                   {{108, 124}, cellColour('B' % 16, 'B' / 16)},
                   {{124, 108}, kBlack},
                   {{124, 124}, kBlack},
                   {{99, 108}, kBlack},
                   {{108, 133}, kBlack},
                   {{1, 1}, cellColour(8, 12)},
                   {{14, 14}, cellColour(8, 12)},
                   {{24, 8}, cellColour(13, 0)},
                   {{43, 43}, {255, 0, 0, 0}}});
}

TEST_F(Text, CentredTextRoundsHalvesAwayFromZero)
{
    dh::drawTextCentered(white.get(), "Item", 100, 50, 64, 16, 8, 1, 1, 1);
    expectColours({{{116, 54}, kWhite},
                   {{147, 61}, kWhite},
                   {{115, 54}, kBlack},
                   {{116, 53}, kBlack},
                   {{148, 61}, kBlack},
                   {{147, 62}, kBlack}});
    // x' = 0 + 15 / 2 - 8 / 2 = 3.5 -> 4; y' = 0 + 9 / 2 - 8 / 2 = 0.5 -> 1.
    dh::drawTextCentered(white.get(), "x", 0, 0, 15, 9, 8, 1, 1, 1);
    expectColours({{{4, 1}, kWhite}, {{3, 1}, kBlack}, {{4, 0}, kBlack}, {{11, 8}, kWhite}, {{12, 8}, kBlack}});
}

TEST_F(Text, NothingIsDrawnForNoTextOrNoSizeAndStateIsKept)
{
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_ONE, GL_ZERO);
    dh::drawText(white.get(), "x", 10, 10, 0, 1, 1, 1);
    dh::drawText(white.get(), "x", 10, 10, -8, 1, 1, 1);
    dh::drawText(white.get(), nullptr, 10, 10, 8, 1, 1, 1);
    dh::drawText(nullptr, "x", 10, 10, 8, 1, 1, 1);
    dh::drawTextCentered(white.get(), "x", 0, 0, 64, 64, 0, 1, 1, 1);
    GLint src = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    EXPECT_EQ(src, GL_ONE);
    expectColours({{{12, 12}, kBlack}, {{31, 31}, kBlack}});

    // Drawing restores the enable state it changed.
    dh::drawText(white.get(), "x", 10, 10, 8, 1, 1, 1);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glDisable(GL_DEPTH_TEST);
}
