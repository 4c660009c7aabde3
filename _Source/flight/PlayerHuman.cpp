#include "flight/PlayerHuman.h"

#include "flight/Controls.h"
#include "flight/FlightAssists.h"
#include "flight/FlightHooks.h"
#include "flight/GameObject_Ship.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/ObjectList.h"
#include "flight/Orientation.h"
#include "flight/World.h"
#include "platform/Controllers.h"
#include "platform/KeyState.h"
#include "platform/PlatformWindow.h"
#include "window/GLWindow.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace dh {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kViewDistance = 150.0f;

// Y steps through the views unless the player bound it to an action.
bool nextViewHeld()
{
    return !g_controls.isBound(VK_PAD_Y) && isKeyHeld(VK_PAD_Y);
}

}

PlayerHuman::PlayerHuman(const char* commanderName, ObjectRef* shipRef, FlightHooks* hooks)
    : Player(shipRef, 500.0),
      mouseSteering(isKeyHeld(VK_RBUTTON)),
      middleWasDown(isKeyHeld(VK_MBUTTON)),
      deleteWasDown(g_controls.held(Action::Emp)),
      backspaceWasDown(g_controls.held(Action::Missile)),
      nextViewWasDown(nextViewHeld()),
      commanderName(commanderName != nullptr ? commanderName : ""),
      hooks(hooks)
{
    turnCameraYaw(views[0], kPi);
    turnCameraYaw(views[2], kPi);
    views[2].position = {0.0f, 0.0f, -kViewDistance};
    views[3].position = {0.0f, 0.0f, kViewDistance};
    turnCameraYaw(views[4], -kPi / 2.0f);
    views[4].position = {-kViewDistance, 0.0f, 0.0f};
    turnCameraYaw(views[5], kPi / 2.0f);
    views[5].position = {kViewDistance, 0.0f, 0.0f};
    turnCameraPitch(views[6], -kPi / 2.0f);
    views[6].position = {0.0f, kViewDistance, 0.0f};
    turnCameraPitch(views[7], kPi / 2.0f);
    views[7].position = {0.0f, -kViewDistance, 0.0f};
    attachViews();
}

void PlayerHuman::setCommanderName(const char* name)
{
    if (name != nullptr) {
        commanderName = name;
    }
}

void PlayerHuman::attachViews()
{
    GameObject_Ship* own = ship();
    if (own == nullptr) {
        return;
    }
    for (std::uint32_t i = 0; i < kViewCount; ++i) {
        Camera& view = views[i];
        view.followed = own;
        view.followedRotation = own->orientation;
        view.followedPosition = own->position;
        view.outsideView = i >= 2;
        if (i < 2) {
            view.position = own->eyePoint;
        }
    }
}

void PlayerHuman::update(float dt)
{
    GameObject_Ship* own = ship();
    if (own == nullptr) {
        target = nullptr;
        return;
    }
    // A target removed since the last frame (destroyed, or cleared by docking) is gone.
    if (target != nullptr && (own->list == nullptr || !own->list->containsObject(target))) {
        target = nullptr;
    }
    float pitchInput = 0.0f;
    float yawInput = 0.0f;

    if (controlHeld(Action::ThrottleUp)) {
        own->targetSpeed = std::clamp(own->targetSpeed + dt * kThrottleRate, 0.0f, own->topSpeed);
    }
    if (controlHeld(Action::ThrottleDown)) {
        own->targetSpeed = std::clamp(own->targetSpeed - dt * kThrottleRate, 0.0f, own->topSpeed);
    }
    if (controlHeld(Action::PitchDown)) {
        pitchInput = dt * kTurnRate;
    }
    if (controlHeld(Action::PitchUp)) {
        pitchInput -= dt * kTurnRate;
    }
    if (controlHeld(Action::YawLeft)) {
        yawInput = dt * kTurnRate;
    }
    if (controlHeld(Action::YawRight)) {
        yawInput -= dt * kTurnRate;
    }
    for (std::uint32_t i = 0; i < kViewCount; ++i) {
        if (controlHeld(static_cast<Action>(static_cast<std::uint32_t>(Action::View1) + i))) {
            viewIndex = i;
        }
    }
    flyWithController(*own, dt, pitchInput, yawInput);
    flyByComputer(*own, dt, pitchInput, yawInput);

    missileKey(*own);
    empKey(*own);
    steerWithMouse(pitchInput, yawInput);

    const bool middle = isKeyHeld(VK_MBUTTON);
    if (middle && !middleWasDown && mouseSteering && (viewIndex & 7u) == 0 && target != nullptr
        && own->missiles > 0) {
        own->fireMissile(target);
    }
    middleWasDown = middle;

    const double k = std::min(std::pow(static_cast<double>(0.2f), static_cast<double>(dt)), 1.0);
    pitchRate = static_cast<float>(pitchRate * k + (1.0 - k) * pitchInput);
    yawRate = static_cast<float>(yawRate * k + (1.0 - k) * yawInput);
    yaw(*own, yawRate);
    pitch(*own, pitchRate);

    target = (viewIndex & 7u) == 0 && own->list != nullptr ? own->list->pickTarget(own) : nullptr;

    const bool laserHeld = (isKeyHeld(VK_LBUTTON) && isKeyHeld(VK_RBUTTON)) || controlHeld(Action::Laser);
    if (laserHeld) {
        own->fireLaser(dt);
    } else {
        own->stopLaser(dt);
    }
    attachViews();
}

