#pragma once

#include "flight/StaticGameObject.h"

#include <cstdint>

namespace dh {

struct FlightHooks;

// The star system's station: it rolls slowly, runs its lights out along its
// arms, shades its docking bay and docks the player's ship that comes within
// 100 units of the point 200 units in front of it.
class GameObject_SpaceStation : public StaticGameObject {
public:
    static constexpr float kRollRate = 0.05f;
    static constexpr float kDockingDistance = 200.0f;
    static constexpr float kDockingRadiusSquared = 10000.0f;
    static constexpr float kLightInterval = 0.6f;

    explicit GameObject_SpaceStation(FlightHooks* hooks);

    void update(float dt) override;
    void render(const Camera& camera) override;

    Vector3 dockingPoint() const;

    // The modal part of docking, which the game runs between frames after the
    // station has asked for it: the station screen may load another game and
    // so destroy this world, which must not happen inside the object pass.
    static void dockPlayer(FlightHooks& hooks);

    FlightHooks* hooks;
    float lightTimer = 0.0f;
    std::uint32_t lightPattern = 0;

private:
    void flashLights();
};

}
