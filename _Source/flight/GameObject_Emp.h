#pragma once

#include "flight/MovingGameObject.h"

#include <array>
#include <cstdint>

namespace dh {

// An EMP bomb: for 2.5 seconds it destroys every missile within a blast
// radius that shrinks from 15000 to 0, centred on the ship that dropped it.
// Ships are not affected.
class GameObject_Emp : public MovingGameObject {
public:
    static constexpr float kLifetime = 2.5f;
    static constexpr std::uint32_t kArcCount = 32;
    static constexpr std::uint32_t kArcPoints = 5;

    explicit GameObject_Emp(GameObject* owner);
    ~GameObject_Emp() override;

    void update(float dt) override;
    void render(const Camera& camera) override;

    float blastRadius() const { return lifetime * 0.4f * 15000.0f; }

    float lifetime = kLifetime;
    // Whether the first frame's sounds were started; the step may be 0 then.
    bool started = false;
    float arcTimer = 0.0f;
    // Compared by pointer with the list's contents before it is followed.
    GameObject* owner;
    Vector3 centre;
    // Relative to `centre`.
    std::array<std::array<Vector3, kArcPoints>, kArcCount> arcs{};
    std::uint32_t ambientSound = 0;

private:
    void followOwner();
    void generateArcs();
};

}
