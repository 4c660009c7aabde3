#include "screens/GuiScreen_SpaceStation.h"

#include "flight/Ship_ExplorerMark1.h"
#include "flight/Ship_ExplorerMark2.h"
#include "flight/Ship_FighterMark1.h"
#include "flight/Ship_FighterMark2.h"
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "window/UiSpace.h"
#include "persistence/SaveFolder.h"
#include "rendering/GLFont.h"
#include "rendering/TextureList.h"
#include "screens/GuiBuyShip_Buy.h"
#include "screens/GuiBuyShip_Select.h"
#include "screens/GuiGalaxyMap.h"
#include "screens/GuiLoadGame.h"
#include "screens/GuiMarketInfo.h"
#include "screens/GuiRepair.h"
#include "screens/GuiSaveGame.h"
#include "screens/GuiStarInfo.h"
#include "screens/GuiTrade_Buy.h"
#include "screens/GuiTrade_Sell.h"
#include "screens/GuiTrade_Status.h"
#include "screens/GuiUpgrade.h"
#include "window/GLWindow.h"

namespace dh {

namespace {

template <typename W>
W& add(GuiPanel& parent, std::unique_ptr<W> widget, int x, int y, int width, int height)
{
    W& shown = *widget;
    shown.x = x;
    shown.y = y;
    shown.width = width;
    shown.height = height;
    parent.addWidget(std::move(widget));
    return shown;
}

// A grey panel, raised or sunken.
GuiPanel& addPanel(GuiPanel& parent, int x, int y, int width, int height, bool raised)
{
    auto panel = std::make_unique<GuiPanel>();
    panel->colour = {0.3f, 0.3f, 0.3f};
    panel->raised = raised;
    return add(parent, std::move(panel), x, y, width, height);
}

// A sunken box holding one widget 2 pixels smaller than itself at (0, 0).
template <typename W>
W& addBox(GuiPanel& parent, int x, int y, int width, int height, std::unique_ptr<W> content)
{
    GuiPanel& box = addPanel(parent, x, y, width, height, false);
    return add(box, std::move(content), 0, 0, width - 2, height - 2);
}

void addLabel(GuiPanel& parent, const char* text, int x, int y, GuiColour colour)
{
    auto label = std::make_unique<GuiLabel>();
    label->font = g_fontBig;
    label->textSize = 16;
    label->text = text;
    label->colour = colour;
    const int width = label->width;
    const int height = label->height;
    add(parent, std::move(label), x, y, width, height);
}

void addTitle(GuiPanel& view, const char* text, int x, int y)
{
    addLabel(view, text, x, y, {1.0f, 1.0f, 1.0f});
}

void addRule(GuiPanel& view)
{
    add(view, std::make_unique<GuiHRule>(), 20, 40, 486, 4);
}

void addImage(GuiPanel& root, Tex shown, int x, int y, int width, int height)
{
    auto image = std::make_unique<GuiImage>();
    image->setTexture(texture(shown));
    add(root, std::move(image), x, y, width, height);
}

// A button of the column on the left, 180 x 35.
void addButton(GuiPanel& root, const char* caption, int y, std::function<void()> action)
{
    auto button = std::make_unique<GuiButton>();
    button->text = caption;
    button->action = std::move(action);
    add(root, std::move(button), 18, y, 180, 35);
}

}

GuiScreen_SpaceStation::GuiScreen_SpaceStation(Game& game)
{
    GuiPanel& root = buildRoot();
    for (std::size_t k = 0; k < contentPanels.size(); ++k)
        contentPanels[k] = &addPanel(root, 216, 8, 526, 534, false);
    buildTradeView(game, *contentPanels[kTrade]);
    buildMapView(game, *contentPanels[kMap]);
    addTitle(*contentPanels[kUpgrades], "Ship upgrades", 20, 15);
    addRule(*contentPanels[kUpgrades]);
    addBox(*contentPanels[kUpgrades], 20, 60, 486, 464, std::make_unique<GuiUpgrade>(&game));
    addTitle(*contentPanels[kRepairs], "Ship repairs", 20, 15);
    addRule(*contentPanels[kRepairs]);
    addBox(*contentPanels[kRepairs], 20, 60, 486, 464, std::make_unique<GuiRepair>(&game));
    buildShipyardView(game, *contentPanels[kShipyard]);
    buildSlotViews(game, *contentPanels[kLoad], *contentPanels[kSave]);
    addButtons(root);
    clipCursorToWindow(false);
    showView(kTrade);
}

GuiScreen_SpaceStation::~GuiScreen_SpaceStation() = default;

GuiPanel& GuiScreen_SpaceStation::buildRoot()
{
    float virtualWidth = 0.0f;
    float virtualHeight = 0.0f;
    uiSize(virtualWidth, virtualHeight);
    auto panel = std::make_unique<GuiPanel>();
    GuiPanel& root = *panel;
    root.x = static_cast<int>(virtualWidth) / 2 - 375;
    root.y = static_cast<int>(virtualHeight) / 2 - 275;
    root.width = 750;
    root.height = 550;
    addWidget(std::move(panel));
    addImage(root, Tex::menuTitlePanel, 8, 8, 256, 64);
    addImage(root, Tex::menuButtonPanel, 8, 58, 256, 512);
    addLabel(root, "Dock menu", 24, 20, {0.0f, 0.0f, 0.0f});
    return root;
}

void GuiScreen_SpaceStation::addButtons(GuiPanel& root)
{
    static constexpr std::array<const char*, kViewCount> kViewCaptions = {
        "Trade", "Galactic map", "Upgrades", "Repairs", "Purchase ship", "Load game", "Save game"};
    static constexpr std::array<int, kViewCount> kViewTops = {80, 120, 160, 200, 240, 415, 455};
    for (int view = 0; view < kViewCount; ++view) {
        const auto k = static_cast<std::size_t>(view);
        addButton(root, kViewCaptions[k], kViewTops[k], [this, view] { showView(view); });
    }
    addButton(root, "Launch ship", 495, [this] { running = false; });
}

void GuiScreen_SpaceStation::buildTradeView(Game& game, GuiPanel& view)
{
    addTitle(view, "Trade goods", 20, 15);
    addRule(view);
    addTitle(view, "Buy", 20, 60);
    addBox(view, 20, 80, 486, 168, std::make_unique<GuiTrade_Buy>(&game));
    addTitle(view, "Sell", 20, 258);
    addBox(view, 20, 278, 486, 168, std::make_unique<GuiTrade_Sell>(&game));
    addTitle(view, "Status", 20, 454);
    addBox(view, 20, 478, 486, 46, std::make_unique<GuiTrade_Status>(&game));
}

void GuiScreen_SpaceStation::buildMapView(Game& game, GuiPanel& view)
{
    addTitle(view, "Galactic map", 20, 15);
    addRule(view);
    GuiPanel& mapBox = addPanel(view, 20, 60, 486, 320, false);
    galaxyMap = &add(mapBox, std::make_unique<GuiGalaxyMap>(&game, this, false), 2, 2, 482, 316);
    galaxyMap->centreOnCurrentSystem();
    addBox(view, 20, 384, 130, 140, std::make_unique<GuiStarInfo>(galaxyMap, &game));
    addBox(view, 156, 384, 350, 140, std::make_unique<GuiMarketInfo>(&game, galaxyMap));
}

void GuiScreen_SpaceStation::buildShipyardView(Game& game, GuiPanel& view)
{
    addTitle(view, "Select ship", 18, 16);
    GuiBuyShip_Select& select = addBox(view, 20, 40, 486, 128, std::make_unique<GuiBuyShip_Select>());
    select.addShipClass(Ship_ExplorerMark1(0.0f, 0.0f));
    select.addShipClass(Ship_ExplorerMark2(0.0f, 0.0f));
    select.addShipClass(Ship_FighterMark1(0.0f, 0.0f));
    select.addShipClass(Ship_FighterMark2(0.0f, 0.0f));
    addTitle(view, "Buy ship", 18, 176);
    addBox(view, 20, 200, 486, 324, std::make_unique<GuiBuyShip_Buy>(&game, &select));
}

void GuiScreen_SpaceStation::buildSlotViews(Game& game, GuiPanel& load, GuiPanel& save)
{
    addTitle(load, "Load game", 20, 15);
    addRule(load);
    addTitle(save, "Save game", 20, 15);
    addRule(save);
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        const int top = 60 + 80 * (slot - 1);
        add(load, std::make_unique<GuiLoadGame>(slotFilePath(slot), &game), 20, top, 486, 75);
        add(save, std::make_unique<GuiSaveGame>(slotFilePath(slot), &game), 20, top, 486, 75);
    }
}

void GuiScreen_SpaceStation::showView(int view)
{
    for (int k = 0; k < kViewCount; ++k) {
        contentPanels[static_cast<std::size_t>(k)]->visible = k == view;
        contentPanels[static_cast<std::size_t>(k)]->enabled = k == view;
    }
}

void runStationScreen(Game& game)
{
    GuiScreen_SpaceStation screen(game);
    screen.run();
}

}
