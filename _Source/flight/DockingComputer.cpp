#include "flight/DockingComputer.h"

#include "core/Matrix3.h"
#include "flight/Controls.h"
#include "flight/DockingPath.h"
#include "flight/FlightAssists.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/PlayerHuman.h"
#include "platform/KeyState.h"

#include <algorithm>
#include <cmath>

namespace dh {

namespace {

// Turn control: the pilot's turn follows the keys with a lag (80 % of a turn
// dies away per second: a rate of k = ln 5 per second). Commanding
// gain x error - damping x turn rate, in rad/s, closes an error like a
// critically damped spring with both roots at -3 per second:
// k (1 + damping) = 6 and k x gain = 9.
constexpr float kTurnDamping = 2.728f;
constexpr float kTurnGain = 5.592f;
// Moving slower than this, the ship goes where its nose points.
constexpr float kDriftlessSpeed = 50.0f;
// Into the bay, and anywhere the hull is near, slower than a bump that hurts
// (a quarter of the speed lost in a bounce costs shield from 100 units/s on).
constexpr float kBaySpeed = 250.0f;
constexpr float kHullSpeed = 380.0f;
constexpr float kHullReach = 3000.0f;

bool keyBoundToAction()
{
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        if (g_controls.input(static_cast<Action>(i)) == DockingComputer::kKey) {
            return true;
        }
    }
    return false;
}

bool inRange(const GameObject_Ship& ship, const GameObject_SpaceStation& station)
{
    return lengthSquared(ship.position - station.position) <= DockingComputer::kRange * DockingComputer::kRange;
}

bool inBay(const GameObject_Ship& ship, const GameObject_SpaceStation& station)
{
    return lengthSquared(ship.position - station.dockingPoint()) < GameObject_SpaceStation::kDockingRadiusSquared;
}

// The stick deflection that turns the nose through `error` radians, for a
// ship already turning at `rate` radians per second the same way.
float turnStick(float error, float rate)
{
    const float command = kTurnGain * error - kTurnDamping * rate;
    return std::clamp(command / PlayerHuman::kTurnRate, -1.0f, 1.0f);
}

// Fast where there is room to brake at half the ship's deceleration before the
// bay and before the hull, slow while the ship's track points off the way.
float safeSpeed(const GameObject_Ship& ship, const GameObject_SpaceStation& station, const DockingPath& path,
                Vector3 heading)
{
    const float brake = ship.acceleration;
    const float clearOfHull = std::max(length(ship.position - station.position) - kHullReach, 0.0f);
    float wanted = std::sqrt(kBaySpeed * kBaySpeed + brake * path.remaining);
    wanted = std::min(wanted, std::sqrt(kHullSpeed * kHullSpeed + brake * clearOfHull));
    const float speed = length(ship.velocity);
    if (speed > kDriftlessSpeed) {
        const float along = std::max(dot(ship.velocity, heading) / speed, 0.0f);
        wanted = std::min(wanted, std::max(kHullSpeed, ship.topSpeed * along * along));
    }
    return std::min(wanted, ship.topSpeed);
}

}

DockingComputer::DockingComputer() : keyWasDown_(isKeyHeld(kKey)) {}

DockingComputer::Stick DockingComputer::update(const GameObject_Ship& ship, const GameObject_SpaceStation* station,
                                               const Pilot& pilot, float dt)
{
    const bool pressed = keyPressed();
    if (!g_flightAssists || station == nullptr) {
        engaged_ = false;
        return {};
    }
    if (engaged_) {
        engaged_ = keepsFlying(ship, *station, pilot, pressed);
    } else if (mayEngage(ship, *station, pilot, pressed)) {
        engaged_ = true;
        ship_ = &ship;
        station_ = station;
    }
    if (!engaged_ || dt <= 0.0f) {
        return {};
    }
    return fly(ship, *station, pilot, dt);
}

// C counts on its press; while a flight action answers to it, it is that action's key.
bool DockingComputer::keyPressed()
{
    const bool held = isKeyHeld(kKey) && !keyBoundToAction();
    const bool pressed = held && !keyWasDown_;
    keyWasDown_ = held;
    return pressed;
}

bool DockingComputer::mayEngage(const GameObject_Ship& ship, const GameObject_SpaceStation& station,
                                const Pilot& pilot, bool pressed) const
{
    return pressed && !pilot.handsOn && inRange(ship, station) && !inBay(ship, station);
}

bool DockingComputer::keepsFlying(const GameObject_Ship& ship, const GameObject_SpaceStation& station,
                                  const Pilot& pilot, bool pressed) const
{
    const bool sameFlight = &ship == ship_ && &station == station_;
    return sameFlight && !pressed && !pilot.handsOn && inRange(ship, station) && !inBay(ship, station);
}

DockingComputer::Stick DockingComputer::fly(const GameObject_Ship& ship, const GameObject_SpaceStation& station,
                                            const Pilot& pilot, float dt) const
{
    const DockingPath path = planDockingPath(ship.position, station.dockingPoint(), station.forward());
    const Vector3 heading = normalized(path.aim - ship.position);
    // The nose leads the track: the thrust swings the track towards the nose
    // at acceleration / speed radians per second, quick when slow, so a fast
    // ship points as far beyond the heading as its track lags behind it.
    Vector3 nose = heading;
    const float speed = length(ship.velocity);
    if (speed > kDriftlessSpeed) {
        const float lead = std::min(speed / ship.acceleration, 1.0f);
        nose = normalized(heading + (heading - ship.velocity * (1.0f / speed)) * lead);
    }
    const Vector3 local = transform(ship.orientation, nose);
    Stick stick;
    stick.yaw = turnStick(std::atan2(local.x, local.z), pilot.yawRate / dt);
    stick.pitch = turnStick(std::atan2(-local.y, std::hypot(local.x, local.z)), pilot.pitchRate / dt);
    const float wanted = safeSpeed(ship, station, path, heading);
    stick.throttle = std::clamp((wanted - ship.targetSpeed) / (dt * PlayerHuman::kThrottleRate), -1.0f, 1.0f);
    return stick;
}

}
