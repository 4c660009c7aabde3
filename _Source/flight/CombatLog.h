#pragma once

#include "flight/DeathCause.h"

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
// fast the two objects were approaching each other. While the log is off
// nothing is written: no output, no allocation, no random draw.
//
// Whether or not it writes, the log remembers the last damage to one watched
// object (the player's ship, when the flight assists name the cause of death).
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

    // Starts remembering the damage to `victim`, forgetting what was known
    // about another; the object already watched changes nothing, null
    // watches nothing.
    static void watch(const GameObject* victim);
    // The last damage to the watched object; Unknown when there was none.
    static const DeathCause& lastDamage();

private:
    static std::FILE*& output();
    static const GameObject*& watched();
    static DeathCause& remembered();
    static void remember(const GameObject& victim, const DeathCause& cause);
};

}
