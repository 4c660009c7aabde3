#include "screens/GuiLoadGame.h"

#include "audio/SoundSet.h"
#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "gui/Dialogs.h"
#include "persistence/SaveGame.h"
#include "platform/PlatformMemory.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <memory>
#include <utility>

namespace dh {

namespace {

// The message goes over a black frame: the world behind may have been replaced.
void load(const std::string& path, Game* game)
{
    const SaveGame::Outcome outcome = SaveGame::tryLoad(path.c_str(), game);
    if (outcome.title == nullptr) {
        return;
    }
    if (isWindowOpen()) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    showMessage(outcome.title, outcome.text);
}

}

GuiLoadGame::GuiLoadGame(std::string path, Game* game) : GuiSlot(std::move(path), game, "Load") {}

GuiLoadGame::GuiLoadGame(std::string path, GameHooks hooks)
    : GuiSlot(std::move(path), nullptr, "Load"), hooks(std::move(hooks))
{
}

void GuiLoadGame::runAction()
{
    if (!exists) {
        showMessage("Load Game", "No game exists in this slot to load.");
        return;
    }
    showLoadingFrame();
    if (game != nullptr) {
        load(path, game);
        return;
    }
    playFromSlot();
}

void GuiLoadGame::playFromSlot()
{
    auto loaded = std::make_unique<Game>("", hooks);
    pauseSounds(loaded->world->sounds);
    load(path, loaded.get());
    // A refused file leaves the new game without a commander.
    if (!loaded->human->commanderName.empty()) {
        loaded->resumeClock();
        loaded->run();
    }
    loaded.reset();
    releaseFreedMemory();
}

}
