#include "persistence/SaveGame.h"

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "gui/Dialogs.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveState.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

namespace dh {

namespace {

bool canUse(const char* path, const Game* game)
{
    return path != nullptr && game != nullptr && game->human != nullptr && game->playerShip() != nullptr;
}

void show(const SaveGame::Outcome& outcome)
{
    if (outcome.title != nullptr) {
        showMessage(outcome.title, outcome.text);
    }
}

}

SaveGame::Outcome SaveGame::trySave(const char* path, Game* game)
{
    if (!canUse(path, game)) {
        return {};
    }
    try {
        writeSaveFile(path, encodeSaveFile(captureSaveState(*game)));
    } catch (const SaveException& error) {
        return {false, "Error saving game", error.message};
    }
    return {true, "Save game", "Save successful."};
}

SaveGame::Outcome SaveGame::tryLoad(const char* path, Game* game)
{
    if (!canUse(path, game)) {
        return {};
    }
    try {
        const SaveState state = decodeSaveFile(readSaveFile(path), game->galaxy);
        applySaveState(*game, state);
    } catch (const SaveException& error) {
        return {false, "Error reading from save file", error.message};
    }
    return {true, "Load game", "Load successful."};
}

void SaveGame::save(const char* path, Game* game)
{
    show(trySave(path, game));
}

void SaveGame::load(const char* path, Game* game)
{
    const Outcome outcome = tryLoad(path, game);
    if (outcome.title != nullptr && isWindowOpen()) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    show(outcome);
}

}
