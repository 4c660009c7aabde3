#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/ObjectList.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "gui/gl/GuiGlSupport.h"
#include "platform/PlatformWindow.h"
#include "rendering/ModelList.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiMeshViewer.h"
#include "screens/GuiScreen_InGameMenu.h"

#include <memory>
#include <tuple>

// The in-game menu's views, the galaxy map and the model viewers drawn in the
// window with the generated fonts, textures and models, over a new game on a
// clock of the test's own.
namespace {

using guigl::DialogScript;
using guigl::kNoX;
using guigl::pixel;
using guigl::post;
using guigl::Rgb;
using Frame = std::vector<unsigned char>;

class InGameMenuDrawing : public guigl::GuiWindow {
protected:
    void SetUp() override
    {
        dh::platformOverrideClock(&now);
        guigl::GuiWindow::SetUp();
        if (!dh::g_models[0])
            dh::loadModels();
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
        game = std::make_unique<dh::Game>("Halvard");
    }
    void TearDown() override
    {
        game.reset();
        dh::g_flightModels = {};
        guigl::GuiWindow::TearDown();
        dh::platformOverrideClock(nullptr);
    }

    dh::GameObject_Ship& ship() { return *game->playerShip(); }

    // Presses and releases the mouse button on a menu button as a click on it would.
    static void choose(dh::GuiScreen_InGameMenu& menu, const char* caption, int mouseButton = 1)
    {
        auto& root = static_cast<dh::GuiPanel&>(*menu.widgets[dh::kWidgetSlots - 1]);
        for (auto& widget : root.children)
            if (auto* button = dynamic_cast<dh::GuiButton*>(widget.get());
                button && button->text && std::string(button->text) == caption) {
                button->onMouseDown(button->x + 5, button->y + 5, mouseButton);
                button->onMouseUp(button->x + 5, button->y + 5, mouseButton);
                return;
            }
        FAIL() << caption;
    }

    std::uint32_t now = 100000;
    std::unique_ptr<dh::Game> game;
};

// The shown frame, also kept under <build>/test-output/screens for looking at.
Frame shown(const std::string& name) { return guigl::keepShownFrame("screens", name); }

int brightness(const Rgb& c) { return c[0] + c[1] + c[2]; }

// Pixels brighter than the threshold in the rectangle [x0, x1) x [y0, y1).
int countLit(const Frame& frame, int x0, int y0, int x1, int y1, int threshold = 60)
{
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            lit += brightness(pixel(frame, x, y)) > threshold ? 1 : 0;
    return lit;
}

// The cursor stands within a pixel of (x, y) on the screen.
void expectCursorAt(int x, int y)
{
    int cx = 0, cy = 0;
    dh::platformGetCursorScreenPosition(cx, cy);
    EXPECT_TRUE(std::abs(cx - x) <= 1 && std::abs(cy - y) <= 1) << cx << " " << cy << " for " << x << " " << y;
}

// The content view's box on screen at 800 x 600: (261, 93) to (747, 557).
constexpr int kBoxLeft = 261, kBoxTop = 93;

TEST_F(InGameMenuDrawing, CargoShipAndCommanderViews)
{
    ship().cargo = {3, 0, 1, 0, 0, 2, 0, 1};
    game->human->credits = 12345.678;
    game->human->kills = 27;
    dh::GuiScreen_InGameMenu menu(*game);
    now += 700;

    auto show = [&](const char* view, const char* name) {
        choose(menu, view);
        menu.onPaint();
        return shown(name);
    };
    auto frame = show("Cargo info", "ingame_cargo");
    // The rows of goods, the hold line and the crate below them.
    EXPECT_GT(countLit(frame, kBoxLeft + 10, kBoxTop + 48, kBoxLeft + 100, kBoxTop + 140), 300);
    EXPECT_GT(countLit(frame, kBoxLeft + 64, kBoxTop + 184, kBoxLeft + 200, kBoxTop + 200), 200);
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 236, kBoxLeft + 478, kBoxTop + 462, 30), 3000);

    frame = show("Ship info", "ingame_ship");
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 40, kBoxLeft + 400, kBoxTop + 270), 1500);
    EXPECT_GT(countLit(frame, kBoxLeft + 4, kBoxTop + 292, kBoxLeft + 474, kBoxTop + 458, 30), 2000);

    frame = show("Commander info", "ingame_commander");
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 8, kBoxLeft + 478, kBoxTop + 380, 30), 5000);
    EXPECT_GT(countLit(frame, kBoxLeft + 8, kBoxTop + 404, kBoxLeft + 300, kBoxTop + 450), 300);

    // Without a ship the cargo and ship panels stay black.
    game->world->objects.deleteObject(game->playerShip());
    for (const char* view : {"Cargo info", "Ship info"}) {
        frame = show(view, "ingame_no_ship");
        EXPECT_EQ(countLit(frame, kBoxLeft + 2, kBoxTop + 2, kBoxLeft + 484, kBoxTop + 462, 10), 0) << view;
    }
}

