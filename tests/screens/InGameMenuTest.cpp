#include "GalaxyMapTestSupport.h"

#include "gui/GuiButton.h"
#include "gui/GuiLabel.h"
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

// Children of a panel in the order they were added (slots fill from the top).
std::vector<GuiWidget*> inOrder(const GuiPanel& panel)
{
    std::vector<GuiWidget*> widgets;
    for (std::size_t i = kWidgetSlots; i-- > 0;)
        if (panel.children[i])
            widgets.push_back(panel.children[i].get());
    return widgets;
}

GuiPanel& rootOf(GuiScreen_InGameMenu& menu)
{
    return static_cast<GuiPanel&>(*menu.widgets[kWidgetSlots - 1]);
}

GuiButton* button(GuiScreen_InGameMenu& menu, const std::string& text)
{
    for (GuiWidget* widget : inOrder(rootOf(menu)))
        if (auto* b = dynamic_cast<GuiButton*>(widget); b && b->text && text == b->text)
            return b;
    return nullptr;
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

void release(GuiScreen_InGameMenu& menu, const std::string& text, int mouseButton = 1)
{
    GuiButton* b = button(menu, text);
    ASSERT_NE(b, nullptr) << text;
    b->listener->onMouseUp(b->x + 5, b->y + 5, mouseButton);
}

bool showing(const GuiScreen_InGameMenu& menu, GuiScreen_InGameMenu::View view)
{
    for (std::size_t i = 0; i < menu.contentPanels.size(); ++i) {
        const bool shown = i == static_cast<std::size_t>(view);
        if (menu.contentPanels[i]->visible != shown || menu.contentPanels[i]->enabled != shown)
            return false;
    }
    return true;
}

TEST_F(MapTest, MenuFrameButtonsAndViews)
{
    GuiScreen_InGameMenu menu(*game);
    std::size_t topLevel = 0;
    for (const auto& widget : menu.widgets)
        topLevel += widget ? 1 : 0;
    EXPECT_EQ(topLevel, 1u);
    GuiPanel& root = rootOf(menu);
    EXPECT_EQ(root.width, 750);
    EXPECT_EQ(root.height, 550);
    EXPECT_TRUE(root.raised);
    const std::vector<GuiWidget*> children = inOrder(root);
    ASSERT_EQ(children.size(), 13u);
    auto* title = dynamic_cast<GuiLabel*>(children[2]);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title->text, "Game menu");
    for (int i = 3; i < 7; ++i) {
        EXPECT_EQ(children[i], menu.contentPanels[i - 3]);
        EXPECT_EQ(children[i]->x, 216);
        EXPECT_EQ(children[i]->width, 526);
        EXPECT_EQ(children[i]->height, 534);
    }
    const std::pair<const char*, int> buttons[] = {{"Galaxy map", 80},      {"Cargo info", 120},
                                                   {"Ship info", 160},      {"Commander info", 200},
                                                   {"Return to game", 455}, {"Quit game", 495}};
    for (std::size_t i = 0; i < 6; ++i) {
        auto* b = dynamic_cast<GuiButton*>(children[7 + i]);
        ASSERT_NE(b, nullptr);
        EXPECT_STREQ(b->text, buttons[i].first);
        EXPECT_EQ(b->y, buttons[i].second);
        EXPECT_EQ(b->x, 18);
        EXPECT_EQ(b->width, 180);
        EXPECT_EQ(b->height, 35);
    }

    // The map view holds the map, star and market panels wired to one another.
    GuiPanel& mapView = *menu.contentPanels[GuiScreen_InGameMenu::MapView];
    auto* map = boxed<GuiGalaxyMap>(mapView, 20, 60);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map, menu.galaxyMap);
    EXPECT_TRUE(map->travelAllowed);
    EXPECT_EQ(map->ownerScreen, &menu);
    EXPECT_EQ(map->x, 2);
    EXPECT_EQ(map->width, 482);
    EXPECT_EQ(map->height, 316);
    EXPECT_EQ(map->scrollX, 23946579u * 64u + 32u - 241u);
    auto* star = boxed<GuiStarInfo>(mapView, 20, 384);
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->map, map);
    EXPECT_EQ(star->height, 146);
    auto* market = boxed<GuiMarketInfo>(mapView, 156, 384);
    ASSERT_NE(market, nullptr);
    EXPECT_EQ(market->map, map);
    EXPECT_EQ(market->width, 348);
    EXPECT_NE(boxed<GuiCargoInfo>(*menu.contentPanels[GuiScreen_InGameMenu::CargoView], 20, 60), nullptr);
    auto* shipInfo = boxed<GuiShipInfo>(*menu.contentPanels[GuiScreen_InGameMenu::ShipView], 20, 60);
    ASSERT_NE(shipInfo, nullptr);
    EXPECT_EQ(shipInfo->height, 464);
    EXPECT_NE(boxed<GuiPlayerInfo>(*menu.contentPanels[GuiScreen_InGameMenu::CommanderView], 20, 60), nullptr);
}

TEST_F(MapTest, MenuButtonsSwitchViewsOnLeftReleasesOnly)
{
    GuiScreen_InGameMenu menu(*game);
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::MapView));
    release(menu, "Cargo info");
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::CargoView));
    release(menu, "Ship info");
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::ShipView));
    release(menu, "Commander info");
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::CommanderView));
    release(menu, "Galaxy map", 2);
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::CommanderView));
    release(menu, "Galaxy map");
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::MapView));

    // A new menu always opens on the map.
    release(menu, "Ship info");
    GuiScreen_InGameMenu again(*game);
    EXPECT_TRUE(showing(again, GuiScreen_InGameMenu::MapView));
}

TEST_F(MapTest, ReturnEndsTheMenuAndQuitNeedsAYes)
{
    GuiScreen_InGameMenu menu(*game);
    game->running = true;
    menu.running = true;
    release(menu, "Return to game", 2);
    EXPECT_TRUE(menu.running);
    release(menu, "Quit game", 2);
    // Without a window the question cannot be answered "Yes".
    release(menu, "Quit game");
    EXPECT_TRUE(menu.running);
    EXPECT_TRUE(game->running);
    EXPECT_TRUE(showing(menu, GuiScreen_InGameMenu::MapView));
    release(menu, "Return to game");
    EXPECT_FALSE(menu.running);
    EXPECT_TRUE(game->running);
}

}
}
