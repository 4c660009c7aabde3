#pragma once

#include "flight/Player.h"
#include "core/Vector3.h"

namespace dh {

// A computer pilot: chases its target at full speed, swerves off to an
// evasion point when it comes within 200 units, fires its laser when the
// target is near its nose and launches a missile now and then.
class PlayerAI : public Player {
public:
    static constexpr float kEvasionDistance = 200.0f;
    static constexpr float kEvasionOffset = 400.0f;
    static constexpr float kTurnRate = 0.19634955f;

    PlayerAI(ObjectRef* shipRef, ObjectRef* targetRef);

    void update(float dt) override;

    // Not owned: the game's reference to the player's ship.
    ObjectRef* targetRef;
    Vector3 steerPoint;
    bool evading = false;

private:
    void updateSteerPoint(const GameObject_Ship& ship, Vector3 target, float dt);
};

}
