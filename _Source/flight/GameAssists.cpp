#include "flight/Game.h"

#include "flight/CombatLog.h"
#include "flight/FlightAssists.h"
#include "flight/GameObject_Ship.h"
#include "flight/World.h"

#include <string>

namespace dh {

namespace {

constexpr const char* kDeathTitle = "You have been killed";
constexpr const char* kDeathText = "Your ship has been destroyed. Press OK to return to main menu";

}

void Game::updateAssists()
{
    GameObject_Ship* ship = playerShip();
    if (!g_flightAssists || ship == nullptr) {
        return;
    }
    CombatLog::watch(ship);
    collisionWarning.update(*ship, world->objects, frameTimer->deltaSeconds);
    hudMessages.update(frameTimer->deltaSeconds);
}

// With the assists on, the message names what destroyed the ship under its
// usual text, as far as the combat log knows it.
void Game::showDeathMessage()
{
    const std::string cause = g_flightAssists ? describeDeathCause(CombatLog::lastDamage()) : std::string();
    if (cause.empty() || !shell.showMessageLines) {
        showMessage(kDeathTitle, kDeathText);
        return;
    }
    shell.showMessageLines(kDeathTitle, kDeathText, cause.c_str());
}

}
