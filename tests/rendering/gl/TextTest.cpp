#include "rendering/gl/TestImages.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "shell/GLWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using rendertest::pixelAt;
using rendertest::Rgba;

// Every 16 x 16 cell of the 256 x 256 sheet in its own colour: red encodes the
// column, green the row.
Rgba cellColour(int column, int row) { return {column * 16 + 8, row * 16 + 8, 255, 255}; }

class Text : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        std::vector<std::uint8_t> sheet(256 * 256 * 4);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const Rgba c = cellColour(x / 16, y / 16);
                std::uint8_t* t = &sheet[4 * (y * 256 + x)];
                t[0] = static_cast<std::uint8_t>(c.r);
                t[1] = static_cast<std::uint8_t>(c.g);
                t[2] = static_cast<std::uint8_t>(c.b);
                t[3] = 255;
            }
        }
        rendertest::writeTga32("cells.tga", 256, 256, sheet);
        rendertest::writeTga32("white.tga", 16, 16, std::vector<std::uint8_t>(16 * 16 * 4, 255));
        cells = std::make_unique<dh::GLFont>(rendertest::assetName("cells.tga"));
        white = std::make_unique<dh::GLFont>(rendertest::assetName("white.tga"));
        ASSERT_EQ(cells->texture->width, 256u);
        dh::setOrthoProjection();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    Rgba at(int x, int y) const { return pixelAt(x, y, dh::clientHeight()); }

    std::unique_ptr<dh::GLFont> cells;
    std::unique_ptr<dh::GLFont> white;
};

void expectColour(Rgba actual, Rgba expected)
{
    EXPECT_EQ(actual.r, expected.r);
    EXPECT_EQ(actual.g, expected.g);
    EXPECT_EQ(actual.b, expected.b);
}

}

TEST_F(Text, SecondLineStartsOneSizeLowerAtTheStartingX)
{
    dh::drawText(cells.get(), "A\nB", 100, 100, 16, 1, 1, 1);
    expectColour(at(108, 108), cellColour('A' % 16, 'A' / 16));
    expectColour(at(108, 124), cellColour('B' % 16, 'B' / 16));
    expectColour(at(124, 108), {0, 0, 0, 0});
    expectColour(at(124, 124), {0, 0, 0, 0});
    expectColour(at(99, 108), {0, 0, 0, 0});
    expectColour(at(108, 133), {0, 0, 0, 0});
}

TEST_F(Text, ByteValueChoosesTheCellAndCarriageReturnIsAGlyph)
{
    const char text[] = {static_cast<char>(200), '\r', 0};
    dh::drawText(cells.get(), text, 0, 0, 16, 1, 1, 1);
    expectColour(at(8, 8), cellColour(8, 12));
    expectColour(at(1, 1), cellColour(8, 12));
    expectColour(at(14, 14), cellColour(8, 12));
    expectColour(at(24, 8), cellColour(13, 0));
}

TEST_F(Text, ColourTintsTheGlyphs)
{
    dh::drawText(white.get(), "x", 10, 10, 8, 1, 0, 0);
    expectColour(at(13, 13), {255, 0, 0, 0});
}

TEST_F(Text, CentredItemStartsAt116By54)
{
    dh::drawTextCentered(white.get(), "Item", 100, 50, 64, 16, 8, 1, 1, 1);
    expectColour(at(116, 54), {255, 255, 255, 0});
    expectColour(at(147, 61), {255, 255, 255, 0});
    expectColour(at(115, 54), {0, 0, 0, 0});
    expectColour(at(116, 53), {0, 0, 0, 0});
    expectColour(at(148, 61), {0, 0, 0, 0});
    expectColour(at(147, 62), {0, 0, 0, 0});
}

TEST_F(Text, CentringRoundsHalvesAwayFromZero)
{
    // x' = 0 + 15 / 2 - 8 / 2 = 3.5 -> 4; y' = 0 + 9 / 2 - 8 / 2 = 0.5 -> 1.
    dh::drawTextCentered(white.get(), "x", 0, 0, 15, 9, 8, 1, 1, 1);
    expectColour(at(4, 1), {255, 255, 255, 0});
    expectColour(at(3, 1), {0, 0, 0, 0});
    expectColour(at(4, 0), {0, 0, 0, 0});
    expectColour(at(11, 8), {255, 255, 255, 0});
    expectColour(at(12, 8), {0, 0, 0, 0});
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
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    expectColour(at(12, 12), {0, 0, 0, 0});
    expectColour(at(31, 31), {0, 0, 0, 0});

    // Drawing restores the enable state it changed.
    dh::drawText(white.get(), "x", 10, 10, 8, 1, 1, 1);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glDisable(GL_DEPTH_TEST);
}
