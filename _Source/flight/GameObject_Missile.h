#pragma once

#include "flight/MovingGameObject.h"

#include <cstdint>

namespace dh {

// A homing missile. It turns its nose at its target every frame while the
// target is still in its list, explodes when something lies close ahead of
// its nose, and explodes anyway after 8 seconds.
class GameObject_Missile : public MovingGameObject {
public:
    static constexpr float kLifetime = 8.0f;
    static constexpr float kDamage = 1500.0f;

    GameObject_Missile(float x, float y, float z, GameObject* owner, GameObject* target);
    ~GameObject_Missile() override;

    void update(float dt) override;

    // Compared by pointer only: the owner is never hit, and the target may be long gone.
    GameObject* owner;
    GameObject* target;
    float smokeTimer = 0.0f;
    float lifetime = kLifetime;
    // Whether the first frame's launch sounds were started; the step may be 0 then.
    bool started = false;
    std::uint32_t engineSound = 0;

private:
    void emitSmoke();
};

}
