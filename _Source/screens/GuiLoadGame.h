#pragma once
#include "screens/GuiSlot.h"

namespace dh {

// A slot of the load views. With a running game (the dock menu) "Load" loads
// into it; on the main menu it starts a game from the slot and plays it until
// it ends.
class GuiLoadGame : public GuiSlot {
public:
    GuiLoadGame(std::string path, Game* game);

protected:
    void runAction() override;

private:
    void playFromSlot();
};

}
