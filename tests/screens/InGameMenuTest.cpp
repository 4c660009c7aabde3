#include "GalaxyMapTestSupport.h"

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"
#include "screens/GuiCargoInfo.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiPlayerInfo.h"
#include "screens/GuiScreen_InGameMenu.h"
#include "screens/GuiShipInfo.h"
#include "screens/GuiStarInfo.h"

#include <string>
#include <vector>

namespace dh {
namespace {

using maptest::MapTest;
using Menu = GuiScreen_InGameMenu;

// Children of a panel in the order they were added (slots fill from the top).
std::vector<GuiWidget*> inOrder(const GuiPanel& panel)
{
    std::vector<GuiWidget*> widgets;
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (panel.children[i])
            widgets.push_back(panel.children[i].get());
    return widgets;
}

// The one widget inside the box at the given position of a view.
template <typename W>
W* boxed(GuiPanel& view, int x, int y)
{
    for (GuiWidget* widget : inOrder(view))
        if (auto* box = dynamic_cast<GuiPanel*>(widget); box && box->x == x && box->y == y) {
            const std::vector<GuiWidget*> inside = inOrder(*box);
            return inside.size() == 1 ? dynamic_cast<W*>(inside[0]) : nullptr;
        }
    return nullptr;
}

void release(Menu& menu, const std::string& text, int mouseButton = 1)
{
    for (GuiWidget* widget : inOrder(static_cast<GuiPanel&>(*menu.widgets[kWidgetSlots - 1])))
        if (auto* b = dynamic_cast<GuiButton*>(widget); b && b->text && text == b->text)
            return b->listener->onMouseUp(b->x + 5, b->y + 5, mouseButton);
    FAIL() << text;
}

bool showing(const Menu& menu, Menu::View view)
{
    for (std::size_t i = 0; i < menu.contentPanels.size(); ++i) {
        const bool shown = i == static_cast<std::size_t>(view);
        if (menu.contentPanels[i]->visible != shown || menu.contentPanels[i]->enabled != shown)
            return false;
    }
    return true;
}

TEST_F(MapTest, MenuButtonsAndTheViewsTheyShow)
{
    Menu menu(*game);
    std::vector<std::string> captions;
    for (GuiWidget* widget : inOrder(static_cast<GuiPanel&>(*menu.widgets[kWidgetSlots - 1])))
        if (auto* b = dynamic_cast<GuiButton*>(widget))
            captions.push_back(b->text);
    EXPECT_EQ(captions, (std::vector<std::string>{"Galaxy map", "Cargo info", "Ship info", "Commander info",
                                                  "Return to game", "Quit game"}));

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

    EXPECT_TRUE(showing(menu, Menu::MapView));
    release(menu, "Cargo info");
    EXPECT_TRUE(showing(menu, Menu::CargoView));
    release(menu, "Ship info");
    EXPECT_TRUE(showing(menu, Menu::ShipView));
    release(menu, "Commander info");
    EXPECT_TRUE(showing(menu, Menu::CommanderView));
    release(menu, "Galaxy map", 2);
    EXPECT_TRUE(showing(menu, Menu::CommanderView));
    release(menu, "Galaxy map");
    EXPECT_TRUE(showing(menu, Menu::MapView));
}

}
}
