#include "InfoGlSupport.h"

#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "platform/PlatformWindow.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiScreen_InGameMenu.h"
#include "screens/GuiStarInfo.h"

#include <cstdlib>

namespace {

using infogl::countLit;
using infogl::pixel;
using infogl::Rgb;

class GalaxyMapDrawing : public infogl::ScreenWindow {};

// At 800 x 600 the menu's root panel is at (25, 25) and the map's top-left
// corner at (263, 95); the current system (Viovio) is drawn at the map's middle.
constexpr int kMapLeft = 263, kMapTop = 95, kMapWidth = 482, kMapHeight = 316;
constexpr int kCentreX = kMapLeft + 241, kCentreY = kMapTop + 158;
// Copit, 1.49 ly away: one cell right and one up, offsets 35, 26 against 32, 30.
constexpr int kCopitX = kCentreX + 64 + 3, kCopitY = kCentreY - 64 - 4;

TEST_F(GalaxyMapDrawing, InGameMenuMapWithAStarPointedAt)
{
    dh::GuiScreen_InGameMenu menu(*game);
    menu.onMouseMove(kCopitX + 5, kCopitY - 3);
    ASSERT_EQ(menu.galaxyMap->hoveredSystem.name, "Copit");
    menu.onPaint();
    const auto frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "ingame_map_copit");

    // The stars themselves are bright; empty space inside the range circle is
    // green, outside it (but on the map) nearly black.
    EXPECT_GT(infogl::brightness(pixel(frame, kCentreX, kCentreY)), 400);
    EXPECT_GT(infogl::brightness(pixel(frame, kCopitX, kCopitY)), 400);
    const Rgb inside = pixel(frame, kCentreX - 60, kCentreY + 25);
    EXPECT_GT(inside[1], inside[0] + 10);
    const Rgb outside = pixel(frame, kMapLeft + 5, kMapTop + kMapHeight - 5);
    EXPECT_LT(infogl::brightness(outside), 120);
    // The home button fills the map's top-right corner.
    EXPECT_GT(countLit(frame, kMapLeft + kMapWidth - 32, kMapTop, kMapLeft + kMapWidth, kMapTop + 32), 300);
    // Star information: the planet in the middle of its panel, the name, the
    // two lines below; the market panel's eight supply bars.
    EXPECT_GT(countLit(frame, 261 + 32, 417 + 32, 261 + 96, 417 + 96), 1500);
    EXPECT_GT(countLit(frame, 261, 417 + 104, 261 + 128, 417 + 130), 100);
    int bars = 0;
    for (int i = 0; i < 8; ++i)
        bars += countLit(frame, 397 + 120, 417 + 35 + 12 * i, 397 + 220, 417 + 43 + 12 * i, 30) > 0 ? 1 : 0;
    EXPECT_EQ(bars, 8);
}

TEST_F(GalaxyMapDrawing, DockedMapWithoutFuelIsRedAndNothingPointedAtLeavesThePanelsBlack)
{
    auto placed = [](auto widget, int x, int y, int w, int h) {
        widget->x = x;
        widget->y = y;
        widget->width = w;
        widget->height = h;
        return widget;
    };
    dh::GuiScreen screen;
    auto holder = placed(std::make_unique<dh::GuiPanel>(), 10, 10, 486, 320);
    auto* map = static_cast<dh::GuiGalaxyMap*>(holder->addWidget(
        placed(std::make_unique<dh::GuiGalaxyMap>(game.get(), &screen, false), 2, 2, 482, 316)));
    map->centreOnCurrentSystem();
    screen.addWidget(std::move(holder));
    screen.addWidget(placed(std::make_unique<dh::GuiStarInfo>(map, game.get()), 10, 340, 128, 146));
    screen.addWidget(placed(std::make_unique<dh::GuiMarketInfo>(game.get(), map), 150, 340, 348, 138));
    screen.onPaint();
    const auto frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "docked_map_nothing_pointed");
    const Rgb inside = pixel(frame, 12 + 241 - 60, 12 + 158 + 25);
    EXPECT_GT(inside[0], inside[1] + 10);
    EXPECT_EQ(countLit(frame, 10, 340, 138, 486, 10), 0);
    EXPECT_EQ(countLit(frame, 150, 340, 498, 478, 10), 0);
}

bool near(int a, int b) { return std::abs(a - b) <= 1; }

TEST_F(GalaxyMapDrawing, RightButtonDragScrollsAndPutsTheCursorBack)
{
    dh::GuiScreen_InGameMenu menu(*game);
    dh::GuiGalaxyMap& map = *menu.galaxyMap;
    int clientLeft = 0, clientTop = 0;
    dh::platformGetClientPosition(clientLeft, clientTop);
    dh::moveCursorTo(clientLeft + 300, clientTop + 200);
    int startX = 0, startY = 0;
    dh::platformGetCursorScreenPosition(startX, startY);
    ASSERT_TRUE(near(startX, clientLeft + 300) && near(startY, clientTop + 200)) << startX << " " << startY;

    const std::uint32_t scrollX = map.scrollX;
    const std::uint32_t scrollY = map.scrollY;
    map.onMouseDown(300 - 241, 200 - 93, 2);
    ASSERT_TRUE(map.dragging);
    EXPECT_EQ(dh::g_cursorMode, 0);
    int x = 0, y = 0;
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_TRUE(near(x, clientLeft + kCentreX) && near(y, clientTop + kCentreY)) << x << " " << y;

    // The hand moves 10 right and 7 up; the cursor is put back in the middle,
    // so a move event after that scrolls nothing.
    dh::platformWarpCursor(x + 10, y - 7);
    map.onMouseMove(241, 158);
    map.onMouseMove(241, 158);
    EXPECT_EQ(map.scrollX, scrollX + 10);
    EXPECT_EQ(map.scrollY, scrollY - 7);
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_TRUE(near(x, clientLeft + kCentreX) && near(y, clientTop + kCentreY)) << x << " " << y;

    map.onMouseUp(241, 158, 2);
    EXPECT_FALSE(map.dragging);
    EXPECT_EQ(dh::g_cursorMode, 1);
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_TRUE(near(x, startX) && near(y, startY)) << x << " " << y;
    menu.onPaint();
    infogl::saveFrame(infogl::readShownFrame(), "ingame_map_dragged");
}

}
