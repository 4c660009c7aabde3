#pragma once
#include "gui/GuiScreen.h"

#include <array>

namespace dh {

class Game;
class GuiGalaxyMap;
class GuiPanel;

// The pause menu of flight: the galaxy map and the cargo, ship and commander
// views, returning to the game or quitting it.
class GuiScreen_InGameMenu : public GuiScreen {
public:
    enum View { MapView, CargoView, ShipView, CommanderView };

    explicit GuiScreen_InGameMenu(Game& game);
    ~GuiScreen_InGameMenu() override;

    // Shows one view; the three others are hidden and disabled.
    void showView(View view);

    std::array<GuiPanel*, 4> contentPanels{};
    // The map of the galaxy-map view, owned through the widget tree.
    GuiGalaxyMap* galaxyMap = nullptr;

private:
    // Ends the game and this menu once the player confirms; nothing is saved.
    void confirmQuit(Game& game);
};

// Runs the in-game menu over the flight of this game until it is closed.
void runInGameMenu(Game& game);

}
