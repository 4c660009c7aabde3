#pragma once

#include "flight/Refusal.h"

namespace dh {

// A flight assist: a refusal is shown for two seconds as text over the
// flight instead of a dialog that pauses it. A new refusal replaces the one
// on show and starts its two seconds again.
class HudMessages {
public:
    static constexpr float kShowSeconds = 2.0f;

    void post(const Refusal& refusal);
    // `seconds` is the frame's real duration.
    void update(float seconds);
    // Into the HUD's virtual screen of the given width.
    void draw(float width) const;
    // The refusal on show, or null.
    const Refusal* shown() const;

private:
    Refusal refusal_{};
    float remaining_ = 0.0f;
};

}
