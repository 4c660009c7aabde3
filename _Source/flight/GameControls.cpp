#include "flight/Game.h"

#include "audio/SoundEffects.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "window/UiSpace.h"
#include "platform/KeyState.h"
#include "flight/Hud.h"
#include "window/GLWindow.h"

namespace dh {

void Game::onMouseDown(int x, int y, int button)
{
    GameObject_Ship* ship = playerShip();
    if (button != 1 || ship == nullptr) {
        return;
    }
    const float s = uiScale();
    const float px = static_cast<float>(static_cast<int>(static_cast<float>(x) * (1.0f / s)));
    const float py = static_cast<float>(static_cast<int>(static_cast<float>(y) * (1.0f / s)));
    float w = 0.0f;
    float h = 0.0f;
    uiSize(w, h);

    if (pointInQuad(hudButtonQuad(HudButton::Menu, w, h), px, py)) {
        playSound(sample::buttonClick);
        openInGameMenu();
    }
    // The menu may have ended the flight or replaced the ship.
    ship = playerShip();
    if (ship != nullptr && pointInQuad(hudButtonQuad(HudButton::Missile, w, h), px, py)) {
        playSound(sample::buttonClick);
        if (human->target == nullptr) {
            refuse(kRefusalNoTarget);
        } else if (ship->missiles == 0) {
            refuse(kRefusalNoMissiles);
        } else {
            ship->fireMissile(human->target);
        }
    }
    ship = playerShip();
    if (ship != nullptr && pointInQuad(hudButtonQuad(HudButton::Emp, w, h), px, py)) {
        playSound(sample::buttonClick);
        if (ship->empBombs != 0) {
            ship->dropEmpBomb();
            return;
        }
        refuse(kRefusalNoEmpBombs);
    }
}

void Game::onKeyDown(unsigned virtualKey)
{
    if (virtualKey == VK_ESCAPE && playerShip() != nullptr) {
        openInGameMenu();
    }
}

void Game::openInGameMenu()
{
    if (isWindowOpen()) {
        fadeScreenToBlack(0.5f);
    }
    pauseWorldSounds();
    if (shell.runInGameMenu) {
        shell.runInGameMenu(*this);
    }
    resumeClock();
    frameTimer->reset();
}

void Game::refuse(const Refusal& refusal)
{
    pauseWorldSounds();
    showMessage(refusal.title, refusal.text);
    resumeClock();
}

}
