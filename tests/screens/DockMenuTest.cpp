#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/GuiButton.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "platform/KeyState.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Select.h"
#include "persistence/SaveFolder.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/GuiScreen_SpaceStation.h"

namespace dh {
namespace {

using docktest::DockedGame;

GuiPanel& root(GuiScreen_SpaceStation& screen)
{
    return static_cast<GuiPanel&>(*screen.widgets[127]);
}

// The root's buttons in the order they were added.
std::vector<GuiButton*> buttons(GuiScreen_SpaceStation& screen)
{
    std::vector<GuiButton*> found;
    GuiPanel& panel = root(screen);
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (auto* button = dynamic_cast<GuiButton*>(panel.children[i].get()))
            found.push_back(button);
    return found;
}

int shownView(const GuiScreen_SpaceStation& screen)
{
    int shown = -1;
    for (int k = 0; k < GuiScreen_SpaceStation::kViewCount; ++k) {
        const GuiPanel& view = *screen.contentPanels[static_cast<std::size_t>(k)];
        EXPECT_EQ(view.visible, view.enabled);
        if (view.visible) {
            EXPECT_EQ(shown, -1) << "two views shown";
            shown = k;
        }
    }
    return shown;
}

TEST(DockMenu, EightButtonsInTheirPlacesBesideSevenViews)
{
    DockedGame docked;
    GuiScreen_SpaceStation screen(docked.game);
    EXPECT_EQ(screen.widgets[126], nullptr);
    EXPECT_EQ(root(screen).width, 750);
    EXPECT_EQ(root(screen).height, 550);
    const std::vector<GuiButton*> found = buttons(screen);
    ASSERT_EQ(found.size(), 8u);
    const std::vector<std::string> captions = {"Trade",     "Galactic map", "Upgrades",  "Repairs",
                                               "Purchase ship", "Load game", "Save game", "Launch ship"};
    const std::vector<int> tops = {80, 120, 160, 200, 240, 415, 455, 495};
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i]->text, captions[i]);
        EXPECT_EQ(found[i]->x, 18);
        EXPECT_EQ(found[i]->y, tops[i]);
        EXPECT_EQ(found[i]->width, 180);
        EXPECT_EQ(found[i]->height, 35);
        EXPECT_EQ(found[i]->listener, screen.actions[i].get());
    }
    for (GuiPanel* view : screen.contentPanels) {
        EXPECT_EQ(view->x, 216);
        EXPECT_EQ(view->y, 8);
        EXPECT_EQ(view->width, 526);
        EXPECT_EQ(view->height, 534);
        EXPECT_FALSE(view->raised);
    }
    EXPECT_EQ(shownView(screen), GuiScreen_SpaceStation::kTrade);
    ASSERT_NE(screen.galaxyMap, nullptr);
    EXPECT_FALSE(screen.galaxyMap->travelAllowed);
}

TEST(DockMenu, EachButtonShowsItsViewOnALeftRelease)
{
    DockedGame docked;
    GuiScreen_SpaceStation screen(docked.game);
    for (int k = GuiScreen_SpaceStation::kViewCount; k-- > 0;) {
        screen.actions[static_cast<std::size_t>(k)]->onMouseUp(0, 0, 1);
        EXPECT_EQ(shownView(screen), k);
        screen.actions[static_cast<std::size_t>(k)]->onMouseUp(0, 0, 1);
        EXPECT_EQ(shownView(screen), k);
    }
    screen.actions[GuiScreen_SpaceStation::kShipyard]->onMouseUp(0, 0, 2);
    screen.actions[GuiScreen_SpaceStation::kShipyard]->onMouseUp(0, 0, 4);
    EXPECT_EQ(shownView(screen), GuiScreen_SpaceStation::kTrade);
}

TEST(DockMenu, LaunchAndEscapeEndTheMenu)
{
    DockedGame docked;
    GuiScreen_SpaceStation screen(docked.game);
    screen.running = true;
    screen.actions[7]->onMouseUp(0, 0, 2);
    EXPECT_TRUE(screen.running);
    screen.actions[7]->onMouseUp(0, 0, 1);
    EXPECT_FALSE(screen.running);
    screen.running = true;
    screen.onKeyDown(VK_ESCAPE);
    EXPECT_FALSE(screen.running);
}

TEST(DockMenu, TheShipyardOffersTheFourClassesInOrder)
{
    DockedGame docked;
    GuiScreen_SpaceStation screen(docked.game);
    GuiPanel& yard = *screen.contentPanels[GuiScreen_SpaceStation::kShipyard];
    GuiBuyShip_Select* select = nullptr;
    for (auto& child : yard.children)
        if (auto* box = dynamic_cast<GuiPanel*>(child.get()))
            for (auto& inner : box->children)
                if (auto* found = dynamic_cast<GuiBuyShip_Select*>(inner.get()))
                    select = found;
    ASSERT_NE(select, nullptr);
    ASSERT_EQ(select->shipClasses.size(), 4u);
    EXPECT_STREQ(select->shipClasses[0].name, "Explorer Mark I");
    EXPECT_STREQ(select->shipClasses[1].name, "Explorer Mark II");
    EXPECT_STREQ(select->shipClasses[2].name, "Fighter Mark I");
    EXPECT_STREQ(select->shipClasses[3].name, "Fighter Mark II");
    EXPECT_EQ(select->shipClasses[3].cost, 12000.0f);
    EXPECT_EQ(select->selectedIndex, 0);
    EXPECT_EQ(select->shipClasses[0].list, nullptr);
}

template <typename Slot>
std::vector<Slot*> slotsOf(GuiPanel& view)
{
    std::vector<Slot*> found;
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (auto* slot = dynamic_cast<Slot*>(view.children[i].get()))
            found.push_back(slot);
    return found;
}

TEST(DockMenu, TheLoadAndSaveViewsHoldTheFiveSlotsInOrder)
{
    DockedGame docked;
    GuiScreen_SpaceStation screen(docked.game);
    const std::vector<GuiLoadGame*> loads = slotsOf<GuiLoadGame>(*screen.contentPanels[GuiScreen_SpaceStation::kLoad]);
    const std::vector<GuiSaveGame*> saves = slotsOf<GuiSaveGame>(*screen.contentPanels[GuiScreen_SpaceStation::kSave]);
    ASSERT_EQ(loads.size(), 5u);
    ASSERT_EQ(saves.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        for (GuiSlot* slot : {static_cast<GuiSlot*>(loads[static_cast<std::size_t>(i)]),
                              static_cast<GuiSlot*>(saves[static_cast<std::size_t>(i)])}) {
            EXPECT_EQ(slot->path, slotFilePath(i + 1));
            EXPECT_EQ(slot->game, &docked.game);
            EXPECT_EQ(slot->x, 20);
            EXPECT_EQ(slot->y, 60 + 80 * i);
            EXPECT_EQ(slot->width, 486);
            EXPECT_EQ(slot->height, 75);
        }
    }
}

}
}
