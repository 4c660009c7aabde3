#pragma once

#include "core/Vector3.h"

#include <array>
#include <cstddef>

namespace dh {

class Game;
class GameObject;
struct AssistView;

// Near the station, gates along the line the bay opens onto, and the bay's
// distance with the closing speed advised for it.
class DockingCorridor {
public:
    static constexpr float kRange = 10000.0f;
    static constexpr std::size_t kGateCount = 8;
    static constexpr float kGateSpacing = 500.0f;
    // As wide as the bay's opening.
    static constexpr float kGateHalfSize = 100.0f;
    static constexpr float kSlowestAdvice = 250.0f;
    static constexpr float kAdviceSeconds = 4.0f;

    // The point a ship docks at, in front of the bay.
    static Vector3 bay(const GameObject& station);
    // The gates every 500 units outwards from the bay, the nearest first.
    static std::array<Vector3, kGateCount> gates(const GameObject& station);
    // A speed that slows the approach down as the bay nears, never under one
    // at which a knock on the station does harm, never over the ship's best.
    static float advisedClosingSpeed(float distanceToBay, float topSpeed);
    // Where the target label measures to: the bay for the station while the
    // assists are on, else the target itself.
    static Vector3 labelPoint(const Game& game, const GameObject& target);

    static void draw(const Game& game, const AssistView& view);
};

}
