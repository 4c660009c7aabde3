#include "screens/GuiScreen_InGameMenu.h"

#include "flight/Game.h"
#include "gui/Dialogs.h"
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "window/UiSpace.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "screens/GuiCargoInfo.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiPlayerInfo.h"
#include "screens/GuiShipInfo.h"
#include "screens/GuiStarInfo.h"
#include "window/GLWindow.h"

namespace dh {

namespace {

template <typename W>
W* add(GuiPanel& panel, std::unique_ptr<W> widget, int x, int y, int width, int height)
{
    widget->x = x;
    widget->y = y;
    widget->width = width;
    widget->height = height;
    return static_cast<W*>(panel.addWidget(std::move(widget)));
}

void addLabel(GuiPanel& panel, const char* text, int x, int y, float r, float g, float b)
{
    auto label = std::make_unique<GuiLabel>();
    label->font = g_fontBig;
    label->textSize = 16;
    label->text = text;
    label->x = x;
    label->y = y;
    label->colour = {r, g, b};
    panel.addWidget(std::move(label));
}

void addImage(GuiPanel& panel, Tex tex, int x, int y, int width, int height)
{
    auto image = std::make_unique<GuiImage>();
    image->setTexture(texture(tex));
    add(panel, std::move(image), x, y, width, height);
}

std::unique_ptr<GuiPanel> box(float shade, bool raised)
{
    auto panel = std::make_unique<GuiPanel>();
    panel->setColour(shade, shade, shade);
    panel->raised = raised;
    return panel;
}

// A sunken box holding one widget at its top-left corner.
template <typename W>
W* addBoxed(GuiPanel& view, int x, int y, int width, int height, std::unique_ptr<W> widget, int widgetWidth,
            int widgetHeight)
{
    GuiPanel* holder = add(view, box(0.3f, false), x, y, width, height);
    return add(*holder, std::move(widget), 0, 0, widgetWidth, widgetHeight);
}

// A content view: title and rule on a dark panel.
GuiPanel* addView(GuiPanel& root, const char* title)
{
    GuiPanel* view = add(root, box(0.3f, false), 216, 8, 526, 534);
    addLabel(*view, title, 20, 15, 1.0f, 1.0f, 1.0f);
    add(*view, std::make_unique<GuiHRule>(), 20, 40, 486, 4);
    return view;
}

void addButton(GuiPanel& root, const char* text, int y, std::function<void()> action)
{
    auto button = std::make_unique<GuiButton>();
    button->text = text;
    button->action = std::move(action);
    add(root, std::move(button), 18, y, 180, 35);
}

}

GuiScreen_InGameMenu::GuiScreen_InGameMenu(Game& game)
{
    float virtualWidth = 0.0f, virtualHeight = 0.0f;
    uiSize(virtualWidth, virtualHeight);
    auto rootPanel = box(1.0f, true);
    rootPanel->x = static_cast<int>(virtualWidth / 2.0f - 375.0f);
    rootPanel->y = static_cast<int>(virtualHeight / 2.0f - 275.0f);
    rootPanel->width = 750;
    rootPanel->height = 550;
    auto* root = static_cast<GuiPanel*>(addWidget(std::move(rootPanel)));

    addImage(*root, Tex::menuTitlePanel, 8, 8, 256, 64);
    addImage(*root, Tex::menuButtonPanel, 8, 58, 256, 512);
    addLabel(*root, "Game menu", 32, 20, 0.0f, 0.0f, 0.0f);

    GuiPanel* mapView = addView(*root, "Galactic map");
    galaxyMap = addBoxed(*mapView, 20, 60, 486, 320, std::make_unique<GuiGalaxyMap>(&game, this, true), 482, 316);
    galaxyMap->x = 2;
    galaxyMap->y = 2;
    galaxyMap->centreOnCurrentSystem();
    addBoxed(*mapView, 20, 384, 130, 140, std::make_unique<GuiStarInfo>(galaxyMap, &game), 128, 146);
    addBoxed(*mapView, 156, 384, 350, 140, std::make_unique<GuiMarketInfo>(&game, galaxyMap), 348, 138);
    contentPanels[MapView] = mapView;

    contentPanels[CargoView] = addView(*root, "Cargo information");
    addBoxed(*contentPanels[CargoView], 20, 60, 486, 464, std::make_unique<GuiCargoInfo>(&game), 484, 462);
    contentPanels[ShipView] = addView(*root, "Ship information");
    addBoxed(*contentPanels[ShipView], 20, 60, 486, 464, std::make_unique<GuiShipInfo>(&game), 484, 464);
    contentPanels[CommanderView] = addView(*root, "Commander information");
    addBoxed(*contentPanels[CommanderView], 20, 60, 486, 464, std::make_unique<GuiPlayerInfo>(&game), 484, 462);

    addButton(*root, "Galaxy map", 80, [this] { showView(MapView); });
    addButton(*root, "Cargo info", 120, [this] { showView(CargoView); });
    addButton(*root, "Ship info", 160, [this] { showView(ShipView); });
    addButton(*root, "Commander info", 200, [this] { showView(CommanderView); });
    addButton(*root, "Return to game", 455, [this] { running = false; });
    addButton(*root, "Quit game", 495, [this, &game] { confirmQuit(game); });

    clipCursorToWindow(false);
    showView(MapView);
}

GuiScreen_InGameMenu::~GuiScreen_InGameMenu() = default;

void GuiScreen_InGameMenu::showView(View view)
{
    for (std::size_t i = 0; i < contentPanels.size(); ++i) {
        contentPanels[i]->visible = i == static_cast<std::size_t>(view);
        contentPanels[i]->enabled = i == static_cast<std::size_t>(view);
    }
}

void GuiScreen_InGameMenu::confirmQuit(Game& game)
{
    if (askYesNo("Confirm quit", "Any unsaved progress will be lost.", "Are you sure you want to quit the game ?")) {
        game.running = false;
        running = false;
    }
}

void runInGameMenu(Game& game)
{
    GuiScreen_InGameMenu menu(game);
    menu.run();
}

}
