#pragma once
#include "gui/GuiScreen.h"

#include <array>

namespace dh {

class Game;
class GuiGalaxyMap;
class GuiPanel;

// The dock menu: a column of buttons beside one of seven views (trade, galaxy
// map, upgrades, repairs, shipyard, load, save). "Launch ship" or Escape
// ends it and the ship is launched again.
class GuiScreen_SpaceStation : public GuiScreen {
public:
    enum View { kTrade, kMap, kUpgrades, kRepairs, kShipyard, kLoad, kSave, kViewCount };

    explicit GuiScreen_SpaceStation(Game& game);
    ~GuiScreen_SpaceStation() override;
    GuiScreen_SpaceStation(const GuiScreen_SpaceStation&) = delete;
    GuiScreen_SpaceStation& operator=(const GuiScreen_SpaceStation&) = delete;

    // Shows view k and hides the six others, which then neither draw nor react.
    void showView(int view);

    std::array<GuiPanel*, kViewCount> contentPanels{};
    GuiGalaxyMap* galaxyMap = nullptr;

private:
    GuiPanel& buildRoot();
    void addButtons(GuiPanel& root);
    void buildTradeView(Game& game, GuiPanel& view);
    void buildMapView(Game& game, GuiPanel& view);
    void buildShipyardView(Game& game, GuiPanel& view);
    void buildSlotViews(Game& game, GuiPanel& load, GuiPanel& save);
};

// The dock menu for the game, from docking until the player launches.
void runStationScreen(Game& game);

}
