#pragma once

#include "core/Geometry.h"

#include <array>

namespace dh {

class Game;
class GameObject;
class GLTexture;

// The three console buttons along the bottom edge of the flight view.
enum class HudButton { Menu, Missile, Emp };

// A button's hit quadrilateral in the virtual screen of the given size, in
// the order pointInQuad wants.
std::array<Point2, 4> hudButtonQuad(HudButton button, float width, float height);

// The flight HUD over the frame just drawn: target marker, speed console,
// heat and hull gauges, console buttons as the game's hover flags say, aiming
// cross, counts and the incoming-missile warning. It only draws; the hover
// sounds and the warning's beep belong to Game::updateConsole.
void drawHud(const Game& game);

// An image in the HUD's style: white, alpha blended, clamped, upright.
void drawHudImage(const GLTexture& image, float left, float top, float right, float bottom);

// The nearest missile homing on the player's ship, or null.
GameObject* findIncomingMissile(const Game& game);

}
