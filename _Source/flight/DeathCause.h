#pragma once

#include <string>

namespace dh {

// The last damage a watched ship took, as the combat log saw it.
struct DeathCause {
    enum class Kind { Unknown, Laser, Missile, Collision };

    Kind kind = Kind::Unknown;
    // The kind name of the ship that fired, or of the object struck; a string
    // constant, so it stays valid after the object is gone.
    const char* other = nullptr;
    // A collision with a static object (the station).
    bool otherStatic = false;
    // Units per second at which the two were closing when they struck.
    float closingSpeed = 0.0f;
};

// The line the death message adds: "Rammed by a Fighter Mark II at 3200 km/h",
// "Hit by a missile", "Laser fire from an Explorer Mark II"; empty when the
// cause is unknown.
std::string describeDeathCause(const DeathCause& cause);

}
