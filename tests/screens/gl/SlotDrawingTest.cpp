#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
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

// A load or save view as the menus lay it out: the root panel at (25, 25), the
// grey view at (216, 8) in it, and five slots at (20, 60 + 80 i) in the view,
// so slot i spans (261, 93 + 80 i) to (747, 168 + 80 i).
template <typename W>
std::unique_ptr<W> placed(std::unique_ptr<W> widget, int x, int y, int w, int h)
{
    widget->x = x;
    widget->y = y;
    widget->width = w;
    widget->height = h;
    return widget;
}

struct SlotView {
    SlotView(bool saving, dh::Game* game)
    {
        auto root = placed(std::make_unique<dh::GuiPanel>(), 25, 25, 750, 550);
        auto view = placed(std::make_unique<dh::GuiPanel>(), 216, 8, 526, 534);
        view->raised = false;
        view->setColour(0.3f, 0.3f, 0.3f);
        for (int i = 0; i < 5; ++i) {
            std::unique_ptr<dh::GuiSlot> slot;
            if (saving)
                slot = std::make_unique<dh::GuiSaveGame>(slotPath(i + 1), game);
            else
                slot = std::make_unique<dh::GuiLoadGame>(slotPath(i + 1), game);
            view->addWidget(placed(std::move(slot), 20, 60 + 80 * i, 486, 75));
        }
        root->addWidget(std::move(view));
        screen.addWidget(std::move(root));
        screen.onPaint();
    }

    // Presses and releases at the middle of slot i's action (or delete) button.
    void click(int i, bool deleteButton)
    {
        const int x = 261 + 486 - 130 + 64;
        const int y = 93 + 80 * i + (deleteButton ? 56 : 20);
        screen.onMouseMove(x, y);
        screen.onMouseDown(x, y, 1);
        screen.onPaint();
        screen.onMouseUp(x, y, 1);
    }

    dh::GuiScreen screen;
};

// Dark text pixels in the text part of slot i.
int textPixels(const std::vector<unsigned char>& frame, int i)
{
    int count = 0;
    for (int y = 93 + 80 * i + 12; y < 93 + 80 * i + 70; ++y)
        for (int x = 271; x < 561; ++x) {
            const Rgb p = pixel(frame, x, y);
            count += p[0] < 40 && p[1] < 40 && p[2] < 40 ? 1 : 0;
        }
    return count;
}

void saveAs(const char* commander, int slot)
{
    dh::Game game(commander);
    ASSERT_TRUE(dh::SaveGame::trySave(slotPath(slot).c_str(), &game).succeeded);
    slottest::setWriteTime(slotPath(slot), sys_days{2026y / December / 5}, 17, 5);
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

TEST_F(SlotDrawing, SavedAndEmptySlots)
{
    saveAs("Halvard", 1);
    saveAs("Commander Quillon Marsh", 3);
    dh::Game game("Halvard");
    SlotView view(true, &game);
    view.screen.onMouseMove(681, 93 + 160 + 20);
    view.screen.onPaint();
    const std::vector<unsigned char> frame = guigl::keepShownFrame("screens", "slots-save");
    for (int i = 0; i < 5; ++i) {
        if (i == 0 || i == 2)
            EXPECT_GT(textPixels(frame, i), 300) << "slot " << i + 1;
        else
            EXPECT_EQ(textPixels(frame, i), 0) << "slot " << i + 1;
    }
    // Slot backgrounds are the panels' light fill, the view between them grey.
    EXPECT_GT(pixel(frame, 661, 153)[0], 150);
    EXPECT_LT(pixel(frame, 461, 170)[0], 110);
    SlotView loading(false, nullptr);
    guigl::keepShownFrame("screens", "slots-load");
}

TEST_F(SlotDrawing, DeletingAndOverwritingWaitForAYes)
{
    saveAs("Halvard", 2);
    saveAs("Oldtimer", 5);
    dh::Game game("Newcomer");
    SlotView view(true, &game);
    {
        guigl::DialogScript script;
        script.clickAt(0, guigl::kNoX);
        view.click(1, true);
        EXPECT_EQ(script.lastFrame, 2);
    }
    EXPECT_TRUE(std::filesystem::exists(slotPath(2)));
    {
        guigl::DialogScript script;
        script.clickAt(0, guigl::kYesX);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-delete-question"); });
        view.click(1, true);
    }
    EXPECT_FALSE(std::filesystem::exists(slotPath(2)));
    view.screen.onPaint();
    EXPECT_EQ(textPixels(guigl::readShownFrame(), 1), 0);
    {
        // x 350 lies on both "Yes" (215 to 395) and the message's "Ok" (310 to 490);
        // the last picture kept is the message over the question.
        guigl::DialogScript script;
        script.clickAt(0, 350);
        script.at(1, [] { guigl::keepShownFrame("screens", "slots-save-successful"); });
        view.click(4, false);
    }
    std::string system, commander;
    ASSERT_TRUE(dh::readSaveFileNames(slotPath(5), system, commander));
    EXPECT_EQ(commander, "Newcomer");
}
