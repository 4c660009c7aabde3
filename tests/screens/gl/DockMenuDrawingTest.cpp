#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "flight/FlightModels.h"
#include "gui/gl/GuiGlSupport.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGame.h"
#include "rendering/ModelList.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiScreen_SpaceStation.h"

namespace {

using dh::GuiScreen_SpaceStation;
using guigl::pixel;
using guigl::Rgb;

// The dock menu drawn with the generated fonts, textures and models over a
// docked game with cargo, missiles and damage to show.
class DockMenuDrawing : public guigl::GuiWindow {
protected:
    void SetUp() override
    {
        guigl::GuiWindow::SetUp();
        if (!dh::g_models[0])
            dh::loadModels();
        dh::g_flightModels = {dh::model(dh::Model::Ship_Explorer), dh::model(dh::Model::Ship_Fighter),
                              dh::model(dh::Model::Missile), dh::model(dh::Model::Spacestation)};
        docked = std::make_unique<docktest::DockedGame>();
        dh::GameObject_Ship& ship = docked->ship();
        ship.cargo = {3, 0, 2, 0, 0, 1, 0, 0};
        ship.missiles = 1;
        ship.empBombs = 5;
        ship.shield = ship.maxShield * 0.75f;
        docked->credits() = 5432.1;
    }
    void TearDown() override
    {
        docked.reset();
        guigl::GuiWindow::TearDown();
    }

