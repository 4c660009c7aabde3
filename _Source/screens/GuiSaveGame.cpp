#include "screens/GuiSaveGame.h"

#include "gui/Dialogs.h"
#include "persistence/SaveGame.h"

#include <utility>

namespace dh {

GuiSaveGame::GuiSaveGame(std::string path, Game* game) : GuiSlot(std::move(path), game, "Save") {}

void GuiSaveGame::runAction()
{
    if (exists && !askYesNo("Save game", "Saving here will overwrite previous save game.",
                            "Are you sure you want to do this ?")) {
        return;
    }
    const SaveGame::Outcome outcome = SaveGame::trySave(path.c_str(), game);
    if (outcome.title != nullptr) {
        showMessage(outcome.title, outcome.text);
    }
}

}
