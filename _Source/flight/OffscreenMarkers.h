#pragma once

#include "core/Geometry.h"
#include "core/Vector3.h"

#include <array>
#include <optional>

namespace dh {

class Game;
class GameObject;
struct AssistView;

// An arrow at the edge of the view: its tip and the unit direction it points
// in, on the virtual screen (y downwards).
struct EdgeArrow {
    Point2 tip;
    Point2 direction;
};

// Arrows at the edge of the view towards the station and towards every ship
// or missile near enough that is closing on the player, while they are out
// of sight.
class OffscreenMarkers {
public:
    static constexpr float kClosingRange = 8000.0f;
    // How far in from the edges the tips stay; more at the bottom, where the
    // console and the scanner are.
    static constexpr float kMargin = 24.0f;
    static constexpr float kBottomMargin = 88.0f;

    // Whether the object, moving with `velocity`, lies within the closing range
    // of the ship and the distance between them is shrinking.
    static bool closingOn(const GameObject& ship, Vector3 shipVelocity, Vector3 position, Vector3 velocity);
    // The arrow for a point with these clip coordinates in a view of the given
    // virtual size; nothing while it is on the screen.
    static std::optional<EdgeArrow> arrowFor(const std::array<float, 4>& clip, float width, float height);

    static void draw(const Game& game, const AssistView& view);
};

}
