#pragma once
#include <string>

// Inputs named the way the controls file stores them: keys by SDL's name of
// their position (the US label: "W", "Return", "Left Shift"), mouse buttons
// by names of their own, gamepad buttons by SDL's names ("Pad a").
namespace dh {

// Empty for a code no key or mouse button has.
std::string inputName(unsigned input);
// 0 for a name no key or mouse button has.
unsigned inputFromName(const std::string& name);
// What the player's layout prints on the key (the mouse buttons' own names).
std::string inputLabel(unsigned input);

}
