#pragma once

#include "core/Vector3.h"

namespace dh {

class GameObject;
class GameObject_Ship;
class ObjectList;

// Seconds until two spheres that keep their present velocities first touch:
// `offset` runs from our centre to the other's, `closing` is our velocity less
// the other's and `reach` the sum of the radii. 0 when they already touch and
// are still closing; negative when they never will.
float sphereTimeToImpact(Vector3 offset, Vector3 closing, float reach);

// Seconds until the ship strikes `other` (a ship, or a static object such as
// the station) at the present closing speed; negative when it will not.
float timeToImpact(const GameObject_Ship& ship, const GameObject& other);

// A flight assist: "COLLISION" flashes above the console, with a tone
// repeating while it lasts, whenever the ship would strike the station or
// another ship within two seconds.
class CollisionWarning {
public:
    static constexpr float kWarningSeconds = 2.0f;
    static constexpr float kToneInterval = 0.5f;
    static constexpr float kFlashInterval = 0.5f;

    // `seconds` is the frame's real duration, so the tone and the flashing
    // keep their pace while the simulation's step is still settling.
    void update(const GameObject_Ship& ship, const ObjectList& objects, float seconds);
    // Into the HUD's virtual screen of the given size.
    void draw(float width, float height) const;
    bool warning() const { return warning_; }

private:
    bool warning_ = false;
    float toneTimer_ = 0.0f;
    float flashClock_ = 0.0f;
};

}