void PlayerHuman::missileKey(GameObject_Ship& own)
{
    const bool held = controlHeld(Action::Missile);
    const bool pressed = held && !backspaceWasDown;
    backspaceWasDown = held;
    if (!pressed) {
        return;
    }
    if (target == nullptr) {
        refuse(kRefusalNoTarget);
    } else if (own.missiles == 0) {
        refuse(kRefusalNoMissiles);
    } else {
        own.fireMissile(target);
    }
}

void PlayerHuman::empKey(GameObject_Ship& own)
{
    const bool held = controlHeld(Action::Emp);
    const bool pressed = held && !deleteWasDown;
    deleteWasDown = held;
    if (!pressed) {
        return;
    }
    if (own.empBombs > 0) {
        own.dropEmpBomb();
    } else {
        refuse(kRefusalNoEmpBombs);
    }
}

void PlayerHuman::holdOffHeldControls()
{
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        heldOff[i] = g_controls.held(static_cast<Action>(i));
    }
}

bool PlayerHuman::controlHeld(Action action)
{
    const bool held = g_controls.held(action);
    bool& off = heldOff[static_cast<std::size_t>(action)];
    off = off && held;
    return held && !off;
}

void PlayerHuman::refuse(const Refusal& refusal)
{
    if (g_flightAssists && hooks != nullptr && hooks->showHudMessage) {
        hooks->showHudMessage(refusal);
        return;
    }
    if (GameObject_Ship* own = ship()) {
        if (SoundSet* sounds = worldSounds(*own)) {
            pauseSounds(*sounds);
        }
    }
    if (hooks != nullptr && hooks->showMessage) {
        hooks->showMessage(refusal.title, refusal.text);
    }
    if (hooks != nullptr && hooks->resumeClock) {
        hooks->resumeClock();
    }
}

// The stick turns at the keys' rate at full deflection, in proportion below;
// pushed forward it pitches like the pitch-down key. The triggers throttle at
// the keys' rate, Y steps to the next view.
void PlayerHuman::flyWithController(GameObject_Ship& own, float dt, float& pitchInput, float& yawInput)
{
    yawInput -= padAxis(PadAxis::LeftX) * dt * kTurnRate;
    pitchInput -= padAxis(PadAxis::LeftY) * dt * kTurnRate;
    const float throttle = padAxis(PadAxis::RightTrigger) - padAxis(PadAxis::LeftTrigger);
    if (throttle != 0.0f) {
        own.targetSpeed = std::clamp(own.targetSpeed + throttle * dt * kThrottleRate, 0.0f, own.topSpeed);
    }
    const bool nextView = nextViewHeld();
    if (nextView && !nextViewWasDown) {
        viewIndex = (viewIndex + 1) & 7u;
    }
    nextViewWasDown = nextView;
}

// The docking computer holds the controls a pilot holds, at the same rates.
void PlayerHuman::flyByComputer(GameObject_Ship& own, float dt, float& pitchInput, float& yawInput)
{
    const DockingComputer::Pilot pilot{handsOnControls(), pitchRate, yawRate};
    GameObject_SpaceStation* station = hooks != nullptr && hooks->station ? hooks->station() : nullptr;
    const DockingComputer::Stick stick = dockingComputer.update(own, station, pilot, dt);
    if (!dockingComputer.engaged()) {
        return;
    }
    pitchInput += stick.pitch * dt * kTurnRate;
    yawInput += stick.yaw * dt * kTurnRate;
    own.targetSpeed = std::clamp(own.targetSpeed + stick.throttle * dt * kThrottleRate, 0.0f, own.topSpeed);
}

bool PlayerHuman::handsOnControls()
{
    static constexpr Action kFlying[] = {Action::ThrottleUp, Action::ThrottleDown, Action::PitchUp,
                                         Action::PitchDown, Action::YawLeft, Action::YawRight};
    const bool keys = std::any_of(std::begin(kFlying), std::end(kFlying), [this](Action a) { return controlHeld(a); });
    const bool sticks = padAxis(PadAxis::LeftX) != 0.0f || padAxis(PadAxis::LeftY) != 0.0f
                     || padAxis(PadAxis::LeftTrigger) != 0.0f || padAxis(PadAxis::RightTrigger) != 0.0f;
    return keys || sticks || isKeyHeld(VK_RBUTTON);
}

void PlayerHuman::steerWithMouse(float& pitchInput, float& yawInput)
{
    const bool held = isKeyHeld(VK_RBUTTON);
    if (held && mouseSteering) {
        int x = 0;
        int y = 0;
        platformGetCursorScreenPosition(x, y);
        pitchInput += g_controls.mousePitch(y - clientCentreY());
        yawInput += g_controls.mouseYaw(x - clientCentreX());
        centreCursor();
        if (isCursorInClient()) {
            setCursorMode(0);
        }
    } else if (held) {
        if (isCursorInClient()) {
            setCursorMode(0);
            platformGetCursorScreenPosition(savedCursorX, savedCursorY);
            centreCursor();
            mouseSteering = true;
        }
    } else if (mouseSteering) {
        setCursorMode(1);
        moveCursorTo(savedCursorX, savedCursorY);
        mouseSteering = false;
    }
}

}
