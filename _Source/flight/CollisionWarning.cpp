#include "flight/CollisionWarning.h"

#include "audio/SoundEffects.h"
#include "flight/Collision.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/ObjectList.h"
#include "rendering/GLFont.h"
#include "rendering/Mesh.h"
#include "rendering/TextDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace dh {

namespace {

constexpr const char* kWarningText = "COLLISION";
constexpr float kTextSize = 16.0f;
// Just above the speed console, whose top edge is 64 units above the bottom.
constexpr float kTextRise = 88.0f;

Vector3 centreOf(const GameObject& obj)
{
    return obj.position + obj.mesh->boundCentre;
}

// A ship bound for the docking point docks there before it reaches the
// station's hull behind it.
bool docksFirst(const GameObject_Ship& ship, const GameObject_SpaceStation& station, Vector3 direction,
                float hitDistance)
{
    const Vector3 toDock = station.dockingPoint() - ship.position;
    const float along = dot(toDock, direction);
    if (along < 0.0f || along > hitDistance) {
        return false;
    }
    return lengthSquared(toDock - direction * along) < GameObject_SpaceStation::kDockingRadiusSquared;
}

float timeToStatic(const GameObject_Ship& ship, const GameObject& other)
{
    const float speed = length(ship.velocity);
    if (speed == 0.0f) {
        return -1.0f;
    }
    const Vector3 direction = ship.velocity * (1.0f / speed);
    const Vector3 from = centreOf(ship);
    Vector3 hit;
    if (!rayHitsObject(from, direction, other, hit)) {
        return -1.0f;
    }
    const float hitDistance = length(hit - from);
    const auto* station = dynamic_cast<const GameObject_SpaceStation*>(&other);
    if (station != nullptr && docksFirst(ship, *station, direction, hitDistance)) {
        return -1.0f;
    }
    return std::max(hitDistance - ship.mesh->boundRadius, 0.0f) / speed;
}

float timeToMover(const GameObject_Ship& ship, const GameObject_Ship& other)
{
    return sphereTimeToImpact(centreOf(other) - centreOf(ship), ship.velocity - other.velocity,
                              ship.mesh->boundRadius + other.mesh->boundRadius);
}

bool impactSoon(float seconds)
{
    return seconds >= 0.0f && seconds < CollisionWarning::kWarningSeconds;
}

}

float sphereTimeToImpact(Vector3 offset, Vector3 closing, float reach)
{
    const float approach = dot(offset, closing);
    const float gap = lengthSquared(offset) - reach * reach;
    if (gap <= 0.0f) {
        return approach > 0.0f ? 0.0f : -1.0f;
    }
    const float closingSquared = lengthSquared(closing);
    const float discriminant = approach * approach - closingSquared * gap;
    if (approach <= 0.0f || discriminant < 0.0f) {
        return -1.0f;
    }
    return (approach - std::sqrt(discriminant)) / closingSquared;
}

float timeToImpact(const GameObject_Ship& ship, const GameObject& other)
{
    if (&other == &ship || !other.collidable || ship.mesh == nullptr || other.mesh == nullptr) {
        return -1.0f;
    }
    if (other.isStatic()) {
        return timeToStatic(ship, other);
    }
    const auto* otherShip = dynamic_cast<const GameObject_Ship*>(&other);
    return otherShip != nullptr ? timeToMover(ship, *otherShip) : -1.0f;
}

void CollisionWarning::update(const GameObject_Ship& ship, const ObjectList& objects, float seconds)
{
    bool coming = false;
    for (const auto group : {objects.staticObjects(), objects.movingObjects()}) {
        for (const GameObject* obj : group) {
            coming = coming || impactSoon(timeToImpact(ship, *obj));
        }
    }
    if (!coming) {
        warning_ = false;
        toneTimer_ = 0.0f;
        flashClock_ = 0.0f;
        return;
    }
    warning_ = true;
    if (toneTimer_ <= 0.0f) {
        playSound(sample::collisionWarning);
        toneTimer_ = kToneInterval;
    } else {
        toneTimer_ -= seconds;
    }
    flashClock_ += seconds;
}

void CollisionWarning::draw(float width, float height) const
{
    // Lit for most of every flash interval, from the warning's start: a blink
    // draws the eye, and the word is readable at any moment but the blink.
    if (!warning_ || std::fmod(flashClock_, kFlashInterval) >= kFlashInterval * 0.8f) {
        return;
    }
    const float length = static_cast<float>(std::strlen(kWarningText));
    drawText(g_fontBig, kWarningText, width * 0.5f - kTextSize * 0.5f * length, height - kTextRise, kTextSize, 1.0f,
             0.0f, 0.0f);
}

}
