#pragma once

#include "flight/Refusal.h"

#include <functional>

namespace dh {

class GameObject_Ship;
class GameObject_SpaceStation;

// What the flight objects ask of the running game. The game fills the slots
// it offers; an empty slot does nothing (or, for playerShip, means no ship).
struct FlightHooks {
    // The human pilot's ship, null once it is gone.
    std::function<GameObject_Ship*()> playerShip;
    // The star system's station, null when there is none.
    std::function<GameObject_SpaceStation*()> station;
    // Deletes every computer ship and every missile from the world.
    std::function<void()> clearHostiles;
    // The station asks for the dock; the game answers between frames with
    // GameObject_SpaceStation::dockPlayer, never inside the object pass,
    // because the station screen may replace the whole world.
    std::function<void()> requestDock;
    // Runs the station screen modally until the player launches.
    std::function<void()> runStationScreen;
    // Restarts the frame clock and resumes the world's sounds after a modal pause.
    std::function<void()> resumeClock;
    // The modal message dialog.
    std::function<void(const char* title, const char* text)> showMessage;
    // A refusal shown over the flight without pausing it (a flight assist).
    std::function<void(const Refusal& refusal)> showHudMessage;
};

}
