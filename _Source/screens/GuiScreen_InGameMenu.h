#pragma once
#include "gui/GuiScreen.h"
#include "window/GLWindowEventListener.h"

#include <array>
#include <memory>

namespace dh {

class Game;
class GuiGalaxyMap;
class GuiPanel;

// The pause menu of flight: the galaxy map and the cargo, ship and commander
// views, returning to the game or quitting it.
class GuiScreen_InGameMenu : public GuiScreen {
public:
    enum View { MapView, CargoView, ShipView, CommanderView };

    class EventMap : public GLWindowEventListener {
    public:
        explicit EventMap(GuiScreen_InGameMenu* screen) : screen(screen) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
    };
    class EventShipInfo : public GLWindowEventListener {
    public:
        explicit EventShipInfo(GuiScreen_InGameMenu* screen) : screen(screen) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
    };
    class EventCargoInfo : public GLWindowEventListener {
    public:
        explicit EventCargoInfo(GuiScreen_InGameMenu* screen) : screen(screen) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
    };
    class EventCommanderInfo : public GLWindowEventListener {
    public:
        explicit EventCommanderInfo(GuiScreen_InGameMenu* screen) : screen(screen) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
    };
    class EventReturn : public GLWindowEventListener {
    public:
        explicit EventReturn(GuiScreen_InGameMenu* screen) : screen(screen) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
    };
    class EventQuit : public GLWindowEventListener {
    public:
        EventQuit(GuiScreen_InGameMenu* screen, Game* game) : screen(screen), game(game) {}
        void onMouseUp(int x, int y, int button) override;
        GuiScreen_InGameMenu* screen;
        Game* game;
    };

    explicit GuiScreen_InGameMenu(Game& game);
    ~GuiScreen_InGameMenu() override;

    // Shows one view; the three others are hidden and disabled.
    void showView(View view);

    std::array<GuiPanel*, 4> contentPanels{};
    std::array<std::unique_ptr<GLWindowEventListener>, 6> actions;
    // The map of the galaxy-map view, owned through the widget tree.
    GuiGalaxyMap* galaxyMap = nullptr;
};

// Runs the in-game menu over the flight of this game until it is closed.
void runInGameMenu(Game& game);

}
