#pragma once

#include "core/Vector3.h"

#include <cstdint>

namespace dh {

// A ship's laser: continuous damage while the beam touches something, and a
// heat budget that locks the laser out for a while when it overheats.
struct Laser {
    static constexpr float kOverheat = 2000.0f;
    static constexpr float kLockout = 0.25f;
    static constexpr float kHitInterval = 0.06f;
    static constexpr float kFlickerInterval = 0.03f;
    static constexpr float kRange = 999999.0f;

    // Damage per second to the object hit, and heat gained per second of firing.
    float strength = 0.0f;
    // Heat lost per second, also while firing.
    float cooling = 0.0f;
    float heat = 0.0f;
    float lockout = 0.0f;
    // Flicker in [0, 0.5); the beam is drawn beamWidth + 2 wide.
    float beamWidth = 0.0f;
    float flickerTimer = 0.0f;
    float hitTimer = kHitInterval;
    Vector3 colour;
    Vector3 beamStart;
    Vector3 beamEnd;
    bool firing = false;
    std::uint32_t sound = 0;

    bool overheated() const { return heat >= kOverheat; }
    // Heat loss, never below 0.
    void cool(float amount);
};

}
