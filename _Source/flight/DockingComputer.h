#pragma once

namespace dh {

class GameObject_Ship;
class GameObject_SpaceStation;

// Flies the player's ship into the station's docking bay once the pilot,
// with the flight assists on, presses C within 20 km of the station. It holds
// the controls a pilot holds, no harder: the turn keys, deflected as far as a
// stick would deflect them, and the throttle. It lets go when the pilot
// steers or throttles, when C is pressed again and when the ship reaches the
// bay, where the station docks it as it docks any pilot.
class DockingComputer {
public:
    static constexpr unsigned kKey = 'C';
    static constexpr float kRange = 20000.0f;

    // The controls held for one frame, each -1 .. 1 of the keys' full rate:
    // pitch and yaw turn the nose as the angles given to pitch() and yaw() do.
    struct Stick {
        float pitch = 0.0f;
        float yaw = 0.0f;
        float throttle = 0.0f;
    };
    // The pilot's side of the frame: whether a steering or throttle control
    // is held, and the ship's smoothed turns of the last frame, in radians.
    struct Pilot {
        bool handsOn = false;
        float pitchRate = 0.0f;
        float yawRate = 0.0f;
    };

    DockingComputer();

    // One frame: reads C, engages or lets go, and says what to hold.
    Stick update(const GameObject_Ship& ship, const GameObject_SpaceStation* station, const Pilot& pilot, float dt);
    bool engaged() const { return engaged_; }
    // "DOCKING COMPUTER" at the top of the HUD while it flies, in a virtual
    // screen `width` units wide.
    void drawLabel(float width) const;

private:
    bool keyPressed();
    bool mayEngage(const GameObject_Ship& ship, const GameObject_SpaceStation& station, const Pilot& pilot,
                   bool pressed) const;
    bool keepsFlying(const GameObject_Ship& ship, const GameObject_SpaceStation& station, const Pilot& pilot,
                     bool pressed) const;
    Stick fly(const GameObject_Ship& ship, const GameObject_SpaceStation& station, const Pilot& pilot, float dt) const;

    bool engaged_ = false;
    bool keyWasDown_;
    // The ship and station it was engaged for; a loaded game or another
    // system brings others, and the computer lets go.
    const GameObject_Ship* ship_ = nullptr;
    const GameObject_SpaceStation* station_ = nullptr;
};

}
