#include "GalaxyMapTestSupport.h"

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "persistence/SaveFolder.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Select.h"
#include "screens/GuiCargoInfo.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiPlayerInfo.h"
#include "screens/GuiSaveGame.h"
#include "screens/GuiScreen_InGameMenu.h"
#include "screens/GuiScreen_SpaceStation.h"
#include "screens/GuiShipInfo.h"
#include "screens/GuiStarInfo.h"

#include <string>
#include <vector>

// The dock menu and the in-game menu: their buttons, what each one shows, and
// the widgets inside the views.
namespace dh {
namespace {

using docktest::DockedGame;
using maptest::MapTest;
using Station = GuiScreen_SpaceStation;
using Menu = GuiScreen_InGameMenu;

// Children of a panel of the given type, in the order they were added (slots fill from the top).
template <typename W = GuiWidget>
std::vector<W*> childrenOf(const GuiPanel& panel)
{
    std::vector<W*> found;
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (auto* widget = dynamic_cast<W*>(panel.children[i].get()))
            found.push_back(widget);
    return found;
}

GuiPanel& rootOf(const GuiScreen& screen) { return static_cast<GuiPanel&>(*screen.widgets[kWidgetSlots - 1]); }

// The index of the one view shown (visible and enabled), -2 when more are, -1 when none is.
template <typename Screen>
int shownView(const Screen& screen)
{
    int shown = -1;
    for (std::size_t k = 0; k < screen.contentPanels.size(); ++k) {
        const GuiPanel& view = *screen.contentPanels[k];
        EXPECT_EQ(view.visible, view.enabled);
        if (view.visible)
            shown = shown == -1 ? static_cast<int>(k) : -2;
    }
    return shown;
}

// The one widget inside the box at the given position of a view.
template <typename W>
W* boxed(const GuiPanel& view, int x, int y)
{
    for (GuiPanel* box : childrenOf<GuiPanel>(view))
        if (box->x == x && box->y == y) {
            const std::vector<GuiWidget*> inside = childrenOf(*box);
            return inside.size() == 1 ? dynamic_cast<W*>(inside[0]) : nullptr;
        }
    return nullptr;
}

TEST(DockMenu, EightButtonsEachShowingItsViewOnALeftRelease)
{
    DockedGame docked;
    Station screen(docked.game);
    const std::vector<GuiButton*> found = childrenOf<GuiButton>(rootOf(screen));
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
    auto* select = boxed<GuiBuyShip_Select>(*screen.contentPanels[Station::kShipyard], 20, 40);
    ASSERT_NE(select, nullptr);
    ASSERT_EQ(select->shipClasses.size(), 4u);
    const char* names[] = {"Explorer Mark I", "Explorer Mark II", "Fighter Mark I", "Fighter Mark II"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_STREQ(select->shipClasses[i].name, names[i]);
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

TEST_F(MapTest, InGameMenuButtonsAndTheViewsTheyShow)
{
    Menu menu(*game);
    std::vector<std::string> captions;
    for (GuiButton* b : childrenOf<GuiButton>(rootOf(menu)))
        captions.push_back(b->text);
    EXPECT_EQ(captions, (std::vector<std::string>{"Galaxy map", "Cargo info", "Ship info", "Commander info",
                                                  "Return to game", "Quit game"}));
    auto release = [&](const std::string& text, int mouseButton = 1) {
        for (GuiButton* b : childrenOf<GuiButton>(rootOf(menu)))
            if (text == b->text)
                return b->listener->onMouseUp(b->x + 5, b->y + 5, mouseButton);
        FAIL() << text;
    };

    // The map view holds the map, star and market panels wired to one another.
    GuiPanel& mapView = *menu.contentPanels[Menu::MapView];
    auto* map = boxed<GuiGalaxyMap>(mapView, 20, 60);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map, menu.galaxyMap);
    EXPECT_TRUE(map->travelAllowed);
    EXPECT_EQ(map->ownerScreen, &menu);
    EXPECT_EQ(boxed<GuiStarInfo>(mapView, 20, 384)->map, map);
    EXPECT_EQ(boxed<GuiMarketInfo>(mapView, 156, 384)->map, map);
    EXPECT_NE(boxed<GuiCargoInfo>(*menu.contentPanels[Menu::CargoView], 20, 60), nullptr);
    EXPECT_NE(boxed<GuiShipInfo>(*menu.contentPanels[Menu::ShipView], 20, 60), nullptr);
    EXPECT_NE(boxed<GuiPlayerInfo>(*menu.contentPanels[Menu::CommanderView], 20, 60), nullptr);

    EXPECT_EQ(shownView(menu), Menu::MapView);
    release("Cargo info");
    EXPECT_EQ(shownView(menu), Menu::CargoView);
    release("Ship info");
    EXPECT_EQ(shownView(menu), Menu::ShipView);
    release("Commander info");
    EXPECT_EQ(shownView(menu), Menu::CommanderView);
    release("Galaxy map", 2);
    EXPECT_EQ(shownView(menu), Menu::CommanderView);
    release("Galaxy map");
    EXPECT_EQ(shownView(menu), Menu::MapView);
}

}
}
