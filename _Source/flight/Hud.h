#pragma once

#include "core/Geometry.h"

#include <array>

namespace dh {

class Game;
class GameObject;

// The three console buttons along the bottom edge of the flight view.
enum class HudButton { Menu, Missile, Emp };

// A button's hit quadrilateral in the virtual screen of the given size, in
// the order pointInQuad wants.
std::array<Point2, 4> hudButtonQuad(HudButton button, float width, float height);

// The flight HUD over the frame just drawn: target marker, speed console,
// heat and hull gauges, console buttons with their hover sound, aiming cross,
// counts and the incoming-missile warning with its beep.
void drawHud(Game& game);

// The nearest missile homing on the player's ship, or null.
GameObject* findIncomingMissile(const Game& game);

}
