#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "persistence/SaveFolder.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Select.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/GuiScreen_SpaceStation.h"

namespace dh {
namespace {

using docktest::DockedGame;
using Station = GuiScreen_SpaceStation;

// Children of a panel of the given type, in the order they were added.
template <typename W>
std::vector<W*> childrenOf(GuiPanel& panel)
{
    std::vector<W*> found;
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (auto* widget = dynamic_cast<W*>(panel.children[i].get()))
            found.push_back(widget);
    return found;
}

int shownView(const Station& screen)
{
    int shown = -1;
    for (int k = 0; k < Station::kViewCount; ++k) {
        const GuiPanel& view = *screen.contentPanels[static_cast<std::size_t>(k)];
        EXPECT_EQ(view.visible, view.enabled);
        if (view.visible)
            shown = shown == -1 ? k : -2;
    }
    return shown;
}

TEST(DockMenu, EightButtonsEachShowingItsViewOnALeftRelease)
{
    DockedGame docked;
    Station screen(docked.game);
    const std::vector<GuiButton*> found = childrenOf<GuiButton>(static_cast<GuiPanel&>(*screen.widgets[127]));
    ASSERT_EQ(found.size(), 8u);
    const std::vector<std::string> captions = {"Trade",         "Galactic map", "Upgrades",  "Repairs",
                                               "Purchase ship", "Load game",    "Save game", "Launch ship"};
    const std::vector<int> tops = {80, 120, 160, 200, 240, 415, 455, 495};
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i]->text, captions[i]);
        EXPECT_EQ(found[i]->y, tops[i]);
        EXPECT_EQ(found[i]->listener, screen.actions[i].get());
    }
    EXPECT_EQ(shownView(screen), Station::kTrade);
    EXPECT_FALSE(screen.galaxyMap->travelAllowed);

    for (int k = Station::kViewCount; k-- > 0;) {
        screen.actions[static_cast<std::size_t>(k)]->onMouseUp(0, 0, 1);
        EXPECT_EQ(shownView(screen), k);
    }
    screen.actions[Station::kShipyard]->onMouseUp(0, 0, 2);
    EXPECT_EQ(shownView(screen), Station::kTrade);
}

TEST(DockMenu, TheShipyardOffersTheFourClassesAndTheSlotViewsTheFiveFiles)
{
    DockedGame docked;
    Station screen(docked.game);
    GuiBuyShip_Select* select = nullptr;
    for (GuiPanel* box : childrenOf<GuiPanel>(*screen.contentPanels[Station::kShipyard]))
        if (auto found = childrenOf<GuiBuyShip_Select>(*box); !found.empty())
            select = found[0];
    ASSERT_NE(select, nullptr);
    ASSERT_EQ(select->shipClasses.size(), 4u);
    const char* names[] = {"Explorer Mark I", "Explorer Mark II", "Fighter Mark I", "Fighter Mark II"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_STREQ(select->shipClasses[i].name, names[i]);
    EXPECT_EQ(select->shipClasses[3].cost, 12000.0f);
    EXPECT_EQ(select->selectedIndex, 0);

    const auto loads = childrenOf<GuiLoadGame>(*screen.contentPanels[Station::kLoad]);
    const auto saves = childrenOf<GuiSaveGame>(*screen.contentPanels[Station::kSave]);
    ASSERT_EQ(loads.size(), 5u);
    ASSERT_EQ(saves.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        for (GuiSlot* slot : {static_cast<GuiSlot*>(loads[i]), static_cast<GuiSlot*>(saves[i])}) {
            EXPECT_EQ(slot->path, slotFilePath(static_cast<int>(i) + 1));
            EXPECT_EQ(slot->game, &docked.game);
            EXPECT_EQ(slot->y, 60 + 80 * static_cast<int>(i));
        }
}

}
}