TEST_F(InGameMenuDrawing, NoToQuitKeepsTheViewAndReturnToGameEndsTheMenu)
{
    dh::GuiScreen_InGameMenu menu(*game);
    game->running = true;
    menu.running = true;
    choose(menu, "Ship info");
    menu.onPaint();
    {
        DialogScript script;
        script.clickAt(0, kNoX);
        choose(menu, "Quit game");
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_TRUE(game->running);
    EXPECT_TRUE(menu.running);
    EXPECT_TRUE(menu.contentPanels[dh::GuiScreen_InGameMenu::ShipView]->visible);
    // "Return to game", clicked at (43 + 90, 480 + 17), ends the menu's loop with the game running.
    post(dh::PlatformEvent::Type::MouseMove, 133, 497);
    post(dh::PlatformEvent::Type::MouseDown, 133, 497);
    post(dh::PlatformEvent::Type::MouseUp, 133, 497);
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
    shown("ingame_map_1280x720");

    int clientLeft = 0, clientTop = 0;
    dh::platformGetClientPosition(clientLeft, clientTop);
    menu.galaxyMap->onMouseDown(100, 100, 2);
    expectCursorAt(clientLeft + 475 + 289, clientTop + 114 + 189);
    menu.galaxyMap->onMouseUp(100, 100, 2);
    EXPECT_FALSE(menu.galaxyMap->dragging);

    choose(menu, "Commander info");
    now += 900;
    menu.onPaint();
    const auto frame = shown("ingame_commander_1280x720");
    // The portrait's box is (158 + 216 + 20 + 8, 25 + 8 + 60 + 8) virtual,
    // 470 x 372: on screen (482, 121) to (1046, 567). Right of the root
    // panel (its edge at 1089) the window stays black.
    EXPECT_GT(countLit(frame, 482, 121, 1046, 567, 30), 8000);
    EXPECT_EQ(countLit(frame, 1092, 0, 1280, 720, 5), 0);
    resize(800, 600);
}

// Paints one viewer over a black screen whose depth buffer was left full of
// near values with depth writes off, as a flight frame can leave it.
Frame paintViewer(dh::Mesh* mesh, int x, int y, int w, int h, const std::string& name)
{
    dh::GuiScreen screen;
    auto viewer = std::make_unique<dh::GuiMeshViewer>();
    viewer->mesh = mesh;
    // Turned to show the long ships from the side rather than nose on.
    viewer->angleY = 1.2f;
    viewer->spinX = false;
    std::tie(viewer->x, viewer->y, viewer->width, viewer->height) = std::tie(x, y, w, h);
    screen.addWidget(std::move(viewer));
    screen.clearColour = {0.0f, 0.0f, 0.0f};
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDepthMask(GL_FALSE);
    screen.onPaint();
    glDepthMask(GL_TRUE);
    return shown(name);
}

TEST_F(InGameMenuDrawing, MeshViewerModelsAppearInsideTheirRectangleOnly)
{
    for (auto [model, name] : {std::pair{dh::Model::Commander, "commander"}, {dh::Model::Cargo, "cargo"},
                               {dh::Model::Ship_Explorer, "explorer"}, {dh::Model::Ship_Fighter, "fighter"}}) {
        const auto frame = paintViewer(dh::model(model), 200, 150, 300, 200, std::string("viewer_") + name);
        SCOPED_TRACE(name);
        EXPECT_GT(countLit(frame, 200, 150, 500, 350, 30), 2000);
        EXPECT_EQ(countLit(frame, 0, 0, 800, 600, 5), countLit(frame, 198, 148, 502, 352, 5));
    }
    // An empty rectangle draws nothing and leaves the whole window's viewport.
    const auto empty = paintViewer(dh::model(dh::Model::Cargo), 200, 150, 300, 0, "viewer_empty");
    EXPECT_EQ(countLit(empty, 0, 0, 800, 600, 5), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
}

// At 800 x 600 the menu's root panel is at (25, 25) and the map's top-left
// corner at (263, 95); the current system (Viovio) is drawn at the map's middle.
constexpr int kMapLeft = 263, kMapTop = 95, kMapWidth = 482, kMapHeight = 316;
constexpr int kCentreX = kMapLeft + 241, kCentreY = kMapTop + 158;
// Copit, 1.49 ly away: one cell right and one up, offsets 35, 26 against 32, 30.
constexpr int kCopitX = kCentreX + 64 + 3, kCopitY = kCentreY - 64 - 4;

TEST_F(InGameMenuDrawing, MapWithAStarPointedAtAndDragged)
{
    dh::GuiScreen_InGameMenu menu(*game);
    menu.onMouseMove(kCopitX + 5, kCopitY - 3);
    ASSERT_EQ(menu.galaxyMap->hoveredSystem.name, "Copit");
    menu.onPaint();
    const auto frame = shown("ingame_map_copit");

    // The stars themselves are bright; empty space inside the range circle is
    // green, outside it (but on the map) nearly black.
    EXPECT_GT(brightness(pixel(frame, kCentreX, kCentreY)), 400);
    EXPECT_GT(brightness(pixel(frame, kCopitX, kCopitY)), 400);
    const Rgb inside = pixel(frame, kCentreX - 60, kCentreY + 25);
    EXPECT_GT(inside[1], inside[0] + 10);
    const Rgb outside = pixel(frame, kMapLeft + 5, kMapTop + kMapHeight - 5);
    EXPECT_LT(brightness(outside), 120);
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

    // A right-button drag scrolls by the hand's movement and puts the cursor back.
    dh::GuiGalaxyMap& map = *menu.galaxyMap;
    int clientLeft = 0, clientTop = 0;
    dh::platformGetClientPosition(clientLeft, clientTop);
    dh::moveCursorTo(clientLeft + 300, clientTop + 200);
    int startX = 0, startY = 0;
    dh::platformGetCursorScreenPosition(startX, startY);
    expectCursorAt(clientLeft + 300, clientTop + 200);

    const std::uint32_t scrollX = map.scrollX, scrollY = map.scrollY;
    map.onMouseDown(300 - 241, 200 - 93, 2);
    ASSERT_TRUE(map.dragging);
    EXPECT_EQ(dh::g_cursorMode, 0);
    expectCursorAt(clientLeft + kCentreX, clientTop + kCentreY);
    // The hand moves 10 right and 7 up; the cursor is put back in the middle,
    // so a move event after that scrolls nothing.
    int x = 0, y = 0;
    dh::platformGetCursorScreenPosition(x, y);
    dh::platformWarpCursor(x + 10, y - 7);
    map.onMouseMove(241, 158);
    map.onMouseMove(241, 158);
    EXPECT_EQ(map.scrollX, scrollX + 10);
    EXPECT_EQ(map.scrollY, scrollY - 7);
    expectCursorAt(clientLeft + kCentreX, clientTop + kCentreY);

    map.onMouseUp(241, 158, 2);
    EXPECT_FALSE(map.dragging);
    EXPECT_EQ(dh::g_cursorMode, 1);
    expectCursorAt(startX, startY);
    menu.onPaint();
    shown("ingame_map_dragged");
}

}
