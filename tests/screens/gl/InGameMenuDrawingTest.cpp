#include "InfoGlSupport.h"

#include "flight/ObjectList.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "platform/PlatformWindow.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiScreen_InGameMenu.h"

#include <cstdlib>

namespace {

using infogl::countLit;
using infogl::pixel;

class InGameMenuDrawing : public infogl::ScreenWindow {
protected:
    // Releases the left button on a menu button as a click on it would.
    static void choose(dh::GuiScreen_InGameMenu& menu, const char* caption, int mouseButton = 1)
    {
        auto& root = static_cast<dh::GuiPanel&>(*menu.widgets[dh::kWidgetSlots - 1]);
        for (auto& widget : root.children)
            if (auto* button = dynamic_cast<dh::GuiButton*>(widget.get());
                button && button->text && std::string(button->text) == caption) {
                button->listener->onMouseUp(0, 0, mouseButton);
                return;
            }
        FAIL() << caption;
    }
};

// The content view's box on screen at 800 x 600: (261, 93) to (747, 557).
constexpr int kBoxLeft = 261, kBoxTop = 93;

TEST_F(InGameMenuDrawing, CargoShipAndCommanderViews)
{
    ship().cargo = {3, 0, 1, 0, 0, 2, 0, 1};
    game->human->credits = 12345.678;
    game->human->kills = 27;
    dh::GuiScreen_InGameMenu menu(*game);
    now += 700;

    choose(menu, "Cargo info");
    menu.onPaint();
    auto frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "ingame_cargo");
    // The rows of goods, the hold line and the crate below them.
    EXPECT_GT(countLit(frame, kBoxLeft + 10, kBoxTop + 48, kBoxLeft + 100, kBoxTop + 140), 300);
    EXPECT_GT(countLit(frame, kBoxLeft + 64, kBoxTop + 184, kBoxLeft + 200, kBoxTop + 200), 200);
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 236, kBoxLeft + 478, kBoxTop + 462, 30), 3000);

    choose(menu, "Ship info");
    menu.onPaint();
    frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "ingame_ship");
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 40, kBoxLeft + 400, kBoxTop + 270), 1500);
    EXPECT_GT(countLit(frame, kBoxLeft + 4, kBoxTop + 292, kBoxLeft + 474, kBoxTop + 458, 30), 2000);

    choose(menu, "Commander info");
    menu.onPaint();
    frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "ingame_commander");
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 8, kBoxLeft + 478, kBoxTop + 380, 30), 5000);
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 404, kBoxLeft + 300, kBoxTop + 450), 300);

    // Without a ship the cargo and ship panels stay black.
    game->world->objects.deleteObject(game->playerShip());
    for (const char* view : {"Cargo info", "Ship info"}) {
        choose(menu, view);
        menu.onPaint();
        frame = infogl::readShownFrame();
        EXPECT_EQ(countLit(frame, kBoxLeft + 2, kBoxTop + 2, kBoxLeft + 484, kBoxTop + 462, 10), 0) << view;
    }
}

TEST_F(InGameMenuDrawing, QuitIsConfirmedAndEscapeReturns)
{
    dh::GuiScreen_InGameMenu menu(*game);
    game->running = true;
    menu.running = true;
    choose(menu, "Ship info");
    menu.onPaint();
    {
        infogl::DialogScript script;
        script.clickAt(0, infogl::kNoX);
        choose(menu, "Quit game");
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_TRUE(game->running);
    EXPECT_TRUE(menu.running);
    EXPECT_TRUE(menu.contentPanels[dh::GuiScreen_InGameMenu::ShipView]->visible);
    {
        infogl::DialogScript script;
        script.at(1, [] { infogl::saveFrame(infogl::readShownFrame(), "ingame_quit_question"); });
        script.clickAt(2, infogl::kYesX);
        choose(menu, "Quit game");
    }
    EXPECT_FALSE(game->running);
    EXPECT_FALSE(menu.running);

    // Escape, or "Return to game" clicked at (43 + 90, 480 + 17), ends the
    // menu's loop with the game still running.
    game->running = true;
    dh::PlatformEvent escape;
    escape.type = dh::PlatformEvent::Type::KeyDown;
    escape.key = dh::VK_ESCAPE;
    dh::platformPostEvent(escape);
    menu.run();
    EXPECT_TRUE(game->running);
    EXPECT_FALSE(menu.running);
    infogl::post(dh::PlatformEvent::Type::MouseMove, 133, 497);
    infogl::post(dh::PlatformEvent::Type::MouseDown, 133, 497);
    infogl::post(dh::PlatformEvent::Type::MouseUp, 133, 497);
    dh::runInGameMenu(*game);
    EXPECT_TRUE(game->running);
    EXPECT_EQ(dh::g_listener, nullptr);
}

// 1280 x 720: scale 1.2, the virtual window 1066 wide, the root panel at
// (158, 25) and the map's corner at (396, 95), on screen (475, 114).
TEST_F(InGameMenuDrawing, WideWindowKeepsTheMenuCentredAndTheViewerInItsBox)
{
    resize(1280, 720);
    dh::GuiScreen_InGameMenu menu(*game);
    // Copit, 67 right of and 68 above the map's middle.
    menu.onMouseMove(845, 222);
    EXPECT_EQ(menu.galaxyMap->hoveredSystem.name, "Copit");
    menu.onPaint();
    infogl::saveFrame(infogl::readShownFrame(), "ingame_map_1280x720");

    int clientLeft = 0, clientTop = 0;
    dh::platformGetClientPosition(clientLeft, clientTop);
    menu.galaxyMap->onMouseDown(100, 100, 2);
    int x = 0, y = 0;
    dh::platformGetCursorScreenPosition(x, y);
    EXPECT_LE(std::abs(x - (clientLeft + 475 + 289)), 1) << x;
    EXPECT_LE(std::abs(y - (clientTop + 114 + 189)), 1) << y;
    menu.galaxyMap->onMouseUp(100, 100, 2);
    EXPECT_FALSE(menu.galaxyMap->dragging);

    choose(menu, "Commander info");
    now += 900;
    menu.onPaint();
    const auto frame = infogl::readShownFrame();
    infogl::saveFrame(frame, "ingame_commander_1280x720");
    // The portrait's box is (158 + 216 + 20 + 8, 25 + 8 + 60 + 8) virtual,
    // 470 x 372: on screen (482, 121) to (1046, 567). Right of the root
    // panel (its edge at 1089) the window stays black.
    EXPECT_GT(countLit(frame, 482, 121, 1046, 567, 30), 8000);
    EXPECT_EQ(countLit(frame, 1092, 0, 1280, 720, 5), 0);
    resize(800, 600);
}

}
