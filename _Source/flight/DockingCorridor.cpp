#include "flight/DockingCorridor.h"

#include "flight/AssistColour.h"
#include "flight/AssistView.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace dh {

namespace {

// Nearer than this a gate fills the view and tells nothing.
constexpr float kNearestGateDepth = 50.0f;
constexpr float kLargestGate = 160.0f;
constexpr float kSmallestGate = 3.0f;
// The readout sits above the scanner.
constexpr float kReadoutLeft = 356.0f;
constexpr float kReadoutAboveBottom = 190.0f;
constexpr float kUnitsPerSecondToKmph = 3.6f;

void drawGate(const AssistView& view, Vector3 gate)
{
    const std::array<float, 4> clip = view.clip(gate);
    if (clip[3] < kNearestGateDepth) {
        return;
    }
    const Point2 centre = view.screen(clip);
    const float half = std::clamp(DockingCorridor::kGateHalfSize * view.projection[5] * view.height * 0.5f / clip[3],
                                  kSmallestGate, kLargestGate);
    glBegin(GL_LINE_LOOP);
    glVertex2f(centre.x - half, centre.y - half);
    glVertex2f(centre.x + half, centre.y - half);
    glVertex2f(centre.x + half, centre.y + half);
    glVertex2f(centre.x - half, centre.y + half);
    glEnd();
}

void drawReadout(const GameObject_Ship& ship, Vector3 bay, const AssistView& view)
{
    const Vector3 offset = bay - ship.position;
    const float distance = length(offset);
    const float closing = distance > 0.0f ? dot(ship.velocity, offset) / distance : 0.0f;
    const float advised = DockingCorridor::advisedClosingSpeed(distance, ship.topSpeed);
    const float x = view.width * 0.5f - kReadoutLeft;
    const float y = view.height - kReadoutAboveBottom;

    char text[48];
    std::snprintf(text, sizeof text, "BAY %1.2f km", distance * 0.001f);
    drawText(g_fontMain, text, x, y, 8.0f, 1.0f, 1.0f, 0.6f);
    std::snprintf(text, sizeof text, "ADVISED %1.0f kmph", advised * kUnitsPerSecondToKmph);
    const AssistColour colour = closing > advised ? kAssistTooFast : kAssistCorridor;
    drawText(g_fontMain, text, x, y + 12.0f, 8.0f, colour.r, colour.g, colour.b);
}

}

Vector3 DockingCorridor::bay(const GameObject& station)
{
    return station.position + station.forward() * GameObject_SpaceStation::kDockingDistance;
}

std::array<Vector3, DockingCorridor::kGateCount> DockingCorridor::gates(const GameObject& station)
{
    std::array<Vector3, kGateCount> out{};
    const Vector3 start = bay(station);
    for (std::size_t i = 0; i < kGateCount; ++i) {
        out[i] = start + station.forward() * (kGateSpacing * static_cast<float>(i + 1));
    }
    return out;
}

float DockingCorridor::advisedClosingSpeed(float distanceToBay, float topSpeed)
{
    return std::min(std::max(distanceToBay / kAdviceSeconds, kSlowestAdvice), topSpeed);
}

Vector3 DockingCorridor::labelPoint(const Game& game, const GameObject& target)
{
    if (g_flightAssists && &target == game.station()) {
        return bay(target);
    }
    return target.position;
}

void DockingCorridor::draw(const Game& game, const AssistView& view)
{
    const GameObject_Ship* ship = game.playerShip();
    const GameObject* station = game.station();
    if (ship == nullptr || station == nullptr || lengthSquared(station->position - ship->position) > kRange * kRange) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(kAssistCorridor.r, kAssistCorridor.g, kAssistCorridor.b);
    for (const Vector3& gate : gates(*station)) {
        drawGate(view, gate);
    }
    drawReadout(*ship, bay(*station), view);
}

}
