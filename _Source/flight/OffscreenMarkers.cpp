#include "flight/OffscreenMarkers.h"

#include "flight/AssistColour.h"
#include "flight/AssistView.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace dh {

namespace {

constexpr float kArrowLength = 20.0f;
constexpr float kArrowHalfWidth = 9.0f;
constexpr float kOutline = 2.0f;

// Scale along the ray from the centre, with direction d, to the bounds.
float reachTo(float from, float d, float low, float high)
{
    if (d > 0.0f) {
        return (high - from) / d;
    }
    if (d < 0.0f) {
        return (low - from) / d;
    }
    return std::numeric_limits<float>::infinity();
}

void triangle(const EdgeArrow& arrow, float length, float halfWidth, float back)
{
    const Point2 d = arrow.direction;
    const Point2 tip{arrow.tip.x + d.x * back, arrow.tip.y + d.y * back};
    const Point2 base{tip.x - d.x * length, tip.y - d.y * length};
    glVertex2f(tip.x, tip.y);
    glVertex2f(base.x - d.y * halfWidth, base.y + d.x * halfWidth);
    glVertex2f(base.x + d.y * halfWidth, base.y - d.x * halfWidth);
}

void drawArrow(const AssistView& view, Vector3 position, AssistColour colour)
{
    const std::optional<EdgeArrow> arrow = OffscreenMarkers::arrowFor(view.clip(position), view.width, view.height);
    if (!arrow) {
        return;
    }
    glBegin(GL_TRIANGLES);
    glColor3f(0.0f, 0.0f, 0.0f);
    triangle(*arrow, kArrowLength + 3.0f * kOutline, kArrowHalfWidth + 1.5f * kOutline, kOutline);
    glColor3f(colour.r, colour.g, colour.b);
    triangle(*arrow, kArrowLength, kArrowHalfWidth, 0.0f);
    glEnd();
}

}

bool OffscreenMarkers::closingOn(const GameObject& ship, Vector3 shipVelocity, Vector3 position, Vector3 velocity)
{
    const Vector3 offset = position - ship.position;
    if (lengthSquared(offset) > kClosingRange * kClosingRange) {
        return false;
    }
    return dot(velocity - shipVelocity, offset) < 0.0f;
}

std::optional<EdgeArrow> OffscreenMarkers::arrowFor(const std::array<float, 4>& clip, float width, float height)
{
    const float w = clip[3];
    if (w > 0.0f && std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w) {
        return std::nullopt;
    }
    // Across the view the clip x and y keep the side the point lies on even
    // behind the eye, where dividing by w would mirror it.
    Point2 d{clip[0] * width * 0.5f, -clip[1] * height * 0.5f};
    const float size = std::sqrt(d.x * d.x + d.y * d.y);
    if (size > 0.0f) {
        d = {d.x / size, d.y / size};
    } else {
        d = {0.0f, 1.0f};
    }
    const Point2 centre{width * 0.5f, height * 0.5f};
    const float reach = std::min(reachTo(centre.x, d.x, kMargin, width - kMargin),
                                 reachTo(centre.y, d.y, kMargin, height - kBottomMargin));
    return EdgeArrow{{centre.x + d.x * reach, centre.y + d.y * reach}, d};
}

void OffscreenMarkers::draw(const Game& game, const AssistView& view)
{
    const GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (const GameObject* station = game.station()) {
        drawArrow(view, station->position, kAssistStation);
    }
    for (std::uint32_t i = 0; i < game.aiCount; ++i) {
        const auto* hostile = static_cast<const GameObject_Ship*>(game.aiShipRefs[i]->object);
        if (hostile != nullptr && closingOn(*ship, ship->velocity, hostile->position, hostile->velocity)) {
            drawArrow(view, hostile->position, kAssistHostile);
        }
    }
    const ObjectList& objects = game.world->objects;
    for (const GameObject* obj = objects.findFirstMissile(); obj != nullptr; obj = objects.findNextOfSameKind(obj)) {
        const auto* missile = static_cast<const MovingGameObject*>(obj);
        if (closingOn(*ship, ship->velocity, missile->position, missile->velocity)) {
            drawArrow(view, missile->position, kAssistMissile);
        }
    }
}

}
