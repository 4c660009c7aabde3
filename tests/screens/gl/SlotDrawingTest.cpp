#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "gui/GuiHRule.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/gl/GuiGlSupport.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveGame.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/SlotTestSupport.h"

namespace {

using namespace std::chrono;
using guigl::pixel;
using guigl::Rgb;
using slottest::slotPath;

// A load or save view laid out as the menus lay it out: the white root panel
// centred at (25, 25), the grey view at (216, 8) inside it, and five slots at
// (20, 60 + 80 i) in the view, so slot i spans (261, 93 + 80 i) to (747, 168 + 80 i).
struct SlotView {
    SlotView(bool saving, dh::Game* game)
    {
        auto root = std::make_unique<dh::GuiPanel>();
        root->x = 25;
        root->y = 25;
        root->width = 750;
        root->height = 550;
        auto view = std::make_unique<dh::GuiPanel>();
        view->x = 216;
        view->y = 8;
        view->width = 526;
        view->height = 534;
        view->raised = false;
        view->setColour(0.3f, 0.3f, 0.3f);
        auto title = std::make_unique<dh::GuiLabel>();
        title->font = dh::g_fontBig;
        title->textSize = 16;
        title->setColour(1.0f, 1.0f, 1.0f);
        title->text = saving ? "Save game" : "Load game";
        title->x = 20;
        title->y = 15;
        view->addWidget(std::move(title));
        auto rule = std::make_unique<dh::GuiHRule>();
        rule->x = 20;
        rule->y = 40;
        rule->width = 486;
        rule->height = 4;
        view->addWidget(std::move(rule));
        for (int i = 0; i < 5; ++i) {
            std::unique_ptr<dh::GuiSlot> slot;
            if (saving)
                slot = std::make_unique<dh::GuiSaveGame>(slotPath(i + 1), game);
            else
                slot = std::make_unique<dh::GuiLoadGame>(slotPath(i + 1), game);
            slot->x = 20;
            slot->y = 60 + 80 * i;
            slot->width = 486;
            slot->height = 75;
            view->addWidget(std::move(slot));
        }
        root->addWidget(std::move(view));
        screen.addWidget(std::move(root));
    }

    dh::GuiScreen screen;
};

constexpr int kSlotX = 261, kSlotY = 93;
// The middle of slot i's action and delete buttons in the window.
constexpr int kButtonX = kSlotX + 486 - 130 + 64;
int actionY(int i)
{
    return kSlotY + 80 * i + 4 + 16;
}
int deleteY(int i)
{
    return kSlotY + 80 * i + 40 + 16;
}

void click(dh::GuiScreen& screen, int x, int y)
{
    screen.onMouseMove(x, y);
    screen.onMouseDown(x, y, 1);
    screen.onPaint();
    screen.onMouseUp(x, y, 1);
}

// Clicks (x, y) in every dialog that opens: moved there at pass 0, pressed at 1, released at 2.
void answerEachDialogAt(guigl::DialogScript& script, int x, int y)
{
    script.at(0, [x, y] { guigl::movePointer(x, y); });
    script.holdLeft(1, true);
    script.holdLeft(2, false);
}

// Dark text pixels inside a rectangle of the frame.
int darkPixels(const std::vector<unsigned char>& frame, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const Rgb p = pixel(frame, x, y);
            if (p[0] < 40 && p[1] < 40 && p[2] < 40)
                ++count;
        }
    return count;
}

void saveAs(const char* commander, int slot, sys_days day, int hour, int minute)
{
    dh::Game game(commander);
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(slot).c_str(), &game).succeeded);
    slottest::setWriteTime(slotPath(slot), day, hour, minute);
}

class SlotDrawing : public guigl::GuiWindow {
protected:
    void SetUp() override
    {
        guigl::GuiWindow::SetUp();
        slottest::clearSlots();
    }
};

}

