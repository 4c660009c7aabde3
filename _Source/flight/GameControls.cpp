#include "flight/Game.h"

#include "audio/SoundEffects.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "window/UiSpace.h"
#include "flight/Controls.h"
#include "flight/FlightAssists.h"
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
    const bool menu = virtualKey == g_controls.input(Action::Menu) || virtualKey == g_controls.padButton(Action::Menu);
    if (menu && playerShip() != nullptr) {
        openInGameMenu();
    }
}

// The console's state for the frame, before the HUD draws it: the buttons'
// hover flags, with a sound each time the pointer enters one, then the
// incoming-missile beep.
void Game::updateConsole()
{
    const float s = uiScale();
    const float mx = static_cast<float>(g_mouseX) / s;
    const float my = static_cast<float>(g_mouseY) / s;
    updateButtonHover(HudButton::Menu, menuHover, mx, my);
    updateButtonHover(HudButton::Missile, missileHover, mx, my);
    updateButtonHover(HudButton::Emp, empHover, mx, my);
    updateMissileWarning();
}

void Game::updateButtonHover(HudButton button, bool& hover, float x, float y)
{
    float w = 0.0f;
    float h = 0.0f;
    uiSize(w, h);
    if (pointInQuad(hudButtonQuad(button, w, h), x, y)) {
        if (!hover) {
            playSound(sample::buttonOver);
        }
        hover = true;
    } else {
        hover = false;
    }
}

// The beep repeats every 0.7 s of real time while a missile is homing in; the
// first beep of the next threat sounds at once.
void Game::updateMissileWarning()
{
    if (findIncomingMissile(*this) == nullptr) {
        warningBeepTimer = 0.0f;
        return;
    }
    if (warningBeepTimer <= 0.0f) {
        playSound(sample::missileIncoming);
        warningBeepTimer = 0.7f;
    } else {
        warningBeepTimer -= frameTimer->deltaSeconds;
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
    if (g_flightAssists) {
        hudMessages.post(refusal);
        return;
    }
    pauseWorldSounds();
    showMessage(refusal.title, refusal.text);
    resumeClock();
}

}
