#include "rendering/gl/TestImages.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "shell/GLWindow.h"

#include <memory>

namespace {

using rendertest::Rgba;

// Every 16 x 16 cell of the 256 x 256 sheet in its own colour: red encodes the
// column, green the row.
Rgba cellColour(int column, int row) { return {column * 16 + 8, row * 16 + 8, 255, 255}; }
constexpr Rgba kBlack{0, 0, 0, 0};
constexpr Rgba kWhite{255, 255, 255, 0};

class Text : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        std::vector<std::uint8_t> sheet;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const Rgba c = cellColour(x / 16, y / 16);
                sheet.insert(sheet.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b), 255});
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

TEST_F(Text, SecondLineStartsOneSizeLowerAtTheStartingX)
{
    dh::drawText(cells.get(), "A\nB", 100, 100, 16, 1, 1, 1);
    expectColours({{{108, 108}, cellColour('A' % 16, 'A' / 16)},
                   {{108, 124}, cellColour('B' % 16, 'B' / 16)},
                   {{124, 108}, kBlack},
                   {{124, 124}, kBlack},
                   {{99, 108}, kBlack},
                   {{108, 133}, kBlack}});
}

TEST_F(Text, ByteValueChoosesTheCellAndCarriageReturnIsAGlyph)
{
    const char text[] = {static_cast<char>(200), '\r', 0};
    dh::drawText(cells.get(), text, 0, 0, 16, 1, 1, 1);
    expectColours({{{1, 1}, cellColour(8, 12)}, {{14, 14}, cellColour(8, 12)}, {{24, 8}, cellColour(13, 0)}});

    dh::drawText(white.get(), "x", 40, 40, 8, 1, 0, 0);
    expectColours({{{43, 43}, {255, 0, 0, 0}}});
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
