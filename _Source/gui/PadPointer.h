#pragma once
#include <cstdint>

namespace dh {

// Moves the pointer over a menu with a gamepad's left stick and d-pad, at
// 600 pixels a second at full deflection, in proportion below.
class PadPointer {
public:
    static constexpr float kSpeed = 600.0f;

    PadPointer();
    // Moves the pointer for the time since the last call (at most 0.1 s, so
    // that a long pause makes no jump).
    void update();

private:
    std::uint32_t last_;
    float restX_ = 0.0f;
    float restY_ = 0.0f;
};

}
