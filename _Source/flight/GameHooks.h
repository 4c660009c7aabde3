#pragma once

#include "flight/World.h"

#include <functional>

namespace dh {

class Game;

// What a game asks of the program around it: the screens and dialogs it
// opens and the sky it cannot build without the window's context. The shell
// fills them once the assets are loaded; an empty slot does nothing (and an
// empty sky builder gives worlds without a background), which is what tests
// that need no screens rely on.
struct GameHooks {
    // The in-game menu, run modally for the game.
    std::function<void(Game&)> runInGameMenu;
    // The station screen, run while the player is docked.
    std::function<void(Game&)> runStationScreen;
    // The modal message dialog.
    std::function<void(const char* title, const char* text)> showMessage;
    // The message dialog with a second line under its text.
    std::function<void(const char* title, const char* upperLine, const char* lowerLine)> showMessageLines;
    BackgroundBuilder buildBackground;
};

}
