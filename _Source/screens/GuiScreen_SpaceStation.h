#pragma once
#include "gui/GuiScreen.h"

#include <array>
#include <memory>

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

    class EventShowView;
    class EventTrade;
    class EventMap;
    class EventUpgrade;
    class EventRepair;
    class EventBuyShip;
    class EventLoad;
    class EventSave;
    class EventLaunch;

    explicit GuiScreen_SpaceStation(Game& game);
    ~GuiScreen_SpaceStation() override;
    GuiScreen_SpaceStation(const GuiScreen_SpaceStation&) = delete;
    GuiScreen_SpaceStation& operator=(const GuiScreen_SpaceStation&) = delete;

    // Shows view k and hides the six others, which then neither draw nor react.
    void showView(int view);

    std::array<GuiPanel*, kViewCount> contentPanels{};
    std::array<std::unique_ptr<GLWindowEventListener>, 8> actions;
    GuiGalaxyMap* galaxyMap = nullptr;

private:
    GuiPanel& buildRoot();
    void addButtons(GuiPanel& root);
    void buildTradeView(Game& game, GuiPanel& view);
    void buildMapView(Game& game, GuiPanel& view);
    void buildShipyardView(Game& game, GuiPanel& view);
    void buildSlotViews(Game& game, GuiPanel& load, GuiPanel& save);
};

// A left-button release that shows one view of the dock menu.
class GuiScreen_SpaceStation::EventShowView : public GLWindowEventListener {
public:
    EventShowView(GuiScreen_SpaceStation* screen, int view) : screen(screen), view(view) {}
    void onMouseUp(int x, int y, int button) override;

    GuiScreen_SpaceStation* screen;
    int view;
};

class GuiScreen_SpaceStation::EventTrade : public EventShowView {
public:
    explicit EventTrade(GuiScreen_SpaceStation* screen) : EventShowView(screen, kTrade) {}
};

class GuiScreen_SpaceStation::EventMap : public EventShowView {
public:
    explicit EventMap(GuiScreen_SpaceStation* screen) : EventShowView(screen, kMap) {}
};

class GuiScreen_SpaceStation::EventUpgrade : public EventShowView {
public:
    explicit EventUpgrade(GuiScreen_SpaceStation* screen) : EventShowView(screen, kUpgrades) {}
};

class GuiScreen_SpaceStation::EventRepair : public EventShowView {
public:
    explicit EventRepair(GuiScreen_SpaceStation* screen) : EventShowView(screen, kRepairs) {}
};

class GuiScreen_SpaceStation::EventBuyShip : public EventShowView {
public:
    explicit EventBuyShip(GuiScreen_SpaceStation* screen) : EventShowView(screen, kShipyard) {}
};

class GuiScreen_SpaceStation::EventLoad : public EventShowView {
public:
    explicit EventLoad(GuiScreen_SpaceStation* screen) : EventShowView(screen, kLoad) {}
};

class GuiScreen_SpaceStation::EventSave : public EventShowView {
public:
    explicit EventSave(GuiScreen_SpaceStation* screen) : EventShowView(screen, kSave) {}
};

// A left-button release that ends the dock menu.
class GuiScreen_SpaceStation::EventLaunch : public GLWindowEventListener {
public:
    explicit EventLaunch(GuiScreen_SpaceStation* screen) : screen(screen) {}
    void onMouseUp(int x, int y, int button) override;

    GuiScreen_SpaceStation* screen;
};

// The dock menu for the game, from docking until the player launches.
void runStationScreen(Game& game);

}
