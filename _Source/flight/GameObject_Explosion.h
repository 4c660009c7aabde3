#pragma once

#include "flight/StaticGameObject.h"

#include <array>

namespace dh {

// Eight fireball billboards that play the 18 explosion frames over half a
// second; then the explosion lets the next physics step remove it.
class GameObject_Explosion : public StaticGameObject {
public:
    static constexpr int kFireballs = 8;
    static constexpr int kFrames = 18;

    struct Fireball {
        Vector3 centre;
        float size = 0.0f;
        // (u, v) of the quad's four corners in drawing order.
        std::array<float, 8> texCoords{};
    };

    GameObject_Explosion(float x, float y, float z, float size);

    void update(float dt) override;
    void render(const Camera& camera) override;

    // The animation frame shown now, 1 to 18.
    int frame() const;

    float duration = 0.5f;
    float remaining = 0.5f;
    // Whether the bang was played; the step may be 0 on the first frames.
    bool started = false;
    std::array<Fireball, kFireballs> fireballs{};
};

}