    std::unique_ptr<docktest::DockedGame> docked;
};

bool near(const Rgb& a, const Rgb& b, int tolerance = 8) { return guigl::near(a, b, tolerance); }

// Whether every pixel of [x0, x1) x [y0, y1) is black.
bool black(const std::vector<unsigned char>& frame, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (!near(pixel(frame, x, y), {0, 0, 0}, 3))
                return false;
    return true;
}

// At 800 x 600 the root panel spans (25, 25) to (775, 575); the views start
// at (241, 33) and their boxes 20 pixels further in.
constexpr int kRootX = 25, kRootY = 25, kViewX = 241, kViewY = 33;

TEST_F(DockMenuDrawing, EveryView)
{
    // Slot 2 holds this game; the others are empty.
    for (int slot = 1; slot <= dh::kSaveSlots; ++slot)
        std::filesystem::remove(dh::slotFilePath(slot));
    ASSERT_TRUE(dh::SaveGame::trySave(dh::slotFilePath(2).c_str(), &docked->game).succeeded);
    docked->stock() = {0, 250, 100, 100, 100, 100, 100, 100};
    GuiScreen_SpaceStation screen(docked->game);
    const std::array<const char*, 7> names = {"dock-trade",    "dock-map",  "dock-upgrades", "dock-repairs",
                                              "dock-shipyard", "dock-load", "dock-save"};
    for (int k = 0; k < GuiScreen_SpaceStation::kViewCount; ++k) {
        screen.showView(k);
        // The pointer rests over the third row of the buy table, and on no star.
        if (k == GuiScreen_SpaceStation::kTrade)
            screen.onMouseMove(kViewX + 20 + 300, kViewY + 80 + 30 + 12 * 2 + 4);
        screen.onPaint();
        const std::vector<unsigned char> frame = guigl::keepShownFrame("screens", names[static_cast<std::size_t>(k)]);
        SCOPED_TRACE(names[static_cast<std::size_t>(k)]);
        // Outside the root: the black clear colour; the root's white bevel; the view's grey.
        EXPECT_TRUE(near(pixel(frame, 10, 10), {0, 0, 0}));
        EXPECT_TRUE(near(pixel(frame, kRootX, kRootY + 300), {255, 255, 255}, 2));
        EXPECT_TRUE(near(pixel(frame, kViewX + 10, kViewY + 300), {61, 61, 61}, 12));
        const int left = kViewX + 20;
        if (k == GuiScreen_SpaceStation::kTrade) {
            const int top = kViewY + 80;
            // Foodstuffs out of stock: no supply bar; Medicines above 200: a full green one.
            EXPECT_TRUE(near(pixel(frame, left + 128 + 2, top + 32 + 4), {0, 0, 0}));
            EXPECT_TRUE(near(pixel(frame, left + 128 + 98, top + 32 + 12 + 4), {0, 255, 0}));
            // Minerals at 100: half a bar, half red, half green.
            EXPECT_TRUE(near(pixel(frame, left + 128 + 10, top + 32 + 24 + 4), {127, 127, 0}, 2));
            EXPECT_TRUE(near(pixel(frame, left + 128 + 60, top + 32 + 24 + 4), {51, 51, 51}, 2));
            // The hovered band in 0.2 grey beyond the price column.
            EXPECT_TRUE(near(pixel(frame, left + 470, top + 30 + 24 + 1), {51, 51, 51}, 2));
            EXPECT_TRUE(near(pixel(frame, left + 470, top + 30 + 12 + 1), {0, 0, 0}));
        }
        if (k == GuiScreen_SpaceStation::kMap) {
            // Docked, the range circle is red; with nothing pointed at, the star and market panels stay black.
            const Rgb inside = pixel(frame, left + 2 + 241 - 60, kViewY + 62 + 158 + 25);
            EXPECT_GT(inside[0], inside[1] + 10);
            EXPECT_TRUE(black(frame, left + 2, kViewY + 386, left + 128, kViewY + 522));
            EXPECT_TRUE(black(frame, left + 138, kViewY + 386, left + 484, kViewY + 522));
        }
        if (k == GuiScreen_SpaceStation::kRepairs) {
            // The Explorer's 200 points, 50 lost: trunc(455 x 0.25) = 113, so red to x 22 + 113.
            const int top = kViewY + 60 + 68;
            EXPECT_TRUE(near(pixel(frame, left + 134, top), {255, 0, 0}, 2));
            EXPECT_TRUE(near(pixel(frame, left + 136, top), {0, 0, 0}, 2));
            EXPECT_TRUE(near(pixel(frame, left + 9, top), {255, 255, 255}, 2));
        }
    }
}

// Presses and releases the left button at (x, y), painting in between as the
// dock's loop would.
void clickOn(GuiScreen_SpaceStation& screen, int x, int y)
{
    screen.onMouseMove(x, y);
    screen.onMouseDown(x, y, 1);
    screen.onPaint();
    screen.onMouseUp(x, y, 1);
}

// Picks the Fighter Mark I, the third row of the class list in its box at
// (20, 40), and releases a press on "Buy" at (8, 284) in the box at (20, 200).
void pressBuy(GuiScreen_SpaceStation& screen)
{
    screen.showView(GuiScreen_SpaceStation::kShipyard);
    clickOn(screen, kViewX + 120, kViewY + 40 + 30 + 12 * 2 + 4);
    clickOn(screen, kViewX + 78, kViewY + 494);
}

TEST_F(DockMenuDrawing, AShipIsBoughtOnlyOnceTheQuestionIsAnsweredYes)
{
    docked->credits() = 8000.0;
    dh::GameObject_Ship* ship = docked->game.playerShip();
    GuiScreen_SpaceStation screen(docked->game);
    {
        // "No" of the question at (405, 325), 180 x 35.
        guigl::DialogScript script;
        script.clickAt(0, guigl::kNoX);
        pressBuy(screen);
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_STREQ(ship->name, "Explorer Mark I");
    EXPECT_EQ(docked->credits(), 8000.0);
    {
        // x 350 lies on both "Yes" (215 to 395) and the message's "Ok" (310 to 490).
        guigl::DialogScript script;
        script.clickAt(0, 350);
        script.at(1, [] { guigl::keepShownFrame("screens", "dock-buy-question"); });
        pressBuy(screen);
    }
    EXPECT_EQ(docked->game.playerShip(), ship);
    EXPECT_STREQ(ship->name, "Fighter Mark I");
    EXPECT_EQ(docked->credits(), 1000.0);
}

TEST_F(DockMenuDrawing, TheDockingRunsTheMenuUntilLaunchOrEscape)
{
    using Type = dh::PlatformEvent::Type;
    dh::GLWindowEventListener flight;
    dh::g_listener = &flight;
    // "Launch ship", clicked in the window.
    const int launchY = kRootY + 495 + 17;
    guigl::post(Type::MouseMove, kRootX + 100, launchY);
    guigl::post(Type::MouseDown, kRootX + 100, launchY);
    guigl::post(Type::MouseUp, kRootX + 100, launchY);
    dh::runStationScreen(docked->game);
    EXPECT_EQ(dh::g_listener, &flight);
    guigl::post(Type::KeyDown, 0, 0, dh::VK_ESCAPE);
    dh::runStationScreen(docked->game);
    EXPECT_EQ(dh::g_listener, &flight);
    EXPECT_TRUE(dh::isWindowOpen());
}

// Dark text pixels in the text part of slot i of the load or save view.
int textPixels(const std::vector<unsigned char>& frame, int i)
{
    int count = 0;
    for (int y = kViewY + 60 + 80 * i + 12; y < kViewY + 60 + 80 * i + 70; ++y)
        for (int x = kViewX + 30; x < kViewX + 320; ++x) {
            const Rgb p = pixel(frame, x, y);
            count += p[0] < 40 && p[1] < 40 && p[2] < 40 ? 1 : 0;
        }
    return count;
}

TEST_F(DockMenuDrawing, DeletingAndOverwritingASaveWaitForAYes)
{
    for (auto [slot, commander] : {std::pair{2, "Halvard"}, {5, "Oldtimer"}}) {
        dh::Game game(commander);
        ASSERT_TRUE(dh::SaveGame::trySave(dh::slotFilePath(slot).c_str(), &game).succeeded);
    }
    GuiScreen_SpaceStation screen(docked->game);
    screen.showView(GuiScreen_SpaceStation::kSave);
    screen.onPaint();
    // The middle of slot i's "Save" or "Delete" button.
    auto click = [&](int i, bool deleteButton) {
        clickOn(screen, kViewX + 20 + 486 - 130 + 64, kViewY + 60 + 80 * i + (deleteButton ? 56 : 20));
    };
    {
        guigl::DialogScript script;
        script.clickAt(0, guigl::kNoX);
        click(1, true);
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_TRUE(std::filesystem::exists(dh::slotFilePath(2)));
    {
        guigl::DialogScript script;
        script.clickAt(0, guigl::kYesX);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-delete-question"); });
        click(1, true);
    }
    EXPECT_FALSE(std::filesystem::exists(dh::slotFilePath(2)));
    screen.onPaint();
    EXPECT_EQ(textPixels(guigl::readShownFrame(), 1), 0);
    EXPECT_GT(textPixels(guigl::readShownFrame(), 4), 300);
    {
        // x 350 lies on both "Yes" (215 to 395) and the message's "Ok" (310 to 490);
        // the last picture kept is the message over the question.
        guigl::DialogScript script;
        script.clickAt(0, 350);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-save-successful"); });
        click(4, false);
    }
    std::string system, commander;
    ASSERT_TRUE(dh::readSaveFileNames(dh::slotFilePath(5), system, commander));
    EXPECT_EQ(commander, "Tester");
}

}
