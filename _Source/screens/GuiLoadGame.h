#pragma once
#include "flight/GameHooks.h"
#include "screens/GuiSlot.h"

namespace dh {

// A slot of the load views. With a running game (the dock menu) "Load" loads
// into it; on the main menu it starts a game from the slot, with the hooks the
// program gives every game, and plays it until it ends.
class GuiLoadGame : public GuiSlot {
public:
    GuiLoadGame(std::string path, Game* game);
    GuiLoadGame(std::string path, GameHooks hooks);

protected:
    void runAction() override;

private:
    void playFromSlot();

    GameHooks hooks;
};

}
