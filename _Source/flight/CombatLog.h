#pragma once

#include <cstdio>

namespace dh {

class GameObject;

// One line per damage event, for studying how fights go. Off unless the
// environment variable DRIFT_HAULER_LOG names "combat" (a comma-separated list
// of logs); then the lines go to standard error:
//
//   combat t=41.250 victim="Explorer Mark I"@0x5a10 cause=collision with="Fighter Mark II"@0x5c20
//       attacker=none amount=160.000 shield=40.000 closing=1600.0
//
// t is the process clock in seconds; objects are their kind name and address
// (an attacker that no longer exists shows as gone@address); amount is the
// damage asked for and shield the victim's shield after it; closing is how
// fast the two objects were approaching each other. While the log is off every
// call returns at once: no output, no allocation, no random draw.
class CombatLog {
public:
    // Sends the lines to `out` instead; null switches the log off.
    static void setOutput(std::FILE* out);
    static bool enabled();
    // Whether a value of DRIFT_HAULER_LOG asks for this log.
    static bool namesCombat(const char* logs);

    static void laser(const GameObject& victim, const GameObject& attacker, float amount);
    // `attacker` is the ship that fired the missile; it may be gone.
    static void missile(const GameObject& victim, const GameObject* attacker, const GameObject& missile, float amount);
    // `attacker` is the ship that dropped the bomb; it may be gone.
    static void emp(const GameObject& victim, const GameObject* attacker, float amount);
    // Two moving objects, before their velocities are exchanged.
    static void collision(const GameObject& victim, const GameObject& other, float amount);
    // A moving object against a static one it struck at `speed`.
    static void collisionWithStatic(const GameObject& victim, const GameObject& other, float amount, float speed);

private:
    static std::FILE*& output();
};

}
