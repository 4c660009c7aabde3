#include "persistence/SaveGame.h"

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "persistence/SaveFile.h"
#include "persistence/SaveState.h"

namespace dh {

namespace {

bool canUse(const char* path, const Game* game)
{
    return path != nullptr && game != nullptr && game->human != nullptr && game->playerShip() != nullptr;
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

}
