#pragma once
#include "screens/GuiSlot.h"

namespace dh {

// A slot of the dock menu's save view; "Save" writes the running game into it,
// asking first when that would overwrite a save.
class GuiSaveGame : public GuiSlot {
public:
    GuiSaveGame(std::string path, Game* game);

protected:
    void runAction() override;
};

}
