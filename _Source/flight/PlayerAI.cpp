#include "flight/PlayerAI.h"

#include "flight/GameObject_Ship.h"
#include "flight/Orientation.h"
#include "core/Random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace dh {

PlayerAI::PlayerAI(ObjectRef* shipRef, ObjectRef* targetRef) : Player(shipRef, 100.0), targetRef(targetRef)
{
    GameObject_Ship* own = ship();
    if (own != nullptr) {
        own->targetSpeed = std::clamp(own->targetSpeed + own->topSpeed, 0.0f, own->topSpeed);
    }
    GameObject* target = targetRef != nullptr ? targetRef->object : nullptr;
    if (own != nullptr && target != nullptr) {
        steerPoint = target->position;
        facePoint(*own, steerPoint);
        yaw(*own, std::numbers::pi_v<float>);
    }
}

void PlayerAI::update(float dt)
{
    GameObject_Ship* own = ship();
    GameObject* target = targetRef != nullptr ? targetRef->object : nullptr;
    if (own == nullptr || target == nullptr) {
        if (own != nullptr) {
            own->stopLaser(dt);
        }
        return;
    }

    updateSteerPoint(*own, target->position, dt);
    steerTowards(*own, dt * kTurnRate, steerPoint);

    Vector3 toTarget = target->position;
    worldToLocal(*own, toTarget);
    normalize(toTarget);
    if (toTarget.z > 0.95f) {
        own->fireLaser(dt);
    } else {
        own->stopLaser(dt);
    }

    if (own->missiles > 0) {
        const float u = random01();
        if (dt * 0.02f > u) {
            own->fireMissile(target);
        }
    }
}

void PlayerAI::updateSteerPoint(const GameObject_Ship& own, Vector3 target, float dt)
{
    const float distance = length(target - own.position);
    if (distance < kEvasionDistance) {
        if (!evading) {
            // Draws 0 and 2 swerve along the up axis, 1 and 3 along the right axis.
            Vector3 axis = (random() & 1u) != 0 ? own.orientation.row(0) : own.orientation.row(1);
            if ((std::rand() & 1) != 0) {
                axis = -axis;
            }
            steerPoint = target + axis * kEvasionOffset;
            evading = true;
        }
        return;
    }
    const float k = std::pow(0.0007f, dt);
    steerPoint = steerPoint * k + target * (1.0f - k);
    evading = false;
}

}
