#include "GalaxyMapTestSupport.h"

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "persistence/SaveFolder.h"
#include "screens/DockTestSupport.h"
#include "screens/GuiBuyShip_Select.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiSaveGame.h"
#include "screens/GuiScreen_InGameMenu.h"
#include "screens/GuiScreen_SpaceStation.h"

#include <string>
#include <tuple>
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

// A press and a release of the mouse button on the button, as a click on it would give.
void click(GuiButton& button, int mouseButton)
{
    button.onMouseDown(button.x + 5, button.y + 5, mouseButton);
    button.onMouseUp(button.x + 5, button.y + 5, mouseButton);
}

TEST(DockMenu, EightButtonsEachShowingItsViewOnALeftRelease)
{
    DockedGame docked;
    Station screen(docked.game);
    std::vector<std::pair<std::string, int>> buttons;
    const std::vector<GuiButton*> column = childrenOf<GuiButton>(rootOf(screen));
    for (GuiButton* b : column)
        buttons.emplace_back(b->text, b->y);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Trade", 80},          {"Galactic map", 120}, {"Upgrades", 160},  {"Repairs", 200},
        {"Purchase ship", 240}, {"Load game", 415},    {"Save game", 455}, {"Launch ship", 495}};
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(shownView(screen), Station::kTrade);
    EXPECT_FALSE(screen.galaxyMap->travelAllowed);

    for (int k = Station::kViewCount; k-- > 0;) {
        click(*column[static_cast<std::size_t>(k)], 1);
        EXPECT_EQ(shownView(screen), k);
    }
    click(*column[Station::kShipyard], 2);
    EXPECT_EQ(shownView(screen), Station::kTrade);
    screen.running = true;
    click(*column.back(), 2);
    EXPECT_TRUE(screen.running);
    click(*column.back(), 1);
    EXPECT_FALSE(screen.running);
}

TEST(DockMenu, TheShipyardOffersTheFourClassesAndTheSlotViewsTheFiveFiles)
{
    DockedGame docked;
    Station screen(docked.game);
    auto* select = boxed<GuiBuyShip_Select>(*screen.contentPanels[Station::kShipyard], 20, 40);
    ASSERT_NE(select, nullptr);
    std::vector<std::string> names;
    for (const auto& shipClass : select->shipClasses)
        names.push_back(shipClass.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Explorer Mark I", "Explorer Mark II", "Fighter Mark I", "Fighter Mark II"}));
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
                return click(*b, mouseButton);
        FAIL() << text;
    };

    // The map in its view can jump and closes this screen when it does; the
    // star and market panels beside it are seen following it in the drawings.
    auto* map = boxed<GuiGalaxyMap>(*menu.contentPanels[Menu::MapView], 20, 60);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map, menu.galaxyMap);
    EXPECT_TRUE(map->travelAllowed);
    EXPECT_EQ(map->ownerScreen, &menu);

    EXPECT_EQ(shownView(menu), Menu::MapView);
    for (auto [caption, mouseButton, view] :
         {std::tuple{"Cargo info", 1, Menu::CargoView}, {"Ship info", 1, Menu::ShipView},
          {"Commander info", 1, Menu::CommanderView}, {"Galaxy map", 2, Menu::CommanderView},
          {"Galaxy map", 1, Menu::MapView}}) {
        release(caption, mouseButton);
        EXPECT_EQ(shownView(menu), view) << caption;
    }
}

}
}