TEST_F(SlotDrawing, SavedAndEmptySlotsAt800x600)
{
    saveAs("Halvard", 1, sys_days{2026y / December / 5}, 17, 5);
    saveAs("Commander Quillon Marsh", 3, sys_days{2027y / January / 11}, 9, 5);
    saveAs("Ada", 4, sys_days{2026y / March / 22}, 23, 59);
    dh::Game game("Halvard");
    SlotView view(true, &game);
    // The pointer rests on slot 3's "Save".
    view.screen.onMouseMove(kButtonX, actionY(2));
    view.screen.onPaint();
    const std::vector<unsigned char> frame = guigl::keepShownFrame("screens", "slots-save");

    const int textLeft = kSlotX + 10, textRight = kSlotX + 300;
    for (int i = 0; i < 5; ++i) {
        const bool saved = i == 0 || i == 2 || i == 3;
        const int top = kSlotY + 80 * i;
        const int dark = darkPixels(frame, textLeft, top + 12, textRight, top + 70);
        if (saved)
            EXPECT_GT(dark, 300) << "slot " << i + 1;
        else
            EXPECT_EQ(dark, 0) << "slot " << i + 1;
    }
    // Slot backgrounds are the panels' light fill, the view between them grey.
    const Rgb fill = pixel(frame, kSlotX + 400, kSlotY + 60);
    EXPECT_GT(fill[0], 150);
    const Rgb gap = pixel(frame, kSlotX + 200, kSlotY + 77);
    EXPECT_LT(gap[0], 110);

    SlotView loading(false, nullptr);
    loading.screen.onPaint();
    guigl::keepShownFrame("screens", "slots-load");
}

TEST_F(SlotDrawing, DeletingAsksFirstAndTheSlotShowsEmptyAfterwards)
{
    saveAs("Halvard", 2, sys_days{2026y / December / 5}, 17, 5);
    SlotView view(false, nullptr);
    view.screen.onPaint();
    {
        // "No" at (405, 325), 180 x 35.
        guigl::DialogScript script;
        answerEachDialogAt(script, 495, 342);
        click(view.screen, kButtonX, deleteY(1));
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_TRUE(std::filesystem::exists(slotPath(2)));
    {
        // "Yes" at (215, 325).
        guigl::DialogScript script;
        answerEachDialogAt(script, 305, 342);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-delete-question"); });
        click(view.screen, kButtonX, deleteY(1));
    }
    EXPECT_FALSE(std::filesystem::exists(slotPath(2)));
    view.screen.onPaint();
    const std::vector<unsigned char> frame = guigl::readShownFrame();
    EXPECT_EQ(darkPixels(frame, kSlotX + 10, kSlotY + 80 + 12, kSlotX + 300, kSlotY + 80 + 70), 0);
}

TEST_F(SlotDrawing, OverwritingASaveTakesAYesAndReportsSuccess)
{
    saveAs("Oldtimer", 5, sys_days{2026y / December / 5}, 17, 5);
    dh::Game game("Halvard");
    SlotView view(true, &game);
    view.screen.onPaint();
    {
        // x 350 lies on both "Yes" (215 to 395) and the message's "Ok" (310 to 490).
        guigl::DialogScript script;
        answerEachDialogAt(script, 350, 342);
        // The question first, then the message over it: the last picture kept is the message.
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-save-successful"); });
        click(view.screen, kButtonX, actionY(4));
    }
    std::string system, commander;
    ASSERT_TRUE(dh::readSaveFileNames(slotPath(5), system, commander));
    EXPECT_EQ(commander, "Halvard");
}

TEST_F(SlotDrawing, ARefusedLoadIsReportedOverBlackAndChangesNothing)
{
    {
        std::ofstream out(slotPath(1), std::ios::binary);
        out << "A letter home, not a saved game.";
    }
    dh::Game game("Halvard");
    game.human->credits = 777.0;
    SlotView view(false, &game);
    view.screen.onPaint();
    {
        guigl::DialogScript script;
        answerEachDialogAt(script, 400, 342);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-load-refused"); });
        click(view.screen, kButtonX, actionY(0));
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_EQ(game.human->commanderName, "Halvard");
    EXPECT_EQ(game.human->credits, 777.0);
}
