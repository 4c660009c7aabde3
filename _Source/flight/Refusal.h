#pragma once

namespace dh {

// What the player is told when a weapon cannot be used. The keys and the
// console buttons refuse with the same words.
struct Refusal {
    const char* title;
    const char* text;
};

inline constexpr Refusal kRefusalNoTarget{"Cannot launch missile", "You do not have a current target"};
inline constexpr Refusal kRefusalNoMissiles{"Cannot launch missile", "Your ship is out of missiles"};
inline constexpr Refusal kRefusalNoEmpBombs{"Cannot deploy EMP bomb", "You do not any EMP bombs left"};

}
