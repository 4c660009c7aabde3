#pragma once

#include "core/Camera.h"
#include "flight/Controls.h"
#include "flight/DockingComputer.h"
#include "flight/Player.h"
#include "flight/Refusal.h"

#include <array>
#include <cstdint>
#include <string>

namespace dh {

class GameObject;
struct FlightHooks;

// The commander: turns the keyboard and mouse, through the player's controls,
// into throttle, turns, weapons, views and the choice of target, and carries the name, credits and kills.
class PlayerHuman : public Player {
public:
    static constexpr std::uint32_t kViewCount = 8;
    static constexpr float kThrottleRate = 1500.0f;
    static constexpr float kTurnRate = 1.5f;

    PlayerHuman(const char* commanderName, ObjectRef* shipRef, FlightHooks* hooks);

    void update(float dt) override;
    // Makes every view camera follow the ship with this frame's pose.
    void attachViews();
    void setCommanderName(const char* name);
    // The controls held right now (the key that just closed a dialog, say)
    // do nothing until they have been released.
    void holdOffHeldControls();

    Camera& currentView() { return views[viewIndex & 7u]; }

    float pitchRate = 0.0f;
    float yawRate = 0.0f;
    int savedCursorX = 0;
    int savedCursorY = 0;
    bool mouseSteering;
    bool middleWasDown;
    bool deleteWasDown;
    bool backspaceWasDown;
    // The controller's next-view button state last frame.
    bool nextViewWasDown;
    // Recomputed every frame; null when there is none.
    GameObject* target = nullptr;
    std::array<Camera, kViewCount> views;
    std::uint32_t viewIndex = 0;
    std::string commanderName;
    std::uint32_t kills = 0;
    // What the pilot asks of the running game.
    FlightHooks* hooks;
    std::array<bool, Controls::kActionCount> heldOff{};
    DockingComputer dockingComputer;

private:
    // Whether the action's control is held, and was not held off or has been
    // released since.
    bool controlHeld(Action action);
    void steerWithMouse(float& pitchInput, float& yawInput);
    void flyWithController(GameObject_Ship& ship, float dt, float& pitchInput, float& yawInput);
    void flyByComputer(GameObject_Ship& ship, float dt, float& pitchInput, float& yawInput);
    // Whether the pilot holds a steering or throttle control: a key, the
    // right mouse button, a stick or a trigger.
    bool handsOnControls();
    void missileKey(GameObject_Ship& ship);
    void empKey(GameObject_Ship& ship);
    void refuse(const Refusal& refusal);
};

}
