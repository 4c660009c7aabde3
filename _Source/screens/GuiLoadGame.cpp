#include "screens/GuiLoadGame.h"

#include "audio/SoundSet.h"
#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "gui/Dialogs.h"
#include "persistence/SaveGame.h"

#include <memory>
#include <utility>

namespace dh {

GuiLoadGame::GuiLoadGame(std::string path, Game* game) : GuiSlot(std::move(path), game, "Load") {}

void GuiLoadGame::runAction()
{
    if (!exists) {
        showMessage("Load Game", "No game exists in this slot to load.");
        return;
    }
    showLoadingFrame();
    if (game != nullptr) {
        SaveGame::load(path.c_str(), game);
        return;
    }
    playFromSlot();
}

void GuiLoadGame::playFromSlot()
{
    auto loaded = std::make_unique<Game>("");
    pauseSounds(loaded->world->sounds);
    SaveGame::load(path.c_str(), loaded.get());
    // A refused file leaves the new game without a commander.
    if (!loaded->human->commanderName.empty()) {
        loaded->resumeClock();
        loaded->run();
    }
}

}
